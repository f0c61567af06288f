// A small command-line tool for the interoperability test with an independent
// DXF library: it writes the DXF of the first example scheme, or reads a DXF
// file, and lists the entities in a form a script can compare.
//
//   strumento_dxf esempio FILE   writes FILE, lists the entities as placed
//   strumento_dxf elenca FILE    reads FILE, prints what the reader met, lists the entities
//
// One entity a line: tipo|colore|nome in hexadecimal|x|y|z|altezza|rotazione,
// numbers with 17 significant digits.
#include <cstdio>
#include <string>
#include <string_view>

#include "exchange/dxf_scrittura.h"
#include "exchange/file_scambio.h"
#include "supporto_scambio.h"

namespace {

using namespace pianopre;

std::string esadecimale(std::string_view byte) {
    static const char cifre[] = "0123456789abcdef";
    std::string s;
    for (unsigned char c : byte) {
        s += cifre[c >> 4];
        s += cifre[c & 15];
    }
    return s;
}

void elenca(const modello& m) {
    for (const entita& e : m.lista_entita.voci())
        std::printf("%d|%d|%s|%.17g|%.17g|%.17g|%.9g|%.9g\n", e.tipo, e.colore,
                    esadecimale(e.nome.grezzo()).c_str(), e.x, e.y, e.z,
                    static_cast<double>(e.altezza), static_cast<double>(e.rotazione));
}

int esegui(std::string_view comando, const char* file) {
    commessa c;
    modello& m = c.disegno;
    if (comando == "esempio") {
        prova::calcola_esempio(c);
        salva_file_dxf(file, m.lista_entita, 0, 0, 0);
        elenca(m);
        return 0;
    }
    if (comando == "elenca") {
        azzera_liste(m);
        const esito_dxf esito = leggi_file_dxf(file, m);
        std::printf("esito|%d|%d\n", esito.manca_layer ? 1 : 0, esito.manca_entita ? 1 : 0);
        elenca(m);
        return 0;
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s esempio|elenca FILE\n", argv[0]);
        return 2;
    }
    try {
        return esegui(argv[1], argv[2]);
    } catch (const pianopre::errore& e) {
        std::fprintf(stderr, "errore %d\n", e.numero());
        return 1;
    }
}
