// The printed plan as a PDF: every input, result, verdict and station name of
// a job found by pdftotext in the file, on the first worked example and on a
// placed digital camera job with control points; a failed export keeps the
// previous file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTranslator>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "base/testo_misure.h"
#include "base/testo_numeri.h"
#include "base/traduzione.h"
#include "common/lingua.h"
#include "exchange/file_scambio.h"
#include "job/precisioni_commessa.h"
#include "job/stazioni_commessa.h"
#include "picture/immagine_copertura.h"
#include "report/report.h"
#include "scheme/modello.h"
#include "support/cartella_temporanea.h"
#include "support/esempio.h"
#include "support/mappa_sintetica.h"

namespace pianopre {
namespace {

// With PIANOPRE_SCRIVI_OUT set the PDF stays in the working folder to be looked at.
std::string testo_pdf(const std::filesystem::path& file) {
    if (qEnvironmentVariableIsSet("PIANOPRE_SCRIVI_OUT"))
        std::filesystem::copy_file(file, file.filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    QProcess p;
    p.start(PIANOPRE_PDFTOTEXT, {"-layout", QString::fromStdString(file.string()), "-"});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput().toStdString();
}

contenuto_report contenuto(const commessa& c, const caselle_lavoro& caselle) {
    const formato_regionale it = formato_regionale::italiano();
    caselle_lavoro mostrate = caselle;
    mostrate.base = testo_generale(c.presa.base_presa, it);
    return {c, mostrate, risultati_di(c, it), "prova.pianopre", "08/12/2026", it};
}

// Blanks in runs are one: pdftotext spaces words as the layout needs.
std::string compatto(const std::string& s) {
    std::string r;
    for (char ch : s)
        if (ch != ' ' || (!r.empty() && r.back() != ' ' && r.back() != '\n')) r += ch;
    return r;
}

// The line of the text that holds `chiave`, empty when none.
std::string riga_con(const std::string& testo, const std::string& chiave) {
    const std::size_t i = testo.find(chiave);
    if (i == std::string::npos) return {};
    const std::size_t inizio = testo.rfind('\n', i) + 1;
    return testo.substr(inizio, testo.find('\n', i) - inizio);
}

// Every text the page must carry for this job: the inputs as typed, the
// results rounded for reading.
std::vector<std::string> attesi(const contenuto_report& r) {
    const caselle_lavoro& k = r.caselle;
    const risultati_mostrati& m = r.risultati;
    const dati_presa& p = r.lavoro.presa;
    const auto u = [&](double x, misura quale) { return testo_misura(x, quale, r.formato); };
    const auto xz = [&](const precisione_xz& v) {
        return testo_coppia_misure(v.x, v.z, misura::millimetri, r.formato);
    };
    std::vector<std::string> t{k.focale,
                               k.larg_neg,
                               k.alt_neg,
                               k.alt_sogg,
                               k.larg_sogg,
                               k.distanza,
                               k.scala,
                               testo_arrotondato(p.base_presa, 2, r.formato),
                               m.num_foto,
                               m.num_strisc,
                               u(p.incl, misura::gradi),
                               u(p.sovrapp, misura::percento),
                               u(p.ingrand, misura::ingrandimento),
                               xz(r.lavoro.prec_max),
                               xz(r.lavoro.prec_std),
                               r.nome_lavoro,
                               r.data};
    // The footer in the language installed.
    t.push_back(QCoreApplication::translate("report", "Pagina %1 di %2")
                    .arg(1)
                    .arg(QString())
                    .trimmed()
                    .toStdString());
    t.push_back(
        QCoreApplication::translate("report", "pianopre - Versione %1").arg("1.0.0").toStdString());
    return t;
}

// Every expected text somewhere; each check and each stereo model with its
// verdict on its own line.
void controlla_pdf(const std::string& pdf_grezzo, const contenuto_report& r) {
    const std::string pdf = compatto(pdf_grezzo);
    for (const std::string& s : attesi(r)) {
        const std::string cercato = compatto(s);
        if (cercato.empty() || cercato == " ") continue;
        const std::string senza_bordi = cercato.front() == ' ' ? cercato.substr(1) : cercato;
        EXPECT_NE(pdf.find(senza_bordi), std::string::npos) << "manca: \"" << s << "\"";
    }
    const commessa& c = r.lavoro;
    const auto righe =
        righe_verifiche(calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche),
                        c.verifiche, r.formato, 4);
    for (const riga_verifica& v : righe) {
        const std::string esito = v.consiglio.empty() ? v.testo_esito : esito_mostrato(*v.esito);
        EXPECT_NE(riga_con(pdf, v.nome).find(esito), std::string::npos) << v.nome;
        EXPECT_NE(riga_con(pdf, v.nome).find(v.consiglio), std::string::npos) << v.nome;
    }
    for (const riga_stazione& s : stazioni_commessa(c)) {
        char est[32];
        std::string e(est, std::to_chars(est, est + 32, s.est, std::chars_format::fixed, 2).ptr);
        e[e.find('.')] = ',';
        EXPECT_NE(riga_con(pdf, "\n" + s.nome + " ").find(" " + e + " "), std::string::npos)
            << s.nome;
    }
    for (const riga_modello& m : modelli_commessa(c).righe) {
        const std::string riga = riga_con(pdf, m.stazione_1 + " / " + m.stazione_2);
        EXPECT_NE(
            riga.find(std::string(" ") + std::to_string(m.punti) + " " + esito_mostrato(m.esito)),
            std::string::npos)
            << m.stazione_1 << ": " << riga;
    }
}

TEST(report, esempio_tutto_nel_pdf) {
    commessa c;
    prova::calcola_esempio(c);
    ASSERT_EQ(c.fase, fase_calcolo::schema);
    const prova::cartella_temporanea cartella;
    const std::filesystem::path file = cartella / "esempio.pdf";
    const contenuto_report r = contenuto(c, prova::caselle_esempio());
    esporta_report_pdf(file, r);
    const std::string pdf = testo_pdf(file);
    controlla_pdf(pdf, r);
    EXPECT_NE(pdf.find("Pagina 1 di "), std::string::npos);
    EXPECT_NE(pdf.find("TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico"),
              std::string::npos);
}

// A digital camera (pixels known, so the checks give verdicts) placed on the
// site, with control points that leave the models OK, short of one and empty.
TEST(report, camera_digitale_collocata_con_punti) {
    commessa c;
    c.sensore = {"Fotocamera di prova", 6000, 4000, 0};
    c.sito = {1000, 2000, 50, 30, unita_angolo::gradi};
    const caselle_lavoro caselle{"35", "36", "24", "8", "30", "12", "100", ""};
    calcola_commessa(c, caselle, formato_regionale::italiano());
    ASSERT_EQ(c.fase, fase_calcolo::schema);
    const auto vuoti = modelli_commessa(c).righe;
    ASSERT_GE(vuoti.size(), 4u);
    // Four points in the first model's own part, three in the third's.
    const auto punti_in = [&](const riga_modello& m, int quanti, const char* prefisso) {
        for (int i = 0; i < quanti; ++i) {
            punto_app p;
            const punto3 s = al_sito(c.sito, {m.x_da + (m.x_a - m.x_da) * (0.2 + 0.1 * i),
                                              m.y_facciata, m.z_da + (m.z_a - m.z_da) * 0.5});
            p.nome = (prefisso + std::to_string(i + 1)).c_str();
            p.x = s.x;
            p.y = s.y;
            p.z = s.z;
            agg_punto(c.disegno, p);
        }
    };
    punti_in(vuoti[0], 4, "PA");
    punti_in(vuoti[2], 3, "PB");
    const tabella_modelli modelli = modelli_commessa(c);
    ASSERT_EQ(modelli.righe[2].esito, esito_modello::attenzione);

    const prova::cartella_temporanea cartella;
    const std::filesystem::path file = cartella / "collocato.pdf";
    const contenuto_report r = contenuto(c, caselle);
    esporta_report_pdf(file, r);
    const std::string pdf = testo_pdf(file);
    controlla_pdf(pdf, r);
    for (const char* t : {"Fotocamera di prova", "6000 x 4000 pixel", "PA1", "PB3"})
        EXPECT_NE(pdf.find(t), std::string::npos) << t;
    const std::string pixel = riga_con(compatto(pdf), "Precisione X / Z col pixel");
    const auto v = calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche);
    char x[16];
    std::snprintf(x, sizeof x, "%.2f", *v.sigma_x_mm);
    std::string atteso = x;
    atteso[atteso.find('.')] = ',';
    EXPECT_NE(pixel.find(atteso + " / "), std::string::npos) << pixel;
}

// The 24 mm example placed in the middle of a public drawing as its site drawing: façade 30 m x
// 14 m, street 12 m, 1:50, a full-frame camera of 9504 px across with the
// 24 mm lens. The header carries the job's fields and both precision
// estimates stand on their own labelled lines with what they mean, whether
// the site drawing is under both views or under neither.
TEST(report, esempio_24mm_con_disegno_del_sito) {
    commessa c;
    c.sensore = {"Pieno formato 9504 px", 9504, 6336, 0};
    c.intestazione = {"Restauro della facciata", "Città di prova", "Anna Rossi"};
    modello sito;
    leggi_file_dxf(std::filesystem::path(PIANOPRE_TEST_DATA) /
                       "dxf_corpus/publici/ezdxf__duplicate_handles.dxf",
                   sito);
    ASSERT_GT(sito.lista_entita.n_entita(), 0);
    c.disegno_sito.lista_entita = std::move(sito.lista_entita);
    double x[2] = {1e300, -1e300}, y[2] = {1e300, -1e300};
    for (const entita& e : c.disegno_sito.lista_entita.voci()) {
        x[0] = std::min(x[0], e.x);
        x[1] = std::max(x[1], e.x);
        y[0] = std::min(y[0], e.y);
        y[1] = std::max(y[1], e.y);
    }
    c.sito = {(x[0] + x[1]) / 2, (y[0] + y[1]) / 2, 0, 90, unita_angolo::gradi};
    const caselle_lavoro caselle{"24", "36", "24", "14", "30", "12", "50", ""};
    calcola_commessa(c, caselle, formato_regionale::italiano());
    ASSERT_EQ(c.fase, fase_calcolo::schema);
    const prova::cartella_temporanea cartella;
    for (const opzioni_report opzioni :
         {opzioni_report{true, true}, opzioni_report{false, false}}) {
        contenuto_report r = contenuto(c, caselle);
        r.opzioni = opzioni;
        const auto file = cartella / (opzioni.sito_in_pianta ? "con_sito.pdf" : "senza_sito.pdf");
        esporta_report_pdf(file, r);
        const std::string pdf = compatto(testo_pdf(file));
        controlla_pdf(pdf, r);
        EXPECT_NE(pdf.find("Progetto: Restauro della facciata"), std::string::npos);
        EXPECT_NE(pdf.find("Località: Città di prova"), std::string::npos);
        EXPECT_NE(pdf.find("Operatore: Anna Rossi"), std::string::npos);
        const auto v = calcola_verifiche(c.camera, c.lavoro, c.presa, c.sensore, c.verifiche);
        const auto precisioni = precisioni_spiegate(c, v, r.formato);
        ASSERT_EQ(precisioni.size(), 3u);
        for (const precisione_spiegata& p : precisioni) {
            ASSERT_NE(p.valore, "n/d") << p.etichetta;
            EXPECT_NE(riga_con(pdf, p.etichetta + " " + p.valore), "") << p.etichetta;
            EXPECT_NE(pdf.find(compatto(p.etichetta + ": " + p.significato)), std::string::npos)
                << p.significato;
        }
    }
}

// English for as long as it lives; Italian again afterwards, as the other
// tests of this program expect.
class in_inglese {
public:
    in_inglese() { installa_lingua(*QCoreApplication::instance(), lingua::inglese); }
    ~in_inglese() {
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        imposta_traduttore(nullptr);
    }
};

// The same page in English: its captions, the checks and the verdicts in
// English, none of the Italian ones left; the numbers as before.
TEST(report, in_inglese) {
    commessa c;
    c.sensore = {"", 6000, 4000, 0};
    const caselle_lavoro caselle{"35", "36", "24", "8", "30", "12", "100", ""};
    calcola_commessa(c, caselle, formato_regionale::italiano());
    ASSERT_EQ(c.fase, fase_calcolo::schema);
    const prova::cartella_temporanea cartella;
    std::string pdf;
    {
        const in_inglese inglese;
        const contenuto_report r = contenuto(c, caselle);
        esporta_report_pdf(cartella / "en.pdf", r);
        pdf = testo_pdf(cartella / "en.pdf");
        controlla_pdf(pdf, r);
    }
    pdf = compatto(pdf);
    for (const char* t :
         {"Stereophotogrammetric Shooting Plan", "Job: prova.pianopre", "Date: 08/12/2026",
          "Page 1 of ", "Version 1.0.0", "Camera", "Job data", "Shooting plan", "Plan checks",
          "Verdict", "Number of frames", "Restitution scale 1:", "Base-to-distance ratio",
          "Stations (", "Stereo models (", "Elevation", "Plan view", "Front view", "scale 1:"})
        EXPECT_NE(pdf.find(t), std::string::npos) << t;
    for (const char* t : {"Progetto di presa", "Lavoro:", "Pagina", "Versione", "Fotocamera",
                          "Verifiche", "Esito", "Numero", "Rapporto", "Stazioni", "Modelli",
                          "Pianta", "Prospetto", "scala", "Attenzione", "soddisfatto", "n/d"})
        EXPECT_EQ(pdf.find(t), std::string::npos) << t;
    EXPECT_NE(riga_con(pdf, "Pixel size").find(" µm"), std::string::npos);
    EXPECT_EQ(esito_mostrato(esito_modello::attenzione), "Attenzione");
}

// A folder in the way, or a file where a folder should be: the message names
// the file and what was there stays.
TEST(report, esportazione_fallita_lascia_quel_che_cera) {
    commessa c;
    prova::calcola_esempio(c);
    const contenuto_report r = contenuto(c, prova::caselle_esempio());
    const prova::cartella_temporanea cartella;
    esporta_report_pdf(cartella / "r.pdf", r);
    const auto dimensione = std::filesystem::file_size(cartella / "r.pdf");
    std::filesystem::create_directory(cartella / "cartella.pdf");
    for (const auto& f : {cartella / "r.pdf" / "x.pdf", cartella / "cartella.pdf"}) {
        try {
            esporta_report_pdf(f, r);
            ADD_FAILURE() << f;
        } catch (const errore_salvataggio& e) {
            EXPECT_EQ(std::string(e.what()), "Errore: impossibile salvare il file: " + f.string());
        }
    }
    EXPECT_EQ(std::filesystem::file_size(cartella / "r.pdf"), dimensione);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella),
                            std::filesystem::directory_iterator()),
              2);
}

