// The DXF writer: the fixed head and tail of the file and one writer per entity kind.
#include "exchange/dxf_scrittura.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "base/errori.h"
#include "base/testo_numeri.h"
#include "exchange/testi_dxf.h"

namespace pianopre {

namespace {

constexpr std::size_t blocco = std::size_t{1} << 18;

bool carattere_layer(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '$' ||
           c == '-' || c == '_';
}

// The fixed form with a point of testo_punto, written into a buffer of the
// caller: the writer formats millions of numbers and must not allocate for each.
template <typename T>
std::string_view forma_punto(T x, int cifre, std::array<char, 48>& buf) {
    if (x == 0) x = 0;                   // no "-0"
    char* const testo = buf.data() + 1;  // room for the sign in front
    const auto [fine, ec] =
        std::to_chars(testo, buf.data() + buf.size(), x, std::chars_format::general, cifre);
    if (ec != std::errc{}) return {};
    char* corpo = testo;
    const bool negativo = *corpo == '-';
    if (negativo) ++corpo;
    if (fine - corpo > 1 && corpo[0] == '0' && corpo[1] == '.') ++corpo;  // " .6", not " 0.6"
    char* const inizio = corpo - 1;
    *inizio = negativo ? '-' : ' ';
    std::replace(corpo, fine, 'e', 'E');
    return {inizio, static_cast<std::size_t>(fine - inizio)};
}

// The layer an entity is written on, in a buffer of the caller.
std::string_view layer_di(const testo_fisso<16>& nome, std::array<char, 16>& buf) {
    const std::string_view pulito = nome.pulito();
    if (pulito.empty()) return "0";
    for (std::size_t i = 0; i < pulito.size(); ++i) {
        const auto c = static_cast<unsigned char>(pulito[i]);
        buf[i] = carattere_layer(c) ? pulito[i] : '_';
    }
    return {buf.data(), pulito.size()};
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
    std::array<char, 16> buf;
    file.riga(layer_di(e.nome, buf));
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

uscita_dxf::uscita_dxf(std::ostream& file) : file_(file), buffer_(new char[blocco]) {}

void uscita_dxf::riga(std::string_view valore) {
    if (usato_ + valore.size() + 2 > blocco) {
        svuota();
        if (valore.size() + 2 > blocco) {
            file_.write(valore.data(), static_cast<std::streamsize>(valore.size()));
            file_.write("\r\n", 2);
            if (!file_) throw errore(err_accesso_file);
            return;
        }
    }
    std::memcpy(buffer_.get() + usato_, valore.data(), valore.size());
    usato_ += valore.size();
    buffer_[usato_++] = '\r';
    buffer_[usato_++] = '\n';
}

void uscita_dxf::numero(double x) {
    std::array<char, 48> buf;
    const std::string_view testo = forma_punto(x, 15, buf);
    riga(testo.empty() ? std::string_view(testo_punto(x)) : testo);
}

void uscita_dxf::numero(float x) {
    std::array<char, 48> buf;
    const std::string_view testo = forma_punto(x, 7, buf);
    riga(testo.empty() ? std::string_view(testo_punto(x)) : testo);
}

void uscita_dxf::svuota() {
    file_.write(buffer_.get(), static_cast<std::streamsize>(usato_));
    usato_ = 0;
    if (!file_) throw errore(err_accesso_file);
}

void pulisci_nome(testo_fisso<16>& nome) {
    const std::string_view pulito = nome.pulito();
    std::array<char, 16> buf;
    for (std::size_t i = 0; i < pulito.size(); ++i)
        buf[i] = pulito[i] == ' ' || pulito[i] == '.' ? '_' : pulito[i];
    nome = std::string_view(buf.data(), pulito.size());
}

std::string nome_layer(const testo_fisso<16>& nome) {
    std::array<char, 16> buf;
    return std::string(layer_di(nome, buf));
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
    const std::string_view t(testo.data(), testo.size());
    // A "%%" or "\U+" that readers would take for a control code is written so
    // that it reads back as it is.
    if (testo_dxf(t, codifica::cp1252) == t) {
        file.riga(t);
        return;
    }
    std::string protetto;
    for (char c : t) {
        if (c == '%') {
            protetto += "%%%";
        } else if (c == '\\') {
            protetto += "\\U+005C";
        } else {
            protetto += c;
        }
    }
    file.riga(protetto);
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
