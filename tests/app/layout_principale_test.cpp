// The main window's layout: every control's name, kind, texts, container,
// position, font and initial state, the tab order, and what resizing does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <climits>
#include <map>
#include <vector>

#include "app/controlli_principali.h"
#include "common/didascalia.h"
#include "layout_principale_attesi.h"

namespace pianopre {
namespace {

using prova::attesi_principale;
using prova::atteso;
using prova::genere;

int px(int twips) {
    return twips / 15;
}

const char* classe_attesa(genere g) {
    switch (g) {
        case genere::etichetta:
        case genere::etichetta_auto:
            return "QLabel";
        case genere::ingresso:
        case genere::uscita:
            return "QLineEdit";
        case genere::pulsante:
            return "QPushButton";
        case genere::spunta:
            return "QCheckBox";
        case genere::cornice:
            return "QGroupBox";
        case genere::riquadro:
            return "QFrame";
        case genere::disegno:
            break;
    }
    return "pianopre::area_disegno";
}

bool focalizzabile(genere g) {
    return g != genere::etichetta && g != genere::etichetta_auto && g != genere::cornice &&
           g != genere::riquadro;
}

QString testo_di(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return didascalia(l);
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    return {};
}

// The focusable controls in the order of their tab numbers.
std::vector<QString> catena_attesa() {
    std::vector<atteso> righe;
    for (const auto& r : attesi_principale()) {
        if (r.tab >= 0 && focalizzabile(r.tipo)) righe.push_back(r);
    }
    std::ranges::sort(righe, {}, &atteso::tab);
    std::vector<QString> nomi;
    for (const auto& r : righe) nomi.emplace_back(r.nome);
    return nomi;
}

class LayoutPrincipale : public ::testing::Test {
protected:
    LayoutPrincipale() {
        finestra.setObjectName("Form6");
        finestra.resize(767, 671);
        c = crea_controlli_principali(&finestra);
    }

    QWidget* cerca(const char* nome) {
        const auto trovati = finestra.findChildren<QWidget*>(QString::fromUtf8(nome));
        EXPECT_EQ(trovati.size(), 1) << nome;
        return trovati.isEmpty() ? nullptr : trovati.front();
    }

    std::map<QString, QRect> geometrie() {
        std::map<QString, QRect> g;
        for (const auto& r : attesi_principale()) g[r.nome] = cerca(r.nome)->geometry();
        return g;
    }

    QWidget finestra;
    controlli_principali c;
};

TEST_F(LayoutPrincipale, OgniControlloHaTipoTestiSuggerimentoEContenitore) {
    for (const auto& r : attesi_principale()) {
        SCOPED_TRACE(r.nome);
        QWidget* w = cerca(r.nome);
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), classe_attesa(r.tipo));
        const QString genitore = r.genitore == nullptr ? "Form6" : r.genitore;
        EXPECT_EQ(w->parentWidget()->objectName(), genitore);
        EXPECT_EQ(testo_di(w), QString::fromUtf8(r.testo));
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(r.tooltip == nullptr ? "" : r.tooltip));
    }
}

TEST_F(LayoutPrincipale, PosizioniInPixelDalleMisureInTwip) {
    for (const auto& r : attesi_principale()) {
        SCOPED_TRACE(r.nome);
        const QRect g = cerca(r.nome)->geometry();
        EXPECT_EQ(g.topLeft(), QPoint(px(r.left), px(r.top)));
        EXPECT_EQ(g.height(), px(r.height));
        if (r.tipo == genere::etichetta_auto) {
            // Sized to its text; the stand-in font keeps the old face's widths,
            // and its bold is never wider than the old bold.
            EXPECT_EQ(g.width(), cerca(r.nome)->sizeHint().width());
            EXPECT_LE(g.width(), px(r.width) + 3);
            if (r.carattere == prova::peso::F) {
                EXPECT_GE(g.width(), px(r.width) - 3);
            }
        } else {
            EXPECT_EQ(g.width(), px(r.width));
        }
    }
}

