// One control of the main window from its table row.
#include "common/layout_principale_widget.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "common/aspetto.h"
#include "common/didascalia.h"
#include "picture/area_disegno.h"

namespace pianopre {

namespace {

QFont carattere(peso_carattere peso) {
    switch (peso) {
        case peso_carattere::grassetto:
            return carattere_sistema(8.25, true);
        case peso_carattere::grande_grassetto:
            return carattere_sistema(12, true);
        case peso_carattere::normale:
            break;
    }
    return carattere_sistema();
}

// A caption or tooltip of the table in the user's language; the text of a
// box is a number and stays as it is.
QString tradotto(const char* contesto, const char* testo) {
    return QCoreApplication::translate(contesto, testo);
}

QString didascalia_di(const voce_controllo& v, const char* contesto) {
    const bool casella =
        v.tipo == tipo_controllo::casella || v.tipo == tipo_controllo::casella_uscita;
    if (casella || *v.testo == '\0') return QString::fromUtf8(v.testo);
    return tradotto(contesto, v.testo);
}

QLabel* crea_etichetta(const voce_controllo& v, const QString& testo, QWidget* contenitore) {
    auto* l = new QLabel(contenitore);
    l->setTextFormat(Qt::PlainText);  // "<-- Max" and "<calcola>" are not markup
    if (v.tipo == tipo_controllo::etichetta_auto) {
        l->setAlignment(Qt::AlignRight | Qt::AlignTop);
    } else {
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(true);
    }
    imposta_didascalia(l, testo);
    return l;
}

QLineEdit* crea_casella(const voce_controllo& v, const QString& testo, QWidget* contenitore) {
    auto* e = new QLineEdit(testo, contenitore);
    // No length limit of our own: the number reader judges long texts.
    e->setMaxLength(std::numeric_limits<int>::max());
    e->setReadOnly(v.tipo == tipo_controllo::casella_uscita);
    // A text written by the program is shown from its start, as the number's
    // leading digits matter most; what the user types keeps its cursor.
    QObject::connect(e, &QLineEdit::textChanged, e, [e] {
        if (!e->isModified()) e->setCursorPosition(0);
    });
    return e;
}

QFrame* crea_riquadro(QWidget* contenitore) {
    auto* f = new QFrame(contenitore);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setLineWidth(1);
    // Only an outline: clicks go through to whatever lies under it.
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

QWidget* nuovo_controllo(const voce_controllo& v, const QString& testo, QWidget* contenitore) {
    switch (v.tipo) {
        case tipo_controllo::etichetta:
        case tipo_controllo::etichetta_auto:
            return crea_etichetta(v, testo, contenitore);
        case tipo_controllo::casella:
        case tipo_controllo::casella_uscita:
            return crea_casella(v, testo, contenitore);
        case tipo_controllo::pulsante:
            return new QPushButton(testo, contenitore);
        case tipo_controllo::spunta:
            return new QCheckBox(testo, contenitore);
        case tipo_controllo::cornice:
            return new QGroupBox(testo, contenitore);
        case tipo_controllo::riquadro:
            return crea_riquadro(contenitore);
        case tipo_controllo::disegno:
            break;
    }
    return new area_disegno(contenitore);
}

}  // namespace

QWidget* crea_controllo(const voce_controllo& v, QWidget* contenitore, const char* contesto) {
    QWidget* w = nuovo_controllo(v, didascalia_di(v, contesto), contenitore);
    w->setObjectName(QString::fromUtf8(v.nome));
    if (v.suggerimento != nullptr) w->setToolTip(tradotto(contesto, v.suggerimento));
    if (v.tipo != tipo_controllo::disegno) w->setFont(carattere(v.carattere));
    w->setGeometry(pixel(v.left), pixel(v.top), pixel(v.width), pixel(v.height));
    if (v.tipo == tipo_controllo::etichetta_auto) {
        // Sized to the text; the left and top edges stay where they are.
        w->resize(w->sizeHint());
    }
    return w;
}

area_disegno* crea_area_come_finestra(QWidget* contenitore) {
    for (const voce_controllo& v : tabella_principale())
        if (v.tipo == tipo_controllo::disegno)
            return static_cast<area_disegno*>(crea_controllo(v, contenitore));
    return nullptr;
}

}  // namespace pianopre
