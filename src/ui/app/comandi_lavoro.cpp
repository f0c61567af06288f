// comandi_lavoro: the job read from and written to its file, the boxes and
// the job emptied for a new one, and the fingerprint that tells a change.
#include "app/comandi_lavoro.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <exception>
#include <utility>

#include "app/comandi_bmp.h"
#include "app/comandi_disegno.h"
#include "app/lavori_recenti.h"
#include "common/percorsi.h"
#include "dialogs/intestazione_dialogo.h"
#include "view/navigazione.h"

namespace pianopre {

namespace {

QString titolo_programma() {
    return QCoreApplication::translate(
        "comandi_lavoro",
        "TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici");
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

// The input boxes in the order of the start-up texts.
std::array<QLineEdit*, 8> caselle_ingresso(const controlli_principali& c) {
    return {c.casella_focale,    c.casella_larg_neg, c.casella_alt_neg, c.casella_alt_sogg,
            c.casella_larg_sogg, c.casella_distanza, c.casella_scala,   c.casella_base};
}

// A job whose boxes hold every datum of the calculation is calculated at once.
bool compilate(const caselle_file& t) {
    return !t.focale.empty() && !t.larg_neg.empty() && !t.alt_neg.empty() && !t.scala.empty() &&
           !t.larg_sogg.empty() && !t.alt_sogg.empty() && !t.distanza.empty();
}

}  // namespace

comandi_lavoro::comandi_lavoro(commessa& lavoro, servizi_utente& servizi,
                               const controlli_principali& c, QWidget& finestra,
                               const collegamenti_finestra& collegamenti,
                               std::function<void()> calcola, std::function<void()> azzerato)
    : commessa_(lavoro),
      servizi_(servizi),
      c_(c),
      finestra_(finestra),
      collegamenti_(collegamenti),
      calcola_(std::move(calcola)),
      azzerato_(std::move(azzerato)) {
    const auto caselle = caselle_ingresso(c_);
    for (std::size_t i = 0; i < caselle.size(); ++i) testi_iniziali_[i] = caselle[i]->text();
    aggiorna_titolo();
}

dati_file_lavoro comandi_lavoro::dati_attuali() const {
    dati_file_lavoro d = dati_da_commessa(commessa_);
    d.caselle = {utf8(c_.casella_focale),   utf8(c_.casella_larg_neg),  utf8(c_.casella_alt_neg),
                 utf8(c_.casella_scala),    utf8(c_.casella_larg_sogg), utf8(c_.casella_alt_sogg),
                 utf8(c_.casella_distanza), utf8(c_.casella_base)};
    d.metrica = c_.metrica->isChecked();
    d.blocca_base = c_.blocca_base->isChecked();
    d.vista = modo_vista(c_.fronte->isChecked(), c_.assonometrica->isChecked());
    d.finestra = c_.area->scala();
    d.file_punti = percorso_locale(file_punti_);
    return d;
}

// The job as its file would hold it, the view aside: moving about the
// drawing is not a change of the job.
std::string comandi_lavoro::impronta_lavoro() const {
    dati_file_lavoro d = dati_attuali();
    d.vista = tipo_vista::pianta;
    d.finestra.reset();
    try {
        return testo_file_lavoro(d, {});
    } catch (const std::exception&) {
        return "?";  // a job its file cannot hold differs from any file
    }
}

void comandi_lavoro::aggiorna_titolo() {
    if (file_lavoro_.isEmpty()) {
        finestra_.setWindowTitle(titolo_programma());
        return;
    }
    const bool cambiato = impronta_lavoro() != salvato_;
    finestra_.setWindowTitle(titolo_programma() + " - " + QFileInfo(file_lavoro_).fileName() +
                             (cambiato ? "*" : ""));
}

void comandi_lavoro::segna_modifiche() {
    if (file_toccati_) aggiorna_titolo();
}

bool comandi_lavoro::conferma_perdita() {
    if (!file_toccati_ || impronta_lavoro() == salvato_) return true;
    const auto risposta = servizi_.domanda_annulla(
        QCoreApplication::translate("comandi_lavoro", "Salvare le modifiche al lavoro?"));
    if (!risposta) return false;
    return !*risposta || comando_salva_lavoro();
}

void comandi_lavoro::azzera_controlli() {
    const auto caselle = caselle_ingresso(c_);
    for (std::size_t i = 0; i < caselle.size(); ++i) caselle[i]->setText(testi_iniziali_[i]);
    for (QLineEdit* uscita :
         {c_.uscita_num_foto, c_.uscita_num_strisc, c_.uscita_incl, c_.uscita_sovrapp,
          c_.uscita_ingrand, c_.uscita_prec_max, c_.uscita_prec_std}) {
        uscita->clear();
        uscita->setPalette(QPalette());
    }
    for (QCheckBox* b : {c_.fronte, c_.assonometrica, c_.sposta_schema, c_.metrica, c_.blocca_base})
        b->setChecked(false);
}

void comandi_lavoro::azzera_commessa() {
    commessa& j = commessa_;
    j.camera = {};
    j.lavoro = {};
    j.presa = {};
    j.blocca_base = j.metrica = false;
    j.sensore = {};
    j.verifiche = {};
    j.drone = {};
    j.prec_max = j.prec_std = {0, 0};
    j.origine = {};
    j.sito = {};
    azzera_liste(j.disegno);
    azzera_punti(j.disegno);
    j.disegno.nome_disegno.clear();
    j.disegno_sito.lista_entita.azzera();
    j.file_sito.clear();
    j.fase = fase_calcolo::nessuna;
    j.intestazione = {};
}

void comandi_lavoro::azzera_lavoro() {
    azzera_controlli();
    azzera_commessa();
    file_punti_.clear();
    azzerato_();
    aggiorna_esportazione(commessa_.disegno);
    c_.area->pulisci();
    // The labels' size left by a drawing drawn before does not carry over to the job.
    c_.area->imposta_dimensione_font(area_disegno::dimensione_font_iniziale);
    collegamenti_.ridis(adattamento::adatta);
    collegamenti_.aggiorna_stazioni();
    collegamenti_.impostazioni_lette();
}

void comandi_lavoro::comando_nuovo() {
    if (!conferma_perdita()) return;
    azzera_lavoro();
    file_lavoro_.clear();
    salvato_ = impronta_lavoro();
    aggiorna_titolo();
}

void comandi_lavoro::comando_apri_lavoro() {
    const auto scelto = servizi_.apri_file("*.pianopre", "*.pianopre");
    if (scelto) apri_lavoro(*scelto);
}

void comandi_lavoro::apri_lavoro(const QString& nome) {
    if (!conferma_perdita()) return;
    esito_lettura_lavoro esito;
    try {
        esito = leggi_file_lavoro(percorso_locale(nome));
    } catch (const std::exception& e) {
        servizi_.beep();
        servizi_.messaggio(QString::fromStdString(e.what()));
        return;  // nothing of the job changes
    }
    azzera_lavoro();
    const dati_file_lavoro& d = esito.dati;
    scrivi_caselle(d);
    applica_a_commessa(d, commessa_);
    collegamenti_.impostazioni_lette();
    file_punti_ = nome_qt(d.file_punti);
    for (const std::string& avviso : esito.avvisi)
        servizi_.messaggio(QString::fromStdString(avviso));
    apri_sito(d, nome);
    file_lavoro_ = nome;
    file_toccati_ = true;
    ricorda_recente(nome);
    if (compilate(d.caselle)) calcola_();
    mostra_vista(d);
    collegamenti_.aggiorna_stazioni();  // the job's points, with or without a plan
    salvato_ = impronta_lavoro();
    aggiorna_titolo();
}

void comandi_lavoro::scrivi_caselle(const dati_file_lavoro& d) {
    const caselle_file& t = d.caselle;
    const std::pair<QLineEdit*, const std::string*> caselle[] = {
        {c_.casella_focale, &t.focale},       {c_.casella_larg_neg, &t.larg_neg},
        {c_.casella_alt_neg, &t.alt_neg},     {c_.casella_scala, &t.scala},
        {c_.casella_larg_sogg, &t.larg_sogg}, {c_.casella_alt_sogg, &t.alt_sogg},
        {c_.casella_distanza, &t.distanza},   {c_.casella_base, &t.base}};
    for (const auto& [casella, testo] : caselle) casella->setText(QString::fromStdString(*testo));
    c_.metrica->setChecked(d.metrica);
    c_.blocca_base->setChecked(d.blocca_base);
}

// The site drawing named by the job; one that cannot be read is told and left out.
void comandi_lavoro::apri_sito(const dati_file_lavoro& d, const QString& nome) {
    if (d.file_sito.empty()) return;
    modello sito;
    try {
        if (leggi_dxf_con_avanzamento(nome_qt(d.file_sito), sito, servizi_)) {
            commessa_.disegno_sito.lista_entita = std::move(sito.lista_entita);
            commessa_.file_sito = d.file_sito.string();
        }
    } catch (const std::exception&) {
        servizi_.messaggio(QCoreApplication::translate(
                               "comandi_lavoro",
                               "Errore: non riesco a leggere il disegno del sito %1 del lavoro %2")
                               .arg(nome_qt(d.file_sito), nome));
    }
}

// The view and the view window the job was saved with.
void comandi_lavoro::mostra_vista(const dati_file_lavoro& d) {
    c_.fronte->setChecked(d.vista == tipo_vista::fronte);
    c_.assonometrica->setChecked(d.vista == tipo_vista::assonometrica);
    c_.area->pulisci();
    if (d.finestra) {
        c_.area->imposta_scala(*d.finestra);
        collegamenti_.ridis(adattamento::mantieni);
    } else {
        collegamenti_.ridis(adattamento::adatta);
    }
}

void comandi_lavoro::comando_dati_lavoro() {
    finestra_intestazione dialogo(commessa_.intestazione, &finestra_);
    if (dialogo.exec() != QDialog::Accepted) return;
    commessa_.intestazione = dialogo.scelta();
    segna_modifiche();
}

bool comandi_lavoro::comando_salva_lavoro() {
    if (file_lavoro_.isEmpty()) return comando_salva_lavoro_con_nome();
    return salva_lavoro_in(file_lavoro_);
}

bool comandi_lavoro::comando_salva_lavoro_con_nome() {
    const QString proposto =
        file_lavoro_.isEmpty() ? QStringLiteral("lavoro.pianopre") : file_lavoro_;
    const auto scelto = servizi_.salva_file("*.pianopre", proposto);
    if (!scelto) return false;
    return salva_lavoro_in(con_estensione_lavoro(*scelto));
}

bool comandi_lavoro::salva_lavoro_in(const QString& nome) {
    try {
        scrivi_file_lavoro(percorso_locale(nome), dati_attuali());
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

void comandi_lavoro::riempi_recenti(QMenu* menu) {
    riempi_menu_recenti(menu, [this](const QString& nome) { apri_lavoro(nome); });
}

}  // namespace pianopre
