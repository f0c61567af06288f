// A small command-line tool for the interoperability test with an independent
// DXF library: it writes the DXF of the first example scheme, or reads a DXF
// file, and lists the entities in a form a script can compare.
//
//   strumento_dxf esempio FILE      writes FILE, lists the entities as placed
//   strumento_dxf voci FILE         reads FILE, prints what the reader met, lists the entities
//   strumento_dxf elenca FILE       reads FILE, lists the entities for confronta.py
//   strumento_dxf risalva FILE OUT  reads FILE and saves what was read to OUT
//
// voci and esempio: one entity a line, tipo|colore|nome in hexadecimal|x|y|z|
// altezza|rotazione, numbers with 17 significant digits. elenca: "TIPO X Y Z",
// texts followed by a tab and the text in UTF-8.
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

// A Windows-1252 text as UTF-8, control characters as blanks.
std::string utf8(std::string_view byte) {
    static const char16_t alti[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    std::string s;
    for (unsigned char c : byte) {
        const unsigned u = c < 0x20 ? ' ' : (c >= 0x80 && c < 0xA0) ? alti[c - 0x80] : c;
        if (u < 0x80) {
            s += static_cast<char>(u);
        } else if (u < 0x800) {
            s += static_cast<char>(0xC0 | (u >> 6));
            s += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (u >> 12));
            s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return s;
}

void elenca_per_confronto(const modello& m) {
    for (const entita& e : m.lista_entita.voci()) {
        std::printf("%d %.17g %.17g %.17g", e.tipo, e.x, e.y, e.z);
        if (e.tipo == tipo_testo) std::printf("\t%s", utf8(e.nome.pulito()).c_str());
        std::printf("\n");
    }
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
    if (comando == "voci") {
        azzera_liste(m);
        const esito_dxf esito = leggi_file_dxf(file, m);
        std::printf("esito|%d|%d\n", esito.manca_layer ? 1 : 0, esito.manca_entita ? 1 : 0);
        elenca(m);
        return 0;
    }
    if (comando == "elenca") {
        azzera_liste(m);
        leggi_file_dxf(file, m);
        elenca_per_confronto(m);
        return 0;
    }
    return 2;
}

int risalva(const char* file, const char* uscita) {
    commessa c;
    modello& m = c.disegno;
    azzera_liste(m);
    leggi_file_dxf(file, m);
    salva_file_dxf(uscita, m.lista_entita, 0, 0, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && !(argc == 4 && std::string_view(argv[1]) == "risalva")) {
        std::fprintf(stderr, "uso: %s esempio|voci|elenca FILE, risalva FILE USCITA\n", argv[0]);
        return 2;
    }
    try {
        if (argc == 4) return risalva(argv[2], argv[3]);
        return esegui(argv[1], argv[2]);
    } catch (const pianopre::errore& e) {
        std::fprintf(stderr, "errore %d\n", e.numero());
        return 1;
    }
}
