// Creating the main window's controls from the control table: containers,
// stacking, tab order, the instruction text, the icon and the first focus.
#include "app/controlli_form6.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/didascalia.h"
#include "app/icona.h"
#include "app/layout_form6_tabella.h"
#include "app/layout_form6_widget.h"

namespace pianopre {

namespace {

using mappa_controlli = std::map<std::string_view, QWidget*>;

const QString istruzioni = QStringLiteral(
    "Impostare le caratteristiche del soggetto da rilevare e della camera utlizzata\r"
    "Cliccare su <calcola> per ottenere la precisione teorica, la base di presa,\r"
    "ed il numero dei fotogrammi da scattare. La camera viene supposta a 1.5 metri dal suolo.");

bool prende_fuoco(tipo_controllo t) {
    return t != tipo_controllo::etichetta && t != tipo_controllo::etichetta_auto &&
           t != tipo_controllo::cornice && t != tipo_controllo::riquadro;
}

template <class T>
T* prendi(const mappa_controlli& creati, const char* nome) {
    auto* w = qobject_cast<T*>(creati.at(nome));
    if (w == nullptr) throw std::logic_error(std::string("controllo di tipo errato: ") + nome);
    return w;
}

// Outline boxes lie at the very back, labels just above them, so that no box
// or button is ever drawn under a label that overlaps it by a pixel.
void metti_sfondo(const mappa_controlli& creati) {
    for (tipo_controllo t :
         {tipo_controllo::etichetta, tipo_controllo::etichetta_auto, tipo_controllo::riquadro}) {
        for (const auto& v : tabella_form6()) {
            if (v.tipo == t && v.contenitore == nullptr) creati.at(v.nome)->lower();
        }
    }
}

void ordina_tab(std::vector<std::pair<int, QWidget*>> catena) {
    std::ranges::stable_sort(catena, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < catena.size(); ++i) {
        QWidget::setTabOrder(catena[i - 1].second, catena[i].second);
    }
}

controlli_form6 raccogli(const mappa_controlli& m) {
    controlli_form6 c;
    c.Picture1 = prendi<area_disegno>(m, "Picture1");
    c.txt_foc = prendi<QLineEdit>(m, "txt_foc");
    c.txt_xneg = prendi<QLineEdit>(m, "txt_xneg");
    c.txt_yneg = prendi<QLineEdit>(m, "txt_yneg");
    c.txt_altezza_sogg = prendi<QLineEdit>(m, "txt_altezza_sogg");
    c.Txt_Larg_sogg = prendi<QLineEdit>(m, "Txt_Larg_sogg");
    c.txt_spazio = prendi<QLineEdit>(m, "txt_spazio");
    c.txt_Scala = prendi<QLineEdit>(m, "txt_Scala");
    c.txt_basep = prendi<QLineEdit>(m, "txt_basep");
    c.txt_numfot = prendi<QLineEdit>(m, "txt_numfot");
    c.txt_strinum = prendi<QLineEdit>(m, "txt_strinum");
    c.txt_incli = prendi<QLineEdit>(m, "txt_incli");
    c.txt_sovrapp = prendi<QLineEdit>(m, "txt_sovrapp");
    c.txt_scalafot = prendi<QLineEdit>(m, "txt_scalafot");
    c.Txt_precis = prendi<QLineEdit>(m, "Txt_precis");
    c.txt_precisau = prendi<QLineEdit>(m, "txt_precisau");
    c.check1 = prendi<QCheckBox>(m, "check1");
    c.Check2 = prendi<QCheckBox>(m, "Check2");
    c.Check3 = prendi<QCheckBox>(m, "Check3");
    c.Check4 = prendi<QCheckBox>(m, "Check4");
    c.Check5 = prendi<QCheckBox>(m, "Check5");
    c.Command1 = prendi<QPushButton>(m, "Command1");
    c.Command2 = prendi<QPushButton>(m, "Command2");
    c.Command3 = prendi<QPushButton>(m, "Command3");
    c.Command4 = prendi<QPushButton>(m, "Command4");
    c.Command5 = prendi<QPushButton>(m, "Command5");
    c.Command6 = prendi<QPushButton>(m, "Command6");
    c.Command7 = prendi<QPushButton>(m, "Command7");
    c.Command8 = prendi<QPushButton>(m, "Command8");
    c.Command9 = prendi<QPushButton>(m, "Command9");
    c.Command10 = prendi<QPushButton>(m, "Command10");
    c.Command11 = prendi<QPushButton>(m, "Command11");
    c.Command12 = prendi<QPushButton>(m, "Command12");
    c.Command13 = prendi<QPushButton>(m, "Command13");
    c.Command14 = prendi<QPushButton>(m, "Command14");
    c.Command15 = prendi<QPushButton>(m, "Command15");
    c.Command16 = prendi<QPushButton>(m, "Command16");
    c.Command17 = prendi<QPushButton>(m, "Command17");
    c.Label6 = prendi<QLabel>(m, "Label6");
    return c;
}

}  // namespace

controlli_form6 crea_controlli_form6(QWidget* finestra) {
    mappa_controlli creati;
    std::vector<std::pair<int, QWidget*>> catena;
    for (const auto& v : tabella_form6()) {
        QWidget* contenitore = v.contenitore != nullptr ? creati.at(v.contenitore) : finestra;
        QWidget* w = crea_controllo(v, contenitore);
        creati[v.nome] = w;
        if (v.tab >= 0 && prende_fuoco(v.tipo)) catena.emplace_back(v.tab, w);
    }
    metti_sfondo(creati);
    ordina_tab(std::move(catena));

    controlli_form6 c = raccogli(creati);
    imposta_didascalia(c.Label6, istruzioni);
    finestra->setWindowIcon(icona_pianopre());
    // The first control of the tab order has the focus when the window opens.
    c.Command1->setFocus();
    return c;
}

}  // namespace pianopre
