// The English interface has no Italian left: the main window, its menus, its
// windows and dialogs, the messages of its commands and the command line are
// walked once in Italian and once in English, and every text read in both is
// paired by where it was found.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "app/riga_comando.h"
#include "common/didascalia.h"
#include "common/layout_principale_tabella.h"
#include "common/lingua.h"
#include "common/servizi_qt.h"
#include "dialogs/verifiche_finestra.h"
#include "support/banco_finestra.h"
#include "support/cartella_temporanea.h"
#include "support/modale.h"

namespace pianopre {
namespace {

using testi = std::map<QString, QString>;  // where it was found: text

// Texts written alike in both languages.
const std::set<QString> uguali{
    "pianopre", "TE.C.L.A. srl", "Info", "Zoom", "Zoom +", "Zoom -", "OK", "No", "DXF", "BMP",
    "XYZ", "GSD", "gon", "^", "<", ">", "V", "+", "-", "?", "<-- Max  Min -->", "Drone",
    "System Info...",  // the About box's button has always been English
    // The language menu speaks both languages.
    "Lingua / Language", "Italiano", "English", "Come il sistema / As the system"};

// Italian words that no English text holds (file format values such as
// "pianopre-lavoro" aside).
const QStringList parole_italiane{"il",     "della",  "di",      "del",     "Errore",
                                  "Salva",  "Apri",   "lavoro",  "punti",   "fotocamera",
                                  "nessun", "Nessun", "premere", "Calcola", "file non"};

void aggiungi(testi& t, const QString& dove, const QString& testo) {
    if (!testo.isEmpty()) t[dove] = testo;
}

// Where an object is: the names (else the kinds) from the root down to it,
// numbered among siblings of the same name.
QString percorso(const QObject* o, const QObject* radice) {
    const auto nome = [](const QObject* x) {
        return x->objectName().isEmpty() ? QString(x->metaObject()->className()) : x->objectName();
    };
    QString dove;
    for (; o != radice; o = o->parent()) {
        int n = 0;
        for (const QObject* f : o->parent()->children()) {
            if (f == o) break;
            n += nome(f) == nome(o);
        }
        dove.prepend(QString("/%1.%2").arg(nome(o)).arg(n));
    }
    return dove;
}

// Every text a person reads on the widget and the objects under it.
void raccogli(const QObject* radice, const QString& dove, testi& t) {
    QList<const QObject*> oggetti{radice};
    for (const QObject* o : radice->findChildren<QObject*>()) oggetti << o;
    for (const QObject* o : oggetti) {
        const QString k = dove + percorso(o, radice) + ":";
        if (const auto* w = qobject_cast<const QWidget*>(o)) {
            if (w->isWindow()) aggiungi(t, k + "titolo", w->windowTitle());
            aggiungi(t, k + "suggerimento", w->toolTip());
        }
        if (const auto* l = qobject_cast<const QLabel*>(o)) aggiungi(t, k, l->text());
        if (const auto* b = qobject_cast<const QAbstractButton*>(o)) aggiungi(t, k, b->text());
        if (const auto* g = qobject_cast<const QGroupBox*>(o)) aggiungi(t, k, g->title());
        if (const auto* m = qobject_cast<const QMenu*>(o)) aggiungi(t, k, m->title());
        if (const auto* a = qobject_cast<const QAction*>(o)) aggiungi(t, k, a->text());
        if (const auto* e = qobject_cast<const QLineEdit*>(o)) aggiungi(t, k, e->placeholderText());
        if (const auto* c = qobject_cast<const QComboBox*>(o))
            for (int n = 0; n < c->count(); ++n)
                aggiungi(t, k + QString::number(n), c->itemText(n));
        if (const auto* tw = qobject_cast<const QTableWidget*>(o))
            for (int r = 0; r < tw->rowCount(); ++r)
                for (int c = 0; c < tw->columnCount(); ++c)
                    if (tw->item(r, c))
                        aggiungi(t, k + QString("%1,%2").arg(r).arg(c), tw->item(r, c)->text());
        const auto* v = qobject_cast<const QAbstractItemView*>(o);
        if (v == nullptr || v->model() == nullptr) continue;
        for (int c = 0; c < v->model()->columnCount(); ++c)
            aggiungi(t, k + "colonna" + QString::number(c),
                     v->model()->headerData(c, Qt::Horizontal).toString());
    }
}

// The modal box the next step opens, read and closed.
void leggi_modale(testi& t, const QString& dove, const std::function<void(QWidget*)>& poi = {}) {
    prova::quando_aperta([&t, dove, poi](QWidget* w) {
        raccogli(w, dove, t);
        if (poi) poi(w);
        if (w->isVisible()) w->close();
    });
}

struct passo {
    const char* nome;
    std::function<void(banco_finestra&, testi&, const QString& cartella)> fai;
};

void scrivi(const QString& nome, const char* testo) {
    std::ofstream(nome.toStdString()) << testo;
}

void azione(banco_finestra& b, const char* nome) {
    b.finestra.findChild<QAction*>(nome)->trigger();
}

// What each step does; the window is read after it, the messages recorded.
const passo passi[] = {
    {"avvio",
     [](banco_finestra& b, testi&, const QString&) {
         for (QMenu* m : b.finestra.findChildren<QMenu*>()) emit m->aboutToShow();
     }},
    {"senza_piano",
     [](banco_finestra& b, testi&, const QString&) {
         for (const char* a : {"azione_verifiche", "azione_stazioni", "azione_esporta_csv",
                               "azione_report_pdf", "azione_stampa", "azione_salva_bmp"})
             azione(b, a);
     }},
    {"calcolo_vuoto",
     [](banco_finestra& b, testi&, const QString&) {
         azione(b, "azione_verifiche");
         b.calcola();
     }},
    {"calcolo_errato",
     [](banco_finestra& b, testi&, const QString&) {
         b.esempio();
         b.c.casella_focale->setText("abc");
         azione(b, "azione_verifiche");
         b.calcola();
     }},
    {"piano",
     [](banco_finestra& b, testi& t, const QString&) {
         b.esempio();
         b.calcola();
         azione(b, "azione_verifiche");
         azione(b, "azione_stazioni");
         azione(b, "azione_salva_bmp");  // the question, answered No
         leggi_modale(t, "opzioni_csv");
         azione(b, "azione_esporta_csv");
     }},
    {"finestre",
     [](banco_finestra& b, testi& t, const QString&) {
         for (const char* a : {"azione_info", "azione_note"}) {
             leggi_modale(t, a);
             azione(b, a);
         }
         // A value that is no number, then the two clicks on the drawing.
         leggi_modale(t, "fotocamera", [](QWidget* w) {
             w->findChild<QLineEdit*>("larghezza_mm")->setText("x");
             w->findChild<QPushButton*>("aggiungi")->click();
         });
         azione(b, "azione_fotocamera");
         leggi_modale(t, "colloca", [](QWidget* w) {
             w->findChild<QLineEdit*>("est")->setText("x");
             w->findChild<QPushButton*>("ok")->click();
         });
         azione(b, "azione_colloca");
         leggi_modale(t, "scegli",
                      [](QWidget* w) { w->findChild<QPushButton*>("scegli")->click(); });
         azione(b, "azione_colloca");
     }},
    {"esempio",
     [](banco_finestra& b, testi&, const QString&) {
         b.finestra.apri_file(PIANOPRE_TEST_DATA "/../../data/esempi/esempio_digitale.pianopre");
         azione(b, "azione_verifiche");
         azione(b, "azione_stazioni");
     }},
    {"impostazione_errata",
     [](banco_finestra& b, testi&, const QString&) {
         b.esempio();
         b.calcola();
         azione(b, "azione_verifiche");
         auto* v = b.finestra.findChild<finestra_verifiche*>();
         v->impostazioni[0]->setText("0");
         emit v->impostazioni[0]->editingFinished();
     }},
    {"file",
     [](banco_finestra& b, testi&, const QString& d) {
         scrivi(d + "/testo.pianopre", "testo");
         scrivi(d + "/testo.dxf", "testo");
         scrivi(d + "/rotto.xyz", "1 2 3\n4 5\n");
         scrivi(d + "/altro.pianopre", R"({"formato": "altro"})");
         scrivi(d + "/campi.pianopre", R"({"formato": "pianopre-lavoro", "versione": 1,
             "collocazione": {"unita": "x"}, "vista": {"modo": "x"}})");
         scrivi(d + "/sito.pianopre", R"({"formato": "pianopre-lavoro", "versione": 1,
             "disegno_sito": "manca.dxf"})");
         for (const char* f :
              {"/manca.pianopre", "/testo.pianopre", "/altro.pianopre", "/campi.pianopre",
               "/sito.pianopre", "/manca.dxf", "/testo.dxf", "/rotto.xyz"})
             b.finestra.apri_file(d + f);
         b.servizi.file = {d + "/testo.dxf/x.pianopre", d + "/testo.dxf/x.dxf", ""};
         azione(b, "azione_salva_lavoro_con_nome");
         azione(b, "azione_salva_dxf");
         azione(b, "azione_apri_xyz");
     }},
    {"modifiche",
     [](banco_finestra& b, testi&, const QString& d) {
         b.servizi.file = {d + "/uno.pianopre"};
         azione(b, "azione_salva_lavoro");
         b.c.casella_scala->setText("50");
         azione(b, "azione_nuovo");  // the question, answered Cancel
     }},
    {"servizi",
     [](banco_finestra& b, testi& t, const QString&) {
         servizi_qt s(&b.finestra);
         leggi_modale(t, "domanda");
         s.domanda_annulla("1");
         const avanzamento a = s.avvia_avanzamento("1", 10);
         raccogli(b.finestra.findChild<QProgressDialog*>(), "avanzamento", t);
     }},
};

