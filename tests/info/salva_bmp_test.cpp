// "Salva BMP" in the real window: the three views, the current view, Cancel,
// files that cannot be written; files go to a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <array>
#include <cstdint>

#include "stampa_qt.h"
#include "support/banco_finestra.h"
#include "support/cartella_temporanea.h"

namespace pianopre {
namespace {

const QString domanda = "domanda:Voi salvare i bitmap di tutte le tre viste ?";

struct intestazione_bmp {
    QByteArray firma;
    qint32 larghezza = 0;
    qint32 altezza = 0;
    quint16 bit = 0;
};

// Little-endian fields of the file header and the info header.
std::uint32_t campo(const std::array<unsigned char, 30>& d, int da, int byte) {
    std::uint32_t v = 0;
    for (int i = byte - 1; i >= 0; --i) v = v << 8 | d[static_cast<std::size_t>(da + i)];
    return v;
}

intestazione_bmp leggi_intestazione(const QString& percorso) {
    QFile f(percorso);
    std::array<unsigned char, 30> d{};
    if (!f.open(QIODevice::ReadOnly) || f.read(reinterpret_cast<char*>(d.data()), 30) != 30) {
        return {};
    }
    return {QByteArray(reinterpret_cast<const char*>(d.data()), 2),
            static_cast<qint32>(campo(d, 18, 4)), static_cast<qint32>(campo(d, 22, 4)),
            static_cast<quint16>(campo(d, 28, 2))};
}

QImage rgb(const QImage& img) {
    return img.convertToFormat(QImage::Format_RGB32);
}

struct stato {
    bool fronte;
    bool assonometrica;
    finestra_vista scala;
    QImage immagine;
};

stato stato_di(banco_finestra& b) {
    return {b.c.fronte->isChecked(), b.c.assonometrica->isChecked(), b.c.area->scala(),
            rgb(b.c.area->immagine())};
}

void uguale(const stato& a, const stato& b) {
    EXPECT_EQ(a.fronte, b.fronte);
    EXPECT_EQ(a.assonometrica, b.assonometrica);
    EXPECT_FLOAT_EQ(a.scala.left, b.scala.left);
    EXPECT_FLOAT_EQ(a.scala.top, b.scala.top);
    EXPECT_FLOAT_EQ(a.scala.width, b.scala.width);
    EXPECT_FLOAT_EQ(a.scala.height, b.scala.height);
    EXPECT_TRUE(a.immagine == b.immagine);
}

// A calculated scheme shown in axonometric view, zoomed in.
void prepara(banco_finestra& b) {
    b.esempio();
    b.calcola();
    b.clic(b.c.assonometrica);
    b.clic(b.c.ridisegna);
    b.clic(b.c.zoom_avanti);
    b.servizi.eventi.clear();
}

// What "Ridisegna" shows in a view.
QImage vista_ridisegnata(banco_finestra& b, bool fronte, bool assonometrica) {
    b.c.fronte->setChecked(fronte);
    b.c.assonometrica->setChecked(assonometrica);
    b.clic(b.c.ridisegna);
    return rgb(b.c.area->immagine());
}

// A path as the window's file dialogs give it and its messages name it.
QString percorso_qt(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

QStringList file_in(const prova::cartella_temporanea& d) {
    return QDir(percorso_qt(d))
        .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(SalvaBmp, TreVistePoiPiantaAdattata) {
    prova::cartella_temporanea dir;
    banco_finestra b;
    prepara(b);
    b.lavoro.origine.x = 3;  // a moved scheme is exported where it is
    b.servizi.risposte.push_back(true);
    b.servizi.file.push_back(percorso_qt(dir / "rilievo"));
    b.clic(b.c.salva_bmp);

    EXPECT_EQ(b.servizi.eventi, QStringList({domanda, "salva:*.bmp|prog1"}));
    EXPECT_EQ(file_in(dir), QStringList({"rilievoa.bmp", "rilievof.bmp", "rilievop.bmp"}));
    const QSize interna = b.c.area->dimensione_interna();
    for (const char* nome : {"rilievop.bmp", "rilievof.bmp", "rilievoa.bmp"}) {
        SCOPED_TRACE(nome);
        const intestazione_bmp h = leggi_intestazione(percorso_qt(dir / nome));
        EXPECT_EQ(h.firma, "BM");
        EXPECT_EQ(h.larghezza, interna.width());
        EXPECT_EQ(std::abs(h.altezza), interna.height());
        EXPECT_EQ(h.bit, 24);
    }
    EXPECT_TRUE(b.m.nome_disegno.empty());
    EXPECT_DOUBLE_EQ(b.lavoro.origine.x, 3);

    // Plan view, fitted: exactly what "Ridisegna" in plan view gives.
    const stato dopo = stato_di(b);
    EXPECT_FALSE(dopo.fronte);
    EXPECT_FALSE(dopo.assonometrica);
    b.clic(b.c.ridisegna);
    uguale(dopo, stato_di(b));
}

TEST(SalvaBmp, OgniFileHaLaSuaVista) {
    prova::cartella_temporanea dir;
    banco_finestra b;
    prepara(b);
    b.servizi.risposte.push_back(true);
    b.servizi.file.push_back(percorso_qt(dir / "v"));
    b.clic(b.c.salva_bmp);

    const QImage pianta = vista_ridisegnata(b, false, false);
    const QImage fronte = vista_ridisegnata(b, true, false);
    const QImage asso = vista_ridisegnata(b, false, true);
    EXPECT_FALSE(pianta == fronte);
    EXPECT_FALSE(fronte == asso);
    EXPECT_FALSE(pianta == asso);
    EXPECT_TRUE(rgb(QImage(percorso_qt(dir / "vp.bmp"))) == pianta);
    EXPECT_TRUE(rgb(QImage(percorso_qt(dir / "vf.bmp"))) == fronte);
    EXPECT_TRUE(rgb(QImage(percorso_qt(dir / "va.bmp"))) == asso);
}

// A folder named like the front view's file: the plan is written, the front
// fails, the sequence stops there and the user is told which file.
TEST(SalvaBmp, ErroreFermaLaSequenza) {
    prova::cartella_temporanea dir;
    ASSERT_TRUE(std::filesystem::create_directory(dir / "basef.bmp"));
    banco_finestra b;
    prepara(b);
    b.servizi.risposte.push_back(true);
    b.servizi.file.push_back(percorso_qt(dir / "base"));
    b.clic(b.c.salva_bmp);

    EXPECT_EQ(b.servizi.eventi, QStringList({domanda, "salva:*.bmp|prog1", "beep",
                                             "messaggio:Errore: impossibile salvare il file: " +
                                                 percorso_qt(dir / "basef.bmp")}));
    EXPECT_EQ(file_in(dir), QStringList({"basef.bmp", "basep.bmp"}));
    EXPECT_EQ(leggi_intestazione(percorso_qt(dir / "basep.bmp")).firma, "BM");
    EXPECT_TRUE(b.c.fronte->isChecked());
    EXPECT_FALSE(b.c.assonometrica->isChecked());
    EXPECT_TRUE(b.m.nome_disegno.empty());
}

// A missing folder, in either path: the user is told which file.
TEST(SalvaBmp, CartellaMancante) {
    prova::cartella_temporanea dir;
    banco_finestra b;
    prepara(b);
    b.servizi.risposte = {true, false};
    b.servizi.file = {percorso_qt(dir / "manca/base"), percorso_qt(dir / "manca/vista.bmp")};
    b.clic(b.c.salva_bmp);
    b.clic(b.c.salva_bmp);
    const QString errore = "messaggio:Errore: impossibile salvare il file: ";
    EXPECT_EQ(b.servizi.messaggi(), QStringList({errore + percorso_qt(dir / "manca/basep.bmp"),
                                                 errore + percorso_qt(dir / "manca/vista.bmp")}));
    EXPECT_TRUE(file_in(dir).isEmpty());
}

TEST(SalvaBmp, EstensioneTolta_NomeProposto_FileSostituiti) {
    prova::cartella_temporanea dir;
    {
        QFile vecchio(percorso_qt(dir / "casap.bmp"));
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("vecchio");
    }
    banco_finestra b;
    prepara(b);
    b.servizi.risposte = {true, true};
    b.servizi.file = {percorso_qt(dir / "casa.bmp"), percorso_qt(dir / "muro.BMP")};
    b.clic(b.c.salva_bmp);
    b.m.nome_disegno = "rilievo";
    b.clic(b.c.salva_bmp);

    EXPECT_EQ(b.servizi.eventi,
              QStringList({domanda, "salva:*.bmp|prog1", domanda, "salva:*.bmp|rilievo"}));
    EXPECT_EQ(file_in(dir), QStringList({"casaa.bmp", "casaf.bmp", "casap.bmp", "muroa.bmp",
                                         "murof.bmp", "murop.bmp"}));
    EXPECT_EQ(leggi_intestazione(percorso_qt(dir / "casap.bmp")).firma, "BM");
    EXPECT_EQ(b.m.nome_disegno, "rilievo");
}

TEST(SalvaBmp, RispostaNoSalvaLaVistaCorrente) {
    prova::cartella_temporanea dir;
    banco_finestra b;
    prepara(b);
    const stato prima = stato_di(b);
    b.servizi.file.push_back(percorso_qt(dir / "vista.bmp"));
    b.clic(b.c.salva_bmp);

    EXPECT_EQ(b.servizi.eventi, QStringList({domanda, "salva:*.bmp|prova_graf.bmp"}));
    EXPECT_EQ(file_in(dir), QStringList("vista.bmp"));
    EXPECT_TRUE(rgb(QImage(percorso_qt(dir / "vista.bmp"))) == prima.immagine);
    uguale(prima, stato_di(b));
}

TEST(SalvaBmp, AnnullaNonCambiaNulla) {
    prova::cartella_temporanea dir;
    banco_finestra b;
    prepara(b);
    const stato prima = stato_di(b);
    b.servizi.risposte = {true, false};
    b.servizi.file = {"", ""};
    b.clic(b.c.salva_bmp);
    b.clic(b.c.salva_bmp);
    EXPECT_EQ(b.servizi.eventi,
              QStringList({domanda, "salva:*.bmp|prog1", domanda, "salva:*.bmp|prova_graf.bmp"}));
    uguale(prima, stato_di(b));
    EXPECT_TRUE(b.m.nome_disegno.empty());
}

TEST(SalvaBmp, SenzaDisegnoNulla) {
    banco_finestra b;
    b.servizi.risposte.push_back(true);
    b.servizi.file.push_back("/tmp/non/usato");
    b.clic(b.c.salva_bmp);
    EXPECT_TRUE(b.servizi.eventi.isEmpty());
    EXPECT_FALSE(b.m.salva_tre_viste);
}

TEST(EsportaTreViste, ConNomeScriveSenzaNomeNo) {
    prova::cartella_temporanea dir;
    const QString corrente = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(percorso_qt(dir)));
    banco_finestra b;
    prepara(b);
    const stato prima = stato_di(b);
    b.finestra.esporta_tre_viste();
    EXPECT_TRUE(file_in(dir).isEmpty());
    uguale(prima, stato_di(b));

    b.m.nome_disegno = "diretto";
    b.finestra.esporta_tre_viste();
    EXPECT_EQ(file_in(dir), QStringList({"direttoa.bmp", "direttof.bmp", "direttop.bmp"}));
    EXPECT_FALSE(b.c.assonometrica->isChecked());
    EXPECT_TRUE(b.servizi.eventi.isEmpty());
    QDir::setCurrent(corrente);
}

// The progress of the three views: a Cancel after the first view keeps its
// bitmap, begins no other and leaves the plan view, as the end of the export does.
TEST(EsportaTreViste, AnnullaTieneIBitmapScritti) {
    prova::cartella_temporanea dir;
    const QString corrente = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(percorso_qt(dir)));
    banco_finestra b;
    prepara(b);
    b.m.nome_disegno = "diretto";
    b.servizi.ferma_al_passo = 2;
    b.finestra.esporta_tre_viste();
    EXPECT_EQ(file_in(dir), QStringList({"direttop.bmp"}));
    const std::int64_t n = b.m.lista_entita.n_entita();
    EXPECT_EQ(b.servizi.avanzamenti,
              QStringList(
                  {"Salvataggio dei bitmap direttop.bmp, f.bmp, a.bmp|" + QString::number(3 * n)}));
    EXPECT_EQ(b.servizi.passi, (std::vector<std::int64_t>{n, 2 * n}));
    EXPECT_FALSE(b.c.fronte->isChecked());
    EXPECT_FALSE(b.c.assonometrica->isChecked());
    EXPECT_TRUE(b.servizi.eventi.isEmpty());
    QDir::setCurrent(corrente);
}

}  // namespace
}  // namespace pianopre
