// The language of the texts: the system's interface languages, the saved
// choice and --lingua, in that order of strength; the command line's option.
#include "common/lingua.h"

#include <gtest/gtest.h>

#include "app/riga_comando.h"

namespace pianopre {
namespace {

TEST(Lingua, IlPrimoTraItalianoEIngleseDecide) {
    const struct {
        QStringList sistema;
        lingua attesa;
    } casi[] = {
        {{"it-IT", "en-US"}, lingua::italiano},
        {{"it"}, lingua::italiano},
        {{"de-DE", "it-CH", "en"}, lingua::italiano},
        {{"en-GB", "it-IT"}, lingua::inglese},
        {{"fr-FR", "de"}, lingua::inglese},
        {{}, lingua::inglese},
        {{"C"}, lingua::inglese},
        {{"it_IT"}, lingua::italiano},
        {{"ita"}, lingua::inglese},
    };
    for (const auto& k : casi)
        EXPECT_EQ(lingua_di_sistema(k.sistema), k.attesa) << k.sistema.join(',').toStdString();
}

TEST(Lingua, RigaPoiSceltaPoiSistema) {
    const QStringList italiano{"it-IT"};
    EXPECT_EQ(lingua_scelta(lingua::inglese, lingua::italiano, italiano), lingua::inglese);
    EXPECT_EQ(lingua_scelta(std::nullopt, lingua::inglese, italiano), lingua::inglese);
    EXPECT_EQ(lingua_scelta(std::nullopt, std::nullopt, italiano), lingua::italiano);
}

TEST(Lingua, OpzioneDellaRigaDiComando) {
    const struct {
        QStringList argomenti;
        richiesta cosa;
        std::optional<lingua> scelta;
    } casi[] = {
        {{"--lingua", "en"}, richiesta::finestra, lingua::inglese},
        {{"--calcola", "a.pianopre", "--lingua", "it"}, richiesta::calcola, lingua::italiano},
        {{"--lingua", "fr"}, richiesta::errata, std::nullopt},
        {{"--lingua"}, richiesta::errata, std::nullopt},
        {{"a.dxf"}, richiesta::finestra, std::nullopt},
    };
    for (const auto& k : casi) {
        const riga_comando r = leggi_riga_comando(k.argomenti);
        EXPECT_EQ(r.cosa, k.cosa) << k.argomenti.join(' ').toStdString();
        if (r.cosa != richiesta::errata) {
            EXPECT_EQ(r.lingua_testi, k.scelta);
        }
    }
}

}  // namespace
}  // namespace pianopre
