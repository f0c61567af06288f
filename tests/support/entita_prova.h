// Entities for tests, built in one line.
#pragma once

#include <cstdint>
#include <string_view>

#include "scheme/entita.h"

namespace pianopre::prova {

inline entita voce(std::int16_t tipo, std::string_view nome, double x = 0, double y = 0,
                   double z = 0) {
    entita e;
    e.tipo = tipo;
    e.nome = nome;
    e.x = x;
    e.y = y;
    e.z = z;
    return e;
}

// A point, placed relative to the scheme origin when attributi says so.
inline entita punto_in(double x, double y, double z, std::int16_t attributi = 0) {
    entita e;
    e.tipo = tipo_punto;
    e.x = x;
    e.y = y;
    e.z = z;
    e.attributi = attributi;
    return e;
}

// A control point as the .xyz reader keeps it.
inline punto_app punto(std::string_view nome, double x, double y, double z) {
    punto_app p;
    p.nome = nome;
    p.x = x;
    p.y = y;
    p.z = z;
    return p;
}

}  // namespace pianopre::prova
