// The mission writers' angles and numbers, and the missions they refuse:
// each refusal names the file, and the file already there stays as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "base/file_testo.h"
#include "droni/comune_missione.h"
#include "support/cartella_temporanea.h"

namespace pianopre {
namespace {

TEST(angoli_missione, riportati_negli_intervalli_dei_formati) {
    struct caso {
        double gradi, pm180, da0a360;
    };
    for (const caso& c :
         {caso{0, 0, 0}, caso{120.25, 120.25, 120.25}, caso{180, -180, 180},
          caso{300.5, -59.5, 300.5}, caso{359.875, -0.125, 359.875}, caso{360, 0, 0},
          caso{-15, -15, 345}, caso{-190, 170, 170}, caso{725, 5, 5}, caso{-1e-20, 0, 0}}) {
        EXPECT_DOUBLE_EQ(angolo_pm180(c.gradi), c.pm180) << c.gradi;
        EXPECT_DOUBLE_EQ(angolo_360(c.gradi), c.da0a360) << c.gradi;
    }
}

TEST(angoli_missione, numeri_con_il_punto_senza_zeri_in_coda) {
    struct caso {
        double x;
        int cifre;
        const char* testo;
    };
    for (const caso& c : {caso{45.406512345678912, 10, "45.4065123457"}, caso{10.5, 3, "10.5"},
                          caso{2, 3, "2"}, caso{-5.5, 4, "-5.5"}, caso{-0.00001, 3, "0"},
                          caso{1e-5, 10, "0.00001"}, caso{2500, 0, "2500"}, caso{-0.0, 3, "0"}}) {
        EXPECT_EQ(missioni::decimale(c.x, c.cifre), c.testo) << c.x;
    }
}

missione una_missione() {
    missione m;
    punto_missione p;
    p.nome = "S1-01";
    p.geo = {45.4, 11.8};
    p.altezza_decollo = 10;
    m.punti = {p, p};
    return m;
}

TEST(scrittura_missione, rifiuti_lasciano_il_file_di_prima) {
    using scrittore = std::function<void(const std::filesystem::path&, const missione&,
                                         std::span<const azioni_punto>)>;
    const scrittore scrittori[] = {
        [](auto& f, auto& m, auto a) { scrivi_kmz_dji(f, m, a); },
        [](auto& f, auto& m, auto a) { scrivi_litchi_csv(f, m, a); },
        [](auto& f, auto& m, auto a) { scrivi_piano_qgc(f, m, a); },
    };
    struct caso {
        const char* nome;
        std::function<void(missione&, std::vector<azioni_punto>&)> guasta;
        const char* problema;
    };
    const caso casi[] = {
        {"senza punti", [](missione& m, auto& a) { m.punti.clear(), a.clear(); },
         "la missione non ha punti"},
        {"latitudine NaN",
         [](missione& m, auto&) { m.punti[1].geo.lat = std::numeric_limits<double>::quiet_NaN(); },
         "la missione ha un valore che non è un numero"},
        {"rotazione infinita",
         [](missione&, auto& a) {
             a[0].push_back({azione_missione::tipo::rotazione, HUGE_VAL});
         },
         "la missione ha un valore che non è un numero"},
        {"azioni mancanti", [](missione&, auto& a) { a.pop_back(); },
         "le azioni non corrispondono ai punti"},
    };
    prova::cartella_temporanea cartella;
    const std::filesystem::path file = cartella / "missione";
    for (const caso& c : casi) {
        for (const scrittore& scrivi : scrittori) {
            scrivi_file_atomico(file, "prima");
            missione m = una_missione();
            std::vector<azioni_punto> azioni = azioni_semplici(m);
            c.guasta(m, azioni);
            try {
                scrivi(file, m, azioni);
                ADD_FAILURE() << c.nome << ": scritta";
            } catch (const errore_file& e) {
                EXPECT_EQ(e.file(), file) << c.nome;
                EXPECT_EQ(e.problema(), c.problema) << c.nome;
            }
            EXPECT_EQ(leggi_file_testo(file, 100), "prima") << c.nome;
        }
    }
}

TEST(scrittura_missione, litchi_tiene_quindici_azioni_sosta_compresa) {
    prova::cartella_temporanea cartella;
    missione m = una_missione();
    std::vector<azioni_punto> azioni = azioni_semplici(m);
    azioni[1].resize(14);  // 14 photos and the hover: the 15 columns
    EXPECT_NO_THROW(scrivi_litchi_csv(cartella / "a.csv", m, azioni));
    azioni[1].resize(15);
    EXPECT_THROW(scrivi_litchi_csv(cartella / "b.csv", m, azioni), errore_file);
    EXPECT_FALSE(std::filesystem::exists(cartella / "b.csv"));
    m.impostazioni.sosta = false;
    EXPECT_NO_THROW(scrivi_litchi_csv(cartella / "b.csv", m, azioni));
}

}  // namespace
}  // namespace pianopre
