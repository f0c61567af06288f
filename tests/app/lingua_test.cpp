// The language of the texts: the system's interface languages, the saved
// choice and --lingua, in that order of strength; the command line's option.
#include "common/lingua.h"

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <memory>

#include "app/riga_comando.h"
#include "support/con_lingua.h"

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

// Qt's own dialogs speak the program's language: their Cancel button is read
// as the user sees it, in Qt's own widgets (no native dialog).
TEST(Lingua, DialoghiDiQtNellaLinguaScelta) {
    const auto annulla = [](QDialog& d) {
        auto* bottoni = d.findChild<QDialogButtonBox*>();
        if (bottoni == nullptr || bottoni->button(QDialogButtonBox::Cancel) == nullptr)
            return QString("?");
        return bottoni->button(QDialogButtonBox::Cancel)->text().remove('&');
    };
    const auto dialoghi = [] {
        std::vector<std::unique_ptr<QDialog>> d;
        auto file = std::make_unique<QFileDialog>();
        file->setOption(QFileDialog::DontUseNativeDialog);
        d.push_back(std::move(file));
        auto colore = std::make_unique<QColorDialog>();
        colore->setOption(QColorDialog::DontUseNativeDialog);
        d.push_back(std::move(colore));
        return d;
    };
    const struct {
        lingua l;
        const char* atteso;
    } casi[] = {{lingua::italiano, "Annulla"}, {lingua::inglese, "Cancel"}};
    for (const auto& caso : casi) {
        const prova::con_lingua scelta(caso.l);
        for (const auto& d : dialoghi()) EXPECT_EQ(annulla(*d), caso.atteso);
        QPrinter stampante;
        QPrintDialog stampa(&stampante);
        EXPECT_EQ(annulla(stampa), caso.atteso);
    }
}

}  // namespace
}  // namespace pianopre
