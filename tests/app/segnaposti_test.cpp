// Values put into a translated pattern, in the order the pattern asks.
#include "base/segnaposti.h"

#include <gtest/gtest.h>

namespace pianopre {
namespace {

TEST(Segnaposti, OgniValoreAlSuoPosto) {
    const struct {
        const char* modello;
        std::initializer_list<std::string_view> valori;
        const char* atteso;
    } casi[] = {
        {"%1 x %2 pixel", {"6000", "4000"}, "6000 x 4000 pixel"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 e %1", {"x"}, "x e x"},
        {"Sovrapposizione %: %1", {"80"}, "Sovrapposizione %: 80"},
        {"%1%", {"5"}, "5%"},
        {"%1", {"%2"}, "%2"},
        {"%3 manca", {"a"}, "%3 manca"},
        {"%0 %", {}, "%0 %"},
    };
    for (const auto& c : casi) EXPECT_EQ(inserisci(c.modello, c.valori), c.atteso) << c.modello;
}

}  // namespace
}  // namespace pianopre
