// A main window for tests: Italian regional format, recording user services.
#pragma once

#include <QTest>

#include "app/finestra_principale.h"
#include "job/commessa.h"
#include "support/servizi_finti.h"

namespace pianopre {

struct banco_finestra {
    commessa lavoro;
    modello& m = lavoro.disegno;
    servizi_finti servizi;
    finestra_principale finestra{lavoro, servizi, formato_regionale::italiano()};
    const controlli_principali& c = finestra.controlli();

    // The first worked example: focal length 100, negative 60 x 60 (start-up
    // texts), scale 50, object 20 x 5, distance 10.
    void esempio() {
        c.casella_scala->setText("50");
        c.casella_larg_sogg->setText("20");
        c.casella_alt_sogg->setText("5");
        c.casella_distanza->setText("10");
    }
    void clic(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void calcola() { clic(c.calcola); }
};

}  // namespace pianopre
