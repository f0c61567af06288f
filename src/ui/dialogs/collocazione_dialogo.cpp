// The placement dialog: four numbers in the regional form, the angle unit and
// the site's coordinate system; changing the unit converts the azimuth shown.
#include "dialogs/collocazione_dialogo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QStringListModel>
#include <QVBoxLayout>
#include <cmath>

#include "base/numeri.h"
#include "base/testo_numeri.h"

namespace pianopre {

namespace {

QString testo(double x, const formato_regionale& f) {
    return QString::fromStdString(testo_generale(x, f));
}

std::optional<double> numero_di(const QLineEdit* campo, const formato_regionale& f) {
    const QByteArray t = campo->text().toLatin1();
    return leggi_numero_esatto(std::string_view(t.constData(), static_cast<std::size_t>(t.size())),
                               f);
}

}  // namespace

finestra_collocazione::finestra_collocazione(const collocazione& attuale, servizi_utente& servizi,
                                             formato_regionale formato, QWidget* genitore)
    : QDialog(genitore), servizi_(servizi), formato_(formato), unita_attuale_(attuale.unita) {
    setObjectName("finestra_collocazione");
    setWindowTitle(tr("Colloca sul sito"));
    auto* campi = new QFormLayout;
    const auto campo = [&](QLineEdit*& c, const char* nome, const QString& etichetta, double v) {
        c = new QLineEdit(testo(v, formato_), this);
        c->setObjectName(nome);
        campi->addRow(etichetta, c);
    };
    campo(est, "est", tr("Est dell'angolo A (m):"), attuale.est);
    campo(nord, "nord", tr("Nord dell'angolo A (m):"), attuale.nord);
    campo(quota, "quota", tr("Quota del terreno in A (m):"), attuale.quota);
    campo(azimut, "azimut", tr("Azimut della facciata da A:"), attuale.azimut);
    unita = new QComboBox(this);
    unita->setObjectName("unita");
    unita->addItems({tr("gradi"), tr("gon")});
    unita->setCurrentIndex(attuale.unita == unita_angolo::gon ? 1 : 0);
    campi->addRow(tr("Unità degli angoli:"), unita);
    sistema = new QLineEdit(QString::fromStdString(attuale.sistema), this);
    sistema->setObjectName("sistema");
    sistema->setPlaceholderText(tr("codice EPSG o nome; vuoto se nessuno"));
    // Wide enough for a usual name, so that the list and the name beside do not wrap.
    sistema->setMinimumWidth(sistema->fontMetrics().horizontalAdvance(
        "EPSG:6707  RDN2008 / UTM zone 32N (N-E) - Monte"));
    campi->addRow(tr("Sistema di riferimento:"), sistema);
    nome_sistema = new QLabel(this);
    nome_sistema->setObjectName("nome_sistema");
    nome_sistema->setWordWrap(true);
    nome_sistema->setTextInteractionFlags(Qt::TextSelectableByMouse);
    campi->addRow(QString(), nome_sistema);
    mostra_sistema();
    auto* nota = new QLabel(
        tr("L'azimut si misura da Nord in senso orario; le stazioni stanno a destra di chi "
           "cammina da A lungo la facciata."),
        this);
    nota->setWordWrap(true);

    scegli = new QPushButton(tr("Scegli sul disegno"), this);
    scegli->setObjectName("scegli");
    ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* annulla = new QPushButton(tr("Annulla"), this);
    annulla->setObjectName("annulla");
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(scegli);
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(campi);
    tutto->addWidget(nota);
    tutto->addLayout(pulsanti);

    connect(unita, &QComboBox::currentIndexChanged, this, &finestra_collocazione::cambia_unita);
    connect(ok, &QPushButton::clicked, this, [this] {
        scelta_ = leggi();
        if (scelta_) accept();
    });
    connect(scegli, &QPushButton::clicked, this, [this] {
        scegli_ = true;
        scelta_ = leggi();
        if (scelta_) accept();
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(sistema, &QLineEdit::textChanged, this, &finestra_collocazione::mostra_sistema);
    connect(sistema, &QLineEdit::textEdited, this, &finestra_collocazione::completa_sistemi);
}

void finestra_collocazione::cambia_unita(int indice) {
    const unita_angolo nuova = indice == 1 ? unita_angolo::gon : unita_angolo::gradi;
    // A text that is not a number stays for the user to correct.
    if (const auto a = numero_di(azimut, formato_))
        azimut->setText(testo(da_radianti(in_radianti(*a, unita_attuale_), nuova), formato_));
    unita_attuale_ = nuova;
}

sistema_riferimento finestra_collocazione::risolvi() const {
    const std::string testo = sistema->text().toStdString();
    return catalogo_ ? catalogo_->risolvi(testo) : risolvi_sistema(testo);
}

void finestra_collocazione::mostra_sistema() {
    const sistema_riferimento s = risolvi();
    nome_sistema->setText(s.valido() ? QString::fromStdString(s.codice + "  " + s.nome)
                                     : QString::fromStdString(messaggio_sistema(s)));
}

// The list of PROJ's projected systems ("EPSG:6707 RDN2008 / UTM zone 32N"),
// read once, when the user first types: choosing one puts its code first.
void finestra_collocazione::completa_sistemi() {
    if (completamento_) return;
    catalogo_ = std::make_unique<catalogo_sistemi>();
    QStringList voci;
    for (const voce_sistema& v : catalogo_->cerca(""))
        voci << QString::fromStdString(v.codice + " " + v.nome);
    completamento_ = new QCompleter(new QStringListModel(voci, this), this);
    completamento_->setObjectName("completamento_sistema");
    completamento_->setCaseSensitivity(Qt::CaseInsensitive);
    completamento_->setFilterMode(Qt::MatchContains);
    completamento_->setMaxVisibleItems(12);
    sistema->setCompleter(completamento_);
    completamento_->setCompletionPrefix(sistema->text());
    if (!sistema->text().isEmpty()) completamento_->complete();
    mostra_sistema();  // a name typed before the list was read
}

std::optional<collocazione> finestra_collocazione::leggi() {
    collocazione c;
    c.unita = unita_attuale_;
    const struct {
        QLineEdit* campo;
        double* valore;
        QString nome;
    } campi[] = {{est, &c.est, tr("Est")},
                 {nord, &c.nord, tr("Nord")},
                 {quota, &c.quota, tr("Quota")},
                 {azimut, &c.azimut, tr("Azimut")}};
    for (const auto& x : campi) {
        const auto v = numero_di(x.campo, formato_);
        if (v) *x.valore = *v;
        if (!v || std::abs(*v) > 1e9) {
            servizi_.messaggio(tr("Errore: valore non valido in \"%1\".").arg(x.nome));
            return std::nullopt;
        }
    }
    // The system is kept by its code, whatever was typed to find it.
    const sistema_riferimento s = risolvi();
    if (!s.valido() && s.stato != stato_sistema::vuoto) {
        servizi_.messaggio(QString::fromStdString(messaggio_sistema(s)));
        return std::nullopt;
    }
    c.sistema = s.codice;
    return c;
}

}  // namespace pianopre
