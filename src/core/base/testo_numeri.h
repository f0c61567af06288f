// Text forms of numbers, shared by the output boxes, the scheme legend, the
// precision pair and the DXF writer. Locale-independent: the decimal separator
// of the general form comes in as a value.
#pragma once

#include <string>

#include "base/formato_regionale.h"

namespace pianopre {

// General form: up to 15 significant digits, trailing zeros dropped, the
// regional decimal separator, no grouping, "-" for negatives, a zero before the
// separator below 1 (0,912). Magnitudes from 1E+15 up and below 1E-04 use the
// exponent form "1,5E+20", which leggi_numero reads back.
std::string testo_generale(double x, const formato_regionale& formato);

// Fixed form with a point: a blank before non-negative numbers, "-" before
// negative ones, no zero before the point below 1 (" .609"), trailing zeros
// dropped; 15 significant digits for a 64-bit real, 7 for a 32-bit one.
// Exponent form as above, with a point (" 1.5E+20").
std::string testo_punto(double x);
std::string testo_punto(float x);

// The precision pair: each value in the 32-bit fixed form cut to 5 characters,
// joined by " / " (" .609 /  1.76").
std::string testo_coppia_precisione(float x, float z);

}  // namespace pianopre
