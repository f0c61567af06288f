// vista_disegno: the view state of the job for the picture, the fitting and
// the redraw with its progress.
#include "app/vista_disegno.h"

#include <cstdint>

#include "site/modelli.h"

namespace pianopre {

vista_disegno::vista_disegno(commessa& lavoro, servizi_utente& servizi,
                             const controlli_principali& c)
    : commessa_(lavoro), modello_(lavoro.disegno), servizi_(servizi), c_(c) {}

tipo_vista vista_disegno::modo_vista() const {
    return pianopre::modo_vista(c_.fronte->isChecked(), c_.assonometrica->isChecked());
}

stato_vista vista_disegno::vista() const {
    stato_vista v;
    v.fronte = c_.fronte->isChecked();
    v.assonometrica = c_.assonometrica->isChecked();
    v.origine = commessa_.origine;
    v.sito = commessa_.sito;
    if (commessa_.disegno_sito.lista_entita.n_entita() > 0)
        v.sottofondo = &commessa_.disegno_sito.lista_entita;
    if (modello_.lista_punti.n_punti() > 0) v.punti = &modello_.lista_punti;
    if (v.fronte) v.contorni_rossi = contorni_scarsi();
    return v;
}

// Models short of points are outlined in red in the front view, once control
// points are loaded: without any, the view stays as it always was.
std::vector<std::array<punto3, 4>> vista_disegno::contorni_scarsi() const {
    std::vector<std::array<punto3, 4>> contorni;
    if (modello_.lista_punti.n_punti() == 0) return contorni;
    for (const riga_modello& m : modelli_commessa(commessa_).righe) {
        if (!m.scarso()) continue;
        const double y = m.y_facciata;
        contorni.push_back({punto3{m.x_da, y, m.z_da}, punto3{m.x_a, y, m.z_da},
                            punto3{m.x_a, y, m.z_a}, punto3{m.x_da, y, m.z_a}});
    }
    return contorni;
}

void vista_disegno::rappo_prop() {
    adatta_vista(*c_.area, modello_.lista_entita, vista());
}

// A drawing of a million entities and more takes a good part of a second to
// draw: it shows its progress, and a Cancel leaves the picture as far as drawn.
void vista_disegno::ridis(adattamento rifai) {
    constexpr std::int64_t entita_con_avanzamento = 1'000'000;
    const stato_vista v = vista();
    const std::int64_t totale = entita_da_disegnare(modello_.lista_entita, v);
    avanzamento rapporto;
    if (totale >= entita_con_avanzamento) {
        const std::string& nome = modello_.nome_disegno;
        rapporto = servizi_.avvia_avanzamento(
            nome.empty() ? QStringLiteral("Disegno") : "Disegno di " + QString::fromStdString(nome),
            totale);
    }
    pianopre::ridis(*c_.area, modello_.lista_entita, v, rifai, rapporto);
}

void vista_disegno::ridisegna() {
    c_.area->pulisci();
    ridis(adattamento::adatta);
}

// setChecked is not a click, so the clear does not bounce back.
void vista_disegno::clic_fronte() {
    if (c_.assonometrica->isChecked()) c_.assonometrica->setChecked(false);
}

void vista_disegno::clic_assonometrica() {
    if (c_.fronte->isChecked()) c_.fronte->setChecked(false);
}

}  // namespace pianopre
