// The printed plan's header and footer, its data blocks (camera, job inputs,
// results with both precision estimates and what they mean) and the plan checks.
#include <optional>

#include "base/testo_misure.h"
#include "base/testo_numeri.h"
#include "calc/verifiche.h"
#include "job/precisioni_commessa.h"
#include "report/report_parti.h"

namespace pianopre {

namespace {

constexpr double riga_dati = 3.7;
constexpr double corpo = 7.5;

QString latino(const std::string& t) {
    return QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
}

QString generale(double x, const formato_regionale& formato) {
    return QString::fromStdString(testo_generale(x, formato));
}

struct voce {
    QString etichetta;
    QString valore;
    QColor sfondo = Qt::transparent;
};

// A titled block of label and value rows, values in boxes as the window's.
void blocco(foglio& f, double x, double y, double l, double etichette, const QString& titolo,
            const std::vector<voce>& voci) {
    f.testo(x, y + 3, titolo, 8.5, true);
    const double colonna = x + etichette;
    double r = y + 4.5;
    for (const voce& v : voci) {
        f.testo(x + 1, r + 2.7, v.etichetta, corpo, false, allinea::sinistra, colonna - x - 2);
        if (v.sfondo != Qt::transparent)
            f.riempi(colonna, r, x + l - colonna, riga_dati - 0.4, v.sfondo);
        f.riquadro(colonna, r, x + l - colonna, riga_dati - 0.4, 0.1);
        f.testo(colonna + 1, r + 2.7, v.valore, corpo, true, allinea::sinistra,
                x + l - colonna - 2);
        r += riga_dati;
    }
}

std::optional<risultato_verifiche> verifiche_di(const commessa& c, QString& errore) {
    try {
        return calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche);
    } catch (const errore_verifiche& e) {
        errore = da_utf8(e.what());
    }
    return std::nullopt;
}

std::vector<voce> voci_camera(const contenuto_report& c) {
    const commessa& j = c.lavoro;
    const sensore_lavoro& s = j.sensore;
    const bool digitale = s.larghezza_px > 0 && s.scansione_um <= 0;
    const QString mm = " mm";
    std::vector<voce> v{
        {QCoreApplication::translate("report", "Nome"),
         s.nome.empty() ? QCoreApplication::translate("report", "non indicata") : da_utf8(s.nome)},
        {QCoreApplication::translate("report", "Lunghezza focale"),
         generale(j.camera.focale, c.formato) + mm},
        {digitale ? QCoreApplication::translate("report", "Sensore")
                  : QCoreApplication::translate("report", "Negativo"),
         generale(j.camera.larg_neg, c.formato) + " x " + generale(j.camera.alt_neg, c.formato) +
             mm},
        {QCoreApplication::translate("report", "Immagine"),
         s.larghezza_px > 0 ? QCoreApplication::translate("report", "%1 x %2 pixel")
                                  .arg(s.larghezza_px)
                                  .arg(s.altezza_px)
                            : QCoreApplication::translate("report", "non nota")}};
    if (s.scansione_um > 0)
        v.push_back({QCoreApplication::translate("report", "Scansione"),
                     generale(s.scansione_um, c.formato) + " µm"});
    const auto pixel = dimensione_pixel(j.camera, s);
    v.push_back({QCoreApplication::translate("report", "Pixel"),
                 pixel ? da_utf8(numero_fisso(*pixel * 1000, 2, c.formato)) + " µm"
                       : QCoreApplication::translate("report", "n/d")});
    v.push_back({QCoreApplication::translate("report", "Metrica"),
                 j.metrica ? QCoreApplication::translate("report", "Sì")
                           : QCoreApplication::translate("report", "No")});
    return v;
}

std::vector<voce> voci_lavoro(const contenuto_report& c) {
    const caselle_lavoro& k = c.caselle;
    // The computed base to the centimetre; a locked one as typed.
    const bool calcolata = !c.lavoro.blocca_base && c.lavoro.fase >= fase_calcolo::piano;
    const QString base =
        c.lavoro.blocca_base
            ? QCoreApplication::translate("report", "%1 (bloccata)").arg(latino(k.base))
        : calcolata ? da_utf8(testo_arrotondato(c.lavoro.presa.base_presa, 2, c.formato))
                    : latino(k.base);
    return {{QCoreApplication::translate("report", "Scala di restituzione 1:"), latino(k.scala)},
            {QCoreApplication::translate("report", "Larghezza soggetto (m)"), latino(k.larg_sogg)},
            {QCoreApplication::translate("report", "Altezza del soggetto (m)"), latino(k.alt_sogg)},
            {QCoreApplication::translate("report", "Distanza di presa (m)"), latino(k.distanza)},
            {QCoreApplication::translate("report", "Lunghezza focale (mm)"), latino(k.focale)},
            {QCoreApplication::translate("report", "Larghezza negativo (mm)"), latino(k.larg_neg)},
            {QCoreApplication::translate("report", "Altezza negativo (mm)"), latino(k.alt_neg)},
            {QCoreApplication::translate("report", "Base di presa (m)"), base}};
}

// The results rounded for reading, with their units; the three precisions
// labelled as the legend under the blocks explains them.
std::vector<voce> voci_risultati(const contenuto_report& c,
                                 const std::optional<risultato_verifiche>& r) {
    const risultati_mostrati& m = c.risultati;
    const dati_presa& p = c.lavoro.presa;
    const bool calcolato = c.lavoro.fase >= fase_calcolo::precisione_max;
    const QColor sovrapp =
        calcolato && (p.sovrapp < 60 || p.sovrapp > 90) ? colore_avviso() : Qt::transparent;
    const QColor ingrand = calcolato && p.ingrand > 5.5 ? colore_avviso() : Qt::transparent;
    const auto arrotondato = [&](double x, misura u) {
        return calcolato ? da_utf8(testo_misura(x, u, c.formato)) : QString();
    };
    std::vector<voce> v{
        {QCoreApplication::translate("report", "Numero fotogrammi"), latino(m.num_foto)},
        {QCoreApplication::translate("report", "Numero strisciate"), latino(m.num_strisc)},
        {QCoreApplication::translate("report", "Inclinazione camera"),
         arrotondato(p.incl, misura::gradi)},
        {QCoreApplication::translate("report", "Sovrapposizione"),
         arrotondato(p.sovrapp, misura::percento), sovrapp},
        {QCoreApplication::translate("report", "Numero di ingrandimenti"),
         arrotondato(p.ingrand, misura::ingrandimento), ingrand}};
    for (const precisione_spiegata& s : precisioni_spiegate(c.lavoro, r, c.formato))
        v.push_back({da_utf8(s.etichetta), da_utf8(s.valore)});
    return v;
}

// What each precision means, one line each under the blocks; returns the y below.
double legenda_precisioni(foglio& f, const contenuto_report& c,
                          const std::optional<risultato_verifiche>& r, double y) {
    for (const precisione_spiegata& s : precisioni_spiegate(c.lavoro, r, c.formato)) {
        f.testo(margine + 1, y + 2.4,
                QCoreApplication::translate("report", "%1: %2")
                    .arg(da_utf8(s.etichetta), da_utf8(s.significato)),
                6.5, false, allinea::sinistra, larghezza_utile - 2);
        y += 3.1;
    }
    return y + 1.5;
}

QColor colore_verifica(esito_verifica e) {
    switch (e) {
        case esito_verifica::ok:
            return colore_ok();
        case esito_verifica::attenzione:
            return colore_attenzione();
        case esito_verifica::non_soddisfatto:
            return colore_non_soddisfatto();
        case esito_verifica::non_disponibile:
            break;
    }
    return QColor(225, 225, 225);
}

}  // namespace

