// Fixed-length text fields of the records (16 characters for entities and
// layers, 15 for control points and project labels, 10 for the shooting mode).
//
// A new field holds NUL characters. Assigning pads with blanks on the right or
// cuts after N characters; readers compare the view without surrounding blanks.
// The characters are kept as bytes: names read from files keep every byte.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pianopre {

template <std::size_t N>
class testo_fisso {
public:
    testo_fisso() : car_{} {}
    testo_fisso(std::string_view testo) { assegna(testo); }  // NOLINT: assignment from text

    testo_fisso& operator=(std::string_view testo) {
        assegna(testo);
        return *this;
    }

    void assegna(std::string_view testo) {
        const std::size_t n = testo.size() < N ? testo.size() : N;
        for (std::size_t i = 0; i < n; ++i) car_[i] = testo[i];
        for (std::size_t i = n; i < N; ++i) car_[i] = ' ';
    }

    // All N characters, padding included.
    std::string_view grezzo() const { return {car_.data(), N}; }

    // The text without leading and trailing blanks.
    std::string_view pulito() const {
        std::string_view v = grezzo();
        const auto inizio = v.find_first_not_of(' ');
        if (inizio == std::string_view::npos) return {};
        const auto fine = v.find_last_not_of(' ');
        return v.substr(inizio, fine - inizio + 1);
    }

    std::string testo() const { return std::string(pulito()); }

    static constexpr std::size_t lunghezza = N;

    friend bool operator==(const testo_fisso&, const testo_fisso&) = default;

private:
    std::array<char, N> car_;
};

}  // namespace pianopre
