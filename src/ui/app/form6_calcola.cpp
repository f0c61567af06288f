// "Calcola -->": the boxes handed to the job's calculation, the results shown
// as far as it got, the scheme drawn. One catch for the whole command.
#include <QApplication>
#include <QPalette>
#include <new>

#include "app/finestra_principale.h"
#include "app/messaggio_errore.h"
#include "base/errori.h"
#include "base/testo_numeri.h"

namespace pianopre {

namespace {

// Latin-1 keeps one byte per character, so the length limit counts characters;
// letters outside it are not part of any number anyway.
std::string testo(const QLineEdit* casella) {
    const QByteArray t = casella->text().toLatin1();
    return std::string(t.constData(), static_cast<std::size_t>(t.size()));
}

void imposta_sfondo(QLineEdit* casella, const QColor& colore) {
    QPalette p = casella->palette();
    p.setColor(QPalette::Base, colore);
    casella->setPalette(p);
}

const QColor rosso(255, 0, 0);

}  // namespace

void finestra_principale::calcola() {
    commessa_.blocca_base = c_.blocca_base->checkState() == Qt::Checked;
    commessa_.metrica = c_.metrica->checkState() != Qt::Unchecked;
    int numero = 0;
    try {
        calcola_commessa(commessa_, leggi_caselle(), formato_);
    } catch (const errore& e) {
        numero = e.numero();
    } catch (const std::bad_alloc&) {
        numero = err_memoria;
    }
    if (!commessa_.blocca_base && c_.blocca_base->isChecked()) c_.blocca_base->setChecked(false);
    try {
        scrivi_risultati();
        if (commessa_.fase == fase_calcolo::schema) mostra_schema();
    } catch (const errore& e) {
        numero = e.numero();
    } catch (const std::bad_alloc&) {
        numero = err_memoria;
    }
    piano_valido_ = numero == 0;
    aggiorna_verifiche();
    aggiorna_stazioni();
    if (numero != 0) {
        servizi_.beep();
        servizi_.messaggio(messaggio_errore(numero));
    }
    aggiorna_esportazione();  // a failed rebuild may have left the list empty or partial
}

caselle_lavoro finestra_principale::leggi_caselle() const {
    return {testo(c_.casella_focale),   testo(c_.casella_larg_neg),  testo(c_.casella_alt_neg),
            testo(c_.casella_alt_sogg), testo(c_.casella_larg_sogg), testo(c_.casella_distanza),
            testo(c_.casella_scala),    testo(c_.casella_base)};
}

// The boxes show what the calculation reached: nothing before the maximum
// precision, then the plan with it, then the standard precision.
void finestra_principale::scrivi_risultati() {
    const commessa& j = commessa_;
    if (j.fase < fase_calcolo::precisione_max) return;
    const dati_presa& presa = j.presa;
    c_.uscita_prec_max->setText(
        QString::fromStdString(testo_coppia_precisione(j.prec_max.x, j.prec_max.z)));
    c_.casella_base->setText(QString::fromStdString(testo_generale(presa.base_presa, formato_)));
    c_.uscita_num_foto->setText(QString::fromStdString(testo_generale(presa.num_foto, formato_)));
    c_.uscita_num_strisc->setText(QString::number(presa.num_strisc));
    c_.uscita_incl->setText(QString::fromStdString(testo_generale(presa.incl, formato_)));
    c_.uscita_sovrapp->setText(QString::fromStdString(testo_generale(presa.sovrapp, formato_)));
    c_.uscita_ingrand->setText(QString::fromStdString(testo_generale(presa.ingrand, formato_)));
    colora_avvisi();
    if (j.fase < fase_calcolo::precisione_std) return;
    c_.uscita_prec_std->setText(
        QString::fromStdString(testo_coppia_precisione(j.prec_std.x, j.prec_std.z)));
}

// The picture shows the new scheme fitted; the drawing has no name until a
// file gives it one.
void finestra_principale::mostra_schema() {
    if (modello_.nome_disegno.empty()) modello_.nome_disegno = "prog1";
    c_.area->pulisci();
    ridis(adattamento::adatta);
    modello_.nome_disegno.clear();
}

// Red warns of an overlap outside 60..90 % and of an enlargement above 5.5.
void finestra_principale::colora_avvisi() {
    const QColor normale = QApplication::palette().color(QPalette::Base);
    const dati_presa& presa = commessa_.presa;
    imposta_sfondo(c_.uscita_sovrapp, presa.sovrapp >= 60 && presa.sovrapp <= 90 ? normale : rosso);
    imposta_sfondo(c_.uscita_ingrand, presa.ingrand > 5.5 ? rosso : normale);
}

}  // namespace pianopre
