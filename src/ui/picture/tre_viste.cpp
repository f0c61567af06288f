// The three-view export.
#include "picture/tre_viste.h"

namespace pianopre {

namespace {

struct vista_bitmap {
    bool fronte;
    bool assonometrica;
    const char* suffisso;
};

constexpr vista_bitmap viste_bitmap[] = {
    {false, false, "p.bmp"},
    {true, false, "f.bmp"},
    {false, true, "a.bmp"},
};

}  // namespace

esito_tre_viste esporta_tre_viste(area_disegno& area, const elenco_entita& lista,
                                  const vista_per_modo& vista, const QString& base,
                                  const avanzamento& rapporto) {
    std::int64_t prima = 0;  // entities drawn in the views before this one
    for (const vista_bitmap& v : viste_bitmap) {
        const stato_vista stato = vista(v.fronte, v.assonometrica);
        avanzamento di_questa;
        if (rapporto) di_questa = [&](std::int64_t fatti) { return rapporto(prima + fatti); };
        area.pulisci();
        const bool finita = ridis(area, lista, stato, adattamento::adatta, di_questa);
        if (!finita || (rapporto && !rapporto(prima += entita_da_disegnare(lista, stato)))) {
            area.pulisci();
            ridis(area, lista, vista(false, false), adattamento::adatta);
            return {{}, true};
        }
        const QString nome = base + QString::fromLatin1(v.suffisso);
        if (!area.salva_bmp(nome)) return {nome, false};
    }
    area.pulisci();
    ridis(area, lista, vista(false, false), adattamento::adatta);
    return {};
}

}  // namespace pianopre
