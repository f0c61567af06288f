// The site side of a computed job: its strip geometry, its camera stations,
// its stereo models with the control points each holds, and the stake-out
// file of "Esporta stazioni CSV...". Each is empty until the scheme is built.
#pragma once

#include <filesystem>
#include <span>
#include <vector>

#include "job/commessa.h"
#include "site/modelli.h"
#include "site/stazioni.h"
#include "site/stazioni_csv.h"

namespace pianopre {

// The geometry of a job whose scheme was built (fase schema); nothing
// (no strips) otherwise.
geometria_strisce geometria_commessa(const commessa& c);

// Strip after strip, frame after frame: the stations alone.
std::vector<riga_stazione> stazioni_commessa(const commessa& c);

// The station table: the stations, each followed by its two convergent images
// when the job asks for them.
std::vector<riga_stazione> tabella_stazioni(const commessa& c);

// The convergent images of the job's stations, +γ then −γ for each station in
// order; none when the job does not ask for them.
std::vector<riga_stazione> convergenti_commessa(const commessa& c);

// Strip after strip, model after model, with the job's control points.
tabella_modelli modelli_commessa(const commessa& c);

// The same with the points given apart (site coordinates).
tabella_modelli modelli_con_punti(const commessa& c, std::span<const punto_app> punti);

// The stations of the job and its control points.
void esporta_stazioni_csv(const std::filesystem::path& percorso, const commessa& c,
                          const opzioni_csv& opzioni);

}  // namespace pianopre
