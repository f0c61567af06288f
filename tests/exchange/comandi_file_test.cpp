// "Salva DXF", "Apri DXF" and "Apri XYZ" in the real window, with scripted
// file dialogs: what is written or loaded, and what the user is told.
#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/dxf_scrittura.h"
#include "exchange/file_scambio.h"
#include "support/banco_finestra.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

namespace fs = std::filesystem;
using prova::cartella_temporanea;
using prova::leggi_tutto;

QString nome(const fs::path& p) {
    return QString::fromStdString(p.string());
}

struct banco : banco_finestra {
    void salva(const QString& file) {
        servizi.file.push_back(file);
        clic(c.salva_dxf);
    }
    void apri_dxf(const QString& file) {
        servizi.file.push_back(file);
        clic(c.apri_dxf);
    }
    void apri_xyz(const QString& file) {
        servizi.file.push_back(file);
        clic(c.apri_xyz);
    }
    QString eventi() const { return servizi.eventi.join("; "); }
    // One point, so that saving asks nothing.
    void un_punto() {
        entita e;
        e.tipo = tipo_punto;
        agg_entita(m, e);
    }
};

TEST(SalvaDxf, SchemaCalcolato) {
    cartella_temporanea t;
    banco b;
    b.esempio();
    b.calcola();
    b.servizi.eventi.clear();
    b.salva(nome(t / "prova"));
    EXPECT_EQ(b.eventi(),
              "salva:*.dxf|.dxf; messaggio:File: " + nome(t / "prova.dxf") + " salvato.");
    EXPECT_EQ(leggi_tutto(t / "prova.dxf"), leggi_tutto(prova::dati("esempio1.dxf")));
}

TEST(SalvaDxf, EstensioneAggiunta) {
    const std::pair<const char*, const char*> casi[] = {
        {"a", "a.dxf"},         {"b.dxf", "b.dxf"}, {"c.DXF", "c.DXF"},   {"d.Dxf", "d.Dxf"},
        {"e.bak", "e.bak.dxf"}, {"fdxf", "fdxf"},   {"g.dx", "g.dx.dxf"},
    };
    cartella_temporanea t;
    banco b;
    b.un_punto();
    for (const auto& [scelto, scritto] : casi) {
        b.salva(nome(t / scelto));
        EXPECT_TRUE(fs::exists(t / scritto)) << scelto;
        EXPECT_TRUE(b.servizi.eventi.last().endsWith(nome(t / scritto) + " salvato.")) << scelto;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(t.percorso()), {}), std::size(casi));
}

TEST(SalvaDxf, AnnullaInSilenzio) {
    cartella_temporanea t;
    banco b;
    b.un_punto();
    b.m.nome_disegno = "prog1";
    b.salva("");
    EXPECT_EQ(b.eventi(), "salva:*.dxf|prog1.dxf");
}

// An empty drawing is saved only when the user says so.
TEST(SalvaDxf, DisegnoVuotoSoloSeConfermato) {
    cartella_temporanea t;
    banco b;
    b.salva(nome(t / "vuoto"));  // No: no name asked, nothing written
    ASSERT_EQ(b.servizi.eventi.size(), 1);
    EXPECT_TRUE(b.servizi.eventi.front().startsWith("domanda:Il disegno è vuoto."));
    EXPECT_FALSE(fs::exists(t / "vuoto.dxf"));
    b.servizi.risposte.push_back(true);
    b.salva(nome(t / "vuoto"));
    EXPECT_TRUE(fs::exists(t / "vuoto.dxf"));
}

TEST(SalvaDxf, OrigineDelloSchema) {
    cartella_temporanea t;
    banco b;
    b.esempio();
    b.calcola();
    b.lavoro.origine.x = 5;
    b.salva(nome(t / "o.dxf"));
    const auto linee = prova::dividi(leggi_tutto(t / "o.dxf"));
    // The façade's first vertex (stored at x = 100) and the first legend text (not shifted).
    EXPECT_EQ(linee[547], "VERTEX");
    EXPECT_EQ(linee[553], " 105");
    const auto testo = std::find(linee.begin(), linee.end(), "Progetto:       ");
    ASSERT_NE(testo, linee.end());
    EXPECT_EQ(*(testo - 8), " 100");
}

