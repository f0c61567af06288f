// The choice of the map or mission file to write.
#include "dialogs/esporta_geo_dialogo.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>
#include <array>

namespace pianopre {

namespace {

struct voce_formato {
    formato_geo formato;
    const char* testo;
    bool missione;
};

constexpr std::array<voce_formato, 5> voci{{
    {formato_geo::kml,
     QT_TRANSLATE_NOOP("esporta_geo_dialogo", "KML (Google Earth, programmi GIS)"), false},
    {formato_geo::geojson, QT_TRANSLATE_NOOP("esporta_geo_dialogo", "GeoJSON (programmi GIS, web)"),
     false},
    {formato_geo::dji,
     QT_TRANSLATE_NOOP("esporta_geo_dialogo", "DJI WPML .kmz (DJI Pilot 2, FlightHub 2)"), true},
    {formato_geo::litchi, QT_TRANSLATE_NOOP("esporta_geo_dialogo", "Litchi CSV (Mission Hub)"),
     true},
    {formato_geo::qgc, QT_TRANSLATE_NOOP("esporta_geo_dialogo", "QGroundControl .plan"), true},
}};

}  // namespace

std::optional<formato_geo> chiedi_formato_geo(QWidget* genitore, const QString& sistema) {
    QDialog d(genitore);
    d.setObjectName("esporta_geo");
    d.setWindowTitle(
        QCoreApplication::translate("esporta_geo_dialogo", "Esporta per mappe e droni"));
    auto* colonna = new QVBoxLayout(&d);
    auto* nome_sistema =
        new QLabel(QCoreApplication::translate("esporta_geo_dialogo", "Sistema di riferimento: %1")
                       .arg(sistema),
                   &d);
    nome_sistema->setObjectName("sistema");
    colonna->addWidget(nome_sistema);
    auto* gruppo = new QButtonGroup(&d);
    auto* mappe =
        new QGroupBox(QCoreApplication::translate("esporta_geo_dialogo",
                                                  "Mappe: stazioni, facciata e punti di appoggio"),
                      &d);
    auto* missioni =
        new QGroupBox(QCoreApplication::translate("esporta_geo_dialogo",
                                                  "Missioni del drone: una foto per stazione"),
                      &d);
    auto* in_mappe = new QVBoxLayout(mappe);
    auto* in_missioni = new QVBoxLayout(missioni);
    const int ultimo = QSettings().value("geo/formato", 0).toInt();
    for (const voce_formato& v : voci) {
        auto* scelta = new QRadioButton(QCoreApplication::translate("esporta_geo_dialogo", v.testo),
                                        v.missione ? missioni : mappe);
        scelta->setObjectName(QString::fromLatin1(nome_formato(v.formato).data()));
        gruppo->addButton(scelta, static_cast<int>(v.formato));
        (v.missione ? in_missioni : in_mappe)->addWidget(scelta);
        scelta->setChecked(static_cast<int>(v.formato) == ultimo);
    }
    if (gruppo->checkedButton() == nullptr) gruppo->buttons().front()->setChecked(true);
    colonna->addWidget(mappe);
    colonna->addWidget(missioni);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    pulsanti->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("esporta_geo_dialogo", "Annulla"));
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    colonna->addWidget(pulsanti);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    const int scelto = gruppo->checkedId();
    QSettings().setValue("geo/formato", scelto);
    return static_cast<formato_geo>(scelto);
}

}  // namespace pianopre