// The window, its commands and the command line read in the language installed.
testi leggi_tutto(const QString& cartella) {
    testi t;
    QSettings().clear();  // no recent job of the other language's walk
    for (const passo& p : passi) {
        banco_finestra b;
        b.finestra.show();
        p.fai(b, t, cartella);
        raccogli(&b.finestra, p.nome, t);
        QStringList detti = b.servizi.eventi.filter(QRegularExpression("^(messaggio|domanda):"));
        detti << b.servizi.avanzamenti;
        for (int i = 0; i < detti.size(); ++i)
            aggiungi(t, QString("%1/detto%2").arg(p.nome).arg(i), detti[i]);
    }
    for (const QString job : {"/testo.pianopre", "/manca.pianopre", "/campi.pianopre"}) {
        std::ostringstream uscita, errori;
        esegui_calcolo(leggi_riga_comando({"--calcola", cartella + job}),
                       formato_regionale::italiano(), uscita, errori);
        aggiungi(t, "riga" + job, QString::fromStdString(errori.str()));
    }
    aggiungi(t, "riga/errata", leggi_riga_comando({"--boh"}).problema);
    aggiungi(t, "riga/aiuto", testo_aiuto());
    return t;
}

// Numbers, file names and addresses are the same in any language.
bool uguale_ammesso(const QString& testo) {
    static const QRegularExpression lettera("\\p{L}"), nome_file("^\\S+[.@]\\S+$"),
        misura("^([≤≥] )?[-+]?\\d[\\d.,]*( / \\d[\\d.,]*)? (m|mm|px|µm|s|min)$");
    return uguali.contains(QString(testo).remove('&')) || !lettera.match(testo).hasMatch() ||
           nome_file.match(testo).hasMatch() || misura.match(testo).hasMatch();
}

