// Writes the three mission files of a hand-built mission of two strips (the
// second flown backwards, one waypoint with a turn and two more photos each
// side) into CARTELLA/con_sosta and CARTELLA/senza_sosta, and beside them
// attesi.json: the mission as given, for the reader to compare against.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "droni/file_missione.h"

namespace {

using namespace pianopre;

punto_missione punto(const char* nome, int striscia, int fotogramma, double lat, double lon,
                     double altezza, double direzione, double beccheggio) {
    punto_missione p;
    p.nome = nome;
    p.striscia = striscia;
    p.fotogramma = fotogramma;
    p.geo = {lat, lon};
    p.altezza_decollo = altezza;
    p.direzione = direzione;
    p.beccheggio = beccheggio;
    return p;
}

missione due_strisciate(bool sosta) {
    missione m;
    m.impostazioni.sosta = sosta;
    m.impostazioni.intervallo_s = 2.5;
    m.impostazioni.velocita_ms = 2;
    m.decollo = {1000, 2000, 51.25};
    m.decollo_geo = {45.406412345678912, 11.876543219876543};
    // The first strip faces south-east, the second north-west (past 180°).
    m.punti = {
        punto("S1-01", 1, 1, 45.406512345678912, 11.876643219876543, 10.5, 120.25, -5.5),
        punto("S1-02", 1, 2, 45.406532345678921, 11.876673219876534, 10.5, 120.25, -5.5),
        punto("S1-03", 1, 3, 45.406552345678934, 11.876703219876521, 10.5, 120.25, -5.5),
        punto("S2-03", 2, 3, 45.406552345678934, 11.876703219876521, 14.75, 300.5, 12.25),
        punto("S2-02", 2, 2, 45.406532345678921, 11.876673219876534, 14.75, 359.875, 12.25),
        punto("S2-01", 2, 1, 45.406512345678912, 11.876643219876543, 14.75, 0.125, 0),
    };
    return m;
}

std::vector<azioni_punto> azioni_convergenti(const missione& m) {
    std::vector<azioni_punto> azioni = azioni_semplici(m);
    const double d = m.punti[1].direzione;
    using t = azione_missione::tipo;
    azioni[1] = {
        {t::foto, 0}, {t::rotazione, d + 15}, {t::foto, 0}, {t::rotazione, d - 15}, {t::foto, 0}};
    return azioni;
}

void scrivi_attesi(const std::filesystem::path& file, const missione& m,
                   const std::vector<azioni_punto>& azioni) {
    std::ofstream f(file);
    f.precision(17);
    f << "{\"decollo\": [" << m.decollo_geo.lat << ", " << m.decollo_geo.lon << ", " << m.decollo.z
      << "], \"velocita\": " << m.impostazioni.velocita_ms
      << ", \"sosta\": " << durata_sosta_s(m.impostazioni) << ", \"punti\": [";
    for (std::size_t i = 0; i < m.punti.size(); ++i) {
        const punto_missione& p = m.punti[i];
        f << (i ? ", " : "") << "{\"nome\": \"" << p.nome << "\", \"lat\": " << p.geo.lat
          << ", \"lon\": " << p.geo.lon << ", \"altezza\": " << p.altezza_decollo
          << ", \"direzione\": " << p.direzione << ", \"beccheggio\": " << p.beccheggio
          << ", \"azioni\": [";
        for (std::size_t k = 0; k < azioni[i].size(); ++k) {
            const azione_missione& a = azioni[i][k];
            f << (k ? ", " : "");
            if (a.cosa == azione_missione::tipo::foto)
                f << "[\"foto\"]";
            else
                f << "[\"rotazione\", " << a.direzione << "]";
        }
        f << "]}";
    }
    f << "]}\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: strumento_missioni CARTELLA\n");
        return 2;
    }
    try {
        for (bool sosta : {true, false}) {
            const std::filesystem::path cartella =
                std::filesystem::path(argv[1]) / (sosta ? "con_sosta" : "senza_sosta");
            std::filesystem::create_directories(cartella);
            const missione m = due_strisciate(sosta);
            const std::vector<azioni_punto> azioni = azioni_convergenti(m);
            scrivi_kmz_dji(cartella / "missione.kmz", m, azioni);
            scrivi_litchi_csv(cartella / "missione.csv", m, azioni);
            scrivi_piano_qgc(cartella / "missione.plan", m, azioni);
            scrivi_attesi(cartella / "attesi.json", m, azioni);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
