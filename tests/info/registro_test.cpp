// Registry values: decoding, GetKeyValue and the search for the
// system-information program, over a registry written by the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "info/registro.h"
#include "registro_finto.h"
#include "support/cartella_temporanea.h"

namespace pianopre {
namespace {

using byte_valore = std::vector<unsigned char>;

valore_registro valore(std::uint32_t tipo, const std::string& testo) {
    return {tipo, byte_valore(testo.begin(), testo.end())};
}

TEST(DecodificaValore, TestoSenzaLoZeroFinale) {
    std::string uscita = "vecchio";
    decodifica_valore(valore(reg_sz, std::string("C:\\msinfo32.exe\0", 16)), uscita);
    EXPECT_EQ(uscita, "C:\\msinfo32.exe");
    // Only one zero byte goes; one without it stays whole; zeros inside stay.
    decodifica_valore(valore(reg_sz, std::string("ab\0\0", 4)), uscita);
    EXPECT_EQ(uscita, std::string("ab\0", 3));
    decodifica_valore(valore(reg_sz, "abc"), uscita);
    EXPECT_EQ(uscita, "abc");
    decodifica_valore(valore(reg_sz, std::string("a\0b", 3)), uscita);
    EXPECT_EQ(uscita, std::string("a\0b", 3));
    decodifica_valore(valore(reg_sz, ""), uscita);
    EXPECT_EQ(uscita, "");
}

TEST(DecodificaValore, DwordDallUltimoByte) {
    std::string uscita;
    decodifica_valore({reg_dword, {0x78, 0x56, 0x34, 0x12}}, uscita);
    EXPECT_EQ(uscita, "&h12345678");
    // Bytes below 16 keep two digits, so the number stays right; the dropped
    // zero at the end was the top byte and changes nothing.
    decodifica_valore({reg_dword, {0x02, 0x01, 0x00, 0x00}}, uscita);
    EXPECT_EQ(uscita, "&h000102");
    decodifica_valore({reg_dword, {0xAB, 0x0C, 0xFF, 0x01}}, uscita);
    EXPECT_EQ(uscita, "&h01FF0CAB");
}

TEST(DecodificaValore, AltriTipiLascianoIlTesto) {
    for (std::uint32_t tipo : {0u, 2u, 3u, 7u, 11u}) {
        std::string uscita = "dato dal chiamante";
        decodifica_valore(valore(tipo, "xyz"), uscita);
        EXPECT_EQ(uscita, "dato dal chiamante") << tipo;
    }
}

TEST(GetKeyValue, LetturaEFallimenti) {
    registro_finto r;
    r.valori[{hkey_local_machine, "K", "testo"}] = valore(reg_sz, std::string("ciao\0", 5));
    r.valori[{hkey_local_machine, "K", "altro"}] = valore(3, "bin");
    r.valori[{hkey_local_machine, "K", "pieno"}] = valore(reg_sz, std::string(1024, 'x'));
    r.valori[{hkey_local_machine, "K", "lungo"}] = valore(reg_sz, std::string(1025, 'x'));

    std::string uscita = "prima";
    EXPECT_TRUE(GetKeyValue(r, hkey_local_machine, "K", "testo", uscita));
    EXPECT_EQ(uscita, "ciao");
    // Read, but with no text form: the caller's text stays.
    EXPECT_TRUE(GetKeyValue(r, hkey_local_machine, "K", "altro", uscita));
    EXPECT_EQ(uscita, "ciao");
    EXPECT_TRUE(GetKeyValue(r, hkey_local_machine, "K", "pieno", uscita));
    EXPECT_EQ(uscita.size(), 1024u);
    // Failures empty the output.
    EXPECT_FALSE(GetKeyValue(r, hkey_local_machine, "K", "lungo", uscita));
    EXPECT_EQ(uscita, "");
    uscita = "prima";
    EXPECT_FALSE(GetKeyValue(r, hkey_local_machine, "K", "manca", uscita));
    EXPECT_EQ(uscita, "");
    uscita = "prima";
    EXPECT_FALSE(GetKeyValue(r, 0x80000001u, "K", "testo", uscita));
    EXPECT_EQ(uscita, "");
    uscita = "prima";
    EXPECT_FALSE(GetKeyValue(registro_vuoto(), hkey_local_machine, "K", "testo", uscita));
    EXPECT_EQ(uscita, "");
}

class PercorsoSysinfo : public ::testing::Test {
protected:
    prova::cartella_temporanea cartella;
};

TEST_F(PercorsoSysinfo, NessunaChiave) {
    registro_finto r;
    EXPECT_EQ(percorso_sysinfo(r), std::nullopt);
    EXPECT_EQ(percorso_sysinfo(registro_vuoto()), std::nullopt);
}

// The first value is taken as it is, existing file or not: starting it is
// what fails.
TEST_F(PercorsoSysinfo, PrimaChiaveSenzaControlli) {
    registro_finto r;
    r.testo(chiave_msinfo, "PATH", "/manca/msinfo32");
    r.testo(chiave_strumenti, "MSINFO", cartella.percorso().string());
    EXPECT_EQ(percorso_sysinfo(r), "/manca/msinfo32");
    EXPECT_EQ(r.letture, 1);
}

TEST_F(PercorsoSysinfo, SecondaChiaveSoloSeIlFileEsiste) {
    registro_finto r;
    const std::string cartella_strumenti = (cartella / "strumenti").string();
    r.testo(chiave_strumenti, "MSINFO", cartella_strumenti);
    EXPECT_EQ(percorso_sysinfo(r), std::nullopt);

    // A folder of that name is not a program.
    const std::string atteso = cartella_strumenti + "\\MSINFO32.EXE";
    std::filesystem::create_directory(atteso);
    EXPECT_EQ(percorso_sysinfo(r), std::nullopt);
    std::filesystem::remove(atteso);

    std::ofstream(atteso) << "programma";
    EXPECT_EQ(percorso_sysinfo(r), atteso);
}

}  // namespace
}  // namespace pianopre
