// The site-to-WGS 84 transformation over PROJ's context and operation.
#include "geo/trasformazione_wgs84.h"

#include <limits>

#include "base/traduzione.h"
#include "geo/risorse_proj.h"

namespace pianopre {

struct trasformazione_wgs84::proj {
    geo_proj::contesto ctx;  // declared first: destroyed after the operation
    geo_proj::oggetto operazione;
};

trasformazione_wgs84::trasformazione_wgs84(std::string_view sistema)
    : sistema_(risolvi_sistema(sistema)) {
    if (!sistema_.valido()) throw errore_sistema(messaggio_sistema(sistema_));
    auto p = std::make_unique<proj>();
    const std::string motivo =
        traduci("sistema_riferimento",
                "Errore: PROJ non riesce a trasformare le coordinate del sistema in WGS 84.");
    if (!p->ctx) throw errore_sistema(motivo);
    const geo_proj::oggetto grezza(
        proj_create_crs_to_crs(p->ctx.get(), sistema_.codice.c_str(), "EPSG:4326", nullptr));
    if (!grezza) throw errore_sistema(motivo);
    p->operazione.reset(proj_normalize_for_visualization(p->ctx.get(), grezza.get()));
    if (!p->operazione) throw errore_sistema(motivo);
    proj_ = std::move(p);
}

trasformazione_wgs84::~trasformazione_wgs84() = default;
trasformazione_wgs84::trasformazione_wgs84(trasformazione_wgs84&&) noexcept = default;
trasformazione_wgs84& trasformazione_wgs84::operator=(trasformazione_wgs84&&) noexcept = default;

std::vector<posizione_wgs84> trasformazione_wgs84::converti(std::span<const punto3> punti) {
    std::vector<posizione_wgs84> uscita(punti.size());
    for (std::size_t i = 0; i < punti.size(); ++i) uscita[i] = {punti[i].x, punti[i].y, punti[i].z};
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    if (!proj_) {  // moved from: no position is known
        for (posizione_wgs84& p : uscita) p.longitudine = p.latitudine = nan;
        return uscita;
    }
    if (uscita.empty()) return uscita;
    // East and North in place of longitude and latitude; the heights are left out,
    // so that no datum shift touches them.
    PJ* op = proj_->operazione.get();
    proj_errno_reset(op);
    constexpr std::size_t passo = sizeof(posizione_wgs84);
    proj_trans_generic(op, PJ_FWD, &uscita[0].longitudine, passo, uscita.size(),
                       &uscita[0].latitudine, passo, uscita.size(), nullptr, 0, 0, nullptr, 0, 0);
    for (posizione_wgs84& p : uscita)
        if (!p.valida() || p.longitudine == HUGE_VAL || p.latitudine == HUGE_VAL)
            p.longitudine = p.latitudine = nan;
    return uscita;
}

}  // namespace pianopre
