// The precision notes dialog: its controls and its load step.
#include "dialogs/note_precisione.h"

#include "common/didascalia.h"
#include "dialogs/controlli_info.h"
#include "info/testi_info.h"

namespace pianopre {

dialogo_note_precisione::dialogo_note_precisione(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Dialog"));
    imposta_finestra_fissa(this, 2760, 3750, 8445, 5895);
    setWindowTitle(tr("Informazioni sulla precisione"));
    using enum tipo_controllo;
    const char* const contesto = "pianopre::dialogo_note_precisione";
    const voce_info righe[] = {
        riga_info("Label1", etichetta,
                  QT_TRANSLATE_NOOP("pianopre::dialogo_note_precisione", "Info"), 120, 240, 8175,
                  5175, 9.75, contesto),
        riga_info("OKButton", pulsante,
                  QT_TRANSLATE_NOOP("pianopre::dialogo_note_precisione", "OK"), 3600, 5520, 1215,
                  375, 8.25, contesto),
        riga_info("CancelButton", pulsante,
                  QT_TRANSLATE_NOOP("pianopre::dialogo_note_precisione", "Annulla"), 4560, 2040,
                  1215, 375, 8.25, contesto),
    };
    for (const voce_info& r : righe) crea_controllo_info(r, this);
    Label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    OKButton = findChild<QPushButton*>(QStringLiteral("OKButton"));
    CancelButton = findChild<QPushButton*>(QStringLiteral("CancelButton"));
    CancelButton->setVisible(false);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    // The load step: the notes are built anew at every opening.
    imposta_didascalia(Label1, QString::fromStdString(testo_note()));
}

}  // namespace pianopre