TEST(SalvaDxf, FallimentoSenzaPerdite) {
    cartella_temporanea t;
    fs::create_directory(t / "cartella.dxf");
    prova::scrivi_tutto(t / "buono.dxf", "disegno buono");
    banco b;
    b.un_punto();
    b.salva(nome(t / "cartella.dxf"));
    EXPECT_EQ(b.eventi(),
              "salva:*.dxf|.dxf; beep; messaggio:Errore: impossibile salvare il file: " +
                  nome(t / "cartella.dxf"));
    b.servizi.eventi.clear();
    b.lavoro.origine.x = 1e308;
    entita e;
    e.tipo = tipo_punto;
    e.x = 1e308;
    e.attributi = attr_relativo;
    agg_entita(b.m, e);
    b.salva(nome(t / "buono.dxf"));
    EXPECT_TRUE(b.servizi.eventi.last().startsWith("messaggio:Errore: impossibile salvare"));
    EXPECT_EQ(leggi_tutto(t / "buono.dxf"), "disegno buono");
}

TEST(ApriDxf, DisegnoLettoEMostrato) {
    banco b;
    b.esempio();
    b.calcola();
    const finestra_vista prima = b.c.area->scala();
    b.lavoro.origine.x = 50;  // a loaded drawing is not placed relative to the origin
    b.servizi.eventi.clear();
    b.apri_dxf(QString::fromStdString(prova::dati("ezdxf_r12.dxf")));
    EXPECT_EQ(b.eventi(), "apri:*.dxf|*.dxf");
    // What the reader gives for the file, all of it.
    modello letto;
    azzera_liste(letto);
    leggi_file_dxf(prova::dati("ezdxf_r12.dxf"), letto);
    EXPECT_GT(letto.lista_entita.n_entita(), 12);
    EXPECT_EQ(prova::elenca(b.m), prova::elenca(letto));
    EXPECT_EQ(b.m.lista_layer.n_layer(), 4);
    EXPECT_TRUE(b.m.salva_tre_viste);
    // Refitted to the loaded drawing, which spans about 0..23 in x.
    EXPECT_NE(b.c.area->scala().left, prima.left);
    EXPECT_LT(b.c.area->scala().left, 0);
}

TEST(ApriDxf, AnnullaLasciaIlDisegno) {
    banco b;
    b.esempio();
    b.calcola();
    const std::int32_t n = b.m.lista_entita.n_entita();
    b.servizi.eventi.clear();
    b.apri_dxf("");
    EXPECT_EQ(b.eventi(), "apri:*.dxf|*.dxf");
    EXPECT_EQ(b.m.lista_entita.n_entita(), n);
}

TEST(ApriDxf, SezioniMancanti) {
    cartella_temporanea t;
    prova::scrivi_tutto(t / "h.dxf", prova::righe({"0", "SECTION", "2", "HEADER", "0", "ENDSEC"}));
    prova::scrivi_tutto(t / "t.dxf", prova::righe({"0", "SECTION", "2", "TABLES", "0", "TABLE"}));
    banco b;
    b.esempio();
    b.calcola();  // a scheme on the picture, which the empty read must not leave behind
    b.servizi.eventi.clear();
    b.apri_dxf(nome(t / "h.dxf"));
    EXPECT_EQ(b.eventi(),
              "apri:*.dxf|*.dxf; beep; messaggio:Errore: Non ho trovato la sezione "
              "entita nel file: " +
                  nome(t / "h.dxf"));
    const QImage dopo = b.c.area->immagine();
    b.clic(b.c.ridisegna);
    EXPECT_EQ(b.c.area->immagine(), dopo);
    b.servizi.eventi.clear();
    b.apri_dxf(nome(t / "t.dxf"));
    EXPECT_EQ(b.eventi(),
              "apri:*.dxf|*.dxf; beep; messaggio:Errore: Non ho trovato la sezione LAYER; beep; "
              "messaggio:Errore: Non ho trovato la sezione entita nel file: " +
                  nome(t / "t.dxf"));
    EXPECT_EQ(b.m.lista_entita.n_entita(), 0);
    EXPECT_FALSE(b.m.salva_tre_viste);
}

