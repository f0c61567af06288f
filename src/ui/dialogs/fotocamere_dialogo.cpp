// The camera list dialog: presets and the user's cameras, edited in place and
// saved to the user's file after every change.
#include "dialogs/fotocamere_dialogo.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSet>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "base/errori.h"
#include "base/numeri.h"
#include "base/testo_numeri.h"
#include "common/percorsi.h"

namespace pianopre {

namespace {

QString testo_numero(double x, const formato_regionale& f) {
    return QString::fromStdString(testo_generale(x, f));
}

// A number typed in a field; none when the text is not a number.
std::optional<double> numero_di(const QLineEdit* campo, const formato_regionale& f) {
    const QByteArray t = campo->text().toLatin1();
    return leggi_numero_esatto(std::string_view(t.constData(), static_cast<std::size_t>(t.size())),
                               f);
}

// The name as names are compared: case folded, white space at the ends
// dropped and runs of it inside made one blank.
QString chiave_nome(const QString& nome) {
    return nome.simplified().toCaseFolded();
}

}  // namespace

finestra_fotocamere::finestra_fotocamere(const QString& file_predefinite,
                                         const QString& file_utente, servizi_utente& servizi,
                                         formato_regionale formato, QWidget* genitore)
    : QDialog(genitore), file_utente_(file_utente), servizi_(servizi), formato_(formato) {
    setObjectName("finestra_fotocamere");
    setWindowTitle(tr("Fotocamere"));
    setModal(true);
    crea_controlli();
    carica(file_predefinite);
    riempi_elenco(0);
}

void finestra_fotocamere::crea_controlli() {
    elenco = new QListWidget(this);
    elenco->setObjectName("elenco");
    elenco->setMinimumWidth(280);
    setMinimumWidth(760);
    auto* campi = new QFormLayout;
    const auto campo = [&](QLineEdit*& c, const char* nome_oggetto, const QString& etichetta) {
        c = new QLineEdit(this);
        c->setObjectName(nome_oggetto);
        campi->addRow(etichetta, c);
    };
    campo(nome, "nome", tr("Nome:"));
    campo(larghezza_mm, "larghezza_mm", tr("Larghezza sensore o negativo (mm):"));
    campo(altezza_mm, "altezza_mm", tr("Altezza sensore o negativo (mm):"));
    campo(larghezza_px, "larghezza_px", tr("Larghezza immagine (pixel):"));
    campo(altezza_px, "altezza_px", tr("Altezza immagine (pixel):"));
    campo(scansione_um, "scansione_um", tr("Scansione pellicola (µm, 0 se no):"));
    campo(focale_mm, "focale_mm", tr("Focale (mm, facoltativa):"));
    metrica = new QCheckBox(tr("Metrica"), this);
    metrica->setObjectName("metrica");
    campi->addRow(QString(), metrica);

    auto* pulsanti = new QHBoxLayout;
    const auto pulsante = [&](QPushButton*& p, const char* nome_oggetto, const QString& testo) {
        p = new QPushButton(testo, this);
        p->setObjectName(nome_oggetto);
        pulsanti->addWidget(p);
    };
    pulsante(aggiungi, "aggiungi", tr("Aggiungi"));
    pulsante(modifica, "modifica", tr("Modifica"));
    pulsante(duplica, "duplica", tr("Duplica"));
    pulsante(elimina, "elimina", tr("Elimina"));
    pulsanti->addStretch();
    pulsante(usa, "usa", tr("Usa"));
    auto* chiudi = new QPushButton(tr("Chiudi"), this);
    chiudi->setObjectName("chiudi");
    pulsanti->addWidget(chiudi);
    usa->setDefault(true);

    auto* sopra = new QHBoxLayout;
    sopra->addWidget(elenco);
    sopra->addLayout(campi);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(sopra);
    tutto->addLayout(pulsanti);

    connect(elenco, &QListWidget::currentRowChanged, this, &finestra_fotocamere::mostra_voce);
    connect(aggiungi, &QPushButton::clicked, this, &finestra_fotocamere::comando_aggiungi);
    connect(modifica, &QPushButton::clicked, this, &finestra_fotocamere::comando_modifica);
    connect(duplica, &QPushButton::clicked, this, &finestra_fotocamere::comando_duplica);
    connect(elimina, &QPushButton::clicked, this, &finestra_fotocamere::comando_elimina);
    connect(usa, &QPushButton::clicked, this, &finestra_fotocamere::comando_usa);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
}

// A damaged list is told and left on disk; the presets stay usable.
void finestra_fotocamere::carica(const QString& file_predefinite) {
    try {
        predefinite_ = leggi_file_fotocamere(percorso_locale(file_predefinite));
    } catch (const errore_fotocamere& e) {
        servizi_.messaggio(QString::fromStdString(e.what()));
    }
    if (!QFile::exists(file_utente_)) return;
    try {
        utente_ = leggi_file_fotocamere(percorso_locale(file_utente_));
    } catch (const errore_fotocamere& e) {
        utente_danneggiato_ = true;
        servizi_.messaggio(tr("%1\nLe fotocamere predefinite restano disponibili; al primo "
                              "salvataggio il file sarà conservato come %2.bak")
                               .arg(QString::fromStdString(e.what()), file_utente_));
        return;
    }
    avvisa_voci_da_correggere();
}

// A list written before the checks, or by hand, still loads whole: its
// cameras that fail them are named once, to be put right with "Modifica".
void finestra_fotocamere::avvisa_voci_da_correggere() {
    QStringList righe;
    QSet<QString> nomi;
    for (const voce_fotocamera& v : predefinite_)
        nomi.insert(chiave_nome(QString::fromStdString(v.nome)));
    for (const voce_fotocamera& v : utente_) {
        const QString nome_voce = QString::fromStdString(v.nome);
        for (const auto& e : {errore_proporzioni(v, formato_), errore_focale(v, formato_)})
            if (e) righe << tr("%1: %2").arg(nome_voce, QString::fromStdString(*e));
        // A repeated name is told at its second entry.
        const QString chiave = chiave_nome(nome_voce);
        if (nomi.contains(chiave)) righe << tr("%1: il nome è già nell'elenco").arg(nome_voce);
        nomi.insert(chiave);
    }
    if (righe.isEmpty()) return;
    servizi_.messaggio(tr("Attenzione: alcune fotocamere del file %1 non passano i controlli; "
                          "restano nell'elenco e si possono correggere con \"Modifica\":\n%2")
                           .arg(file_utente_, righe.join('\n')));
}

std::optional<QString> finestra_fotocamere::nome_ripetuto(const QString& nome,
                                                          std::optional<std::size_t> salvo) const {
    const QString chiave = chiave_nome(nome);
    const auto uguale = [&](const voce_fotocamera& v) {
        return chiave_nome(QString::fromStdString(v.nome)) == chiave;
    };
    for (const voce_fotocamera& v : predefinite_)
        if (uguale(v)) return QString::fromStdString(v.nome);
    for (std::size_t i = 0; i < utente_.size(); ++i)
        if (salvo != i && uguale(utente_[i])) return QString::fromStdString(utente_[i].nome);
    return std::nullopt;
}

void finestra_fotocamere::riempi_elenco(int riga) {
    elenco->clear();
    for (const voce_fotocamera& v : predefinite_) {
        auto* voce = new QListWidgetItem(QString::fromStdString(v.nome), elenco);
        QFont f = voce->font();
        f.setItalic(true);
        voce->setFont(f);
        voce->setToolTip(tr("Predefinita: si può duplicare, non modificare"));
    }
    for (const voce_fotocamera& v : utente_) elenco->addItem(QString::fromStdString(v.nome));
    if (elenco->count() > 0) elenco->setCurrentRow(std::clamp(riga, 0, elenco->count() - 1));
    mostra_voce(elenco->currentRow());
}

std::optional<std::size_t> finestra_fotocamere::indice_utente() const {
    const int riga = elenco->currentRow();
    if (riga < 0 || static_cast<std::size_t>(riga) < predefinite_.size()) return std::nullopt;
    return static_cast<std::size_t>(riga) - predefinite_.size();
}

void finestra_fotocamere::mostra_voce(int riga) {
    const bool utente = indice_utente().has_value();
    modifica->setEnabled(utente);
    elimina->setEnabled(utente);
    duplica->setEnabled(riga >= 0);
    if (riga < 0) return;
    const std::size_t i = static_cast<std::size_t>(riga);
    const voce_fotocamera& v =
        i < predefinite_.size() ? predefinite_[i] : utente_[i - predefinite_.size()];
    nome->setText(QString::fromStdString(v.nome));
    larghezza_mm->setText(testo_numero(v.larghezza_mm, formato_));
    altezza_mm->setText(testo_numero(v.altezza_mm, formato_));
    larghezza_px->setText(QString::number(v.larghezza_px));
    altezza_px->setText(QString::number(v.altezza_px));
    scansione_um->setText(testo_numero(v.scansione_um, formato_));
    focale_mm->setText(v.focale_mm ? testo_numero(*v.focale_mm, formato_) : QString());
    metrica->setChecked(v.metrica);
}

// The fields as a camera, or a message naming the first field that is wrong.
std::optional<voce_fotocamera> finestra_fotocamere::leggi_campi() {
    voce_fotocamera v;
    v.nome = nome->text().trimmed().toStdString();
    const auto errore_campo = [&](const QString& campo) {
        servizi_.messaggio(tr("Errore: valore non valido in \"%1\".").arg(campo));
        return std::nullopt;
    };
    if (v.nome.empty()) return errore_campo(tr("Nome"));
    const auto mm = numero_di(larghezza_mm, formato_);
    if (!mm || *mm <= 0) return errore_campo(tr("Larghezza sensore o negativo"));
    const auto mh = numero_di(altezza_mm, formato_);
    if (!mh || *mh <= 0) return errore_campo(tr("Altezza sensore o negativo"));
    const auto px = numero_di(larghezza_px, formato_);
    if (!px || *px < 0 || *px > 1e6 || *px != std::floor(*px))
        return errore_campo(tr("Larghezza immagine"));
    const auto ph = numero_di(altezza_px, formato_);
    if (!ph || *ph < 0 || *ph > 1e6 || *ph != std::floor(*ph))
        return errore_campo(tr("Altezza immagine"));
    const auto scan = numero_di(scansione_um, formato_);
    if (!scan || *scan < 0) return errore_campo(tr("Scansione pellicola"));
    if (!focale_mm->text().trimmed().isEmpty()) {
        const auto f = numero_di(focale_mm, formato_);
        if (!f || *f <= 0) return errore_campo(tr("Focale"));
        v.focale_mm = *f;
    }
    v.larghezza_mm = *mm;
    v.altezza_mm = *mh;
    v.larghezza_px = static_cast<int>(*px);
    v.altezza_px = static_cast<int>(*ph);
    v.scansione_um = *scan;
    v.metrica = metrica->isChecked();
    for (const auto& e : {errore_proporzioni(v, formato_), errore_focale(v, formato_)}) {
        if (!e) continue;
        servizi_.messaggio(tr("Errore: %1.").arg(QString::fromStdString(*e)));
        return std::nullopt;
    }
    return v;
}

bool finestra_fotocamere::nome_libero(const voce_fotocamera& v, std::optional<std::size_t> salvo) {
    const auto gia = nome_ripetuto(QString::fromStdString(v.nome), salvo);
    if (!gia) return true;
    servizi_.messaggio(tr("Errore: c'è già una fotocamera di nome \"%1\" (i nomi si "
                          "confrontano senza distinguere maiuscole e minuscole né gli spazi "
                          "in più).")
                           .arg(*gia));
    return false;
}

bool finestra_fotocamere::salva_utente() {
    try {
        if (utente_danneggiato_) {
            QFile::remove(file_utente_ + ".bak");
            QFile::copy(file_utente_, file_utente_ + ".bak");
            utente_danneggiato_ = false;
        }
        scrivi_file_fotocamere(percorso_locale(file_utente_), utente_);
        return true;
    } catch (const std::exception& e) {
        servizi_.messaggio(QString::fromStdString(e.what()));
        return false;
    }
}

void finestra_fotocamere::comando_aggiungi() {
    const auto v = leggi_campi();
    if (!v || !nome_libero(*v, std::nullopt)) return;
    utente_.push_back(*v);
    if (!salva_utente()) utente_.pop_back();
    riempi_elenco(static_cast<int>(predefinite_.size() + utente_.size()) - 1);
}

void finestra_fotocamere::comando_modifica() {
    const auto i = indice_utente();
    if (!i) return;
    const auto v = leggi_campi();
    if (!v || !nome_libero(*v, i)) return;
    const voce_fotocamera prima = std::exchange(utente_[*i], *v);
    if (!salva_utente()) utente_[*i] = prima;
    riempi_elenco(elenco->currentRow());
}

void finestra_fotocamere::comando_duplica() {
    const int riga = elenco->currentRow();
    if (riga < 0) return;
    const std::size_t i = static_cast<std::size_t>(riga);
    voce_fotocamera v =
        i < predefinite_.size() ? predefinite_[i] : utente_[i - predefinite_.size()];
    const QString originale = QString::fromStdString(v.nome);
    QString copia = tr("%1 (copia)").arg(originale);
    for (int n = 2; nome_ripetuto(copia, std::nullopt); ++n)
        copia = tr("%1 (copia %2)").arg(originale, QString::number(n));
    v.nome = copia.toStdString();
    utente_.push_back(v);
    if (!salva_utente()) utente_.pop_back();
    riempi_elenco(static_cast<int>(predefinite_.size() + utente_.size()) - 1);
}

void finestra_fotocamere::comando_elimina() {
    const auto i = indice_utente();
    if (!i) return;
    const voce_fotocamera tolta = utente_[*i];
    utente_.erase(utente_.begin() + static_cast<std::ptrdiff_t>(*i));
    if (!salva_utente()) utente_.insert(utente_.begin() + static_cast<std::ptrdiff_t>(*i), tolta);
    riempi_elenco(elenco->currentRow());
}

void finestra_fotocamere::comando_usa() {
    scelta_ = leggi_campi();
    if (scelta_) accept();
}

}  // namespace pianopre
