// segni_caselle: the marks of the boxes read leniently and their notice.
#include "app/segni_caselle.h"

#include <QCoreApplication>
#include <QVariant>
#include <cstring>

#include "base/testo_numeri.h"
#include "common/layout_principale_tabella.h"

namespace pianopre {

namespace {

// The label beside each box in the main window's table.
const char* etichetta_di(casella_lavoro quale) {
    switch (quale) {
        case casella_lavoro::focale:
            return "lblFieldLabel(7)";
        case casella_lavoro::larg_neg:
            return "Label2";
        case casella_lavoro::alt_neg:
            return "lblFieldLabel(6)";
        case casella_lavoro::alt_sogg:
            return "lblFieldLabel(31)";
        case casella_lavoro::larg_sogg:
            return "lblFieldLabel(30)";
        case casella_lavoro::distanza:
            return "lblFieldLabel(8)";
        case casella_lavoro::scala:
            return "lblFieldLabel(3)";
        case casella_lavoro::base:
            break;
    }
    return "lblFieldLabel(0)";
}

// A long text shown by its start: a notice stays readable whatever was typed.
QString inizio(const std::string& testo) {
    constexpr std::size_t massimo = 40;
    const QString t = QString::fromLatin1(testo.data(), static_cast<qsizetype>(testo.size()));
    return testo.size() <= massimo ? t : t.left(massimo) + QStringLiteral("...");
}

constexpr const char* segno = "lettura_dubbia";
constexpr const char* suggerimento_proprio = "suggerimento_proprio";

}  // namespace

QString didascalia_casella(casella_lavoro quale) {
    const char* nome = etichetta_di(quale);
    for (const voce_controllo& voce : tabella_principale()) {
        if (std::strcmp(voce.nome, nome) != 0) continue;
        QString testo = QCoreApplication::translate(contesto_tabella, voce.testo).trimmed();
        if (testo.endsWith(':')) testo.chop(1);
        return testo.remove('&').trimmed();
    }
    return QString::fromLatin1(nome);
}

QString avviso_letture(const std::vector<lettura_dubbia>& dubbie,
                       const formato_regionale& formato) {
    QString avviso = QCoreApplication::translate(
        "segni_caselle", "Queste caselle non contenevano solo un numero e sono state lette così:");
    for (const lettura_dubbia& d : dubbie) {
        avviso += '\n';
        avviso += QCoreApplication::translate("segni_caselle", "%1: \"%2\" letto come %3")
                      .arg(didascalia_casella(d.casella), inizio(d.testo),
                           QString::fromStdString(testo_generale(d.valore, formato)));
    }
    return avviso;
}

void segna_casella(QLineEdit* casella, const QString& letto) {
    if (!casella->property(segno).toBool()) {
        casella->setProperty(suggerimento_proprio, casella->toolTip());
        casella->setProperty(segno, true);
        casella->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid rgb(255, 0, 0); }"));
    }
    casella->setToolTip(QCoreApplication::translate("segni_caselle", "Letto come %1").arg(letto));
}

void togli_segno(QLineEdit* casella) {
    if (!casella->property(segno).toBool()) return;
    casella->setStyleSheet(QString());
    casella->setToolTip(casella->property(suggerimento_proprio).toString());
    casella->setProperty(segno, false);
}

}  // namespace pianopre
