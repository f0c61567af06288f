// The progress-reporting stream: every byte passes through unchanged, the
// reports come at the steps asked, and a "stop" ends the stream there.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "base/flusso_avanzamento.h"

namespace pianopre {
namespace {

TEST(FlussoAvanzamento, PassaTuttoERiferisce) {
    std::string testo(300'000, 'x');
    for (std::size_t i = 0; i < testo.size(); i += 7) testo[i] = static_cast<char>('a' + i % 26);
    std::istringstream sorgente(testo);
    std::vector<std::int64_t> rapporti;
    flusso_avanzamento flusso(
        *sorgente.rdbuf(),
        [&](std::int64_t n) {
            rapporti.push_back(n);
            return true;
        },
        100'000);
    std::istream in(&flusso);
    std::ostringstream letto;
    letto << in.rdbuf();
    EXPECT_EQ(letto.str(), testo);
    EXPECT_FALSE(flusso.interrotto());
    ASSERT_GE(rapporti.size(), 3u);
    EXPECT_EQ(rapporti.front(), 0);
}

TEST(FlussoAvanzamento, FermatoFinisceLi) {
    std::istringstream sorgente(std::string(1'000'000, 'y'));
    int chiamate = 0;
    flusso_avanzamento flusso(
        *sorgente.rdbuf(), [&](std::int64_t) { return ++chiamate < 2; }, 1);
    std::istream in(&flusso);
    std::ostringstream letto;
    letto << in.rdbuf();
    EXPECT_TRUE(flusso.interrotto());
    EXPECT_EQ(chiamate, 2);
    EXPECT_EQ(letto.str().size(), 1u << 16);  // one block read before the stop
}

}  // namespace
}  // namespace pianopre
