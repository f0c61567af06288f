// comandi_disegno: the drawing read beside the current one and taken on
// success, the drawing written where it lies on the site, the control points.
#include "app/comandi_disegno.h"

#include <QCoreApplication>

#include <exception>
#include <filesystem>
#include <new>
#include <utility>

#include "app/comandi_bmp.h"
#include "base/errori.h"
#include "common/messaggi_file.h"
#include "common/percorsi.h"
#include "exchange/file_scambio.h"
#include "site/collocato.h"

namespace pianopre {

namespace {

// The name as chosen when its last three characters are "DXF" in any case,
// otherwise with ".dxf" appended.
QString con_estensione_dxf(const QString& nome) {
    return nome.right(3).toUpper() == "DXF" ? nome : nome + ".dxf";
}

}  // namespace

// The drawing is read beside the current one, with its progress shown: a
// Cancel leaves the current drawing as it was, while an error leaves what was
// read so far, as a read straight into the lists always has.
std::optional<esito_dxf> leggi_dxf_con_avanzamento(const QString& nome, modello& m,
                                                   servizi_utente& servizi) {
    const std::filesystem::path p = percorso_locale(nome);
    return leggi_file_dxf(
        p, m,
        servizi.avvia_avanzamento(
            QCoreApplication::translate("comandi_disegno", "Lettura di %1").arg(nome),
            dimensione_file(p)));
}

QString errore_aprendo(int numero, const QString& nome) {
    return QCoreApplication::translate("messaggi_file", "Errore N.: %1 aprendo il file: %2")
        .arg(QString::number(numero), nome);
}

void dici_sezioni_mancanti(const esito_dxf& esito, const QString& nome, servizi_utente& servizi) {
    if (esito.manca_layer) {
        servizi.beep();
        servizi.messaggio(QCoreApplication::translate("comandi_disegno",
                                                      "Errore: Non ho trovato la sezione LAYER"));
    }
    if (esito.manca_entita) {
        servizi.beep();
        servizi.messaggio(
            QCoreApplication::translate("comandi_disegno",
                                        "Errore: Non ho trovato la sezione entita nel file: %1")
                .arg(nome));
    }
}

comandi_disegno::comandi_disegno(commessa& lavoro, servizi_utente& servizi,
                                 const controlli_principali& c,
                                 const collegamenti_finestra& collegamenti,
                                 std::function<void(const QString&)> punti_letti)
    : commessa_(lavoro),
      modello_(lavoro.disegno),
      servizi_(servizi),
      c_(c),
      collegamenti_(collegamenti),
      punti_letti_(std::move(punti_letti)) {}

void comandi_disegno::comando_salva_dxf() {
    // A file with nothing in it is rarely wanted: asked before choosing a name.
    if (modello_.lista_entita.n_entita() == 0 &&
        !servizi_.domanda(QCoreApplication::translate(
            "comandi_disegno", "Il disegno è vuoto. Salvare comunque un file DXF senza entità?")))
        return;
    const auto scelto =
        servizi_.salva_file("*.dxf", QString::fromStdString(modello_.nome_disegno) + ".dxf");
    if (!scelto) return;
    const QString nome = con_estensione_dxf(*scelto);
    try {
        salva_file_dxf_collocato(percorso_locale(nome), modello_.lista_entita, commessa_.origine,
                                 commessa_.sito);
    } catch (const std::exception&) {
        // The file already there, if any, is untouched.
        dici_non_salvato(servizi_, nome);
        return;
    }
    dici_salvato(servizi_, nome);
}

void comandi_disegno::comando_apri_dxf() {
    const auto scelto = servizi_.apri_file("*.dxf", "*.dxf");
    if (!scelto) return;  // the lists stay as they were
    apri_dxf(*scelto);
}

void comandi_disegno::apri_dxf(const QString& nome) {
    modello letto;
    azzera_liste(letto);
    const auto prendi_letto = [&] {
        modello_.lista_entita = std::move(letto.lista_entita);
        modello_.lista_layer = std::move(letto.lista_layer);
    };
    try {
        const std::optional<esito_dxf> risultato = leggi_dxf_con_avanzamento(nome, letto, servizi_);
        if (!risultato) return;  // Cancel
        prendi_letto();
        dici_sezioni_mancanti(*risultato, nome, servizi_);
        if (risultato->manca_layer || risultato->manca_entita)
            ridisegna_da_capo();
        else
            collegamenti_.ridis(adattamento::adatta);  // drawn over the picture, as always
    } catch (const errore& e) {
        prendi_letto();
        servizi_.messaggio(errore_aprendo(e.numero(), nome));
        ridisegna_da_capo();
    } catch (const std::bad_alloc&) {
        prendi_letto();
        servizi_.messaggio(errore_aprendo(err_memoria, nome));
        ridisegna_da_capo();
    }
    aggiorna_esportazione(modello_);
}

// After a failed read the picture shows what the lists now hold, and only
// that: drawn over the old picture it would show two drawings at two scales.
void comandi_disegno::ridisegna_da_capo() {
    c_.area->pulisci();
    collegamenti_.ridis(adattamento::adatta);
}

void comandi_disegno::comando_apri_xyz() {
    const auto scelto = servizi_.apri_file("*.xyz", "*.xyz");
    if (!scelto) return;
    apri_xyz(*scelto);
}

void comandi_disegno::apri_xyz(const QString& nome) {
    if (nome.isEmpty()) {
        servizi_.beep();
        servizi_.messaggio(QCoreApplication::translate(
            "comandi_disegno", "File non selezionato.Operazione annullata"));
        return;
    }
    esito_xyz esito;
    try {
        esito = leggi_file_xyz(percorso_locale(nome), modello_);
    } catch (const std::exception&) {
        return;  // a file that cannot be read ends the command silently
    }
    dici_esito_xyz(esito);
    c_.area->pulisci();
    collegamenti_.ridis(adattamento::mantieni);  // the points are drawn where they are
    punti_letti_(nome);
    collegamenti_.modificato();
    collegamenti_.aggiorna_stazioni();
}

void comandi_disegno::dici_esito_xyz(const esito_xyz& esito) {
    if (esito.troppi_punti) {
        servizi_.beep();
        servizi_.messaggio(QCoreApplication::translate(
            "comandi_disegno", "Troppi punti nel file di input. Operaziona annullata"));
    }
    if (esito.riga_incompleta != 0) {
        servizi_.beep();
        servizi_.messaggio(QCoreApplication::translate(
                               "comandi_disegno",
                               "Punto incompleto alla riga %1 del file di input. Punto ignorato")
                               .arg(esito.riga_incompleta));
    }
}

}  // namespace pianopre