// The coverage map's block comes with a map only: its title and the summary
// line of the map against the tolerance given.
TEST(report, mappa_di_copertura_solo_se_data) {
    commessa c;
    prova::calcola_esempio(c);
    ASSERT_EQ(c.fase, fase_calcolo::schema);
    const mappa_copertura m = prova::mappa_sintetica(1.2);
    const prova::cartella_temporanea cartella;
    for (const bool con_mappa : {false, true}) {
        SCOPED_TRACE(con_mappa);
        contenuto_report r = contenuto(c, prova::caselle_esempio());
        if (con_mappa) {
            r.mappa = &m;
            r.tolleranza_mappa_mm = 1.2;
        }
        const std::filesystem::path file = cartella / "mappa.pdf";
        esporta_report_pdf(file, r);
        const std::string pdf = compatto(testo_pdf(file));
        const std::string riepilogo = compatto(testo_riepilogo(m, 1.2, r.formato).toStdString());
        EXPECT_NE(riepilogo.find("σ massimo ≤ 1,20 mm"), std::string::npos) << riepilogo;
        EXPECT_EQ(pdf.find("Copertura e precisione sulla facciata") != std::string::npos,
                  con_mappa);
        EXPECT_EQ(pdf.find(riepilogo) != std::string::npos, con_mappa) << pdf;
        controlla_pdf(testo_pdf(file), r);  // everything else stays
    }
}

}  // namespace
}  // namespace pianopre
