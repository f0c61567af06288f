// finestra_principale: the main window. It shows a job, and has one handler
// per control.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>

#include "app/collegamenti_finestra.h"
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

class finestra_verifiche;
class finestra_stazioni;
struct voce_fotocamera;

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

    // Saves the plan, front and axonometric views as nome_disegno + "p.bmp",
    // "f.bmp", "a.bmp", then leaves the picture in plan view, fitted. Does
    // nothing while nome_disegno is empty; a file that cannot be written stops
    // the sequence with an error that names it.
    void esporta_tre_viste();

    // Where the left button was last pressed and released in the picture.
    const posizioni_mouse& mouse() const { return navigazione_.mouse(); }

private:
    void collega_comandi();
    void collega_frecce_e_mouse();
    void crea_menu();
    void crea_menu_vista();
    stato_vista vista() const { return vista_.vista(); }

    void esci();

    // "Calcola -->" and its steps.
    void calcola();
    caselle_lavoro leggi_caselle() const;
    void scrivi_risultati();
    void colora_avvisi();
    void mostra_schema();

    // The three-view export is offered while there is a drawing.
    void aggiorna_esportazione();

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

    // "Stazioni e punti" and "Esporta stazioni CSV...".
    void comando_stazioni();
    void aggiorna_stazioni();
    void comando_esporta_csv();
    finestra_stazioni* stazioni_ = nullptr;  // made at its first opening

    // "Esporta report PDF..." and "Stampa...".
    bool piano_da_stampare();
    template <class F>
    void con_contenuto_report(F&& usa) const;
    void comando_report_pdf();
    void comando_stampa();

    // "Salva BMP", "Info", "?".
    void comando_salva_bmp();
    void comando_info();
    void comando_note();

    commessa& commessa_;
    modello& modello_;  // the job's drawing
    servizi_utente& servizi_;
    formato_regionale formato_;
    controlli_principali c_;
    collegamenti_finestra collegamenti_;
    vista_disegno vista_;
    navigazione_finestra navigazione_;
    finestra_verifiche* verifiche_ = nullptr;  // made at its first opening
    std::optional<bool> piano_valido_;         // none before the first calculation
};

}  // namespace pianopre
