// The stations, models and stake-out file of a job.
#include "job/stazioni_commessa.h"

namespace pianopre {

geometria_strisce geometria_commessa(const commessa& c) {
    if (c.fase != fase_calcolo::schema) return {};
    return geometria_piano(c.presa, c.lavoro.larg_sogg, c.origine);
}

std::vector<riga_stazione> stazioni_commessa(const commessa& c) {
    return stazioni_piano(geometria_commessa(c), c.presa, c.sito);
}

std::vector<riga_stazione> tabella_stazioni(const commessa& c) {
    return con_convergenti(stazioni_commessa(c), c.convergenti, c.sito.unita);
}

std::vector<riga_stazione> convergenti_commessa(const commessa& c) {
    if (!c.convergenti.attive) return {};
    return elenco_convergenti(stazioni_commessa(c), c.convergenti.angolo_gradi, c.sito.unita);
}

tabella_modelli modelli_commessa(const commessa& c) {
    return modelli_con_punti(c, c.disegno.lista_punti.voci());
}

tabella_modelli modelli_con_punti(const commessa& c, std::span<const punto_app> punti) {
    return modelli_piano(geometria_commessa(c), c.presa.dist_presa, c.sito, punti);
}

void esporta_stazioni_csv(const std::filesystem::path& percorso, const commessa& c,
                          const opzioni_csv& opzioni) {
    salva_testo_atomico(percorso,
                        testo_csv(tabella_stazioni(c), c.disegno.lista_punti.voci(), opzioni));
}

}  // namespace pianopre