TEST(ApriDxf, ErroriConIlLoroNumero) {
    cartella_temporanea t;
    prova::scrivi_tutto(t / "danno.dxf",
                        prova::dxf_entita({"0", "POINT", "0", "POINT", "10", "x"}));
    banco b;
    b.esempio();
    b.calcola();
    b.servizi.eventi.clear();
    b.apri_dxf(nome(t / "danno.dxf"));
    EXPECT_EQ(b.eventi(), "apri:*.dxf|*.dxf; messaggio:Errore N.: 13 aprendo il file: " +
                              nome(t / "danno.dxf"));
    EXPECT_EQ(b.m.lista_entita.n_entita(), 1);  // what was read stays
    // and the picture shows it alone, as "Ridisegna" would.
    const QImage dopo = b.c.area->immagine();
    b.clic(b.c.ridisegna);
    EXPECT_EQ(b.c.area->immagine(), dopo);
    b.servizi.eventi.clear();
    b.apri_dxf(nome(t / "manca.dxf"));
    EXPECT_EQ(b.eventi(), "apri:*.dxf|*.dxf; messaggio:Errore N.: 53 aprendo il file: " +
                              nome(t / "manca.dxf"));
    EXPECT_EQ(b.m.lista_entita.n_entita(), 0);
    EXPECT_FALSE(b.m.salva_tre_viste);
}

TEST(ApriXyz, PuntiCaricatiSenzaCambiareIlDisegno) {
    cartella_temporanea t;
    prova::scrivi_tutto(t / "p.xyz", "B2,1,2,3\r\nA10,4,5,6\r\nA2,7,8,9\r\n\r\n");
    banco b;
    b.esempio();
    b.calcola();
    const std::string disegno = prova::elenca(b.m);
    b.servizi.eventi.clear();
    b.apri_xyz(nome(t / "p.xyz"));
    EXPECT_EQ(b.eventi(), "apri:*.xyz|*.xyz");
    ASSERT_EQ(b.m.lista_punti.n_punti(), 3);
    EXPECT_EQ(b.m.lista_punti.voce(1).nome.pulito(), "A10");
    EXPECT_EQ(b.m.lista_punti.voce(3).z, 3);
    EXPECT_EQ(prova::elenca(b.m), disegno);
}

TEST(ApriXyz, Messaggi) {
    cartella_temporanea t;
    std::string troppi;
    for (int i = 0; i < 4500; ++i) troppi += "P,1,2,3\n";
    prova::scrivi_tutto(t / "troppi.xyz", troppi);
    prova::scrivi_tutto(t / "corto.xyz", "A,1,2,3\nB,4,5,6\nC,7\n");
    struct caso {
        QString file;
        QString eventi;
        std::int32_t punti;
    };
    const caso casi[] = {
        {nome(t / "troppi.xyz"),
         "apri:*.xyz|*.xyz; beep; messaggio:Troppi punti nel file di input. Operaziona annullata",
         4500},
        {nome(t / "corto.xyz"),
         "apri:*.xyz|*.xyz; beep; messaggio:Punto incompleto alla riga 3 del file di input. Punto "
         "ignorato",
         2},
        {nome(t / "manca.xyz"), "apri:*.xyz|*.xyz", 0},  // silent, the list untouched
        {"", "apri:*.xyz|*.xyz", 0},                     // Cancel
    };
    for (const caso& c : casi) {
        banco b;
        b.apri_xyz(c.file);
        EXPECT_EQ(b.eventi(), c.eventi) << c.file.toStdString();
        EXPECT_EQ(b.m.lista_punti.n_punti(), c.punti) << c.file.toStdString();
    }
}

}  // namespace
}  // namespace pianopre