QString da_utf8(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

std::string numero_fisso(double x, int decimali, const formato_regionale& formato) {
    return testo_arrotondato(x, decimali, formato);
}

QColor colore_ok() {
    return {200, 235, 200};
}
QColor colore_attenzione() {
    return {255, 220, 150};
}
QColor colore_non_soddisfatto() {
    return {255, 180, 180};
}
QColor colore_avviso() {
    return {255, 0, 0};
}

QString titolo_report() {
    return QCoreApplication::translate(
        "report",
        "TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici");
}

// Project, place and operator on one line, each cut to its share of the
// width; the job's file and the date under them.
void disegna_testata(foglio& f, const contenuto_report& c) {
    const double x = margine;
    f.testo(x, 15, titolo_report(), 10.5, true, allinea::sinistra, larghezza_utile);
    const intestazione_lavoro& i = c.lavoro.intestazione;
    f.testo(x, 20.5, QCoreApplication::translate("report", "Progetto: %1").arg(da_utf8(i.progetto)),
            8, true, allinea::sinistra, 82);
    f.testo(x + 84, 20.5,
            QCoreApplication::translate("report", "Località: %1").arg(da_utf8(i.localita)), 8,
            false, allinea::sinistra, 56);
    f.testo(x + 142, 20.5,
            QCoreApplication::translate("report", "Operatore: %1").arg(da_utf8(i.operatore)), 8,
            false, allinea::sinistra, larghezza_utile - 142);
    f.testo(x, 24.5,
            QCoreApplication::translate("report", "Lavoro: %1    Data: %2")
                .arg(da_utf8(c.nome_lavoro), da_utf8(c.data)),
            7.5, false, allinea::sinistra, larghezza_utile);
    f.linea(x, 26.5, x + larghezza_utile, 26.5, 0.4);
}

void disegna_piede(foglio& f, int pagina, int pagine) {
    const double y = altezza_pagina - 8;
    f.linea(margine, y - 3.5, margine + larghezza_utile, y - 3.5, 0.2);
    f.testo(margine, y,
            QCoreApplication::translate("report", "pianopre - Versione %1")
                .arg(QString::fromLatin1(PIANOPRE_VERSIONE)),
            7);
    f.testo(margine + larghezza_utile, y,
            QCoreApplication::translate("report", "Pagina %1 di %2").arg(pagina).arg(pagine), 7,
            false, allinea::destra);
}

double disegna_dati(foglio& f, const contenuto_report& c, double y) {
    QString errore;
    const auto r = verifiche_di(c.lavoro, errore);
    // Widths of the three blocks and of their labels, in mm.
    blocco(f, margine, y, 60, 23, QCoreApplication::translate("report", "Fotocamera"),
           voci_camera(c));
    blocco(f, margine + 64, y, 56, 35, QCoreApplication::translate("report", "Dati del lavoro"),
           voci_lavoro(c));
    blocco(f, margine + 124, y, larghezza_utile - 124, 36,
           QCoreApplication::translate("report", "Progetto di presa"), voci_risultati(c, r));
    return legenda_precisioni(f, c, r, y + 4.5 + 8 * riga_dati + 1);
}

double disegna_verifiche(foglio& f, const contenuto_report& c, double y) {
    f.testo(margine, y + 3, QCoreApplication::translate("report", "Verifiche del piano"), 8.5,
            true);
    y += 4.5;
    QString errore;
    const auto r = verifiche_di(c.lavoro, errore);
    if (!r) {
        f.testo(margine + 1, y + 2.7, errore, corpo, false, allinea::sinistra, larghezza_utile);
        return y + riga_dati + 2;
    }
    const double colonne[] = {36, 54, 74, 22};
    const QString titoli[] = {QCoreApplication::translate("report", "Verifica"),
                              QCoreApplication::translate("report", "Valore"),
                              QCoreApplication::translate("report", "Limite"),
                              QCoreApplication::translate("report", "Esito")};
    double x = margine;
    for (int i = 0; i < 4; ++i) {
        f.testo(x + 1, y + 2.7, titoli[i], corpo, true);
        x += colonne[i];
    }
    f.linea(margine, y + riga_dati - 0.2, margine + larghezza_utile, y + riga_dati - 0.2, 0.15);
    y += riga_dati;
    // Strip heights past the fourth share one row: the page keeps its views.
    for (const riga_verifica& riga : righe_verifiche(*r, c.lavoro.verifiche, c.formato, 4)) {
        // A long verdict leaves its advice to the wider limit column.
        const std::string limite =
            riga.consiglio.empty() ? riga.limite : riga.limite + "; " + riga.consiglio;
        const std::string esito =
            riga.consiglio.empty() || !riga.esito ? riga.testo_esito : esito_mostrato(*riga.esito);
        const std::string* testi[] = {&riga.nome, &riga.valore, &limite, &esito};
        x = margine;
        for (int i = 0; i < 4; ++i) {
            if (i == 3 && riga.esito)
                f.riempi(x, y + 0.2, colonne[i], riga_dati - 0.4, colore_verifica(*riga.esito));
            f.testo(x + 1, y + 2.7, da_utf8(*testi[i]), corpo, i == 3, allinea::sinistra,
                    colonne[i] - 2);
            x += colonne[i];
        }
        y += riga_dati;
    }
    return y + 2;
}

}  // namespace pianopre
