// comandi_lavoro: job files in the main window: "Nuovo", "Apri lavoro...",
// "Salva lavoro", "Salva lavoro con nome...", "Lavori recenti", "Dati del lavoro..."; the title
// with the job's name and the question before changes are lost.
#pragma once

#include <QMenu>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "app/collegamenti_finestra.h"
#include "app/controlli_principali.h"
#include "common/servizi_utente.h"
#include "job/commessa.h"
#include "job/file_lavoro.h"

namespace pianopre {

class comandi_lavoro {
public:
    // `calcola` runs "Calcola -->"; `azzerato` runs once a new job has
    // replaced the old one in the boxes and in the job, before the redraw.
    // The window's title is set here from the start.
    comandi_lavoro(commessa& lavoro, servizi_utente& servizi, const controlli_principali& c,
                   QWidget& finestra, const collegamenti_finestra& collegamenti,
                   std::function<void()> calcola, std::function<void()> azzerato);

    void comando_nuovo();
    void comando_apri_lavoro();
    bool comando_salva_lavoro();
    bool comando_salva_lavoro_con_nome();
    // "Dati del lavoro...": project, place and operator; OK changes the job.
    void comando_dati_lavoro();
    void apri_lavoro(const QString& nome);
    void riempi_recenti(QMenu* menu);

    // Asked only once a job file was opened or saved in this run; true when
    // the command may go on.
    bool conferma_perdita();
    // Called after every change of the job; the title shows whether it
    // differs from its file.
    void segna_modifiche();
    // The control points came from this .xyz file.
    void punti_letti(const QString& nome) { file_punti_ = nome; }
    // Empty while the job has no file.
    const QString& file_lavoro() const { return file_lavoro_; }

private:
    bool salva_lavoro_in(const QString& nome);
    void azzera_lavoro();
    void azzera_controlli();
    void azzera_commessa();
    void scrivi_caselle(const dati_file_lavoro& d);
    void apri_sito(const dati_file_lavoro& d, const QString& nome);
    void mostra_vista(const dati_file_lavoro& d);
    dati_file_lavoro dati_attuali() const;
    std::string impronta_lavoro() const;
    void aggiorna_titolo();

    commessa& commessa_;
    servizi_utente& servizi_;
    const controlli_principali& c_;
    QWidget& finestra_;
    const collegamenti_finestra& collegamenti_;
    std::function<void()> calcola_;
    std::function<void()> azzerato_;
    std::array<QString, 8> testi_iniziali_;  // the input boxes at start-up
    QString file_punti_;                     // the .xyz the control points came from
    QString file_lavoro_;                    // empty while the job has no file
    bool file_toccati_ = false;              // a job file was opened or saved in this run
    std::string salvato_;                    // what the job file holds, to tell changes
};

}  // namespace pianopre
