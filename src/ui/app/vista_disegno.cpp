// vista_disegno: the view state of the job for the picture, the fitting and
// the redraw with its progress.
#include "app/vista_disegno.h"

#include <QCoreApplication>
#include <cstdint>

#include "job/vista_commessa.h"

namespace pianopre {

vista_disegno::vista_disegno(commessa& lavoro, servizi_utente& servizi,
                             const controlli_principali& c)
    : commessa_(lavoro), modello_(lavoro.disegno), servizi_(servizi), c_(c) {}

tipo_vista vista_disegno::modo_vista() const {
    return pianopre::modo_vista(c_.fronte->isChecked(), c_.assonometrica->isChecked());
}

stato_vista vista_disegno::vista() const {
    return vista_commessa(commessa_, c_.fronte->isChecked(), c_.assonometrica->isChecked());
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
            nome.empty() ? QCoreApplication::translate("vista_disegno", "Disegno")
                         : QCoreApplication::translate("vista_disegno", "Disegno di %1")
                               .arg(QString::fromStdString(nome)),
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
