// The main window: it shows a job, and has one handler per control.
#pragma once

#include <QMainWindow>
#include <optional>

#include "app/controlli_form6.h"
#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"
#include "picture/ridis.h"
#include "view/navigazione.h"

namespace pianopre {

class finestra_verifiche;
struct voce_fotocamera;

class Form6 : public QMainWindow {
    Q_OBJECT
public:
    Form6(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
          QWidget* parent = nullptr);

    const controlli_form6& controlli() const { return c_; }

    // "Fronte" wins over "Assonom.".
    tipo_vista modo_vista() const;
    // Fits the view window to the drawing.
    void rappo_prop();
    // Draws the drawing, fitting the view first when asked. Does not clear the picture.
    void ridis(adattamento rifai);

    // Called when the window is activated; there is nothing to refresh.
    void riempi_dati() {}

    // Saves the plan, front and axonometric views as nome_disegno + "p.bmp",
    // "f.bmp", "a.bmp", then leaves the picture in plan view, fitted. Does
    // nothing while nome_disegno is empty; a file that cannot be written stops
    // the sequence with an error that names it.
    void esporta_tre_viste();

    // Last left-button press and acted-on release in the picture, drawing units.
    float x_premuto = 0;
    float y_premuto = 0;
    float x_rilascio = 0;
    float y_rilascio = 0;

private:
    void collega_comandi();
    void crea_menu();
    void crea_menu_vista();
    stato_vista vista() const;

    void esci();
    void clic_fronte();
    void clic_assonometrica();
    void ridisegna();

    // "Calcola -->" and its steps.
    void calcola();
    caselle_lavoro leggi_caselle() const;
    void scrivi_risultati();
    void colora_avvisi();
    void mostra_schema();

    // Zoom, centring, arrows, mouse.
    void zoom(double fattore);
    void centra();
    void freccia_premuta(freccia direzione);
    void sposta_schema(float dx, float dy);
    void mouse_premuto(double u, double v, int pulsante);
    void mouse_rilasciato(double u, double v, int pulsante);
    void rotella(double u, double v, int scatti);
    bool premuto_ = false;  // a left press happened in the picture

    // The three-view export is offered while there is a drawing.
    void aggiorna_esportazione();

    // Drawing exchange: "Apri DXF", "Salva DXF", "Apri XYZ".
    void comando_apri_dxf();
    void comando_salva_dxf();
    void comando_apri_xyz();

    // "Fotocamera..." and "Verifiche del piano".
    void comando_fotocamera();
    void usa_fotocamera(const voce_fotocamera& voce);
    void comando_verifiche();
    void aggiorna_verifiche();

    // The site: its drawing, the placement, A and B chosen on the drawing.
    void comando_apri_sito();
    void comando_chiudi_sito();
    void comando_colloca();
    void apri_dialogo_collocazione(const collocazione& proposta);
    void colloca(const collocazione& c);
    void inizia_scelta(const collocazione& base);
    punto3 punto_agganciato(double u, double v) const;
    void clic_di_scelta(double u, double v);
    struct scelta_sul_disegno {
        collocazione base;
        int passo = 0;  // 1 waiting for A, 2 for B, 0 not choosing
        punto3 a{0, 0, 0};
    } scelta_;

    // "Salva BMP", "Info", "?".
    void comando_salva_bmp();
    void comando_info();
    void comando_note();

    commessa& commessa_;
    modello& modello_;  // the job's drawing
    servizi_utente& servizi_;
    formato_regionale formato_;
    controlli_form6 c_;
    finestra_verifiche* verifiche_ = nullptr;  // made at its first opening
    std::optional<bool> piano_valido_;         // none before the first calculation
};

}  // namespace pianopre
