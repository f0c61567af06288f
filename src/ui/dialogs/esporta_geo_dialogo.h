// "Esporta per mappe e droni...": the choice of one of the five files (KML
// and GeoJSON for maps; DJI, Litchi and QGroundControl missions), with the
// site's coordinate system they are computed in.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "job/esportazioni_geo.h"

namespace pianopre {

// The format chosen, remembered from the last export; none on Annulla.
// `sistema` is the resolved system as the user reads it.
std::optional<formato_geo> chiedi_formato_geo(QWidget* genitore, const QString& sistema);

}  // namespace pianopre
