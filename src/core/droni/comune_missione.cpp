// Default actions, angles, numbers and the check before a mission is written.
#include "droni/comune_missione.h"

#include <charconv>
#include <cmath>

#include "base/file_testo.h"
#include "base/segnaposti.h"
#include "base/traduzione.h"

namespace pianopre {

std::vector<azioni_punto> azioni_semplici(const missione& m) {
    return std::vector<azioni_punto>(m.punti.size(), azioni_punto{azione_missione{}});
}

std::vector<azioni_punto> azioni_convergenti(const missione& m, double angolo_gradi) {
    using tipo = azione_missione::tipo;
    std::vector<azioni_punto> azioni;
    azioni.reserve(m.punti.size());
    for (const punto_missione& p : m.punti) {
        const double h = p.direzione;
        azioni.push_back({{tipo::foto, 0},
                          {tipo::rotazione, angolo_360(h + angolo_gradi)},
                          {tipo::foto, 0},
                          {tipo::rotazione, angolo_360(h - angolo_gradi)},
                          {tipo::foto, 0},
                          {tipo::rotazione, angolo_360(h)}});
    }
    return azioni;
}

double durata_sosta_s(const impostazioni_drone& impostazioni) {
    return impostazioni.sosta ? impostazioni.intervallo_s : 0;
}

double angolo_360(double gradi) {
    double a = std::fmod(gradi, 360.0);
    if (a < 0) a += 360;
    return a >= 360 ? 0 : a;  // -1e-20 + 360 rounds to 360
}

double angolo_pm180(double gradi) {
    const double a = angolo_360(gradi);
    return a >= 180 ? a - 360 : a;
}

namespace missioni {

void verifica(const std::filesystem::path& percorso, const missione& m,
              std::span<const azioni_punto> azioni, std::size_t massimo_azioni) {
    if (m.punti.empty())
        throw errore_file(percorso, traduci("file_missione", "la missione non ha punti"));
    if (azioni.size() != m.punti.size())
        throw errore_file(percorso,
                          traduci("file_missione", "le azioni non corrispondono ai punti"));
    const impostazioni_drone& s = m.impostazioni;
    bool finiti = std::isfinite(m.decollo.z) && std::isfinite(m.decollo_geo.lat) &&
                  std::isfinite(m.decollo_geo.lon) && std::isfinite(s.velocita_ms) &&
                  std::isfinite(durata_sosta_s(s)) && durata_sosta_s(s) >= 0;
    for (const punto_missione& p : m.punti)
        finiti = finiti && std::isfinite(p.geo.lat) && std::isfinite(p.geo.lon) &&
                 std::isfinite(p.altezza_decollo) && std::isfinite(p.direzione) &&
                 std::isfinite(p.beccheggio);
    for (const azioni_punto& a : azioni) {
        if (a.size() > massimo_azioni)
            throw errore_file(percorso,
                              inserisci(traduci("file_missione",
                                                "un punto ha più di %1 azioni, il massimo "
                                                "che il formato ammette"),
                                        {std::to_string(massimo_azioni)}));
        for (const azione_missione& x : a) finiti = finiti && std::isfinite(x.direzione);
    }
    if (!finiti)
        throw errore_file(percorso,
                          traduci("file_missione", "la missione ha un valore che non è un numero"));
}

std::string decimale(double x, int cifre) {
    char testo[400];
    auto [fine, ec] =
        std::to_chars(testo, testo + sizeof testo, x, std::chars_format::fixed, cifre);
    if (ec != std::errc()) return "0";  // not reached: 400 characters hold any double
    std::string_view t(testo, static_cast<std::size_t>(fine - testo));
    if (t.find('.') != std::string_view::npos) {
        t = t.substr(0, t.find_last_not_of('0') + 1);
        if (t.back() == '.') t.remove_suffix(1);
    }
    if (t == "-0") return "0";
    return std::string(t);
}

}  // namespace missioni

}  // namespace pianopre