class Lingue : public ::testing::Test {
protected:
    // A configuration folder of this process's own; Italian again afterwards.
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(
            QString("pianopre-lingue-%1").arg(QCoreApplication::applicationPid()));
    }
    void TearDown() override {
        rimuovi_lingua(*QCoreApplication::instance());
        QCoreApplication::setApplicationName(nome_);
    }
    QString nome_ = QCoreApplication::applicationName();
};

TEST_F(Lingue, NessunTestoItalianoInInglese) {
    const prova::cartella_temporanea d;
    const QString cartella = QString::fromStdString(d.percorso().string());
    const testi italiano = leggi_tutto(cartella);
    installa_lingua(*QCoreApplication::instance(), lingua::inglese);
    const testi inglese = leggi_tutto(cartella);
    rimuovi_lingua(*QCoreApplication::instance());

    ASSERT_GT(italiano.size(), 300u);
    QStringList spaiati, rimasti, parole;
    for (const auto& [dove, testo] : inglese) {
        const auto it = italiano.find(dove);
        if (it == italiano.end()) spaiati << dove;
        if (uguale_ammesso(testo)) continue;
        if (it != italiano.end() && it->second == testo) rimasti << dove + ": " + testo;
        for (const QString& p : parole_italiane)
            if (testo.contains(QRegularExpression("(?<![\\p{L}-])" + p + "(?![\\p{L}-])")))
                parole << dove + ": \"" + p + "\" in " + testo;
    }
    for (const auto& [dove, testo] : italiano)
        if (!inglese.contains(dove)) spaiati << dove;
    EXPECT_TRUE(spaiati.isEmpty()) << spaiati.join('\n').toStdString();
    EXPECT_TRUE(rimasti.isEmpty()) << rimasti.join('\n').toStdString();
    EXPECT_TRUE(parole.isEmpty()) << parole.join('\n').toStdString();
}

