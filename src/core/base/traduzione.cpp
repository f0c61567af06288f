// The core's one translator, set by the UI at start-up.
#include "base/traduzione.h"

#include <atomic>

namespace pianopre {

namespace {
std::atomic<traduttore> attuale{nullptr};
}  // namespace

void imposta_traduttore(traduttore t) {
    attuale.store(t, std::memory_order_release);
}

std::string traduci(const char* contesto, const char* testo) {
    const traduttore t = attuale.load(std::memory_order_acquire);
    return t != nullptr ? t(contesto, testo) : std::string(testo);
}

}  // namespace pianopre
