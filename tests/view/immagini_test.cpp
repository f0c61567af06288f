// Golden images: the first worked example drawn in plan, front and axonometric
// view into the picture image, compared pixel by pixel with reference PNGs.
#include <gtest/gtest.h>

#include "picture/ridis.h"
#include "support/esempio.h"
#include "support/riferimento_immagine.h"

namespace pianopre {
namespace {

TEST(ImmaginiDiRiferimento, TreVisteDellEsempio) {
    commessa c;
    prova::calcola_esempio(c);
    area_disegno area;
    area.resize(625, 425);
    const struct {
        const char* nome;
        bool fronte;
        bool assonometrica;
    } viste[] = {{"esempio_pianta", false, false},
                 {"esempio_fronte", true, false},
                 {"esempio_assonometria", false, true}};
    for (const auto& v : viste) {
        area.pulisci();
        stato_vista vista;
        vista.fronte = v.fronte;
        vista.assonometrica = v.assonometrica;
        ridis(area, c.disegno.lista_entita, vista, adattamento::adatta);
        EXPECT_TRUE(prova::immagine_uguale_al_riferimento(area.immagine(),
                                                          std::string("view/") + v.nome + ".png"));
    }
}

}  // namespace
}  // namespace pianopre
