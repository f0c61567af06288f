// The labelled precision estimates of a job.
#include "job/precisioni_commessa.h"

#include "base/segnaposti.h"
#include "base/testo_misure.h"
#include "base/testo_numeri.h"
#include "base/traduzione.h"

namespace pianopre {

std::vector<precisione_spiegata> precisioni_spiegate(const commessa& c,
                                                     const std::optional<risultato_verifiche>& v,
                                                     const formato_regionale& formato) {
    const auto coppia = [&](const precisione_xz& p) {
        return testo_coppia_misure(p.x, p.z, misura::millimetri, formato);
    };
    std::string massima, standard, pixel = traduci("esiti", "n/d");
    if (c.fase >= fase_calcolo::precisione_max) massima = coppia(c.prec_max);
    if (c.fase >= fase_calcolo::precisione_std) standard = coppia(c.prec_std);
    if (v && v->sigma_x_mm && v->sigma_z_mm)
        pixel = testo_coppia_misure(*v->sigma_x_mm, *v->sigma_z_mm, misura::millimetri, formato);
    const std::string px = testo_generale(c.verifiche.precisione_px, formato);
    return {
        {traduci("precisioni", "Stima classica X / Z max"), massima,
         traduci("precisioni",
                 "stima classica dalla scala del fotogramma, con camere metriche e restitutori "
                 "analitici di primo ordine (casella «Max» della finestra principale)")},
        {traduci("precisioni", "Stima classica X / Z min"), standard,
         traduci("precisioni",
                 "stima classica del lavoro ordinario (casella «Min» della finestra principale)")},
        {traduci("precisioni", "Precisione X / Z col pixel"), pixel,
         inserisci(traduci("precisioni",
                           "dal pixel della fotocamera misurato a %1 pixel, con la base e la "
                           "distanza del piano (Verifiche del piano)"),
                   {px})},
    };
}

}  // namespace pianopre
