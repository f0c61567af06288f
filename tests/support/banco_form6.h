// A main window for tests: Italian regional format, recording user services.
#pragma once

#include <QTest>

#include "app/form6.h"
#include "scheme/modello.h"
#include "support/servizi_finti.h"

namespace pianopre {

struct banco_form6 {
    modello m;
    servizi_finti servizi;
    Form6 finestra{m, servizi, formato_regionale::italiano()};
    const controlli_form6& c = finestra.controlli();

    // The first worked example: focal length 100, negative 60 x 60 (start-up
    // texts), scale 50, object 20 x 5, distance 10.
    void esempio() {
        c.txt_Scala->setText("50");
        c.Txt_Larg_sogg->setText("20");
        c.txt_altezza_sogg->setText("5");
        c.txt_spazio->setText("10");
    }
    void clic(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void calcola() { clic(c.Command9); }
};

}  // namespace pianopre
