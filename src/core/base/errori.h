// Numbered errors and guarded arithmetic.
//
// Errors keep the numbers users and older files know; every number the program
// raises is in the one enumeration below. Procedures below a command only
// throw; the command decides what the user sees.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace pianopre {

enum codice_errore : int {
    err_overflow = 6,           // overflow or invalid operation
    err_memoria = 7,            // out of memory
    err_indice = 9,             // subscript out of range
    err_divisione = 11,         // division by zero
    err_tipo = 13,              // type mismatch
    err_file_non_trovato = 53,  // file not found
    err_fine_file = 62,         // input past the end of the file
    err_accesso_file = 75,      // path or file access error
    err_annulla = 32755,        // Cancel
};

class errore : public std::runtime_error {
public:
    explicit errore(int numero);
    int numero() const noexcept { return numero_; }

private:
    int numero_;
};

// x itself when finite, error 6 otherwise.
double finito(double x);

// a / b: error 11 when b is zero, error 6 for 0/0 or a result that is not finite.
double dividi(double a, double b);

// Nearest whole number with halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// error 6 outside -32768..32767 or for a value that is not finite.
std::int16_t intero16(double x);

// 16-bit sum and product, error 6 when the result leaves the range.
std::int16_t somma16(std::int16_t a, std::int16_t b);
std::int16_t prodotto16(std::int16_t a, std::int16_t b);

// A 64-bit real narrowed to 32 bits; error 6 when it is not finite or too large.
float singolo(double x);

}  // namespace pianopre
