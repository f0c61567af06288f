// comandi_calcolo: "Calcola -->" with one catch for the whole command, the
// results written into the output boxes and the warnings coloured red.
#include "app/comandi_calcolo.h"

#include <QApplication>
#include <QPalette>
#include <new>
#include <utility>

#include "app/comandi_bmp.h"
#include "app/messaggio_errore.h"
#include "app/segni_caselle.h"
#include "base/errori.h"
#include "base/testo_numeri.h"
#include "job/letture_caselle.h"

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

// The number of the error `passo` raised, 0 when it raised none.
template <class F>
int numero_errore(F&& passo) {
    try {
        passo();
    } catch (const errore& e) {
        return e.numero();
    } catch (const std::bad_alloc&) {
        return err_memoria;
    }
    return 0;
}

}  // namespace

comandi_calcolo::comandi_calcolo(commessa& lavoro, servizi_utente& servizi,
                                 formato_regionale formato, const controlli_principali& c,
                                 const collegamenti_finestra& collegamenti,
                                 std::function<void()> calcolato)
    : commessa_(lavoro),
      servizi_(servizi),
      formato_(formato),
      c_(c),
      collegamenti_(collegamenti),
      calcolato_(std::move(calcolato)) {}

void comandi_calcolo::calcola() {
    commessa_.blocca_base = c_.blocca_base->checkState() == Qt::Checked;
    commessa_.metrica = c_.metrica->checkState() != Qt::Unchecked;
    const caselle_lavoro caselle = leggi_caselle();
    QString rifiutato;
    int numero = numero_errore([&] {
        try {
            calcola_commessa(commessa_, caselle, formato_);
        } catch (const dato_negativo& e) {
            rifiutato = QString::fromStdString(e.what());
        }
    });
    if (!commessa_.blocca_base && c_.blocca_base->isChecked()) c_.blocca_base->setChecked(false);
    const int mostrando = numero_errore([&] {
        scrivi_risultati();
        if (commessa_.fase == fase_calcolo::schema) mostra_schema();
    });
    if (mostrando != 0) numero = mostrando;
    piano_valido_ = numero == 0 && rifiutato.isEmpty();
    const std::vector<lettura_dubbia> dubbie = letture_dubbie(caselle, formato_);
    segna_caselle(caselle, dubbie);
    calcolato_();
    collegamenti_.aggiorna_stazioni();
    if (numero != 0 || !rifiutato.isEmpty()) {
        servizi_.beep();
        servizi_.messaggio(numero != 0 ? messaggio_errore(numero) : rifiutato);
    }
    if (!dubbie.empty()) servizi_.messaggio(avviso_letture(dubbie, formato_));
    // A failed rebuild may have left the list empty or partial.
    aggiorna_esportazione(commessa_.disegno);
}

void comandi_calcolo::dimentica() {
    piano_valido_.reset();
    for (QLineEdit* casella : caselle_ingresso()) togli_segno(casella);
}

std::array<QLineEdit*, 8> comandi_calcolo::caselle_ingresso() const {
    return {c_.casella_focale,    c_.casella_larg_neg, c_.casella_alt_neg, c_.casella_alt_sogg,
            c_.casella_larg_sogg, c_.casella_distanza, c_.casella_scala,   c_.casella_base};
}

// A box is marked while it still holds the text read leniently; one the
// calculation wrote a number into (the base) or read as a number is not.
void comandi_calcolo::segna_caselle(const caselle_lavoro& lette,
                                    const std::vector<lettura_dubbia>& dubbie) {
    const auto caselle = caselle_ingresso();
    for (std::size_t i = 0; i < caselle.size(); ++i) {
        const casella_lavoro quale = tutte_le_caselle[i];
        const lettura_dubbia* dubbia = nullptr;
        for (const lettura_dubbia& d : dubbie)
            if (d.casella == quale) dubbia = &d;
        if (dubbia != nullptr && testo(caselle[i]) == testo_casella(lette, quale))
            segna_casella(caselle[i],
                          QString::fromStdString(testo_generale(dubbia->valore, formato_)));
        else
            togli_segno(caselle[i]);
    }
}

caselle_lavoro comandi_calcolo::leggi_caselle() const {
    return {testo(c_.casella_focale),   testo(c_.casella_larg_neg),  testo(c_.casella_alt_neg),
            testo(c_.casella_alt_sogg), testo(c_.casella_larg_sogg), testo(c_.casella_distanza),
            testo(c_.casella_scala),    testo(c_.casella_base)};
}

// The boxes show what the calculation reached: nothing before the maximum
// precision, then the plan with it, then the standard precision.
void comandi_calcolo::scrivi_risultati() {
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
void comandi_calcolo::mostra_schema() {
    modello& m = commessa_.disegno;
    if (m.nome_disegno.empty()) m.nome_disegno = "prog1";
    c_.area->pulisci();
    collegamenti_.ridis(adattamento::adatta);
    m.nome_disegno.clear();
}

// Red warns of an overlap outside 60..90 % and of an enlargement above 5.5.
void comandi_calcolo::colora_avvisi() {
    const QColor normale = QApplication::palette().color(QPalette::Base);
    const dati_presa& presa = commessa_.presa;
    imposta_sfondo(c_.uscita_sovrapp, presa.sovrapp >= 60 && presa.sovrapp <= 90 ? normale : rosso);
    imposta_sfondo(c_.uscita_ingrand, presa.ingrand > 5.5 ? rosso : normale);
}

}  // namespace pianopre
