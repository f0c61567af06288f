// The precision notes dialog: window, text as shown, buttons.
#include <gtest/gtest.h>

#include <QTest>

#include "common/didascalia.h"
#include "dialogs/note_precisione.h"
#include "info/testi_info.h"
#include "stampa_qt.h"
#include "support/twips.h"

namespace pianopre {
namespace {

using prova::twips;

TEST(dialogo_note_precisione, FinestraFissaEModale) {
    dialogo_note_precisione d;
    EXPECT_EQ(d.objectName(), "Dialog");
    EXPECT_EQ(d.windowTitle(), "Informazioni sulla precisione");
    EXPECT_EQ(d.geometry(), twips(2760, 3750, 8445, 5895));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_EQ(d.windowModality(), Qt::ApplicationModal);
}

TEST(dialogo_note_precisione, NoteNellEtichetta) {
    dialogo_note_precisione d;
    ASSERT_NE(d.Label1, nullptr);
    EXPECT_EQ(d.Label1->objectName(), "Label1");
    EXPECT_EQ(didascalia(d.Label1), QString::fromStdString(testo_note()));
    EXPECT_EQ(d.Label1->geometry(), twips(120, 240, 8175, 5175));
    EXPECT_DOUBLE_EQ(d.Label1->font().pointSizeF(), 9.75);
    EXPECT_TRUE(d.Label1->wordWrap());
    EXPECT_EQ(d.Label1->textFormat(), Qt::PlainText);
    // Each carriage return is a line break, two of them an empty line.
    const QString visto = d.Label1->text();
    EXPECT_FALSE(visto.contains('\r'));
    EXPECT_TRUE(
        visto.startsWith("Le precisioni calcolate si riferiscono all'utilizzo di camere "
                         "singole (non bicamere).\nIl valore di sinistra indica"));
    EXPECT_TRUE(visto.contains("le seguenti condizioni: \n\n- Uso di camera metrica"));
    EXPECT_TRUE(visto.endsWith("non gestisce."));
    EXPECT_EQ(visto.count('\n'), 16);
    // The whole text fits the label at its width.
    EXPECT_LE(d.Label1->heightForWidth(d.Label1->width()), d.Label1->height());
}

TEST(dialogo_note_precisione, PulsantiOkEAnnullaNascosto) {
    dialogo_note_precisione d;
    ASSERT_NE(d.OKButton, nullptr);
    ASSERT_NE(d.CancelButton, nullptr);
    EXPECT_EQ(d.OKButton->text(), "OK");
    EXPECT_EQ(d.OKButton->geometry(), twips(3600, 5520, 1215, 375));
    EXPECT_DOUBLE_EQ(d.OKButton->font().pointSizeF(), 8.25);
    EXPECT_EQ(d.CancelButton->text(), "Annulla");
    EXPECT_EQ(d.CancelButton->geometry(), twips(4560, 2040, 1215, 375));
    EXPECT_DOUBLE_EQ(d.CancelButton->font().pointSizeF(), 8.25);

    d.show();
    EXPECT_TRUE(d.OKButton->isVisible());
    EXPECT_FALSE(d.CancelButton->isVisible());
    QTest::mouseClick(d.OKButton, Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);

    dialogo_note_precisione altro;
    altro.show();
    altro.close();
    EXPECT_FALSE(altro.isVisible());
    EXPECT_EQ(altro.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace pianopre
