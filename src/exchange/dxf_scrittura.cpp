// The DXF writer: the fixed head and tail of the file and one writer per entity kind.
#include "exchange/dxf_scrittura.h"

#include <array>

#include "app/errori.h"
#include "app/testo_numeri.h"
#include "exchange/errori_file.h"

namespace pianopre {

namespace {

constexpr std::size_t blocco = std::size_t{1} << 18;

bool carattere_layer(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '$' ||
           c == '-' || c == '_';
}

void scrivi_posizione(uscita_dxf& file, const entita& e) {
    file.riga(" 10");
    file.numero(e.x);
    file.riga(" 20");
    file.numero(e.y);
    file.riga(" 30");
    file.numero(e.z);
}

void scrivi_inizio(uscita_dxf& file, std::string_view tipo, const entita& e) {
    file.riga("  0");
    file.riga(tipo);
    file.riga("  8");
    file.riga(nome_layer(e.nome));
}

void scrivi_layer(uscita_dxf& file, std::string_view nome, std::string_view colore) {
    for (std::string_view v : {"  0", "LAYER", "  2"}) file.riga(v);
    file.riga(nome);
    for (std::string_view v : {" 70", "0", " 62"}) file.riga(v);
    file.riga(colore);
    file.riga("  6");
    file.riga("CONTINUOUS");
}

}  // namespace

uscita_dxf::uscita_dxf(std::ostream& file) : file_(file) {
    buffer_.reserve(blocco + 4096);
}

void uscita_dxf::riga(std::string_view valore) {
    buffer_.append(valore);
    buffer_.append("\r\n");
    if (buffer_.size() >= blocco) svuota();
}

void uscita_dxf::numero(double x) {
    riga(testo_punto(x));
}

void uscita_dxf::numero(float x) {
    riga(testo_punto(x));
}

void uscita_dxf::svuota() {
    file_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
    if (!file_) throw errore(err_accesso_file);
}

void pulisci_nome(testo_fisso<16>& nome) {
    std::string testo(nome.pulito());
    for (char& c : testo)
        if (c == ' ' || c == '.') c = '_';
    nome = testo;
}

std::string nome_layer(const testo_fisso<16>& nome) {
    std::string layer(nome.pulito());
    if (layer.empty()) return "0";
    for (char& c : layer)
        if (!carattere_layer(static_cast<unsigned char>(c))) c = '_';
    return layer;
}

void scrivi_testata(uscita_dxf& file) {
    for (std::string_view v :
         {"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  0", "ENDSEC"})
        file.riga(v);
    for (std::string_view v :
         {"  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LAYER", " 70", "60"})
        file.riga(v);
    scrivi_layer(file, "FONDO", "4");
    for (int n = 1; n <= 50; ++n) scrivi_layer(file, std::to_string(n), n % 2 == 1 ? " 1 " : " 3 ");
    for (std::string_view v :
         {"  0", "ENDTAB", "  0", "ENDSEC", "  0", "SECTION", "  2", "ENTITIES"})
        file.riga(v);
}

void scrivi_point(uscita_dxf& file, const entita& e) {
    scrivi_inizio(file, "POINT", e);
    scrivi_posizione(file, e);
}

void scrivi_polyline(uscita_dxf& file, const entita& e) {
    scrivi_inizio(file, "POLYLINE", e);
    for (std::string_view v : {" 70", "8", " 66", "     1"}) file.riga(v);
}

void scrivi_vertex(uscita_dxf& file, const entita& e) {
    scrivi_inizio(file, "VERTEX", e);
    file.riga(" 70");
    file.riga("32");
    scrivi_posizione(file, e);
}

void scrivi_seqend(uscita_dxf& file) {
    file.riga("  0");
    file.riga("SEQEND");
}

void scrivi_text(uscita_dxf& file, const entita& e) {
    scrivi_inizio(file, "TEXT", e);
    scrivi_posizione(file, e);
    file.riga("40");
    file.numero(e.altezza);
    file.riga("  1");
    // A line end or other control byte inside the text would break the file.
    std::array<char, 16> testo;
    const std::string_view grezzo = e.nome.grezzo();
    for (std::size_t i = 0; i < testo.size(); ++i)
        testo[i] = static_cast<unsigned char>(grezzo[i]) < 0x20 ? '_' : grezzo[i];
    file.riga({testo.data(), testo.size()});
}

void scrivi_coda(uscita_dxf& file) {
    for (std::string_view v : {"  0", "ENDSEC", "  0", "EOF"}) file.riga(v);
}

void salva_dxf(std::ostream& file, const elenco_entita& lista, double ox, double oy, double oz) {
    uscita_dxf uscita(file);
    scrivi_testata(uscita);
    for (entita e : lista.voci()) {
        pulisci_nome(e.nome);
        if (e.attributi & attr_relativo) {
            e.x += ox;
            e.y += oy;
            e.z += oz;
        }
        // "inf" or "nan" in the file would make it unreadable: refuse instead.
        finito(e.x);
        finito(e.y);
        finito(e.z);
        finito(e.altezza);
        switch (e.tipo) {
            case 11:
                scrivi_point(uscita, e);
                break;
            case 21:
            case 31:
                scrivi_polyline(uscita, e);
                scrivi_vertex(uscita, e);
                break;
            case 22:
            case 32:
                scrivi_vertex(uscita, e);
                break;
            case 23:
            case 33:
                scrivi_vertex(uscita, e);
                scrivi_seqend(uscita);
                break;
            case 81:
                scrivi_text(uscita, e);
                break;
            default:
                break;
        }
    }
    scrivi_coda(uscita);
    uscita.svuota();
}

}  // namespace pianopre
