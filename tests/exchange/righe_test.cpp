// The block-wise line reader: line ends, lines across block boundaries,
// overlong lines, and the end of the file.
#include <gtest/gtest.h>

#include <sstream>

#include "exchange/righe.h"

namespace pianopre {
namespace {

std::vector<std::string> tutte(const std::string& testo, std::size_t blocco) {
    std::istringstream in(testo);
    lettore_righe r(in, blocco);
    std::vector<std::string> linee;
    std::string_view riga;
    while (r.leggi(riga)) {
        linee.emplace_back(riga);
        EXPECT_EQ(r.numero_riga(), static_cast<std::int64_t>(linee.size()));
    }
    EXPECT_TRUE(r.fine());
    EXPECT_FALSE(r.leggi(riga));
    return linee;
}

using linee = std::vector<std::string>;

// Every block size from 1 byte up cuts lines and CR LF pairs everywhere.
TEST(LettoreRighe, FineRigaEBlocchi) {
    struct caso {
        std::string testo;
        linee attese;
    };
    const caso casi[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\n", {"a"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"uno\r\ndue\nTre", {"uno", "due", "Tre"}},
        {"a\rb\r\n", {"a\rb"}},  // a CR alone is part of the line
        {"x\r\r\n", {"x\r"}},    // only one CR goes with the line end
        {std::string("n\0l\n", 4), {std::string("n\0l", 3)}},
        {"  0\r\nSECTION\r\n  2\r\nENTITIES\r\n", {"  0", "SECTION", "  2", "ENTITIES"}},
    };
    for (const caso& c : casi)
        for (std::size_t blocco : {1u, 2u, 3u, 5u, 8u, 1u << 20})
            EXPECT_EQ(tutte(c.testo, blocco), c.attese) << c.testo << " block " << blocco;
}

TEST(LettoreRighe, FineDelFile) {
    std::istringstream in("a\nb");
    lettore_righe r(in, 4);
    std::string_view riga;
    EXPECT_FALSE(r.fine());
    ASSERT_TRUE(r.leggi(riga));
    EXPECT_FALSE(r.fine());
    ASSERT_TRUE(r.leggi(riga));
    EXPECT_EQ(riga, "b");
    EXPECT_TRUE(r.fine());
}

TEST(LettoreRighe, RigaOltreIlMassimo) {
    const std::size_t n = lettore_righe::riga_massima + 12345;
    const std::string testo = std::string(n, 'x') + "\r\nfine\r\n";
    for (std::size_t blocco : {4096u, 1u << 20, 1u << 22}) {
        const linee l = tutte(testo, blocco);
        ASSERT_EQ(l.size(), 2u);
        EXPECT_EQ(l[0].size(), lettore_righe::riga_massima) << blocco;
        EXPECT_EQ(l[0].find_first_not_of('x'), std::string::npos);
        EXPECT_EQ(l[1], "fine");
    }
}

TEST(LettoreRighe, SenzaBlank) {
    EXPECT_EQ(senza_blank("  0 "), "0");
    EXPECT_EQ(senza_blank("   "), "");
    EXPECT_EQ(senza_blank(""), "");
    EXPECT_EQ(senza_blank("\t8"), "\t8");  // only spaces pad DXF fields
    EXPECT_EQ(senza_blank("a b"), "a b");
}

}  // namespace
}  // namespace pianopre
