// The main window.
#include "app/form6.h"

namespace pianopre {

namespace {
constexpr int larghezza_client = 767;  // 11505 twips
constexpr int altezza_client = 671;    // 10065 twips
}  // namespace

Form6::Form6(formato_regionale formato, QWidget* parent) : QWidget(parent), formato_(formato) {
    setObjectName("Form6");
    setWindowTitle(
        "TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici");
    resize(larghezza_client, altezza_client);
}

}  // namespace pianopre