TEST_F(LayoutPrincipale, CaratteriDelleFinestreDiDialogo) {
    for (const auto& r : attesi_principale()) {
        if (r.tipo == genere::disegno) continue;
        SCOPED_TRACE(r.nome);
        const QFont f = cerca(r.nome)->font();
        EXPECT_EQ(f.family(), "MS Sans Serif");
        EXPECT_DOUBLE_EQ(f.pointSizeF(), r.carattere == prova::peso::G ? 12.0 : 8.25);
        EXPECT_EQ(f.weight(), r.carattere == prova::peso::F ? QFont::Normal : QFont::Bold);
        // fonts-liberation is part of the set-up; it stands in for the old face.
        EXPECT_EQ(QFontInfo(f).family(), "Liberation Sans");
    }
}

TEST_F(LayoutPrincipale, StatoInizialeDelleCaselleEtichetteESpunte) {
    for (const auto& r : attesi_principale()) {
        SCOPED_TRACE(r.nome);
        QWidget* w = cerca(r.nome);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(e->isReadOnly(), r.tipo == genere::uscita);
            EXPECT_EQ(e->maxLength(), INT_MAX);
            EXPECT_TRUE(e->hasFrame());
            EXPECT_EQ(e->echoMode(), QLineEdit::Normal);
            EXPECT_TRUE(e->focusPolicy() & Qt::TabFocus);
        } else if (auto* s = qobject_cast<QCheckBox*>(w)) {
            EXPECT_EQ(s->checkState(), Qt::Unchecked);
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            const bool automatica = r.tipo == genere::etichetta_auto;
            EXPECT_EQ(l->alignment() & Qt::AlignHorizontal_Mask,
                      automatica ? Qt::AlignRight : Qt::AlignLeft);
            EXPECT_EQ(l->wordWrap(), !automatica);
            EXPECT_EQ(l->textFormat(), Qt::PlainText);
            EXPECT_EQ(l->focusPolicy(), Qt::NoFocus);
        }
        EXPECT_TRUE(w->isEnabled());
    }
}

// A box narrower than its text shows the text's start when the program writes
// it, also after the user has typed into it; typing keeps the cursor at the end.
TEST_F(LayoutPrincipale, UnTestoScrittoDalProgrammaSiVedeDallInizio) {
    const QString lungo = "4,52380952380952 4,52380952380952 4,52380952380952";
    for (QLineEdit* e : finestra.findChildren<QLineEdit*>()) {
        SCOPED_TRACE(e->objectName().toStdString());
        e->setText(lungo);
        EXPECT_EQ(e->cursorPosition(), 0);
        if (e->isReadOnly()) continue;
        e->clear();
        e->setFocus();
        QTest::keyClicks(e, "12,5");
        EXPECT_EQ(e->text(), "12,5");
        EXPECT_EQ(e->cursorPosition(), 4);
        e->setText(lungo);
        EXPECT_EQ(e->cursorPosition(), 0);
    }
}

TEST_F(LayoutPrincipale, NessunControlloOltreQuelliPrevisti) {
    QStringList nomi;
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) {
            nomi << w->objectName();
        }
    }
    QStringList attesi;
    for (const auto& r : attesi_principale()) attesi << r.nome;
    nomi.sort();
    attesi.sort();
    EXPECT_EQ(nomi, attesi);
}

TEST_F(LayoutPrincipale, LeRigheDiIstruzioniSonoSeparateDaUnSoloRitornoACapo) {
    EXPECT_EQ(c.istruzioni, cerca("Label6"));
    const QStringList righe = didascalia(c.istruzioni).split('\r');
    ASSERT_EQ(righe.size(), 3);
    EXPECT_FALSE(didascalia(c.istruzioni).contains('\n'));
    EXPECT_EQ(c.istruzioni->text().split('\n'), righe);
}

