// finestra_principale: the main window. It shows a job, owns the controls and
// hands every control and menu item to the command group that does its job.
#pragma once

#include <QMainWindow>

#include "app/collegamenti_finestra.h"
#include "app/comandi_bmp.h"
#include "app/comandi_calcolo.h"
#include "app/comandi_copertura.h"
#include "app/comandi_disegno.h"
#include "app/comandi_fotocamera.h"
#include "app/comandi_lavoro.h"
#include "app/comandi_punti.h"
#include "app/comandi_report.h"
#include "app/comandi_sito.h"
#include "app/comandi_stazioni.h"
#include "app/comandi_verifiche.h"
#include "app/controlli_principali.h"
#include "app/navigazione_finestra.h"
#include "app/vista_disegno.h"
#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"

namespace pianopre {

class finestra_principale : public QMainWindow {
    Q_OBJECT
public:
    // `copertura` gives the coverage map of a computed job.
    finestra_principale(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                        QWidget* parent = nullptr,
                        fonti_copertura copertura = fonti_copertura_predefinite());
    ~finestra_principale() override;

    // Opens a job (.pianopre), a drawing (.dxf) or control points (.xyz).
    void apri_file(const QString& nome);

    const controlli_principali& controlli() const { return c_; }
    // "Fronte" wins over "Assonom.".
    tipo_vista modo_vista() const { return vista_.modo_vista(); }
    // Draws the drawing, fitting the view first when asked. Does not clear the picture.
    void ridis(adattamento rifai) { vista_.ridis(rifai); }
    // The three views as bitmaps named after the drawing (see comandi_bmp).
    void esporta_tre_viste() { bmp_.esporta_tre_viste(); }
    // Where the left button was last pressed and released in the picture.
    const posizioni_mouse& mouse() const { return navigazione_.mouse(); }

private:
    void collega_pulsanti();
    void collega_frecce_e_mouse();
    void collega_modifiche();
    void crea_menu();
    void crea_menu_lavoro();
    void crea_menu_file(QMenu* lavoro);
    void crea_menu_opzioni_report(QMenu* lavoro);
    void crea_menu_vista();
    void crea_menu_comandi_vista(QMenu* vista);
    void crea_menu_aiuto();
    void crea_menu_lingua(QMenu* aiuto);
    void esci();

    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

    servizi_utente& servizi_;
    controlli_principali c_;
    collegamenti_finestra collegamenti_;
    vista_disegno vista_;
    comandi_stazioni stazioni_;
    comandi_sito sito_;
    navigazione_finestra navigazione_;
    comandi_calcolo calcolo_;
    comandi_verifiche verifiche_;
    comandi_copertura copertura_;
    comandi_fotocamera fotocamera_;
    comandi_lavoro lavoro_;
    comandi_disegno disegno_;
    comandi_punti punti_;
    comandi_bmp bmp_;
    comandi_report report_;
};

}  // namespace pianopre
