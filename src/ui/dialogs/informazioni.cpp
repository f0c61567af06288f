// The About box: its controls, its load step and the system-information command.
#include "dialogs/informazioni.h"

#include <QPalette>
#include <QPixmap>
#include <QProcess>

#include "base/traduzione.h"
#include "common/aspetto.h"
#include "common/didascalia.h"
#include "dialogs/controlli_info.h"
#include "dialogs/immagine_about.h"
#include "info/testi_info.h"

namespace pianopre {

namespace {

using enum tipo_controllo;

constexpr double grande = 9.75;   // the box's own font
constexpr double piccolo = 8.25;  // controls that name their font

const registro_vuoto nessun_registro;

bool avvia_processo(const QString& percorso) {
    return QProcess::startDetached(percorso, {});
}

constexpr const char* contesto = "pianopre::dialogo_informazioni";
constexpr const char* contesto_testi = "testi_info";  // the core's texts

voce_info riga(const char* nome, tipo_controllo tipo, const char* testo, int l, int t, int w, int h,
               double punti = grande, const char* dove = contesto) {
    return riga_info(nome, tipo, testo, l, t, w, h, punti, dove);
}

void testo_nero(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(p);
}

}  // namespace

dialogo_informazioni::dialogo_informazioni(servizi_utente& servizi, QWidget* parent)
    : dialogo_informazioni(servizi, nessun_registro, {}, parent) {}

dialogo_informazioni::dialogo_informazioni(servizi_utente& servizi, const registro& chiavi,
                                           avvio_programma avvia, QWidget* parent)
    : QDialog(parent),
      servizi_(servizi),
      chiavi_(chiavi),
      avvia_(avvia ? std::move(avvia) : avvio_programma(avvia_processo)) {
    setObjectName(QStringLiteral("frmAbout"));
    imposta_finestra_fissa(this, 2340, 1935, 5730, 6495);
    setFont(carattere_sistema(grande));
    crea_controlli();
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &dialogo_informazioni::StartSysInfo);
    carica();
}

void dialogo_informazioni::crea_controlli() {
    const voce_info righe[] = {
        riga("Lbltitle", etichetta,
             QT_TRANSLATE_NOOP("pianopre::dialogo_informazioni",
                               "Progetto di presa Stereofotogrammetrico"),
             1680, 240, 3885, 480, piccolo),
        riga("lblVersion", etichetta,
             QT_TRANSLATE_NOOP("pianopre::dialogo_informazioni", "Versione 1.0"), 1680, 780, 3885,
             225, piccolo),
        riga("lblDescription", etichetta, testo_descrizione, 1680, 1125, 3885, 1170, piccolo,
             contesto_testi),
        riga("lblDisclaimer", etichetta, testo_avvertenza, 255, 2640, 3990, 1185, grande,
             contesto_testi),
        riga("CmdOK", pulsante, QT_TRANSLATE_NOOP("pianopre::dialogo_informazioni", "OK"), 4440,
             2640, 1215, 375),
        riga("cmdSysInfo", pulsante,
             QT_TRANSLATE_NOOP("pianopre::dialogo_informazioni", "&System Info..."), 4440, 3075,
             1245, 345, piccolo),
        riga("Label3", etichetta, testo_condizioni[0], 240, 3840, 5295, 615, grande,
             contesto_testi),
        riga("Label6", etichetta, testo_condizioni[1], 240, 4320, 5055, 495, grande,
             contesto_testi),
        riga("Label5", etichetta, testo_condizioni[2], 240, 4800, 5175, 495, grande,
             contesto_testi),
        riga("Label4", etichetta, testo_condizioni[3], 240, 5280, 5175, 495, grande,
             contesto_testi),
        riga("Label1", etichetta, indirizzo_web, 2160, 5760, 1455, 375, 12, nullptr),
        riga("Label2", etichetta, indirizzo_posta, 1920, 6120, 1815, 255, grande, nullptr),
    };
    for (const voce_info& r : righe) crea_controllo_info(r, this);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon->setPixmap(QPixmap::fromImage(immagine_about()));
    picIcon->move(pixel(240), pixel(240));
    picIcon->resize(picIcon->sizeHint());  // the picture and its border
    crea_linea(this, "Line1(1)", 90, 5654, 2445, 1, QColor(128, 128, 128));
    crea_linea(this, "Line1(0)", 105, 5654, 2460, 2, QColor(255, 255, 255));

    Lbltitle = findChild<QLabel*>(QStringLiteral("Lbltitle"));
    lblVersion = findChild<QLabel*>(QStringLiteral("lblVersion"));
    lblDescription = findChild<QLabel*>(QStringLiteral("lblDescription"));
    lblDisclaimer = findChild<QLabel*>(QStringLiteral("lblDisclaimer"));
    CmdOK = findChild<QPushButton*>(QStringLiteral("CmdOK"));
    cmdSysInfo = findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    for (QLabel* l : {Lbltitle, lblDescription, lblDisclaimer}) testo_nero(l);
    CmdOK->setDefault(true);
    // Hidden, so neither a click nor its access key reaches it.
    cmdSysInfo->setVisible(false);
}

// Runs at every opening: a new box is built each time.
void dialogo_informazioni::carica() {
    setWindowTitle(QString::fromStdString(titolo_about()));
    imposta_didascalia(lblVersion, QString::fromStdString(riga_versione()));
    imposta_didascalia(Lbltitle, QString::fromUtf8(titolo_applicazione));
}

void dialogo_informazioni::StartSysInfo() {
    const std::optional<std::string> percorso = percorso_sysinfo(chiavi_);
    if (percorso && avvia_(QString::fromLocal8Bit(*percorso))) return;
    servizi_.messaggio(QString::fromStdString(traduci(contesto_testi, messaggio_sysinfo)));
}

}  // namespace pianopre