TEST_F(LayoutPrincipale, IlGiroDelTabVisitaIControlliNellOrdineDeiNumeri) {
    std::vector<QString> attesa = catena_attesa();
    // Iterator algorithms: clang 14 cannot build ranges of QString with libstdc++ 12.
    const auto inizio = std::find(attesa.begin(), attesa.end(), QString("Txt_Larg_sogg"));
    ASSERT_NE(inizio, attesa.end());
    std::rotate(attesa.begin(), inizio, attesa.end());

    std::vector<QString> vista;
    QWidget* w = c.casella_larg_sogg;
    do {
        if (w->focusPolicy() & Qt::TabFocus) vista.push_back(w->objectName());
        w = w->nextInFocusChain();
    } while (w != c.casella_larg_sogg && vista.size() <= attesa.size());
    EXPECT_EQ(vista, attesa);
}

TEST_F(LayoutPrincipale, AllaperturaIlFuocoEsuApriDxfEIlTabSegueLOrdine) {
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    EXPECT_EQ(QApplication::focusWidget(), c.apri_dxf);

    const std::vector<QString> attesa = catena_attesa();
    std::vector<QString> vista;
    for (std::size_t i = 0; i <= attesa.size(); ++i) {
        vista.push_back(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    std::vector<QString> giro = attesa;
    giro.push_back(attesa.front());  // after the last comes the first again
    EXPECT_EQ(vista, giro);
}

TEST_F(LayoutPrincipale, RidimensionareLasciaOgniControlloAlSuoPosto) {
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    const auto prima = geometrie();
    for (QSize s : {QSize(1200, 950), QSize(400, 300), QSize(767, 671)}) {
        SCOPED_TRACE(s.width());
        finestra.resize(s);
        QApplication::processEvents();
        EXPECT_EQ(geometrie(), prima);
    }
}

TEST_F(LayoutPrincipale, UnaFinestraPiuPiccolaNascondeCioCheStaOltreIlBordo) {
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    finestra.resize(400, 300);
    QApplication::processEvents();
    EXPECT_TRUE(c.esci->visibleRegion().isEmpty());      // right-hand column
    EXPECT_TRUE(c.apri_dxf->visibleRegion().isEmpty());  // lower band
    EXPECT_FALSE(c.area->visibleRegion().isEmpty());     // partly still in view
    EXPECT_LT(c.area->visibleRegion().boundingRect().width(), c.area->width());
}

// What a click at the middle of a control reaches: the control itself, never
// an outline box or a label lying over it.
TEST_F(LayoutPrincipale, IRiquadriELeEtichetteNonCopronoIControlli) {
    for (const auto& r : attesi_principale()) {
        if (!focalizzabile(r.tipo)) continue;
        SCOPED_TRACE(r.nome);
        QWidget* w = cerca(r.nome);
        const QPoint centro = w->mapTo(&finestra, w->rect().center());
        QWidget* colpito = finestra.childAt(centro);
        ASSERT_NE(colpito, nullptr);
        EXPECT_TRUE(colpito == w || w->isAncestorOf(colpito))
            << colpito->objectName().toStdString();
    }
}

TEST_F(LayoutPrincipale, ITestiEntranoNeiLoroControlli) {
    for (const auto& r : attesi_principale()) {
        SCOPED_TRACE(r.nome);
        QWidget* w = cerca(r.nome);
        const QFontMetrics m(w->font());
        if (auto* l = qobject_cast<QLabel*>(w); l && l->wordWrap()) {
            // The last line's box may end one pixel below its descenders.
            EXPECT_LE(l->heightForWidth(l->width()), l->height() + 1);
            for (const QString& parola : l->text().split(QRegularExpression("\\s+"))) {
                EXPECT_LE(m.horizontalAdvance(parola), l->width()) << parola.toStdString();
            }
        } else if (auto* s = qobject_cast<QCheckBox*>(w)) {
            QStyleOptionButton o;
            o.initFrom(s);
            const QRect testo = s->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, s);
            EXPECT_LE(testo.left() + m.horizontalAdvance(s->text()), s->width());
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            EXPECT_LE(m.horizontalAdvance(b->text()) + 4, b->width());
            EXPECT_LE(m.ascent(), b->height());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            EXPECT_LE(m.horizontalAdvance(g->title()) + 16, g->width());
        } else if (qobject_cast<QLineEdit*>(w)) {
            EXPECT_LE(m.height(), w->height() - 4);
        }
    }
}

}  // namespace
}  // namespace pianopre
