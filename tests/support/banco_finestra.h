// A main window for tests: Italian regional format, recording user services.
#pragma once

#include <QTest>

#include "app/finestra_principale.h"
#include "job/commessa.h"
#include "support/esempio.h"
#include "support/servizi_finti.h"

namespace pianopre {

struct banco_finestra {
    commessa lavoro;
    modello& m = lavoro.disegno;
    servizi_finti servizi;
    finestra_principale finestra{lavoro, servizi, formato_regionale::italiano()};
    const controlli_principali& c = finestra.controlli();

    // The first worked example typed into the eight boxes (the focal length and
    // negative are the start-up texts, the base stays empty).
    void esempio() {
        const caselle_lavoro k = prova::caselle_esempio();
        const std::pair<QLineEdit*, const std::string&> caselle[] = {
            {c.casella_focale, k.focale},       {c.casella_larg_neg, k.larg_neg},
            {c.casella_alt_neg, k.alt_neg},     {c.casella_alt_sogg, k.alt_sogg},
            {c.casella_larg_sogg, k.larg_sogg}, {c.casella_distanza, k.distanza},
            {c.casella_scala, k.scala},         {c.casella_base, k.base}};
        for (const auto& [casella, testo] : caselle)
            casella->setText(QString::fromStdString(testo));
    }
    void clic(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void calcola() { clic(c.calcola); }
};

}  // namespace pianopre
