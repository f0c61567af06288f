// The printed plan's pages: the first with every part, the following ones
// with the rest of the two tables; the PDF file and the printer.
#include "report/report.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <string_view>

#include "base/testo_numeri.h"
#include "job/stazioni_commessa.h"
#include "report/report_parti.h"

namespace pianopre {

namespace {

constexpr double fondo = altezza_pagina - 14;  // last row above the footer
constexpr double inizio_seguenti = 25;         // tables on the following pages

// Rows a table stretch starting at y can hold, its title, header and note included.
std::size_t righe_da(double y) {
    const double spazio = fondo - y - 4.5 - altezza_riga - 4;
    return spazio > 0 ? static_cast<std::size_t>(spazio / altezza_riga) : 0;
}

struct piano_pagine {
    std::size_t prima;     // rows on the first page
    std::size_t seguenti;  // rows on each following page
    int pagine;
};

piano_pagine impagina(std::size_t righe, double y_tabelle) {
    piano_pagine p{righe_da(y_tabelle), righe_da(inizio_seguenti), 1};
    if (righe > p.prima)
        p.pagine += static_cast<int>((righe - p.prima + p.seguenti - 1) / p.seguenti);
    return p;
}

tratto_tabelle tratto(std::size_t da, std::size_t quante, std::size_t stazioni,
                      std::size_t modelli) {
    return {std::min(da, stazioni), std::min(da + quante, stazioni), std::min(da, modelli),
            std::min(da + quante, modelli)};
}

// Where the two views go: each frame as high as its drawing's shape asks
// when it spans the page's width; when both do not fit in `alto` mm, the
// taller ones are capped, and a capped frame narrows to its drawing's shape,
// centred on the page. Plan first, then front.
struct posto_vista {
    double x, l, a;  // left edge, width, height with the title
};

std::array<posto_vista, 2> disponi_viste(const vista_report (&viste)[2], double alto) {
    constexpr double altezza_minima = 20;    // a drawing lower than this could not be read
    constexpr double larghezza_minima = 90;  // the title and the scale bar need it
    const double strisce[2] = {striscia_nord, 0};
    double h[2];
    for (int i = 0; i < 2; ++i)
        h[i] = std::max(altezza_minima, (larghezza_utile - strisce[i]) / viste[i].rapporto);
    const double spazio = std::max(2 * altezza_minima, alto - 2 * titolo_vista - 1);
    if (h[0] + h[1] > spazio) {
        const double meta = spazio / 2;
        if (h[0] <= meta)
            h[1] = spazio - h[0];
        else if (h[1] <= meta)
            h[0] = spazio - h[1];
        else
            h[0] = h[1] = meta;
    }
    std::array<posto_vista, 2> posti{};
    for (int i = 0; i < 2; ++i) {
        const double l =
            std::clamp(h[i] * viste[i].rapporto + strisce[i], larghezza_minima, larghezza_utile);
        posti[static_cast<std::size_t>(i)] = {margine + (larghezza_utile - l) / 2, l,
                                              h[i] + titolo_vista};
    }
    return posti;
}

void testata_seguente(foglio& f, const contenuto_report& c) {
    f.testo(margine, 15, titolo_report(), 8, true, allinea::sinistra, larghezza_utile);
    f.testo(margine, 20,
            QCoreApplication::translate("report", "Lavoro: %1  (tabelle, seguito)")
                .arg(da_utf8(c.nome_lavoro)),
            7.5);
    f.linea(margine, 22, margine + larghezza_utile, 22, 0.3);
}

}  // namespace

risultati_mostrati risultati_di(const commessa& c, const formato_regionale& formato) {
    risultati_mostrati r;
    if (c.fase < fase_calcolo::precisione_max) return r;
    const dati_presa& p = c.presa;
    r.num_foto = testo_generale(p.num_foto, formato);
    r.num_strisc = std::to_string(p.num_strisc);
    r.incl = testo_generale(p.incl, formato);
    r.sovrapp = testo_generale(p.sovrapp, formato);
    r.ingrand = testo_generale(p.ingrand, formato);
    r.prec_max = testo_coppia_precisione(c.prec_max.x, c.prec_max.z);
    if (c.fase >= fase_calcolo::precisione_std)
        r.prec_std = testo_coppia_precisione(c.prec_std.x, c.prec_std.z);
    return r;
}

bool disegna_report(QPagedPaintDevice& dispositivo, const contenuto_report& c,
                    const avanzamento& avanza) {
    dispositivo.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter p(&dispositivo);
    if (!p.isActive()) return false;
    p.setRenderHint(QPainter::Antialiasing);
    foglio f(p, dispositivo.logicalDpiX() / 25.4);

    const std::vector<riga_stazione> stazioni = stazioni_commessa(c.lavoro);
    const tabella_modelli modelli = modelli_commessa(c.lavoro);
    disegna_testata(f, c);
    double y = disegna_dati(f, c, 29);
    y = disegna_verifiche(f, c, y);
    y = disegna_mappa(f, c, y);
    const vista_report viste[2] = {prepara_vista(c.lavoro, false, c.opzioni.sito_in_pianta),
                                   prepara_vista(c.lavoro, true, c.opzioni.sito_nel_prospetto)};
    // The tables keep at least their titles and a few rows on the first page.
    const double per_tabelle = 4.5 + 6 * altezza_riga + 4;
    const auto posti = disponi_viste(viste, fondo - y - per_tabelle);
    for (std::size_t i = 0; i < 2; ++i) {
        disegna_vista(f, c.lavoro, viste[i], posti[i].x, y, posti[i].l, posti[i].a, c.formato);
        y += posti[i].a + 1;
    }
    y += 2;

    const std::size_t righe = std::max(stazioni.size(), modelli.righe.size());
    const piano_pagine piano = impagina(righe, y);
    disegna_tabelle(f, c, stazioni, modelli,
                    tratto(0, piano.prima, stazioni.size(), modelli.righe.size()), y,
                    piano.pagine > 1 ? 2 : 0);
    disegna_piede(f, 1, piano.pagine);
    std::size_t da = piano.prima;
    for (int pagina = 2; pagina <= piano.pagine; ++pagina, da += piano.seguenti) {
        if (avanza && !avanza(std::int64_t{1000} * (pagina - 1) / piano.pagine)) {
            p.end();
            return false;
        }
        if (!dispositivo.newPage()) return false;
        testata_seguente(f, c);
        disegna_tabelle(f, c, stazioni, modelli,
                        tratto(da, piano.seguenti, stazioni.size(), modelli.righe.size()),
                        inizio_seguenti, pagina < piano.pagine ? pagina + 1 : 0);
        disegna_piede(f, pagina, piano.pagine);
    }
    return p.end();
}

bool esporta_report_pdf(const std::filesystem::path& file, const contenuto_report& contenuto,
                        const avanzamento& avanza) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool fermato = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator("pianopre");
        pdf.setTitle(QCoreApplication::translate("report", "Progetto di presa - %1")
                         .arg(da_utf8(contenuto.nome_lavoro)));
        const avanzamento osserva = [&](std::int64_t fatto) {
            fermato = avanza && !avanza(fatto);
            return !fermato;
        };
        if (!disegna_report(pdf, contenuto, osserva)) {
            if (fermato) return false;
            throw errore_salvataggio(
                file.string(),
                QCoreApplication::translate("report", "il PDF non si può comporre").toStdString());
        }
    }
    const QByteArray& dati = buffer.data();
    salva_testo_atomico(file,
                        std::string_view(dati.constData(), static_cast<std::size_t>(dati.size())));
    return true;
}

bool stampa_report(QPrinter& stampante, const contenuto_report& contenuto) {
    stampante.setFullPage(true);
    return disegna_report(stampante, contenuto);
}

}  // namespace pianopre
