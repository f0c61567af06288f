// Paths of the shipped data and of the user's files; chosen names as paths.
#include "common/percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace pianopre {

QString percorso_fotocamere_predefinite() {
    const QString installato =
        QCoreApplication::applicationDirPath() + "/../share/pianopre/fotocamere.json";
    if (QFileInfo::exists(installato)) return QDir::cleanPath(installato);
    return QStringLiteral(PIANOPRE_DATI_SORGENTE "/fotocamere.json");
}

QString percorso_fotocamere_utente() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/fotocamere.json";
}

std::filesystem::path percorso_locale(const QString& nome) {
    const QByteArray locale = QFile::encodeName(nome);
    return std::string(locale.constData(), static_cast<std::size_t>(locale.size()));
}

}  // namespace pianopre
