// A stream buffer that passes another one's bytes through and reports how far
// the reading has got, so that a long read can show its progress and be
// stopped: when the report answers "stop", the stream ends there.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <streambuf>

namespace pianopre {

// Called with the bytes read so far; false stops the reading.
using avanzamento = std::function<bool(std::int64_t letti)>;

class flusso_avanzamento : public std::streambuf {
public:
    // Reports about every `passo` bytes, and once at the start.
    flusso_avanzamento(std::streambuf& sorgente, avanzamento rapporto,
                       std::int64_t passo = 1 << 20);

    bool interrotto() const { return interrotto_; }
    std::int64_t letti() const { return letti_; }

protected:
    int_type underflow() override;

private:
    std::streambuf& sorgente_;
    avanzamento rapporto_;
    std::int64_t passo_;
    std::int64_t letti_ = 0;
    std::int64_t prossimo_ = 0;
    bool interrotto_ = false;
    std::array<char, 1 << 16> blocco_{};
};

}  // namespace pianopre
