// The boxes read leniently and the negative sizes a plan cannot have.
#include "job/letture_caselle.h"

#include "base/errori.h"
#include "base/numeri.h"
#include "base/segnaposti.h"
#include "base/testo_numeri.h"
#include "base/traduzione.h"

namespace pianopre {

const std::string& testo_casella(const caselle_lavoro& c, casella_lavoro quale) {
    switch (quale) {
        case casella_lavoro::focale:
            return c.focale;
        case casella_lavoro::larg_neg:
            return c.larg_neg;
        case casella_lavoro::alt_neg:
            return c.alt_neg;
        case casella_lavoro::alt_sogg:
            return c.alt_sogg;
        case casella_lavoro::larg_sogg:
            return c.larg_sogg;
        case casella_lavoro::distanza:
            return c.distanza;
        case casella_lavoro::scala:
            return c.scala;
        case casella_lavoro::base:
            break;
    }
    return c.base;
}

std::vector<lettura_dubbia> letture_dubbie(const caselle_lavoro& caselle,
                                           const formato_regionale& formato) {
    std::vector<lettura_dubbia> dubbie;
    for (const casella_lavoro quale : tutte_le_caselle) {
        const std::string& testo = testo_casella(caselle, quale);
        if (numero_completo(testo, formato)) continue;
        try {
            dubbie.push_back({quale, testo, leggi_numero(testo, formato)});
        } catch (const errore&) {
            // Rejected: not read at all.
        }
    }
    return dubbie;
}

void controlla_negativi(const dati_lavoro& lavoro, const formato_regionale& formato) {
    const struct {
        double valore;
        const char* messaggio;
    } misure[] = {
        {lavoro.larg_sogg,
         TESTO_DA_TRADURRE("letture_caselle",
                           "Errore: la larghezza del soggetto non può essere negativa (%1).")},
        {lavoro.alt_sogg,
         TESTO_DA_TRADURRE("letture_caselle",
                           "Errore: l'altezza del soggetto non può essere negativa (%1).")},
        {lavoro.distanza,
         TESTO_DA_TRADURRE("letture_caselle",
                           "Errore: la distanza di presa non può essere negativa (%1).")},
        {lavoro.scala,
         TESTO_DA_TRADURRE("letture_caselle",
                           "Errore: la scala di restituzione non può essere negativa (%1).")},
    };
    for (const auto& m : misure)
        if (m.valore < 0)
            throw dato_negativo(inserisci(traduci("letture_caselle", m.messaggio),
                                          {testo_generale(m.valore, formato)}));
}

}  // namespace pianopre
