// The main window: it owns the project state and one handler per control.
#pragma once

#include <QWidget>

#include "app/controlli_form6.h"
#include "app/formato_regionale.h"
#include "app/record.h"
#include "app/servizi_utente.h"
#include "scheme/modello.h"
#include "view/navigazione.h"
#include "view/ridis.h"

namespace pianopre {

class Form6 : public QWidget {
    Q_OBJECT
public:
    Form6(modello& m, servizi_utente& servizi, formato_regionale formato,
          QWidget* parent = nullptr);

    const controlli_form6& controlli() const { return c_; }

    // 0 plan, 1 front ("Fronte"), 2 axonometric ("Assonom.").
    int modo_vista() const;
    // Fits the view window to the drawing.
    void rappo_prop();
    // Draws the drawing; 1 fits the view first. Does not clear the picture.
    void ridis(int rifai);

    // Base lock of the calculation: 1 while "Blocca" is ticked.
    void setta_bloc();
    // Maximum and standard precision of the last plan into prec_x, prec_z.
    void per_precis2();
    void per_precis_au();
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

    // Project state of the last calculation.
    dati_camera camera;
    dati_lavoro lavoro;
    dati_presa presa;
    float prec_x = 0;
    float prec_z = 0;
    std::int16_t base_bloccata = 0;

    // Scheme origin, added to entities placed relative to it.
    double origine_x = 0;
    double origine_y = 0;
    double origine_z = 0;

private:
    void collega_comandi();
    stato_vista vista() const;

    void esci();
    void clic_fronte();
    void clic_assonometrica();
    void ridisegna();

    // "Calcola -->" and its steps.
    void calcola();
    void esegui_calcolo();
    void leggi_caselle(dati_camera& cam, dati_lavoro& lav) const;
    void scrivi_risultati();
    void colora_avvisi();

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

    // "Salva BMP", "Info", "?".
    void comando_salva_bmp();
    void comando_info();
    void comando_note();

    modello& modello_;
    servizi_utente& servizi_;
    formato_regionale formato_;
    controlli_form6 c_;
};

}  // namespace pianopre
