// comandi_bmp: the bitmaps of "Salva BMP", their names, and what the user is
// told when one cannot be written.
#include "app/comandi_bmp.h"
#include "common/messaggi_file.h"

#include <QCoreApplication>
#include <new>
#include <string>
#include <utility>

#include "base/errori.h"
#include "picture/tre_viste.h"

namespace pianopre {

namespace {

// A bitmap that could not be written, with the name the user is told.
class errore_bitmap : public errore {
public:
    explicit errore_bitmap(QString nome) : errore(err_accesso_file), nome_(std::move(nome)) {}
    const QString& nome() const { return nome_; }

private:
    QString nome_;
};

const QString filtro_bmp = QStringLiteral("*.bmp");

void salva_immagine(area_disegno& area, const QString& percorso) {
    if (!area.salva_bmp(percorso)) throw errore_bitmap(percorso);
}

// The files get "p.bmp", "f.bmp" and "a.bmp" after the base, so a ".bmp"
// typed at the end of it would be doubled.
QString base_bitmap(QString scelto) {
    if (scelto.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) scelto.chop(4);
    return scelto;
}

// The drawing name goes back to what it was, whatever happens in between.
class nome_provvisorio {
public:
    nome_provvisorio(std::string& nome, std::string provvisorio)
        : nome_(nome), prima_(std::exchange(nome, std::move(provvisorio))) {}
    ~nome_provvisorio() { nome_ = std::move(prima_); }
    nome_provvisorio(const nome_provvisorio&) = delete;
    nome_provvisorio& operator=(const nome_provvisorio&) = delete;

private:
    std::string& nome_;
    std::string prima_;
};

QString numero_e_nome(int numero, const QString& nome) {
    return QCoreApplication::translate("comandi_bmp", "Errore N.: %1 salvando il file: %2")
        .arg(QString::number(numero), nome);
}

}  // namespace

void aggiorna_esportazione(modello& m) {
    m.salva_tre_viste = m.lista_entita.n_entita() > 0;
}

comandi_bmp::comandi_bmp(commessa& lavoro, servizi_utente& servizi, const controlli_principali& c,
                         std::function<stato_vista()> vista)
    : modello_(lavoro.disegno), servizi_(servizi), c_(c), vista_(std::move(vista)) {}

// Only a drawing can be exported. Cancel in a file dialog comes before any
// change, so it ends the command with nothing to undo. Any other failure is
// told, naming the file when it is known.
void comandi_bmp::comando_salva_bmp() {
    if (!modello_.salva_tre_viste) return;
    QString nome;
    try {
        if (servizi_.domanda(QCoreApplication::translate(
                "comandi_bmp", "Voi salvare i bitmap di tutte le tre viste ?"))) {
            salva_tre_viste(nome);
        } else {
            salva_vista(nome);
        }
    } catch (const errore_bitmap& e) {
        dici_non_salvato(servizi_, e.nome());
    } catch (const errore& e) {
        servizi_.beep();
        servizi_.messaggio(numero_e_nome(e.numero(), nome));
    } catch (const std::bad_alloc&) {
        servizi_.beep();
        servizi_.messaggio(numero_e_nome(err_memoria, nome));
    }
}

// `nome` gets the base of the three files once it is chosen.
void comandi_bmp::salva_tre_viste(QString& nome) {
    const std::string& disegno = modello_.nome_disegno;
    const QString proposto =
        disegno.empty() ? QStringLiteral("prog1") : QString::fromStdString(disegno);
    const auto scelto = servizi_.salva_file(filtro_bmp, proposto);
    if (!scelto) return;
    nome = base_bitmap(*scelto);
    const nome_provvisorio provvisorio(modello_.nome_disegno, nome.toStdString());
    esporta_tre_viste();
}

// `nome` gets the file's name once it is chosen.
void comandi_bmp::salva_vista(QString& nome) {
    const auto scelto = servizi_.salva_file(filtro_bmp, QStringLiteral("prova_graf.bmp"));
    if (!scelto) return;
    nome = *scelto;
    salva_immagine(*c_.area, nome);
}

// Each view is refitted, so zoom and pan are lost; the scheme origin stays.
// A file that cannot be written throws errore_bitmap and stops the sequence
// there. Without a drawing name there is nothing to name the files after.
void comandi_bmp::esporta_tre_viste() {
    if (modello_.nome_disegno.empty()) return;
    const QString base = QString::fromStdString(modello_.nome_disegno);
    const auto vista_con = [this](bool fronte, bool assonometrica) {
        // setChecked is not a click: the boxes do not clear each other here.
        c_.fronte->setChecked(fronte);
        c_.assonometrica->setChecked(assonometrica);
        return vista_();
    };
    // Three redraws and three saves: a large drawing shows its progress, and a
    // Cancel keeps the bitmaps already written and begins no other.
    const std::int64_t totale = 3 * entita_da_disegnare(modello_.lista_entita, vista_());
    const esito_tre_viste esito = pianopre::esporta_tre_viste(
        *c_.area, modello_.lista_entita, vista_con, base,
        servizi_.avvia_avanzamento(
            QCoreApplication::translate("comandi_bmp",
                                        "Salvataggio dei bitmap %1p.bmp, f.bmp, a.bmp")
                .arg(base),
            totale));
    if (!esito.non_scritto.isEmpty()) throw errore_bitmap(esito.non_scritto);
}

}  // namespace pianopre
