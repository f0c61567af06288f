// The main window's captions fit their controls in Italian and in English:
// each caption is measured with its control's own font against the room the
// control has, the controls keeping their sizes and places in both languages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <climits>
#include <map>
#include <optional>
#include <set>

#include "app/controlli_principali.h"
#include "base/traduzione.h"
#include "common/lingua.h"
#include "layout_principale_attesi.h"
#include "support/con_lingua.h"

namespace pianopre {
namespace {

// Captions that are already cut in Italian, as the window has always shown
// them; none today.
const std::set<QString> italiani_gia_tagliati{};

struct misura {
    int serve;      // pixels the caption needs
    int c_e;        // pixels the control gives it
    QString testo;  // as shown
};

// Labels that size themselves get the width the window's design gives them,
// with the three pixels the layout allows the stand-in font.
std::map<QString, int> larghezze_progettate() {
    std::map<QString, int> l;
    for (const auto& r : prova::attesi_principale())
        if (r.tipo == prova::genere::etichetta_auto) l[r.nome] = r.width / 15 + 3;
    return l;
}

// Nothing for a control without a caption (boxes, outlines, the picture).
std::optional<misura> misura_di(const QWidget* w, const std::map<QString, int>& progettate) {
    const QFontMetrics m(w->font());
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (!l->wordWrap()) {
            const auto progettata = progettate.find(l->objectName());
            const int c_e = progettata != progettate.end() ? progettata->second : l->width();
            return misura{m.horizontalAdvance(l->text()), c_e, l->text()};
        }
        // Wrapped at word ends: no word wider than the label, no line below it
        // (the last line's box may end one pixel below its descenders).
        const QRect r = m.boundingRect(QRect(0, 0, l->width(), INT_MAX),
                                       int(l->alignment()) | Qt::TextWordWrap, l->text());
        if (r.height() > l->height() + 1) return misura{r.height(), l->height() + 1, l->text()};
        return misura{r.width(), l->width(), l->text()};
    }
    if (auto* s = qobject_cast<const QCheckBox*>(w)) {
        const QStyle* st = s->style();
        const int spunta = st->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, s) +
                           st->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, s);
        return misura{spunta + m.horizontalAdvance(s->text()), s->width(), s->text()};
    }
    if (auto* b = qobject_cast<const QPushButton*>(w))
        return misura{m.horizontalAdvance(b->text()) + 4, b->width(), b->text()};
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return misura{m.horizontalAdvance(g->title()) + 16, g->width(), g->title()};
    return std::nullopt;
}

// The captions of a main window built in the language, and those cut.
struct finestra_misurata {
    std::map<QString, QString> testi;
    std::map<QString, QString> tagliati;  // name: what it needs and has
};

finestra_misurata misura_finestra(lingua l) {
    const prova::con_lingua installata(l);
    QWidget finestra;
    finestra.resize(767, 671);
    crea_controlli_principali(&finestra);
    const auto progettate = larghezze_progettate();
    finestra_misurata f;
    for (const QWidget* w : finestra.findChildren<QWidget*>()) {
        const auto mis = misura_di(w, progettate);
        if (!mis) continue;
        f.testi[w->objectName()] = mis->testo;
        if (mis->serve > mis->c_e)
            f.tagliati[w->objectName()] =
                QString("\"%1\" %2 > %3").arg(mis->testo).arg(mis->serve).arg(mis->c_e);
    }
    return f;
}

std::string elenco(const std::map<QString, QString>& m) {
    QString s;
    for (const auto& [nome, cosa] : m) s += nome + ": " + cosa + "\n";
    return s.toStdString();
}

TEST(DidascalieLingue, OgniTestoEntraNelSuoControllo) {
    const finestra_misurata italiano = misura_finestra(lingua::italiano);
    const finestra_misurata inglese = misura_finestra(lingua::inglese);

    std::map<QString, QString> italiani_nuovi;
    for (const auto& [nome, cosa] : italiano.tagliati)
        if (!italiani_gia_tagliati.contains(nome)) italiani_nuovi[nome] = cosa;
    EXPECT_TRUE(italiani_nuovi.empty()) << elenco(italiani_nuovi);
    EXPECT_TRUE(inglese.tagliati.empty()) << elenco(inglese.tagliati);

    // The same controls have captions, and the English ones are English.
    ASSERT_EQ(inglese.testi.size(), italiano.testi.size());
    for (const char* nome : {"Frame1", "Label1", "Label6", "Check5", "Command1"})
        EXPECT_NE(inglese.testi.at(nome), italiano.testi.at(nome)) << nome;
}

// Afterwards the window is Italian again, for the tests that follow.
TEST(DidascalieLingue, DopoLIngleseTornaLItaliano) {
    const QString prima = misura_finestra(lingua::italiano).testi.at("Label1");
    misura_finestra(lingua::inglese);
    EXPECT_EQ(misura_finestra(lingua::italiano).testi.at("Label1"), prima);
    EXPECT_EQ(traduci("layout_principale", "Disegno"), "Disegno");
    EXPECT_EQ(QCoreApplication::translate("layout_principale", "Disegno"), "Disegno");
}

}  // namespace
}  // namespace pianopre
