// Job files in the main window: new, open, save, save as, recent jobs, the
// title with the job's name, the question before changes are lost, files
// dropped on the window.
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <new>

#include "app/finestra_principale.h"
#include "exchange/file_scambio.h"

namespace pianopre {

namespace {

constexpr int massimo_recenti = 8;
const QString titolo_programma =
    "TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici";

std::filesystem::path percorso(const QString& nome) {
    const QByteArray locale = QFile::encodeName(nome);
    return std::string(locale.constData(), static_cast<std::size_t>(locale.size()));
}

QString nome_qt(const std::filesystem::path& p) {
    return QFile::decodeName(QByteArray::fromStdString(p.string()));
}

QString con_estensione_lavoro(const QString& nome) {
    return nome.endsWith(".pianopre", Qt::CaseInsensitive) ? nome : nome + ".pianopre";
}

std::string utf8(const QLineEdit* casella) {
    return casella->text().toUtf8().toStdString();
}

}  // namespace

dati_file_lavoro finestra_principale::dati_attuali() const {
    dati_file_lavoro d = dati_da_commessa(commessa_);
    d.caselle = {utf8(c_.casella_focale),   utf8(c_.casella_larg_neg),  utf8(c_.casella_alt_neg),
                 utf8(c_.casella_scala),    utf8(c_.casella_larg_sogg), utf8(c_.casella_alt_sogg),
                 utf8(c_.casella_distanza), utf8(c_.casella_base)};
    d.metrica = c_.metrica->isChecked();
    d.blocca_base = c_.blocca_base->isChecked();
    d.vista = modo_vista();
    d.finestra = c_.area->scala();
    d.file_punti = percorso(file_punti_);
    return d;
}

// The job as its file would hold it, the view aside: moving about the
// drawing is not a change of the job.
std::string finestra_principale::impronta_lavoro() const {
    dati_file_lavoro d = dati_attuali();
    d.vista = tipo_vista::pianta;
    d.finestra.reset();
    try {
        return testo_file_lavoro(d, {});
    } catch (const std::exception&) {
        return "?";  // a job its file cannot hold differs from any file
    }
}

void finestra_principale::aggiorna_titolo() {
    if (file_lavoro_.isEmpty()) {
        setWindowTitle(titolo_programma);
        return;
    }
    const bool cambiato = impronta_lavoro() != salvato_;
    setWindowTitle(titolo_programma + " - " + QFileInfo(file_lavoro_).fileName() +
                   (cambiato ? "*" : ""));
}

void finestra_principale::segna_modifiche() {
    if (file_toccati_) aggiorna_titolo();
}

// Asked only once a job file was opened or saved in this run; true when the
// command may go on.
bool finestra_principale::conferma_perdita() {
    if (!file_toccati_ || impronta_lavoro() == salvato_) return true;
    const auto risposta = servizi_.domanda_annulla("Salvare le modifiche al lavoro?");
    if (!risposta) return false;
    return !*risposta || comando_salva_lavoro();
}

void finestra_principale::azzera_lavoro() {
    QLineEdit* caselle[] = {c_.casella_focale,   c_.casella_larg_neg,  c_.casella_alt_neg,
                            c_.casella_alt_sogg, c_.casella_larg_sogg, c_.casella_distanza,
                            c_.casella_scala,    c_.casella_base};
    for (std::size_t i = 0; i < std::size(caselle); ++i) caselle[i]->setText(testi_iniziali_[i]);
    for (QLineEdit* uscita :
         {c_.uscita_num_foto, c_.uscita_num_strisc, c_.uscita_incl, c_.uscita_sovrapp,
          c_.uscita_ingrand, c_.uscita_prec_max, c_.uscita_prec_std}) {
        uscita->clear();
        uscita->setPalette(QPalette());
    }
    for (QCheckBox* b : {c_.fronte, c_.assonometrica, c_.sposta_schema, c_.metrica, c_.blocca_base})
        b->setChecked(false);
    commessa& j = commessa_;
    j.camera = {};
    j.lavoro = {};
    j.presa = {};
    j.blocca_base = j.metrica = false;
    j.sensore = {};
    j.verifiche = {};
    j.prec_max = j.prec_std = {0, 0};
    j.origine = {};
    j.sito = {};
    azzera_liste(j.disegno);
    azzera_punti(j.disegno);
    j.disegno.nome_disegno.clear();
    j.disegno_sito.lista_entita.azzera();
    j.file_sito.clear();
    j.fase = fase_calcolo::nessuna;
    file_punti_.clear();
    calcolo_.dimentica();
    aggiorna_verifiche();
    aggiorna_esportazione();
    c_.area->pulisci();
    ridis(adattamento::adatta);
}

void finestra_principale::comando_nuovo() {
    if (!conferma_perdita()) return;
    azzera_lavoro();
    file_lavoro_.clear();
    salvato_ = impronta_lavoro();
    aggiorna_titolo();
}

void finestra_principale::comando_apri_lavoro() {
    const auto scelto = servizi_.apri_file("*.pianopre", "*.pianopre");
    if (scelto) apri_lavoro(*scelto);
}

void finestra_principale::apri_lavoro(const QString& nome) {
    if (!conferma_perdita()) return;
    esito_lettura_lavoro esito;
    try {
        esito = leggi_file_lavoro(percorso(nome));
    } catch (const std::exception& e) {
        servizi_.beep();
        servizi_.messaggio(QString::fromStdString(e.what()));
        return;  // nothing of the job changes
    }
    azzera_lavoro();
    const dati_file_lavoro& d = esito.dati;
    const caselle_file& t = d.caselle;
    const std::pair<QLineEdit*, const std::string*> caselle[] = {
        {c_.casella_focale, &t.focale},       {c_.casella_larg_neg, &t.larg_neg},
        {c_.casella_alt_neg, &t.alt_neg},     {c_.casella_scala, &t.scala},
        {c_.casella_larg_sogg, &t.larg_sogg}, {c_.casella_alt_sogg, &t.alt_sogg},
        {c_.casella_distanza, &t.distanza},   {c_.casella_base, &t.base}};
    for (const auto& [casella, testo] : caselle) casella->setText(QString::fromStdString(*testo));
    c_.metrica->setChecked(d.metrica);
    c_.blocca_base->setChecked(d.blocca_base);
    applica_a_commessa(d, commessa_);
    file_punti_ = nome_qt(d.file_punti);
    for (const std::string& avviso : esito.avvisi)
        servizi_.messaggio(QString::fromStdString(avviso));
    if (!d.file_sito.empty()) {
        modello sito;
        try {
            if (leggi_dxf_con_avanzamento(nome_qt(d.file_sito), sito)) {
                commessa_.disegno_sito.lista_entita = std::move(sito.lista_entita);
                commessa_.file_sito = d.file_sito.string();
            }
        } catch (const std::exception&) {
            servizi_.messaggio("Errore: non riesco a leggere il disegno del sito " +
                               nome_qt(d.file_sito) + " del lavoro " + nome);
        }
    }
    file_lavoro_ = nome;
    file_toccati_ = true;
    ricorda_recente(nome);

    const bool compilate = !t.focale.empty() && !t.larg_neg.empty() && !t.alt_neg.empty() &&
                           !t.scala.empty() && !t.larg_sogg.empty() && !t.alt_sogg.empty() &&
                           !t.distanza.empty();
    if (compilate) calcola();
    c_.fronte->setChecked(d.vista == tipo_vista::fronte);
    c_.assonometrica->setChecked(d.vista == tipo_vista::assonometrica);
    c_.area->pulisci();
    if (d.finestra) {
        c_.area->imposta_scala(*d.finestra);
        ridis(adattamento::mantieni);
    } else {
        ridis(adattamento::adatta);
    }
    salvato_ = impronta_lavoro();
    aggiorna_titolo();
}

bool finestra_principale::comando_salva_lavoro() {
    if (file_lavoro_.isEmpty()) return comando_salva_lavoro_con_nome();
    return salva_lavoro_in(file_lavoro_);
}

bool finestra_principale::comando_salva_lavoro_con_nome() {
    const QString proposto =
        file_lavoro_.isEmpty() ? QStringLiteral("lavoro.pianopre") : file_lavoro_;
    const auto scelto = servizi_.salva_file("*.pianopre", proposto);
    if (!scelto) return false;
    return salva_lavoro_in(con_estensione_lavoro(*scelto));
}

bool finestra_principale::salva_lavoro_in(const QString& nome) {
    try {
        scrivi_file_lavoro(percorso(nome), dati_attuali());
    } catch (const std::exception& e) {
        servizi_.beep();
        servizi_.messaggio(QString::fromStdString(e.what()));
        return false;  // the file already there, if any, is untouched
    }
    file_lavoro_ = nome;
    file_toccati_ = true;
    salvato_ = impronta_lavoro();
    ricorda_recente(nome);
    aggiorna_titolo();
    return true;
}

void finestra_principale::ricorda_recente(const QString& nome) {
    QSettings impostazioni;
    QStringList recenti = impostazioni.value("lavori_recenti").toStringList();
    const QString assoluto = QFileInfo(nome).absoluteFilePath();
    recenti.removeAll(assoluto);
    recenti.prepend(assoluto);
    while (recenti.size() > massimo_recenti) recenti.removeLast();
    impostazioni.setValue("lavori_recenti", recenti);
}

void finestra_principale::aggiorna_recenti() {
    menu_recenti_->clear();
    const QStringList recenti = QSettings().value("lavori_recenti").toStringList();
    for (int i = 0; i < recenti.size(); ++i) {
        QAction* a = menu_recenti_->addAction(QString("&%1 %2").arg(i + 1).arg(recenti[i]));
        const QString nome = recenti[i];
        connect(a, &QAction::triggered, this, [this, nome] { apri_lavoro(nome); });
    }
    if (recenti.isEmpty()) menu_recenti_->addAction("(nessuno)")->setEnabled(false);
}

void finestra_principale::apri_file(const QString& nome) {
    const QString estensione = QFileInfo(nome).suffix().toLower();
    if (estensione == "pianopre") {
        apri_lavoro(nome);
    } else if (estensione == "dxf") {
        apri_dxf(nome);
    } else if (estensione == "xyz") {
        apri_xyz(nome);
    } else {
        servizi_.messaggio("Errore: il file " + nome + " non è un lavoro, un DXF o un XYZ.");
    }
}

namespace {
QString file_trascinato(const QMimeData* dati) {
    if (dati == nullptr || !dati->hasUrls() || dati->urls().isEmpty()) return {};
    const QUrl url = dati->urls().front();
    if (!url.isLocalFile()) return {};
    const QString suffisso = QFileInfo(url.toLocalFile()).suffix().toLower();
    if (suffisso != "pianopre" && suffisso != "dxf" && suffisso != "xyz") return {};
    return url.toLocalFile();
}
}  // namespace

void finestra_principale::dragEnterEvent(QDragEnterEvent* evento) {
    if (!file_trascinato(evento->mimeData()).isEmpty()) evento->acceptProposedAction();
}

void finestra_principale::dropEvent(QDropEvent* evento) {
    const QString nome = file_trascinato(evento->mimeData());
    if (nome.isEmpty()) return;
    evento->acceptProposedAction();
    apri_file(nome);
}

void finestra_principale::closeEvent(QCloseEvent* evento) {
    if (conferma_perdita()) {
        evento->accept();
    } else {
        evento->ignore();
    }
}

}  // namespace pianopre
