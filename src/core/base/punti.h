// Points of the drawing in three dimensions, and the scheme origin.
#pragma once

namespace pianopre {

struct punto3 {
    double x;
    double y;
    double z;
};

// Added to the entities placed relative to it ("Sposta schema", "Centra").
struct origine_schema {
    double x = 0;
    double y = 0;
    double z = 0;
};

}  // namespace pianopre
