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

QString esporta_tre_viste(area_disegno& area, const elenco_entita& lista,
                          const vista_per_modo& vista, const QString& base) {
    for (const vista_bitmap& v : viste_bitmap) {
        const stato_vista stato = vista(v.fronte, v.assonometrica);
        area.pulisci();
        ridis(area, lista, stato, adattamento::adatta);
        const QString nome = base + QString::fromLatin1(v.suffisso);
        if (!area.salva_bmp(nome)) return nome;
    }
    const stato_vista pianta = vista(false, false);
    area.pulisci();
    ridis(area, lista, pianta, adattamento::adatta);
    return {};
}

QString esporta_tre_viste(area_disegno& area, const elenco_entita& lista, const stato_vista& vista,
                          const QString& base) {
    const auto per_modo = [&vista](bool fronte, bool assonometrica) {
        stato_vista s = vista;
        s.fronte = fronte;
        s.assonometrica = assonometrica;
        if (!fronte) s.contorni_rossi.clear();
        return s;
    };
    return esporta_tre_viste(area, lista, per_modo, base);
}

}  // namespace pianopre
