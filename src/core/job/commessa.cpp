// The whole calculation of a job, step by step.
#include "job/commessa.h"

#include "base/numeri.h"
#include "calc/presa.h"
#include "job/letture_caselle.h"
#include "scheme/schema.h"

namespace pianopre {

namespace {

void leggi_caselle(const caselle_lavoro& t, formato_regionale f, dati_camera& cam,
                   dati_lavoro& lav) {
    cam.focale = leggi_numero(t.focale, f);
    cam.larg_neg = leggi_numero(t.larg_neg, f);
    cam.alt_neg = leggi_numero(t.alt_neg, f);
    lav.alt_sogg = leggi_numero(t.alt_sogg, f);
    lav.larg_sogg = leggi_numero(t.larg_sogg, f);
    lav.distanza = leggi_numero(t.distanza, f);
    lav.scala = leggi_numero(t.scala, f);
    lav.base = leggi_numero(t.base, f);
}

}  // namespace

void calcola_commessa(commessa& c, const caselle_lavoro& caselle, formato_regionale formato) {
    c.fase = fase_calcolo::nessuna;
    dati_camera cam;
    dati_lavoro lav;
    dati_presa pre;
    leggi_caselle(caselle, formato, cam, lav);
    controlla_negativi(lav, formato);
    if (lav.base == 0) c.blocca_base = false;
    calcola_presa(cam, lav, pre, c.blocca_base ? 1 : 0);
    c.camera = cam;
    c.lavoro = lav;
    c.presa = pre;
    c.fase = fase_calcolo::piano;

    c.prec_max = stima_precisione_max(c.presa, c.camera, c.metrica);
    c.fase = fase_calcolo::precisione_max;
    c.prec_std = stima_precisione_std(c.presa, c.camera, c.metrica);
    c.fase = fase_calcolo::precisione_std;

    crea_schema_lavoro(c.disegno, c.presa, c.lavoro, formato);
    c.fase = fase_calcolo::schema;
}

void crea_schema_lavoro(modello& m, const dati_presa& presa, dati_lavoro& lavoro,
                        formato_regionale formato) {
    azzera_liste(m);
    lavoro.progetto = "Progetto:";
    lavoro.localita = "Localita':";
    crea_schema(m, presa, lavoro, 0, 0, 0, formato);
}

}  // namespace pianopre
