// Writes the stake-out CSV of the first example placed at (1000, 2000, 50),
// azimuth 30°, with three control points, in both layouts, into the folder
// given: pnezd.csv (comma, point) and penzd.csv (semicolon, comma).
#include <cstdio>
#include <exception>
#include <filesystem>

#include "job/stazioni_commessa.h"
#include "support/esempio.h"

namespace {

pianopre::punto_app punto(std::string_view nome, double x, double y, double z) {
    pianopre::punto_app p;
    p.nome = nome;
    p.x = x;
    p.y = y;
    p.z = z;
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pianopre;
    if (argc != 2) {
        std::fprintf(stderr, "uso: strumento_csv CARTELLA\n");
        return 2;
    }
    try {
        const std::filesystem::path cartella = argv[1];
        std::filesystem::create_directories(cartella);
        commessa c;
        prova::calcola_esempio(c);
        c.sito = {1000, 2000, 50, 30};
        agg_punto(c.disegno, punto("PF1", 1001.5, 2002.25, 51.125));
        agg_punto(c.disegno, punto("Sp\xc3\xa9, 2", 1010, 2010, 53));
        agg_punto(c.disegno, punto("Q\"3", -12.3456, 0.0004, -1));
        esporta_stazioni_csv(cartella / "pnezd.csv", c, {});
        esporta_stazioni_csv(cartella / "penzd.csv", c,
                             {ordine_colonne::penzd, separatori_csv::puntovirgola_virgola});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
