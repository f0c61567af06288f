// The block-wise line reader of the exchange files.
#include "exchange/righe.h"

#include <algorithm>
#include <cstring>

#include "base/errori.h"

namespace pianopre {

lettore_righe::lettore_righe(std::istream& file, std::size_t dim_blocco)
    : file_(file), dim_(std::max<std::size_t>(dim_blocco, 1)), blocco_(new char[dim_]) {}

bool lettore_righe::riempi() {
    pos_ = 0;
    len_ = 0;
    if (esaurito_) return false;
    file_.read(blocco_.get(), static_cast<std::streamsize>(dim_));
    len_ = static_cast<std::size_t>(file_.gcount());
    if (file_.bad()) throw errore(err_accesso_file);
    if (len_ < dim_) esaurito_ = true;
    return len_ > 0;
}

std::string_view lettore_righe::chiudi_riga(std::string_view riga, bool togli_cr) {
    ++numero_;
    if (togli_cr && !riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
    return riga.substr(0, riga_massima);
}

bool lettore_righe::leggi_fino(std::string_view& riga, char termine, bool togli_cr) {
    if (pos_ >= len_ && !riempi()) return false;
    const char* inizio = blocco_.get() + pos_;
    if (const void* a_capo = std::memchr(inizio, termine, len_ - pos_)) {
        const auto n = static_cast<std::size_t>(static_cast<const char*>(a_capo) - inizio);
        pos_ += n + 1;
        riga = chiudi_riga({inizio, n}, togli_cr);
        return true;
    }
    // The line goes on in the next block: gather it, keeping at most riga_massima.
    lunga_.assign(inizio, std::min(len_ - pos_, riga_massima));
    while (riempi()) {
        const char* b = blocco_.get();
        const void* a_capo = std::memchr(b, termine, len_);
        const std::size_t n =
            a_capo ? static_cast<std::size_t>(static_cast<const char*>(a_capo) - b) : len_;
        lunga_.append(b, std::min(n, riga_massima - lunga_.size()));
        if (a_capo) {
            pos_ = n + 1;
            break;
        }
    }
    riga = chiudi_riga(lunga_, togli_cr);
    return true;
}

bool lettore_righe::leggi_byte(char* dest, std::size_t n) {
    while (n > 0) {
        if (pos_ >= len_ && !riempi()) return false;
        const std::size_t k = std::min(n, len_ - pos_);
        std::memcpy(dest, blocco_.get() + pos_, k);
        pos_ += k;
        dest += k;
        n -= k;
    }
    return true;
}

bool lettore_righe::fine() {
    return pos_ >= len_ && !riempi();
}

std::string_view senza_blank(std::string_view testo) {
    // Every line of a file passes here: plain loops, no search machinery.
    const char* inizio = testo.data();
    const char* fine = inizio + testo.size();
    while (inizio != fine && *inizio == ' ') ++inizio;
    while (fine != inizio && fine[-1] == ' ') --fine;
    return {inizio, static_cast<std::size_t>(fine - inizio)};
}

}  // namespace pianopre
