// "Apri DXF", "Salva DXF" and "Apri XYZ": the file dialogs, the exchange files
// read or written by the core, and what the user is told about them.
#include <QFile>
#include <exception>
#include <filesystem>
#include <new>

#include "app/finestra_principale.h"
#include "base/errori.h"
#include "exchange/file_scambio.h"
#include "site/collocato.h"

namespace pianopre {

namespace {

std::filesystem::path percorso(const QString& nome) {
    const QByteArray locale = QFile::encodeName(nome);
    return std::string(locale.constData(), static_cast<std::size_t>(locale.size()));
}

// The name as chosen when its last three characters are "DXF" in any case,
// otherwise with ".dxf" appended.
QString con_estensione_dxf(const QString& nome) {
    return nome.right(3).toUpper() == "DXF" ? nome : nome + ".dxf";
}

}  // namespace

void finestra_principale::comando_salva_dxf() {
    const auto scelto =
        servizi_.salva_file("*.dxf", QString::fromStdString(modello_.nome_disegno) + ".dxf");
    if (!scelto) return;
    const QString nome = con_estensione_dxf(*scelto);
    try {
        salva_file_dxf_collocato(percorso(nome), modello_.lista_entita, commessa_.origine,
                                 commessa_.sito);
    } catch (const std::exception&) {
        // The file already there, if any, is untouched.
        servizi_.beep();
        servizi_.messaggio("Errore: impossibile salvare il file: " + nome);
        return;
    }
    servizi_.messaggio("File: " + nome + " salvato.");
}

void finestra_principale::comando_apri_dxf() {
    const auto scelto = servizi_.apri_file("*.dxf", "*.dxf");
    if (!scelto) return;  // the lists stay as they were
    apri_dxf(*scelto);
}

// The drawing is read beside the current one, with its progress shown: a
// Cancel leaves the current drawing as it was, while an error leaves what was
// read so far, as a read straight into the lists always has.
std::optional<esito_dxf> finestra_principale::leggi_dxf_con_avanzamento(const QString& nome,
                                                                        modello& m) {
    const std::filesystem::path p = percorso(nome);
    return leggi_file_dxf(p, m,
                          servizi_.avvia_avanzamento("Lettura di " + nome, dimensione_file(p)));
}

void finestra_principale::apri_dxf(const QString& nome) {
    modello letto;
    azzera_liste(letto);
    const auto prendi_letto = [&] {
        modello_.lista_entita = std::move(letto.lista_entita);
        modello_.lista_layer = std::move(letto.lista_layer);
    };
    try {
        const std::optional<esito_dxf> risultato = leggi_dxf_con_avanzamento(nome, letto);
        if (!risultato) return;  // Cancel
        prendi_letto();
        const esito_dxf& esito = *risultato;
        if (esito.manca_layer) {
            servizi_.beep();
            servizi_.messaggio("Errore: Non ho trovato la sezione LAYER");
        }
        if (esito.manca_entita) {
            servizi_.beep();
            servizi_.messaggio("Errore: Non ho trovato la sezione entita");
        }
        ridis(adattamento::adatta);
    } catch (const errore& e) {
        prendi_letto();
        servizi_.messaggio("Errore N.: " + QString::number(e.numero()) +
                           " aprendo il file: " + nome);
    } catch (const std::bad_alloc&) {
        prendi_letto();
        servizi_.messaggio("Errore N.: " + QString::number(err_memoria) +
                           " aprendo il file: " + nome);
    }
    aggiorna_esportazione();
}

void finestra_principale::comando_apri_xyz() {
    const auto scelto = servizi_.apri_file("*.xyz", "*.xyz");
    if (!scelto) return;
    apri_xyz(*scelto);
}

void finestra_principale::apri_xyz(const QString& nome) {
    if (nome.isEmpty()) {
        servizi_.beep();
        servizi_.messaggio("File non selezionato.Operazione annullata");
        return;
    }
    esito_xyz esito;
    try {
        esito = leggi_file_xyz(percorso(nome), modello_);
    } catch (const std::exception&) {
        return;  // a file that cannot be read ends the command silently
    }
    if (esito.troppi_punti) {
        servizi_.beep();
        servizi_.messaggio("Troppi punti nel file di input. Operaziona annullata");
    }
    if (esito.riga_incompleta != 0) {
        servizi_.beep();
        servizi_.messaggio("Punto incompleto alla riga " + QString::number(esito.riga_incompleta) +
                           " del file di input. Punto ignorato");
    }
    file_punti_ = nome;
    c_.area->pulisci();
    ridis(adattamento::mantieni);  // the points are drawn where they are
    segna_modifiche();
    aggiorna_stazioni();
}

}  // namespace pianopre
