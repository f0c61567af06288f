// Convergent images: the station table's rows (names, azimuths in degrees and
// in gon, order), their stake-out names, the job file's keys, the drone's
// actions and the flight time of three photos at each waypoint.
#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "droni/file_missione.h"
#include "droni/verifiche_volo.h"
#include "job/file_lavoro.h"
#include "site/convergenti.h"
#include "site/stazioni_csv.h"

namespace pianopre {
namespace {

riga_stazione stazione(const char* nome, double azimut) {
    riga_stazione r;
    r.nome = nome;
    r.striscia = 1;
    r.fotogramma = 2;
    r.est = 1000.5;
    r.nord = 2000.25;
    r.quota = 51.5;
    r.azimut = azimut;
    r.inclinazione = 2.5;
    r.altezza = 1.5;
    return r;
}

TEST(ImmaginiConvergenti, RigheDellaTabella) {
    const struct {
        unita_angolo unita;
        double azimut, gamma, piu, meno;
    } casi[] = {
        {unita_angolo::gradi, 330, 20, 350, 310},
        {unita_angolo::gradi, 350, 20, 10, 330},  // past North
        {unita_angolo::gradi, 5, 12.5, 17.5, 352.5},
        {unita_angolo::gon, 300, 18, 320, 280},  // 18° = 20 gon
        {unita_angolo::gon, 390, 45, 40, 340},
        {unita_angolo::gon, 10, 18, 30, 390},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(testing::Message() << k.azimut << " " << k.gamma);
        const riga_stazione s[] = {stazione("S1-01", k.azimut), stazione("S1-02", k.azimut)};
        const auto t = con_convergenti(s, {true, k.gamma}, k.unita);
        ASSERT_EQ(t.size(), 6u);
        const char* nomi[] = {"S1-01", "S1-01+", "S1-01\u2212", "S1-02", "S1-02+", "S1-02\u2212"};
        const double azimut[] = {k.azimut, k.piu, k.meno};
        const int verso[] = {0, 1, -1};
        for (std::size_t i = 0; i < t.size(); ++i) {
            EXPECT_EQ(t[i].nome, nomi[i]);
            EXPECT_NEAR(t[i].azimut, azimut[i % 3], 1e-9) << i;
            EXPECT_EQ(t[i].convergente, verso[i % 3]);
            EXPECT_EQ(t[i].est, 1000.5);
            EXPECT_EQ(t[i].nord, 2000.25);
            EXPECT_EQ(t[i].quota, 51.5);
            EXPECT_EQ(t[i].inclinazione, 2.5);
            EXPECT_EQ(t[i].altezza, 1.5);
        }
        const auto solo = elenco_convergenti(s, k.gamma, k.unita);
        ASSERT_EQ(solo.size(), 4u);
        EXPECT_EQ(solo[3].nome, t[5].nome);
        EXPECT_EQ(con_convergenti(s, {false, k.gamma}, k.unita).size(), 2u);
    }
}

TEST(ImmaginiConvergenti, AngoliRifiutati) {
    const double angoli[] = {0, -5, 90, 120, std::nan("")};
    for (double a : angoli) EXPECT_TRUE(errore_convergenti({true, a})) << a;
    EXPECT_FALSE(errore_convergenti({true, 89.5}));
    EXPECT_FALSE(errore_convergenti({}));
}

// The stake-out file takes ASCII names: the minus sign becomes a hyphen.
TEST(ImmaginiConvergenti, NomiNelCsv) {
    const riga_stazione s[] = {stazione("S1-01", 330)};
    const auto t = con_convergenti(s, {true, 20}, unita_angolo::gradi);
    EXPECT_EQ(testo_csv(t, {}, {}),
              "Punto,Nord,Est,Quota,Descrizione\r\n"
              "S1-01,2000.250,1000.500,51.500,stazione h=1.50 az=330.0000 inc=2.50\r\n"
              "S1-01+,2000.250,1000.500,51.500,stazione h=1.50 az=350.0000 inc=2.50\r\n"
              "S1-01-,2000.250,1000.500,51.500,stazione h=1.50 az=310.0000 inc=2.50\r\n");
}

TEST(ImmaginiConvergenti, FileDelLavoro) {
    const struct {
        const char* testo;
        impostazioni_convergenti attese;
        bool errore;
    } casi[] = {
        {"", {}, false},
        {", \"convergenti\": {}", {}, false},
        {", \"convergenti\": {\"attive\": true}", {true, 20}, false},
        {", \"convergenti\": {\"attive\": false, \"angolo_gradi\": 15}", {false, 15}, false},
        {", \"convergenti\": {\"attive\": true, \"angolo_gradi\": 95}", {}, true},
        {", \"convergenti\": {\"attive\": 1}", {}, true},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.testo);
        const std::string testo =
            std::string("{\"formato\": \"pianopre-lavoro\", \"versione\": 1") + k.testo + "}";
        if (k.errore) {
            EXPECT_THROW(leggi_testo_lavoro(testo, "prova.pianopre", ""), errore_file_lavoro);
            continue;
        }
        EXPECT_EQ(leggi_testo_lavoro(testo, "prova.pianopre", "").dati.convergenti, k.attese);
    }
}

missione due_punti() {
    missione m;
    m.decollo = {0, 0, 0};
    for (double x : {0.0, 3.0}) {
        punto_missione p;
        p.sito = {x, 4, 0};
        p.direzione = x == 0 ? 350 : 100;
        m.punti.push_back(p);
    }
    return m;
}

TEST(ImmaginiConvergenti, AzioniDelDrone) {
    using tipo = azione_missione::tipo;
    const auto a = azioni_convergenti(due_punti(), 20);
    ASSERT_EQ(a.size(), 2u);
    const azioni_punto attese[] = {{{tipo::foto, 0},
                                    {tipo::rotazione, 10},
                                    {tipo::foto, 0},
                                    {tipo::rotazione, 330},
                                    {tipo::foto, 0},
                                    {tipo::rotazione, 350}},
                                   {{tipo::foto, 0},
                                    {tipo::rotazione, 120},
                                    {tipo::foto, 0},
                                    {tipo::rotazione, 80},
                                    {tipo::foto, 0},
                                    {tipo::rotazione, 100}}};
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].size(), attese[i].size());
        for (std::size_t j = 0; j < a[i].size(); ++j) {
            EXPECT_EQ(a[i][j].cosa, attese[i][j].cosa);
            EXPECT_NEAR(a[i][j].direzione, attese[i][j].direzione, 1e-12) << i << " " << j;
        }
    }
}

// Path 4 + 3 + 5 = 12 m at 2 m/s; each waypoint hovers the interval once, and
// once more before each further photo.
TEST(ImmaginiConvergenti, TempoDiVolo) {
    const struct {
        bool sosta;
        int foto;
        double tempo;
    } casi[] = {{true, 1, 6 + 2 * 2}, {true, 3, 6 + 2 * 6}, {false, 1, 6}, {false, 3, 6 + 2 * 4}};
    for (const auto& k : casi) {
        missione m = due_punti();
        m.impostazioni.sosta = k.sosta;
        EXPECT_NEAR(verifica_volo(m, {}, 1.0, 2.5, k.foto).tempo_volo_s, k.tempo, 1e-9)
            << k.sosta << " " << k.foto;
    }
}

}  // namespace
}  // namespace pianopre