// In English every menu item's accelerator is its own within its menu.
TEST_F(Lingue, AcceleratoriInglesiDistinti) {
    installa_lingua(*QCoreApplication::instance(), lingua::inglese);
    banco_finestra b;
    for (const QMenu* m : b.finestra.findChildren<QMenu*>()) {
        QStringList tasti;
        for (const QAction* a : m->actions()) {
            const QString testo = QString(a->text()).remove("&&");
            const qsizetype i = testo.indexOf('&');
            if (i < 0) continue;  // separators and the language note
            EXPECT_FALSE(tasti.contains(testo.mid(i + 1, 1), Qt::CaseInsensitive))
                << m->objectName().toStdString() << ": " << testo.toStdString();
            tasti << testo.mid(i + 1, 1);
        }
    }
}

// In Italian the window shows the table's captions and tooltips as written.
TEST_F(Lingue, InItalianoLeDidascalieDellaTabella) {
    banco_finestra b;
    testi t;
    raccogli(&b.finestra, "", t);
    for (const voce_controllo& v : tabella_principale()) {
        const auto* w = b.finestra.findChild<QWidget*>(v.nome);
        ASSERT_NE(w, nullptr) << v.nome;
        if (*v.testo == '\0') continue;  // boxes, outlines, what the window writes
        QString testo;
        for (const auto& [dove, s] : t)
            if (dove.endsWith(QString("/%1.0:").arg(v.nome))) testo = s;
        if (const auto* l = qobject_cast<const QLabel*>(w)) testo = didascalia(l);
        if (qobject_cast<const QLineEdit*>(w) == nullptr) {
            EXPECT_EQ(testo.toStdString(), v.testo) << v.nome;
        }
        EXPECT_EQ(w->toolTip(), v.suggerimento ? QString::fromUtf8(v.suggerimento) : QString())
            << v.nome;
    }
}

}  // namespace
}  // namespace pianopre
