// The station table and the stereo-model table of the printed plan, side by
// side, a stretch of rows per page, the verdicts coloured.
#include "base/testo_misure.h"
#include "report/report_parti.h"

namespace pianopre {

namespace {

constexpr double corpo_tabella = 6.5;
constexpr double larghezza_stazioni = 112;
constexpr double spazio = 6;
constexpr double larghezza_modelli = larghezza_utile - larghezza_stazioni - spazio;

struct colonna {
    const char* titolo;
    double larghezza;
    allinea a;
};

// Column titles are translated where drawn.
const colonna colonne_stazioni[] = {
    {QT_TRANSLATE_NOOP("report", "Stazione"), 16, allinea::sinistra},
    {QT_TRANSLATE_NOOP("report", "Est"), 19, allinea::destra},
    {QT_TRANSLATE_NOOP("report", "Nord"), 19, allinea::destra},
    {QT_TRANSLATE_NOOP("report", "Quota"), 14, allinea::destra},
    {QT_TRANSLATE_NOOP("report", "Azimut"), 15, allinea::destra},
    {QT_TRANSLATE_NOOP("report", "Inclinaz. (°)"), 15, allinea::destra},
    {QT_TRANSLATE_NOOP("report", "h (m)"), 14, allinea::destra}};

const colonna colonne_modelli[] = {{QT_TRANSLATE_NOOP("report", "Modello"), 34, allinea::sinistra},
                                   {QT_TRANSLATE_NOOP("report", "Punti"), 12, allinea::destra},
                                   {QT_TRANSLATE_NOOP("report", "Esito"), 22, allinea::sinistra}};

QString titolo(const colonna& c) {
    return QCoreApplication::translate("report", c.titolo);
}

template <std::size_t N>
void riga(foglio& f, double x, double y, const colonna (&c)[N], const QString (&testi)[N],
          bool grassetto) {
    for (std::size_t i = 0; i < N; ++i) {
        const double xt = c[i].a == allinea::destra ? x + c[i].larghezza - 1.5 : x + 1;
        f.testo(xt, y + 2.4, testi[i], corpo_tabella, grassetto, c[i].a, c[i].larghezza - 2);
        x += c[i].larghezza;
    }
}

QColor colore_modello(esito_modello e) {
    switch (e) {
        case esito_modello::ok:
            return colore_ok();
        case esito_modello::attenzione:
            return colore_attenzione();
        case esito_modello::non_soddisfatto:
            break;
    }
    return colore_non_soddisfatto();
}

void tabella_stazioni(foglio& f, const contenuto_report& c, const std::vector<riga_stazione>& s,
                      std::size_t da, std::size_t a, double y) {
    const double x = margine;
    f.testo(x, y + 3, QCoreApplication::translate("report", "Stazioni (%1)").arg(s.size()), 8.5,
            true);
    y += 4.5;
    const QString unita = c.lavoro.sito.unita == unita_angolo::gon ? " (gon)" : " (°)";
    QString titoli[7];
    for (int i = 0; i < 7; ++i) titoli[i] = titolo(colonne_stazioni[i]);
    titoli[4] += unita;
    riga(f, x, y, colonne_stazioni, titoli, true);
    f.linea(x, y + altezza_riga - 0.2, x + larghezza_stazioni, y + altezza_riga - 0.2, 0.15);
    y += altezza_riga;
    const formato_regionale& k = c.formato;
    // Places by the rounding rules, units in the column titles.
    const int metri = regola(misura::metri).decimali, gradi = regola(misura::gradi).decimali;
    for (std::size_t i = da; i < a; ++i, y += altezza_riga) {
        const riga_stazione& r = s[i];
        const QString testi[7] = {da_utf8(r.nome),
                                  da_utf8(numero_fisso(r.est, metri, k)),
                                  da_utf8(numero_fisso(r.nord, metri, k)),
                                  da_utf8(numero_fisso(r.quota, metri, k)),
                                  da_utf8(numero_fisso(r.azimut, 4, k)),
                                  da_utf8(numero_fisso(r.inclinazione, gradi, k)),
                                  da_utf8(numero_fisso(r.altezza, metri, k))};
        riga(f, x, y, colonne_stazioni, testi, false);
    }
}

void tabella_modelli_(foglio& f, const tabella_modelli& m, std::size_t da, std::size_t a,
                      double y) {
    const double x = margine + larghezza_stazioni + spazio;
    f.testo(x, y + 3,
            QCoreApplication::translate("report", "Modelli stereoscopici (%1, scarsi %2)")
                .arg(m.righe.size())
                .arg(m.scarsi),
            8.5, true, allinea::sinistra, larghezza_modelli);
    y += 4.5;
    const QString titoli[3] = {titolo(colonne_modelli[0]), titolo(colonne_modelli[1]),
                               titolo(colonne_modelli[2])};
    riga(f, x, y, colonne_modelli, titoli, true);
    f.linea(x, y + altezza_riga - 0.2, x + larghezza_modelli, y + altezza_riga - 0.2, 0.15);
    y += altezza_riga;
    for (std::size_t i = da; i < a; ++i, y += altezza_riga) {
        const riga_modello& r = m.righe[i];
        f.riempi(x + 46, y + 0.2, 22, altezza_riga - 0.4, colore_modello(r.esito));
        const QString testi[3] = {da_utf8(r.stazione_1) + " / " + da_utf8(r.stazione_2),
                                  QString::number(r.punti), da_utf8(esito_mostrato(r.esito))};
        riga(f, x, y, colonne_modelli, testi, false);
    }
}

}  // namespace

void disegna_tabelle(foglio& f, const contenuto_report& c, const std::vector<riga_stazione>& s,
                     const tabella_modelli& m, const tratto_tabelle& t, double y,
                     int pagina_seguente) {
    tabella_stazioni(f, c, s, t.stazioni_da, t.stazioni_a, y);
    tabella_modelli_(f, m, t.modelli_da, t.modelli_a, y);
    if (s.empty())
        f.testo(margine + 1, y + 4.5 + altezza_riga + 2.4,
                QCoreApplication::translate("report", "Nessuna stazione: calcolare il piano."),
                corpo_tabella);
    if (pagina_seguente > 0) {
        const std::size_t righe =
            std::max(t.stazioni_a - t.stazioni_da, t.modelli_a - t.modelli_da);
        const double sotto = y + 4.5 + altezza_riga * static_cast<double>(righe + 1) + 3;
        f.testo(margine + larghezza_utile, sotto,
                QCoreApplication::translate("report", "Le tabelle continuano a pagina %1.")
                    .arg(pagina_seguente),
                7, false, allinea::destra);
    }
}

}  // namespace pianopre
