// finestra_principale: the main window. It shows a job, and has one handler
// per control.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>

#include "app/collegamenti_finestra.h"
#include "app/comandi_bmp.h"
#include "app/comandi_calcolo.h"
#include "app/comandi_fotocamera.h"
#include "app/comandi_report.h"
#include "app/comandi_stazioni.h"
#include "app/comandi_verifiche.h"
#include "app/controlli_principali.h"
#include "app/navigazione_finestra.h"
#include "app/vista_disegno.h"
#include "base/formato_regionale.h"
#include "common/servizi_utente.h"
#include "exchange/dxf_lettura.h"
#include "job/commessa.h"
#include "job/file_lavoro.h"
#include "picture/ridis.h"
#include "view/navigazione.h"

namespace pianopre {

class finestra_principale : public QMainWindow {
    Q_OBJECT
public:
    // Opens a job (.pianopre), a drawing (.dxf) or control points (.xyz).
    void apri_lavoro(const QString& nome);
    void apri_file(const QString& nome);
    // Called after every change of the job; the title shows whether it differs
    // from its file.
    void segna_modifiche();

    finestra_principale(commessa& lavoro, servizi_utente& servizi, formato_regionale formato,
                        QWidget* parent = nullptr);

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
    void collega_comandi();
    void collega_frecce_e_mouse();
    void crea_menu();
    void crea_menu_vista();

    void esci();

    void calcola() { calcolo_.calcola(); }
    void aggiorna_esportazione() { pianopre::aggiorna_esportazione(modello_); }
    void aggiorna_verifiche() { verifiche_.aggiorna(); }
    void aggiorna_stazioni() { stazioni_.aggiorna(); }

    // Drawing exchange: "Apri DXF", "Salva DXF", "Apri XYZ".
    void comando_apri_dxf();
    void comando_salva_dxf();
    void comando_apri_xyz();
    void apri_dxf(const QString& nome);
    std::optional<esito_dxf> leggi_dxf_con_avanzamento(const QString& nome, modello& m);
    void apri_xyz(const QString& nome);

    // Job files: "Nuovo", "Apri lavoro...", "Salva lavoro", "Salva lavoro con
    // nome...", "Lavori recenti"; the title and the question before losing changes.
    void comando_nuovo();
    void comando_apri_lavoro();
    bool comando_salva_lavoro();
    bool comando_salva_lavoro_con_nome();
    void aggiorna_recenti();
    bool salva_lavoro_in(const QString& nome);
    bool conferma_perdita();
    void azzera_lavoro();
    dati_file_lavoro dati_attuali() const;
    std::string impronta_lavoro() const;
    void aggiorna_titolo();
    void ricorda_recente(const QString& nome);
    QMenu* menu_recenti_ = nullptr;
    QString file_punti_;                     // the .xyz the control points came from
    QString file_lavoro_;                    // empty while the job has no file
    std::array<QString, 8> testi_iniziali_;  // the input boxes at start-up
    bool file_toccati_ = false;              // a job file was opened or saved in this run
    std::string salvato_;                    // what the job file holds, to tell changes

    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

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

    commessa& commessa_;
    modello& modello_;  // the job's drawing
    servizi_utente& servizi_;
    formato_regionale formato_;
    controlli_principali c_;
    collegamenti_finestra collegamenti_;
    vista_disegno vista_;
    navigazione_finestra navigazione_;
    comandi_stazioni stazioni_;
    comandi_calcolo calcolo_;
    comandi_verifiche verifiche_;
    comandi_fotocamera fotocamera_;
    comandi_bmp bmp_;
    comandi_report report_;
};

}  // namespace pianopre
