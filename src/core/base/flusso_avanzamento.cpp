// The progress-reporting stream buffer.
#include "base/flusso_avanzamento.h"

#include <utility>

namespace pianopre {

flusso_avanzamento::flusso_avanzamento(std::streambuf& sorgente, avanzamento rapporto,
                                       std::int64_t passo)
    : sorgente_(sorgente), rapporto_(std::move(rapporto)), passo_(passo > 0 ? passo : 1) {}

flusso_avanzamento::int_type flusso_avanzamento::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (interrotto_) return traits_type::eof();
    if (letti_ >= prossimo_) {
        if (rapporto_ && !rapporto_(letti_)) {
            interrotto_ = true;
            return traits_type::eof();
        }
        prossimo_ = letti_ + passo_;
    }
    const std::streamsize n =
        sorgente_.sgetn(blocco_.data(), static_cast<std::streamsize>(blocco_.size()));
    if (n <= 0) return traits_type::eof();
    letti_ += n;
    setg(blocco_.data(), blocco_.data(), blocco_.data() + n);
    return traits_type::to_int_type(*gptr());
}

}  // namespace pianopre
