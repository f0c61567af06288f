// Whole-file operations: opening errors, the safe save that keeps the old
// drawing when writing fails, links, and reading back through the files.
#include <gtest/gtest.h>

#include "base/errori.h"
#include "exchange/file_scambio.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

namespace fs = std::filesystem;
using prova::cartella_temporanea;
using prova::leggi_tutto;
using prova::numero_errore;

std::size_t file_in(const fs::path& cartella) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(cartella), {}));
}

TEST(FileScambio, SalvaERilegge) {
    cartella_temporanea t;
    commessa c;
    prova::calcola_esempio(c);
    modello& m = c.disegno;
    salva_file_dxf(t / "a.dxf", m.lista_entita, 0, 0, 0);
    EXPECT_EQ(leggi_tutto(t / "a.dxf"), leggi_tutto(prova::dati("esempio1.dxf")));
    EXPECT_EQ(file_in(t.percorso()), 1u);  // no temporary file left
    modello letto;
    azzera_liste(letto);
    const esito_dxf esito = leggi_file_dxf(t / "a.dxf", letto);
    EXPECT_FALSE(esito.manca_entita);
    EXPECT_EQ(letto.lista_entita.n_entita(), m.lista_entita.n_entita());
}

TEST(FileScambio, SovrascriveMantenendoIPermessi) {
    cartella_temporanea t;
    prova::scrivi_tutto(t / "a.dxf", "vecchio");
    fs::permissions(t / "a.dxf",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    modello m;
    azzera_liste(m);
    salva_file_dxf(t / "a.dxf", m.lista_entita, 0, 0, 0);
    EXPECT_EQ(prova::dividi(leggi_tutto(t / "a.dxf")).size(), 542u);
    EXPECT_EQ(fs::status(t / "a.dxf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(FileScambio, UnErroreLasciaIlVecchioDisegno) {
    cartella_temporanea t;
    prova::scrivi_tutto(t / "a.dxf", "disegno buono");
    modello m;
    azzera_liste(m);
    entita e;
    e.tipo = tipo_punto;
    e.attributi = attr_relativo;
    for (int i = 0; i < 50000; ++i) agg_entita(m, e);  // several blocks written before the fault
    e.x = 1e308;
    agg_entita(m, e);
    EXPECT_EQ(numero_errore([&] { salva_file_dxf(t / "a.dxf", m.lista_entita, 1e308, 0, 0); }),
              err_overflow);
    EXPECT_EQ(leggi_tutto(t / "a.dxf"), "disegno buono");
    EXPECT_EQ(file_in(t.percorso()), 1u);
    salva_file_dxf(t / "a.dxf", m.lista_entita, 0, 0, 0);
    EXPECT_GT(leggi_tutto(t / "a.dxf").size(), 50000u * 40);
}

TEST(FileScambio, DestinazioniImpossibili) {
    cartella_temporanea t;
    fs::create_directory(t / "cartella.dxf");
    modello m;
    azzera_liste(m);
    for (const fs::path& p : {t / "cartella.dxf", t / "manca" / "a.dxf", fs::path("/dev/full")})
        EXPECT_EQ(numero_errore([&] { salva_file_dxf(p, m.lista_entita, 0, 0, 0); }),
                  err_accesso_file)
            << p;
    EXPECT_EQ(file_in(t.percorso()), 1u);
}

TEST(FileScambio, UnCollegamentoRestaTale) {
    cartella_temporanea t;
    prova::scrivi_tutto(t / "vero.dxf", "x");
    fs::create_symlink("vero.dxf", t / "link.dxf");
    modello m;
    azzera_liste(m);
    salva_file_dxf(t / "link.dxf", m.lista_entita, 0, 0, 0);
    EXPECT_TRUE(fs::is_symlink(t / "link.dxf"));
    EXPECT_EQ(prova::dividi(leggi_tutto(t / "vero.dxf")).size(), 542u);
}

TEST(FileScambio, AperturaPerLeggere) {
    cartella_temporanea t;
    fs::create_directory(t / "cartella");
    modello m;
    EXPECT_EQ(numero_errore([&] { leggi_file_dxf(t / "manca.dxf", m); }), err_file_non_trovato);
    EXPECT_EQ(numero_errore([&] { leggi_file_xyz(t / "manca.xyz", m); }), err_file_non_trovato);
    EXPECT_EQ(numero_errore([&] { leggi_file_dxf(t / "cartella", m); }), err_accesso_file);
    EXPECT_EQ(numero_errore([&] { leggi_file_xyz("/dev/null", m); }), err_accesso_file);
    prova::scrivi_tutto(t / "p.xyz", "B,1,2,3\nA,4,5,6\n");
    EXPECT_EQ(leggi_file_xyz(t / "p.xyz", m).riga_incompleta, 0);
    EXPECT_EQ(m.lista_punti.voce(1).nome.pulito(), "A");
}

}  // namespace
}  // namespace pianopre
