// "Calcola -->": the boxes read, the plan and precision computed and shown,
// the scheme rebuilt and drawn. One catch for the whole command.
#include <QApplication>
#include <QPalette>
#include <new>

#include "app/errori.h"
#include "app/form6.h"
#include "app/numeri.h"
#include "app/testo_numeri.h"
#include "calc/precisione.h"
#include "calc/presa.h"
#include "scheme/schema.h"

namespace pianopre {

namespace {

QString messaggio_errore(int numero) {
    if (numero == err_divisione)
        return "Errore 11: Divisione per zero. Controllare i dati inseriti";
    if (numero == err_tipo)
        return "Errore 13: Tipo di dato errato. Controllare il separatore decimale (virgola o "
               "punto).";
    return "Errore " + QString::number(numero) +
           ". Occorre riempire tutte le caselle per ottenere il risultato.";
}

double leggi(const QLineEdit* casella, const formato_regionale& formato) {
    // Latin-1 keeps one byte per character, so the length limit counts characters;
    // letters outside it are not part of any number anyway.
    const QByteArray testo = casella->text().toLatin1();
    return leggi_numero(std::string_view(testo.constData(), static_cast<std::size_t>(testo.size())),
                        formato);
}

void imposta_sfondo(QLineEdit* casella, const QColor& colore) {
    QPalette p = casella->palette();
    p.setColor(QPalette::Base, colore);
    casella->setPalette(p);
}

const QColor rosso(255, 0, 0);

}  // namespace

void Form6::calcola() {
    try {
        esegui_calcolo();
    } catch (const errore& e) {
        servizi_.beep();
        servizi_.messaggio(messaggio_errore(e.numero()));
    } catch (const std::bad_alloc&) {
        servizi_.beep();
        servizi_.messaggio(messaggio_errore(7));  // out of memory
    }
    aggiorna_esportazione();  // a failed rebuild may have left the list empty or partial
}

void Form6::leggi_caselle(dati_camera& cam, dati_lavoro& lav) const {
    cam.focale = leggi(c_.txt_foc, formato_);
    cam.larg_neg = leggi(c_.txt_xneg, formato_);
    cam.alt_neg = leggi(c_.txt_yneg, formato_);
    lav.alt_sogg = leggi(c_.txt_altezza_sogg, formato_);
    lav.larg_sogg = leggi(c_.Txt_Larg_sogg, formato_);
    lav.distanza = leggi(c_.txt_spazio, formato_);
    lav.scala = leggi(c_.txt_Scala, formato_);
    lav.base = leggi(c_.txt_basep, formato_);
}

void Form6::esegui_calcolo() {
    dati_camera cam;
    dati_lavoro lav;
    dati_presa pre;
    leggi_caselle(cam, lav);
    if (lav.base == 0 && c_.Check5->isChecked()) c_.Check5->setChecked(false);
    setta_bloc();
    calcola_presa(cam, lav, pre, base_bloccata);
    camera = cam;
    lavoro = lav;
    presa = pre;

    scrivi_risultati();

    azzera_liste(modello_);
    lavoro.progetto = "Progetto:";
    lavoro.localita = "Localita':";
    crea_schema(modello_, presa, lavoro, 0, 0, 0, formato_);
    if (modello_.nome_disegno.empty()) modello_.nome_disegno = "prog1";
    c_.Picture1->pulisci();
    ridis(1);
    modello_.nome_disegno.clear();
}

// The boxes change one by one, so a failure half-way leaves the earlier ones written.
void Form6::scrivi_risultati() {
    per_precis2();
    c_.Txt_precis->setText(QString::fromStdString(testo_coppia_precisione(prec_x, prec_z)));
    c_.txt_basep->setText(QString::fromStdString(testo_generale(presa.base_presa, formato_)));
    c_.txt_numfot->setText(QString::fromStdString(testo_generale(presa.num_foto, formato_)));
    c_.txt_strinum->setText(QString::number(presa.num_strisc));
    c_.txt_incli->setText(QString::fromStdString(testo_generale(presa.incl, formato_)));
    c_.txt_sovrapp->setText(QString::fromStdString(testo_generale(presa.sovrapp, formato_)));
    c_.txt_scalafot->setText(QString::fromStdString(testo_generale(presa.ingrand, formato_)));
    colora_avvisi();
    per_precis_au();
    c_.txt_precisau->setText(QString::fromStdString(testo_coppia_precisione(prec_x, prec_z)));
}

// Red warns of an overlap outside 60..90 % and of an enlargement above 5.5.
void Form6::colora_avvisi() {
    const QColor normale = QApplication::palette().color(QPalette::Base);
    imposta_sfondo(c_.txt_sovrapp, presa.sovrapp >= 60 && presa.sovrapp <= 90 ? normale : rosso);
    imposta_sfondo(c_.txt_scalafot, presa.ingrand > 5.5 ? rosso : normale);
}

void Form6::setta_bloc() {
    base_bloccata = 0;
    if (c_.Check5->checkState() == Qt::Checked) base_bloccata = 1;
}

void Form6::per_precis2() {
    const precisione_xz p =
        stima_precisione_max(presa, camera, c_.Check4->checkState() != Qt::Unchecked);
    prec_x = p.x;
    prec_z = p.z;
}

void Form6::per_precis_au() {
    const precisione_xz p =
        stima_precisione_std(presa, camera, c_.Check4->checkState() != Qt::Unchecked);
    prec_x = p.x;
    prec_z = p.z;
}

}  // namespace pianopre
