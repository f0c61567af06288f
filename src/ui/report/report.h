// The printed plan: one A4 portrait page in the user's language (further pages only for
// long station and model tables) with the job's header (project, place,
// operator), camera, inputs and results rounded for reading, both precision
// estimates with what they mean, the plan checks, the plan and front views of
// the scheme each in a frame of its own shape, and the two tables; written as PDF or
// sent to a printer with the same layout.
#pragma once

#include <QPagedPaintDevice>
#include <QPrinter>
#include <filesystem>
#include <string>

#include "base/flusso_avanzamento.h"
#include "base/formato_regionale.h"
#include "job/commessa.h"
#include "rete/mappa_copertura.h"

namespace pianopre {

// The seven result boxes of the main window, as shown.
struct risultati_mostrati {
    std::string num_foto;
    std::string num_strisc;
    std::string incl;
    std::string sovrapp;
    std::string ingrand;
    std::string prec_max;
    std::string prec_std;
};

// Choices the user makes before printing: the site drawing under each view.
// Each view is fitted to what it draws, so a large site drawing makes the
// scheme small in it.
struct opzioni_report {
    bool sito_in_pianta = true;
    bool sito_nel_prospetto = false;
};

// What the page shows beyond the job itself. Box texts are Latin-1, as the
// window reads them; the other texts UTF-8.
struct contenuto_report {
    const commessa& lavoro;
    caselle_lavoro caselle;  // the eight input boxes, the base as shown
    risultati_mostrati risultati;
    std::string nome_lavoro;  // file name, or "senza nome"
    std::string data;         // as it is to be printed
    formato_regionale formato;
    opzioni_report opzioni{};
    // The coverage and precision map of the image network, when given: its
    // picture (largest σ) and summary line under the checks, judged against
    // `tolleranza_mappa_mm` (T / divisor; 0 for none).
    const mappa_copertura* mappa = nullptr;
    double tolleranza_mappa_mm = 0;
};

// The result boxes as the window fills them after a calculation of `c`:
// empty before the maximum precision, the standard one only once reached.
risultati_mostrati risultati_di(const commessa& c, const formato_regionale& formato);

// Draws every page on the device, which must be A4 portrait; returns false
// when the painter could not start on it or `avanza` stopped it. `avanza`
// hears the share of the pages drawn, in thousandths, before each page.
bool disegna_report(QPagedPaintDevice& dispositivo, const contenuto_report& contenuto,
                    const avanzamento& avanza = {});

// Writes the PDF atomically; on failure throws errore_salvataggio
// ("Errore: impossibile salvare il file: NAME") and the previous file stays.
// False, with nothing written, when `avanza` stopped it.
bool esporta_report_pdf(const std::filesystem::path& file, const contenuto_report& contenuto,
                        const avanzamento& avanza = {});

// The same layout on a printer chosen by the caller (the print dialog).
bool stampa_report(QPrinter& stampante, const contenuto_report& contenuto);

}  // namespace pianopre
