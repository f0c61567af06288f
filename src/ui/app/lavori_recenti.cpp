// lavori_recenti: the recent jobs under "lavori_recenti" in the settings.
#include "app/lavori_recenti.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace pianopre {

namespace {
constexpr int massimo_recenti = 8;
}  // namespace

void ricorda_recente(const QString& nome) {
    QSettings impostazioni;
    QStringList recenti = impostazioni.value("lavori_recenti").toStringList();
    const QString assoluto = QFileInfo(nome).absoluteFilePath();
    recenti.removeAll(assoluto);
    recenti.prepend(assoluto);
    while (recenti.size() > massimo_recenti) recenti.removeLast();
    impostazioni.setValue("lavori_recenti", recenti);
}

void riempi_menu_recenti(QMenu* menu, const std::function<void(const QString&)>& apri) {
    menu->clear();
    const QStringList recenti = QSettings().value("lavori_recenti").toStringList();
    for (int i = 0; i < recenti.size(); ++i) {
        QAction* a = menu->addAction(QString("&%1 %2").arg(i + 1).arg(recenti[i]));
        const QString nome = recenti[i];
        QObject::connect(a, &QAction::triggered, menu, [apri, nome] { apri(nome); });
    }
    if (recenti.isEmpty())
        menu->addAction(QCoreApplication::translate("lavori_recenti", "(nessuno)"))
            ->setEnabled(false);
}

}  // namespace pianopre
