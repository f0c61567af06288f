// Site coordinates (East, North in the site's projected system) to WGS 84
// latitude and longitude through PROJ: proj_create_crs_to_crs towards
// EPSG:4326, proj_normalize_for_visualization so that both sides read East
// before North and longitude before latitude whatever the axis order of their
// definitions, and every point of a call in one proj_trans_generic. Heights
// are not transformed: each point keeps the site's height.
#pragma once

#include <cmath>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/punti.h"
#include "geo/sistema_riferimento.h"

namespace pianopre {

// Degrees; both NaN when PROJ could not transform the point.
struct posizione_wgs84 {
    double longitudine = 0;
    double latitudine = 0;
    double quota = 0;  // the site's height, unchanged, m

    bool valida() const { return std::isfinite(longitudine) && std::isfinite(latitudine); }
};

// A system refused or missing, or PROJ unable to build the transformation:
// the message is the one the user reads.
class errore_sistema : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One transformation from one site system. It owns its PROJ context, so it
// is used by one thread at a time; two objects may run in two threads.
class trasformazione_wgs84 {
public:
    // `sistema` as the user or the job file gives it; throws errore_sistema
    // with messaggio_sistema() when it does not resolve to a valid system.
    explicit trasformazione_wgs84(std::string_view sistema);
    ~trasformazione_wgs84();
    trasformazione_wgs84(trasformazione_wgs84&&) noexcept;
    trasformazione_wgs84& operator=(trasformazione_wgs84&&) noexcept;

    const sistema_riferimento& sistema() const { return sistema_; }

    // x = East, y = North, z = height; one position per point, in order.
    std::vector<posizione_wgs84> converti(std::span<const punto3> punti);

private:
    struct proj;
    sistema_riferimento sistema_;
    std::unique_ptr<proj> proj_;
};

}  // namespace pianopre
