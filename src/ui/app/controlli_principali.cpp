// Creating the main window's controls from the control table: containers,
// stacking, tab order, the instruction text, the icon and the first focus.
#include "app/controlli_principali.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/icona.h"
#include "common/didascalia.h"
#include "common/layout_principale_tabella.h"
#include "common/layout_principale_widget.h"

namespace pianopre {

namespace {

using mappa_controlli = std::map<std::string_view, QWidget*>;

// The three lines of instructions under the buttons, each ended by a carriage
// return in the caption as the program writes it.
QString istruzioni() {
    QString testo = QCoreApplication::translate(
        "layout_principale",
        "Impostare le caratteristiche del soggetto da rilevare e della camera utlizzata\n"
        "Cliccare su <calcola> per ottenere la precisione teorica, la base di presa,\n"
        "ed il numero dei fotogrammi da scattare. La camera viene supposta a 1.5 metri dal "
        "suolo.");
    return testo.replace(QChar(u'\n'), QChar(u'\r'));
}

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
        for (const auto& v : tabella_principale()) {
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

controlli_principali raccogli(const mappa_controlli& m) {
    controlli_principali c;
    c.area = prendi<area_disegno>(m, "Picture1");
    c.casella_focale = prendi<QLineEdit>(m, "txt_foc");
    c.casella_larg_neg = prendi<QLineEdit>(m, "txt_xneg");
    c.casella_alt_neg = prendi<QLineEdit>(m, "txt_yneg");
    c.casella_alt_sogg = prendi<QLineEdit>(m, "txt_altezza_sogg");
    c.casella_larg_sogg = prendi<QLineEdit>(m, "Txt_Larg_sogg");
    c.casella_distanza = prendi<QLineEdit>(m, "txt_spazio");
    c.casella_scala = prendi<QLineEdit>(m, "txt_Scala");
    c.casella_base = prendi<QLineEdit>(m, "txt_basep");
    c.uscita_num_foto = prendi<QLineEdit>(m, "txt_numfot");
    c.uscita_num_strisc = prendi<QLineEdit>(m, "txt_strinum");
    c.uscita_incl = prendi<QLineEdit>(m, "txt_incli");
    c.uscita_sovrapp = prendi<QLineEdit>(m, "txt_sovrapp");
    c.uscita_ingrand = prendi<QLineEdit>(m, "txt_scalafot");
    c.uscita_prec_max = prendi<QLineEdit>(m, "Txt_precis");
    c.uscita_prec_std = prendi<QLineEdit>(m, "txt_precisau");
    c.fronte = prendi<QCheckBox>(m, "check1");
    c.assonometrica = prendi<QCheckBox>(m, "Check2");
    c.sposta_schema = prendi<QCheckBox>(m, "Check3");
    c.metrica = prendi<QCheckBox>(m, "Check4");
    c.blocca_base = prendi<QCheckBox>(m, "Check5");
    c.apri_dxf = prendi<QPushButton>(m, "Command1");
    c.zoom_avanti = prendi<QPushButton>(m, "Command2");
    c.zoom_indietro = prendi<QPushButton>(m, "Command3");
    c.salva_bmp = prendi<QPushButton>(m, "Command4");
    c.ridisegna = prendi<QPushButton>(m, "Command5");
    c.esci = prendi<QPushButton>(m, "Command6");
    c.salva_dxf = prendi<QPushButton>(m, "Command7");
    c.apri_xyz = prendi<QPushButton>(m, "Command8");
    c.calcola = prendi<QPushButton>(m, "Command9");
    c.cancella_pf = prendi<QPushButton>(m, "Command10");
    c.freccia_sinistra = prendi<QPushButton>(m, "Command11");
    c.freccia_su = prendi<QPushButton>(m, "Command12");
    c.freccia_giu = prendi<QPushButton>(m, "Command13");
    c.freccia_destra = prendi<QPushButton>(m, "Command14");
    c.centra = prendi<QPushButton>(m, "Command15");
    c.info = prendi<QPushButton>(m, "Command16");
    c.note = prendi<QPushButton>(m, "Command17");
    c.istruzioni = prendi<QLabel>(m, "Label6");
    return c;
}

}  // namespace

controlli_principali crea_controlli_principali(QWidget* finestra) {
    mappa_controlli creati;
    std::vector<std::pair<int, QWidget*>> catena;
    for (const auto& v : tabella_principale()) {
        QWidget* contenitore = v.contenitore != nullptr ? creati.at(v.contenitore) : finestra;
        QWidget* w = crea_controllo(v, contenitore);
        creati[v.nome] = w;
        if (v.tab >= 0 && prende_fuoco(v.tipo)) catena.emplace_back(v.tab, w);
    }
    metti_sfondo(creati);
    ordina_tab(std::move(catena));

    controlli_principali c = raccogli(creati);
    imposta_didascalia(c.istruzioni, istruzioni());
    finestra->setWindowIcon(icona_pianopre());
    // The first control of the tab order has the focus when the window opens.
    c.apri_dxf->setFocus();
    return c;
}

}  // namespace pianopre
