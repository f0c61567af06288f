// A position on the WGS 84 ellipsoid, as maps and drones take it.
#pragma once

namespace pianopre {

struct posizione_geo {
    double lat = 0;  // degrees, north positive
    double lon = 0;  // degrees, east positive

    bool operator==(const posizione_geo&) const = default;
};

}  // namespace pianopre
