// The language chosen at start-up and the translators that give it.
#include "common/lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "base/traduzione.h"

namespace pianopre {

namespace {

const char* const chiave_lingua = "lingua";

std::string traduci_con_qt(const char* contesto, const char* testo) {
    return QCoreApplication::translate(contesto, testo).toStdString();
}

// Loads a translation into a translator the application keeps.
void carica(QCoreApplication& app, const QString& nome, const QString& cartella) {
    auto* t = new QTranslator(&app);
    if (t->load(nome, cartella))
        QCoreApplication::installTranslator(t);
    else
        delete t;
}

}  // namespace

std::optional<lingua> lingua_da_codice(const QString& codice) {
    if (codice == QLatin1String("it")) return lingua::italiano;
    if (codice == QLatin1String("en")) return lingua::inglese;
    return std::nullopt;
}

QString codice_lingua(lingua l) {
    return l == lingua::italiano ? QStringLiteral("it") : QStringLiteral("en");
}

lingua lingua_di_sistema(const QStringList& lingue_interfaccia) {
    for (const QString& voce : lingue_interfaccia) {
        const QString base = voce.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (base.compare(QLatin1String("it"), Qt::CaseInsensitive) == 0) return lingua::italiano;
        if (base.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) return lingua::inglese;
    }
    return lingua::inglese;
}

lingua lingua_scelta(const std::optional<lingua>& da_riga, const std::optional<lingua>& salvata,
                     const QStringList& lingue_interfaccia) {
    if (da_riga) return *da_riga;
    if (salvata) return *salvata;
    return lingua_di_sistema(lingue_interfaccia);
}

std::optional<lingua> lingua_salvata() {
    return lingua_da_codice(QSettings().value(chiave_lingua).toString());
}

void salva_lingua(const std::optional<lingua>& scelta) {
    QSettings impostazioni;
    if (scelta)
        impostazioni.setValue(chiave_lingua, codice_lingua(*scelta));
    else
        impostazioni.remove(chiave_lingua);
}

void installa_lingua(QCoreApplication& app, lingua l) {
    const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (l == lingua::italiano) {
        carica(app, QStringLiteral("qtbase_it"), qt);
        imposta_traduttore(nullptr);
        return;
    }
    carica(app, QStringLiteral("pianopre_en"), QStringLiteral(":/i18n"));
    imposta_traduttore(traduci_con_qt);
}

void rimuovi_lingua(QCoreApplication& app) {
    for (QTranslator* t : app.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    imposta_traduttore(nullptr);
}

}  // namespace pianopre
