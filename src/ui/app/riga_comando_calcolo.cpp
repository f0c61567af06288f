// --calcola: a job read, computed and printed without a window, and the files
// asked written by the same code as the menu commands.
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QWidget>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/messaggio_errore.h"
#include "app/riga_comando.h"

#include "app/segni_caselle.h"
#include "base/file_testo.h"
#include "base/testo_numeri.h"
#include "common/layout_principale_widget.h"
#include "common/percorsi.h"
#include "exchange/file_scambio.h"
#include "job/esportazioni_geo.h"
#include "job/file_lavoro.h"
#include "job/letture_caselle.h"
#include "job/rete_commessa.h"
#include "job/risultati_uscita.h"
#include "job/stazioni_commessa.h"
#include "job/vista_commessa.h"
#include "picture/tre_viste.h"
#include "report/report.h"
#include "rete/mappa_csv.h"
#include "site/collocato.h"

namespace pianopre {

namespace {

std::string utf8(const QString& s) {
    return s.toUtf8().toStdString();
}

// A message of the error stream in the user's language: the translated
// pattern with %1, %2... replaced in one pass by the bytes of `valori`, so a
// file name goes out exactly as it is.
std::string messaggio(const char* contesto, const char* schema,
                      std::initializer_list<std::string> valori) {
    const std::string testo = utf8(QCoreApplication::translate(contesto, schema));
    const std::vector<std::string> v(valori);
    std::string fatto;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const char c = i + 1 < testo.size() ? testo[i + 1] : '\0';
        if (testo[i] == '%' && c >= '1' && static_cast<std::size_t>(c - '1') < v.size()) {
            fatto += v[static_cast<std::size_t>(c - '1')];
            ++i;
        } else {
            fatto += testo[i];
        }
    }
    return fatto;
}

// A failure already told on the error stream.
struct fallito {};

// The job's file into `c`, its notices told; the site drawing read when it has one.
caselle_lavoro leggi_lavoro(const QString& nome, commessa& c, std::ostream& errori) {
    esito_lettura_lavoro esito;
    try {
        esito = leggi_file_lavoro(percorso_locale(nome));
    } catch (const std::exception& e) {
        errori << e.what() << '\n';
        throw fallito{};
    }
    for (const std::string& avviso : esito.avvisi) errori << avviso << '\n';
    const dati_file_lavoro& d = esito.dati;
    try {
        applica_a_commessa(d, c);
    } catch (const errore& e) {
        errori << messaggio("messaggi_file", "Errore N.: %1 aprendo il file: %2",
                            {std::to_string(e.numero()), utf8(nome)})
               << '\n';
        throw fallito{};
    }
    if (!d.file_sito.empty()) {
        modello sito;
        try {
            leggi_file_dxf(d.file_sito, sito);
            c.disegno_sito.lista_entita = std::move(sito.lista_entita);
            c.file_sito = d.file_sito.string();
        } catch (const std::exception&) {
            errori << messaggio("comandi_lavoro",
                                "Errore: non riesco a leggere il disegno del sito %1 del lavoro %2",
                                {d.file_sito.string(), utf8(nome)})
                   << '\n';
        }
    }
    return caselle_da_file(d);
}

// The calculation's error, then the boxes read leniently, as the window tells them.
void calcola(commessa& c, const caselle_lavoro& caselle, const formato_regionale& formato,
             std::ostream& errori) {
    std::string problema;
    try {
        calcola_commessa(c, caselle, formato);
    } catch (const dato_negativo& e) {
        problema = e.what();
    } catch (const errore& e) {
        problema = utf8(messaggio_errore(e.numero()));
    } catch (const std::bad_alloc&) {
        problema = utf8(messaggio_errore(err_memoria));
    }
    if (!problema.empty()) errori << problema << '\n';
    const std::vector<lettura_dubbia> dubbie = letture_dubbie(caselle, formato);
    if (!dubbie.empty()) errori << utf8(avviso_letture(dubbie, formato)) << '\n';
    if (!problema.empty()) throw fallito{};
}

void stampa(const commessa& c, bool json, const formato_regionale& formato, std::ostream& uscita,
            std::ostream& errori) {
    const verifiche_uscita v = verifiche_per_uscita(c);
    if (!v.avviso.empty()) errori << v.avviso << '\n';
    if (json) {
        uscita << json_risultati(c, v) << '\n';
        return;
    }
    for (const std::string& riga : righe_risultati(c, v, formato)) uscita << riga << '\n';
}

// The picture area as the main window has it, in a hidden container; each
// view as the window shows it.
QString salva_tre_viste(const commessa& c, const QString& base) {
    QWidget contenitore;
    area_disegno* area = crea_area_come_finestra(&contenitore);
    if (area == nullptr) return base + "p.bmp";
    const auto vista = [&c](bool fronte, bool assonometrica) {
        return vista_commessa(c, fronte, assonometrica);
    };
    return esporta_tre_viste(*area, c.disegno.lista_entita, vista, base).non_scritto;
}

// The printed plan with the boxes as the window shows them after the calculation.
void scrivi_pdf(const QString& nome, const QString& lavoro, const commessa& c,
                caselle_lavoro caselle, const formato_regionale& formato) {
    caselle.base = testo_generale(c.presa.base_presa, formato);
    const mappa_copertura mappa = copertura_commessa(c);
    const contenuto_report contenuto{c,
                                     std::move(caselle),
                                     risultati_di(c, formato),
                                     utf8(QFileInfo(lavoro).fileName()),
                                     utf8(QDate::currentDate().toString("dd/MM/yyyy")),
                                     formato,
                                     {},
                                     mappa.celle.empty() ? nullptr : &mappa,
                                     impostazioni_mappa_commessa(c).tolleranza_mm};
    esporta_report_pdf(percorso_locale(nome), contenuto);
}

void scrivi_file(const riga_comando& r, const commessa& c, const caselle_lavoro& caselle,
                 const formato_regionale& formato, std::ostream& errori) {
    bool riuscito = true;
    const auto non_salvato = [&](const QString& nome) {
        errori << messaggio("messaggi_file", "Errore: impossibile salvare il file: %1",
                            {utf8(nome)})
               << '\n';
        riuscito = false;
    };
    if (!r.dxf.isEmpty()) {
        try {
            salva_file_dxf_collocato(percorso_locale(r.dxf), c.disegno.lista_entita, c.origine,
                                     c.sito);
        } catch (const std::exception&) {
            non_salvato(r.dxf);
        }
    }
    if (!r.csv.isEmpty()) {
        try {
            esporta_stazioni_csv(percorso_locale(r.csv), c, opzioni_csv{});
        } catch (const std::exception& e) {
            errori << e.what() << '\n';
            riuscito = false;
        }
    }
    if (!r.bmp.isEmpty()) {
        const QString non_scritto = salva_tre_viste(c, r.bmp);
        if (!non_scritto.isEmpty()) non_salvato(non_scritto);
    }
    if (!r.pdf.isEmpty()) {
        try {
            scrivi_pdf(r.pdf, r.file, c, caselle, formato);
        } catch (const std::exception& e) {
            errori << e.what() << '\n';
            riuscito = false;
        }
    }
    if (!r.mappa.isEmpty()) {
        try {
            salva_mappa_csv(percorso_locale(r.mappa), copertura_commessa(c));
        } catch (const errore_file& e) {
            errori << messaggio("messaggi_file", "Errore: impossibile salvare il file: %1",
                                {utf8(r.mappa)})
                   << " (" << e.problema() << ")\n";
            riuscito = false;
        }
    }
    for (std::size_t i = 0; i < r.geo.size(); ++i) {
        if (r.geo[i].isEmpty()) continue;
        try {
            esporta_geo(c, static_cast<formato_geo>(i), percorso_locale(r.geo[i]), formato);
        } catch (const errore_esportazione& e) {
            errori << e.what() << '\n';
            riuscito = false;
        } catch (const errore_file& e) {
            errori << messaggio("messaggi_file", "Errore: impossibile salvare il file: %1",
                                {utf8(r.geo[i])})
                   << " (" << e.problema() << ")\n";
            riuscito = false;
        }
    }
    if (!riuscito) throw fallito{};
}

}  // namespace

int esegui_calcolo(const riga_comando& riga, const formato_regionale& formato, std::ostream& uscita,
                   std::ostream& errori) {
    try {
        auto lavoro = std::make_unique<commessa>();
        const caselle_lavoro caselle = leggi_lavoro(riga.file, *lavoro, errori);
        calcola(*lavoro, caselle, formato, errori);
        stampa(*lavoro, riga.json, formato, uscita, errori);
        scrivi_file(riga, *lavoro, caselle, formato, errori);
    } catch (const fallito&) {
        return uscita_errore;
    } catch (const std::bad_alloc&) {
        errori << utf8(messaggio_errore(err_memoria)) << '\n';
        return uscita_errore;
    }
    uscita.flush();
    return uscita_ok;
}

}  // namespace pianopre
