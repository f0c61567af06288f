// The shooting plan: coverage, base, overlap, tilt or strips, frames.
#include "calc/presa.h"

#include <cmath>

#include "base/errori.h"

namespace pianopre {

namespace {

constexpr double pi_calcolo = 3.141592;
constexpr double mezzo_pi_calcolo = 1.570796;

double gradi(double radianti) {
    return finito(radianti * 180.0 / pi_calcolo);
}
double radianti(double gradi) {
    return finito(gradi * pi_calcolo / 180.0);
}

// Guarded elementary functions: an argument outside the domain is error 6.
double arcotangente(double x) {
    return finito(std::atan(x));
}
double tangente(double x) {
    return finito(std::tan(x));
}
double radice(double x) {
    return finito(std::sqrt(finito(x)));
}
double arcocoseno(double x) {
    return finito(std::acos(x));
}

// Above this tilt the object is surveyed in horizontal strips instead.
constexpr double incl_massima = 15.0;

void strisciate(const dati_lavoro& lavoro, dati_presa& presa) {
    const double h = presa.h_camera;
    if (finito(presa.semi_alt + h) > lavoro.alt_sogg) {
        presa.num_strisc = 1;
        presa.incl = 0;
        return;
    }
    const double a = angolo_incl(presa.dist_presa, presa.semi_alt, finito(lavoro.alt_sogg - h));
    if (a < incl_massima) {
        presa.num_strisc = 1;
        presa.incl = a;
        return;
    }
    const double resto = finito(lavoro.alt_sogg - presa.semi_alt - h + presa.semi_alt / 12.0);
    presa.num_strisc = intero16(finito(dividi(resto, presa.alt_cop) + 1.0 + 0.5));
    presa.incl = 0;
}

// A tilted frame whose lower edge no longer reaches the ground is replaced by strips.
void verifica_inclinazione(const dati_lavoro& lavoro, dati_presa& presa) {
    if (presa.incl == 0) return;
    const auto bordi = fotogramma_inclinato(presa.dist_presa, presa.semi_alt,
                                            finito(presa.alt_cop - presa.semi_alt), presa.incl);
    if (bordi.sotto < presa.h_camera) {
        presa.num_strisc =
            intero16(finito(std::floor(dividi(lavoro.alt_sogg, presa.semi_alt)) + 1.0));
        presa.incl = 0;
    }
}

void fotogrammi(const dati_lavoro& lavoro, dati_presa& presa) {
    if (finito(presa.larg_cop - presa.base_presa) >= lavoro.larg_sogg) {
        presa.num_foto = prodotto16(2, presa.num_strisc);
        return;
    }
    const double passi = dividi(finito(lavoro.larg_sogg - presa.larg_cop), presa.base_presa);
    const std::int16_t per_striscia = intero16(finito(std::floor(finito(passi + 1.0)) + 3.0));
    presa.num_foto = prodotto16(per_striscia, presa.num_strisc);
}

}  // namespace

void calcola_presa(const dati_camera& camera, const dati_lavoro& lavoro, dati_presa& presa,
                   std::int16_t base_bloccata) {
    presa.h_camera = 1.5;

    presa.scala_foto = dividi(lavoro.distanza, camera.focale / 1000.0);
    presa.dist_presa = lavoro.distanza;

    presa.larg_cop = finito(camera.larg_neg / 1000.0 * presa.scala_foto);
    presa.alt_cop = finito(camera.alt_neg / 1000.0 * presa.scala_foto);
    presa.semi_alt = presa.alt_cop / 2.0;

    presa.base_presa = base_bloccata == 1 ? lavoro.base : presa.dist_presa / 4.0;
    presa.sovrapp =
        finito(dividi(finito(presa.larg_cop - presa.base_presa), presa.larg_cop) * 100.0);
    if (presa.sovrapp < 60.0 && base_bloccata == 0) {
        presa.sovrapp = 60.0;
        presa.base_presa = finito(presa.larg_cop * 0.4);
    }

    strisciate(lavoro, presa);
    verifica_inclinazione(lavoro, presa);
    fotogrammi(lavoro, presa);

    presa.ingrand = dividi(presa.scala_foto, lavoro.scala);
}

double angolo_incl(double distanza, double sopra, double altezza) {
    const double a_sopra = gradi(arcotangente(dividi(sopra, distanza)));
    const double s = dividi(altezza, radice(finito(distanza * distanza + altezza * altezza)));
    const double a_cima = gradi(finito(mezzo_pi_calcolo - arcocoseno(s)));
    return finito(a_cima - a_sopra);
}

bordi_fotogramma fotogramma_inclinato(double distanza, double sopra, double sotto, double incl) {
    const double a_sopra = arcotangente(dividi(sopra, distanza));
    const double a_sotto = arcotangente(dividi(sotto, distanza));
    const double t = radianti(incl);
    return {finito(distanza * tangente(finito(a_sopra + t))),
            finito(distanza * tangente(finito(a_sotto - t)))};
}

double altezza_camera(const dati_presa& presa, std::int32_t striscia) {
    return presa.h_camera + (striscia - 1) * (0.9 * presa.alt_cop);
}

}  // namespace pianopre
