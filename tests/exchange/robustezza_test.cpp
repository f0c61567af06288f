// The DXF and .xyz readers on damaged and foreign input: a file cut at every
// byte, bytes of every value, binary noise, NUL bytes and huge lines. Each
// read either ends or throws a numbered error; none crashes or hangs.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "base/errori.h"
#include "exchange/dxf_lettura.h"
#include "exchange/xyz_lettura.h"
#include "supporto_scambio.h"

namespace pianopre {
namespace {

// The error number of reading testo as DXF, 0 when it reads.
int leggi_dxf_testo(const std::string& testo, modello& m) {
    azzera_liste(m);
    return prova::numero_errore([&] {
        std::istringstream in(testo);
        leggi_dxf(m, in);
    });
}

int leggi_xyz_testo(const std::string& testo, modello& m) {
    return prova::numero_errore([&] {
        std::istringstream in(testo);
        leggi_xyz(m, in);
    });
}

bool errore_atteso(int n) {
    return n == 0 || n == err_tipo || n == err_overflow || n == err_indice || n == err_fine_file;
}

// Cut after every byte: what was read is a prefix of the whole drawing.
TEST(Robustezza, EsempioTroncatoOvunque) {
    const std::string intero = prova::leggi_tutto(prova::dati("esempio1.dxf"));
    modello completo;
    ASSERT_EQ(leggi_dxf_testo(intero, completo), 0);
    const auto tutte = completo.lista_entita.voci();
    modello m;
    for (std::size_t n = 0; n <= intero.size(); n += 7) {
        const int e = leggi_dxf_testo(intero.substr(0, n), m);
        ASSERT_TRUE(errore_atteso(e)) << n << ": " << e;
        ASSERT_LE(m.lista_entita.n_entita(), completo.lista_entita.n_entita());
        // Every stored entry but the last (which a SEQEND may still end) is as in the whole.
        for (std::int32_t i = 1; i < m.lista_entita.n_entita(); ++i)
            ASSERT_EQ(m.lista_entita.voce(i).x, tutte[i - 1].x) << n;
    }
}

// Lines cut by block boundaries everywhere read as whole ones: codes, values
// and the layer table across blocks of a few bytes.
TEST(Robustezza, BlocchiPiccoli) {
    for (const char* nome : {"esempio1.dxf", "ezdxf_r12.dxf"}) {
        const std::string testo = prova::leggi_tutto(prova::dati(nome));
        modello atteso;
        ASSERT_EQ(leggi_dxf_testo(testo, atteso), 0);
        for (std::size_t blocco : {1u, 2u, 3u, 5u, 7u, 13u, 64u, 4096u}) {
            std::istringstream in(testo);
            lettore_righe righe(in, blocco);
            modello m;
            azzera_liste(m);
            leggi_dxf(m, righe);
            EXPECT_EQ(prova::elenca(m), prova::elenca(atteso)) << nome << " block " << blocco;
            ASSERT_EQ(m.lista_layer.n_layer(), atteso.lista_layer.n_layer());
            for (std::int32_t i = 1; i <= m.lista_layer.n_layer(); ++i)
                EXPECT_EQ(m.lista_layer.voce(i).nome, atteso.lista_layer.voce(i).nome);
        }
    }
}

TEST(Robustezza, RumoreCasuale) {
    std::mt19937 caso(12345);
    const std::string pezzi[] = {"0\n",
                                 "ENTITIES\n",
                                 "TABLES\n",
                                 "LAYER\n",
                                 "POLYLINE\n",
                                 "VERTEX\n",
                                 "SEQEND\n",
                                 "10\n",
                                 "62\n",
                                 "8\n",
                                 "1\n",
                                 "ENDTAB\n",
                                 "\"",
                                 ",",
                                 " ",
                                 "\r\n",
                                 std::string(1, '\0'),
                                 "1.5\n",
                                 "-7\n",
                                 "\xff\xfe",
                                 "EOF\n",
                                 "LINE\n",
                                 "TEXT\n"};
    modello m;
    for (int prova_n = 0; prova_n < 3000; ++prova_n) {
        std::string testo;
        const int quanti = static_cast<int>(caso() % 60);
        for (int i = 0; i < quanti; ++i) {
            if (caso() % 4 == 0)
                testo += static_cast<char>(caso() % 256);
            else
                testo += pezzi[caso() % std::size(pezzi)];
        }
        ASSERT_TRUE(errore_atteso(leggi_dxf_testo(testo, m))) << testo;
        const int e = leggi_xyz_testo(testo, m);
        ASSERT_TRUE(e == 0 || e == err_overflow) << testo;
    }
}

TEST(Robustezza, RigheEnormiEByteNulli) {
    modello m;
    const std::string enorme(3u << 20, 'Z');
    EXPECT_EQ(leggi_dxf_testo(enorme, m), 0);
    EXPECT_EQ(leggi_dxf_testo(prova::dxf_entita({"0", "TEXT", "1", enorme, "0", "EOF"}), m), 0);
    ASSERT_EQ(m.lista_entita.n_entita(), 1);
    EXPECT_EQ(m.lista_entita.voce(1).nome.grezzo(), "ZZZZZZZZZZZZZZZZ");
    EXPECT_EQ(leggi_dxf_testo(prova::dxf_entita({"0", "POINT", "10", enorme}), m), err_tipo);
    EXPECT_EQ(leggi_dxf_testo(std::string(1u << 20, '\0'), m), 0);
    const std::string nul_nel_testo =
        prova::dxf_entita({"0", "TEXT", "1", std::string("a\0b", 3), "0", "EOF"});
    EXPECT_EQ(leggi_dxf_testo(nul_nel_testo, m), 0);
    EXPECT_EQ(m.lista_entita.voce(1).nome.grezzo(), std::string("a\0b             ", 16));
    EXPECT_EQ(leggi_xyz_testo(enorme + "," + enorme + "\n1 2", m), 0);
    EXPECT_EQ(leggi_xyz_testo("A," + std::string(40000, '1') + " 2 3", m), err_overflow);
}

}  // namespace
}  // namespace pianopre
