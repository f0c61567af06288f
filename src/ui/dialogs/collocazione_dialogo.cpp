// The placement dialog: four numbers in the regional form and the angle unit;
// changing the unit converts the azimuth shown.
#include "dialogs/collocazione_dialogo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
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
}

void finestra_collocazione::cambia_unita(int indice) {
    const unita_angolo nuova = indice == 1 ? unita_angolo::gon : unita_angolo::gradi;
    // A text that is not a number stays for the user to correct.
    if (const auto a = numero_di(azimut, formato_))
        azimut->setText(testo(da_radianti(in_radianti(*a, unita_attuale_), nuova), formato_));
    unita_attuale_ = nuova;
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
    return c;
}

}  // namespace pianopre
