// comandi_disegno: "Apri DXF", "Salva DXF" and "Apri XYZ": the file dialogs,
// the exchange files read or written by the core, and what the user is told
// about them.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "app/collegamenti_finestra.h"
#include "app/controlli_principali.h"
#include "common/servizi_utente.h"
#include "exchange/dxf_lettura.h"
#include "exchange/xyz_lettura.h"
#include "job/commessa.h"

namespace pianopre {

// Reads a DXF into `m` with its progress shown; nothing on Cancel.
std::optional<esito_dxf> leggi_dxf_con_avanzamento(const QString& nome, modello& m,
                                                   servizi_utente& servizi);
// "Errore N.: 5 aprendo il file: NAME", in the user's language.
QString errore_aprendo(int numero, const QString& nome);

// Tells the user of a missing LAYER table or ENTITIES section in the file `nome`.
void dici_sezioni_mancanti(const esito_dxf& esito, const QString& nome, servizi_utente& servizi);

class comandi_disegno {
public:
    // `punti_letti` gets the name of every .xyz file whose points were read,
    // for the job to remember.
    comandi_disegno(commessa& lavoro, servizi_utente& servizi, const controlli_principali& c,
                    const collegamenti_finestra& collegamenti,
                    std::function<void(const QString&)> punti_letti);

    void comando_apri_dxf();
    void comando_salva_dxf();
    void comando_apri_xyz();
    void apri_dxf(const QString& nome);
    void apri_xyz(const QString& nome);

private:
    void dici_esito_xyz(const esito_xyz& esito);
    void ridisegna_da_capo();

    commessa& commessa_;
    modello& modello_;  // the job's drawing
    servizi_utente& servizi_;
    const controlli_principali& c_;
    const collegamenti_finestra& collegamenti_;
    std::function<void(const QString&)> punti_letti_;
};

}  // namespace pianopre
