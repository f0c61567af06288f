// finestra_principale: the menu bar. Every item runs the command of its
// button or check box, so the menus and the controls always do the same thing.
#include <QActionGroup>
#include <QMenuBar>

#include "app/comandi_info.h"
#include "app/finestra_principale.h"
#include "common/lingua.h"

namespace pianopre {

namespace {

QAction* voce(QMenu* menu, const char* nome, const QString& testo, const QKeySequence& tasti = {}) {
    QAction* a = menu->addAction(testo);
    a->setObjectName(nome);
    if (!tasti.isEmpty()) a->setShortcut(tasti);
    return a;
}

}  // namespace

void finestra_principale::crea_menu() {
    crea_menu_lavoro();
    crea_menu_vista();
    crea_menu_aiuto();

    // "Calcola -->" has its key but no menu item.
    auto* calcolo = new QAction(tr("Calcola"), this);
    calcolo->setObjectName("azione_calcola");
    calcolo->setShortcut(Qt::Key_F5);
    addAction(calcolo);
    connect(calcolo, &QAction::triggered, this, [this] { calcolo_.calcola(); });
}

void finestra_principale::crea_menu_lavoro() {
    QMenu* lavoro = menuBar()->addMenu(tr("&Lavoro"));
    lavoro->setObjectName("menu_lavoro");
    comandi_lavoro& l = lavoro_;
    connect(voce(lavoro, "azione_nuovo", tr("&Nuovo"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, [&l] { l.comando_nuovo(); });
    connect(voce(lavoro, "azione_apri_lavoro", tr("Apri &lavoro..."),
                 QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [&l] { l.comando_apri_lavoro(); });
    connect(voce(lavoro, "azione_salva_lavoro", tr("Salva la&voro"),
                 QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [&l] { l.comando_salva_lavoro(); });
    connect(voce(lavoro, "azione_salva_lavoro_con_nome", tr("Salva lavoro con n&ome..."),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, [&l] { l.comando_salva_lavoro_con_nome(); });
    connect(voce(lavoro, "azione_dati_lavoro", tr("&Dati del lavoro...")), &QAction::triggered,
            this, [&l] { l.comando_dati_lavoro(); });
    QMenu* recenti = lavoro->addMenu(tr("Lavori &recenti"));
    recenti->setObjectName("menu_recenti");
    connect(recenti, &QMenu::aboutToShow, this, [&l, recenti] { l.riempi_recenti(recenti); });
    lavoro->addSeparator();
    crea_menu_file(lavoro);
    lavoro->addSeparator();
    connect(
        voce(lavoro, "azione_fotocamera", tr("&Fotocamera..."), QKeySequence(Qt::CTRL | Qt::Key_K)),
        &QAction::triggered, this, [this] { fotocamera_.comando_fotocamera(); });
    lavoro->addSeparator();
    connect(voce(lavoro, "azione_esci", tr("&Esci"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &finestra_principale::esci);
}

// The drawing, the bitmaps, the site and the printed plan, in the "Lavoro" menu.
void finestra_principale::crea_menu_file(QMenu* lavoro) {
    comandi_disegno& d = disegno_;
    comandi_sito& s = sito_;
    // The job is the document and has the usual keys; the drawing has D.
    connect(voce(lavoro, "azione_apri_dxf", tr("&Apri DXF..."), QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, [&d] { d.comando_apri_dxf(); });
    connect(voce(lavoro, "azione_salva_dxf", tr("&Salva DXF..."),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)),
            &QAction::triggered, this, [&d] { d.comando_salva_dxf(); });
    connect(voce(lavoro, "azione_apri_xyz", tr("Apri &XYZ...")), &QAction::triggered, this,
            [&d] { d.comando_apri_xyz(); });
    connect(voce(lavoro, "azione_salva_bmp", tr("Salva &BMP...")), &QAction::triggered, this,
            [this] { bmp_.comando_salva_bmp(); });
    lavoro->addSeparator();
    connect(voce(lavoro, "azione_apri_sito", tr("Apri disegno del &sito...")), &QAction::triggered,
            this, [&s] { s.comando_apri_sito(); });
    connect(voce(lavoro, "azione_chiudi_sito", tr("&Chiudi disegno del sito")), &QAction::triggered,
            this, [&s] { s.comando_chiudi_sito(); });
    connect(voce(lavoro, "azione_colloca", tr("C&olloca sul sito...")), &QAction::triggered, this,
            [&s] { s.comando_colloca(); });
    connect(voce(lavoro, "azione_esporta_csv", tr("Esporta stazioni C&SV...")), &QAction::triggered,
            this, [this] { stazioni_.comando_esporta_csv(); });
    connect(voce(lavoro, "azione_esporta_geo", tr("Esporta per &mappe e droni...")),
            &QAction::triggered, this, [this] { stazioni_.comando_esporta_geo(); });
    connect(voce(lavoro, "azione_report_pdf", tr("Esporta re&port PDF...")), &QAction::triggered,
            this, [this] { report_.comando_report_pdf(); });
    connect(voce(lavoro, "azione_stampa", tr("S&tampa..."), QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { report_.comando_stampa(); });
    crea_menu_opzioni_report(lavoro);
}

// Whether each view of the printed plan shows the site drawing under the
// scheme: the page fits each view to what it draws.
void finestra_principale::crea_menu_opzioni_report(QMenu* lavoro) {
    QMenu* opzioni = lavoro->addMenu(tr("Opz&ioni del report"));
    opzioni->setObjectName("menu_opzioni_report");
    opzioni_report& o = report_.opzioni;
    const struct {
        const char* nome;
        QString testo;
        bool opzioni_report::*scelta;
    } voci[] = {{"azione_report_sito_pianta", tr("Disegno del sito in &pianta"),
                 &opzioni_report::sito_in_pianta},
                {"azione_report_sito_prospetto", tr("Disegno del sito nel p&rospetto"),
                 &opzioni_report::sito_nel_prospetto}};
    for (const auto& v : voci) {
        QAction* a = voce(opzioni, v.nome, v.testo);
        a->setCheckable(true);
        a->setChecked(o.*v.scelta);
        connect(a, &QAction::toggled, this, [&o, scelta = v.scelta](bool si) { o.*scelta = si; });
    }
}

// The three views are one choice: the item of the view shown is checked, and
// choosing one ticks its box as a click on it would.
void finestra_principale::crea_menu_vista() {
    QMenu* vista = menuBar()->addMenu(tr("&Vista"));
    vista->setObjectName("menu_vista");
    auto* gruppo = new QActionGroup(this);
    QAction* pianta = voce(vista, "azione_pianta", tr("&Pianta"));
    QAction* fronte = voce(vista, "azione_fronte", tr("&Fronte"));
    QAction* asso = voce(vista, "azione_assonometria", tr("&Assonometria"));
    for (QAction* a : {pianta, fronte, asso}) {
        a->setCheckable(true);
        gruppo->addAction(a);
    }
    pianta->setChecked(true);
    connect(pianta, &QAction::triggered, this, [this] {
        if (c_.fronte->isChecked()) c_.fronte->click();
        if (c_.assonometrica->isChecked()) c_.assonometrica->click();
    });
    connect(fronte, &QAction::triggered, this, [this] {
        if (!c_.fronte->isChecked()) c_.fronte->click();
    });
    connect(asso, &QAction::triggered, this, [this] {
        if (!c_.assonometrica->isChecked()) c_.assonometrica->click();
    });
    const auto segui = [this, pianta, fronte, asso] {
        const tipo_vista v = modo_vista();
        (v == tipo_vista::fronte          ? fronte
         : v == tipo_vista::assonometrica ? asso
                                          : pianta)
            ->setChecked(true);
    };
    connect(c_.fronte, &QCheckBox::toggled, this, segui);
    connect(c_.assonometrica, &QCheckBox::toggled, this, segui);

    vista->addSeparator();
    crea_menu_comandi_vista(vista);
}

// Redraw, centring, zoom and the two windows about the plan.
void finestra_principale::crea_menu_comandi_vista(QMenu* vista) {
    navigazione_finestra& n = navigazione_;
    connect(voce(vista, "azione_ridisegna", tr("&Ridisegna")), &QAction::triggered, this,
            [this] { vista_.ridisegna(); });
    connect(voce(vista, "azione_centra", tr("&Centra")), &QAction::triggered, this,
            [&n] { n.centra(); });
    connect(voce(vista, "azione_zoom_avanti", tr("Zoom &+"), QKeySequence::ZoomIn),
            &QAction::triggered, this, [&n] { n.zoom_avanti(); });
    connect(voce(vista, "azione_zoom_indietro", tr("Zoom &-"), QKeySequence::ZoomOut),
            &QAction::triggered, this, [&n] { n.zoom_indietro(); });
    vista->addSeparator();
    connect(voce(vista, "azione_verifiche", tr("&Verifiche del piano"),
                 QKeySequence(Qt::CTRL | Qt::Key_L)),
            &QAction::triggered, this, [this] { verifiche_.comando_verifiche(); });
    connect(
        voce(vista, "azione_stazioni", tr("S&tazioni e punti"), QKeySequence(Qt::CTRL | Qt::Key_T)),
        &QAction::triggered, this, [this] { stazioni_.comando_stazioni(); });
    QAction* copertura = voce(vista, "azione_copertura", tr("C&opertura e precisione"),
                              QKeySequence(Qt::CTRL | Qt::Key_M));
    copertura->setEnabled(copertura_.disponibile());
    connect(copertura, &QAction::triggered, this, [this] { copertura_.comando_copertura(); });
}

void finestra_principale::crea_menu_aiuto() {
    QMenu* aiuto = menuBar()->addMenu("&?");
    aiuto->setObjectName("menu_aiuto");
    connect(voce(aiuto, "azione_note", tr("&Note sulla precisione")), &QAction::triggered, this,
            [this] { mostra_note_precisione(this); });
    connect(voce(aiuto, "azione_info", tr("&Info")), &QAction::triggered, this,
            [this] { mostra_informazioni(servizi_, this); });
    crea_menu_lingua(aiuto);
}

// The language of the texts, in both languages so that anyone finds it; the
// choice is kept and takes effect at the next start.
void finestra_principale::crea_menu_lingua(QMenu* aiuto) {
    aiuto->addSeparator();
    QMenu* menu = aiuto->addMenu(QStringLiteral("&Lingua / Language"));
    menu->setObjectName("menu_lingua");
    QAction* nota = menu->addAction(tr("Vale dal prossimo avvio"));
    nota->setObjectName("azione_lingua_nota");
    nota->setEnabled(false);
    auto* gruppo = new QActionGroup(menu);
    const std::optional<lingua> salvata = lingua_salvata();
    const struct {
        const char* nome;
        QString testo;
        std::optional<lingua> scelta;
    } voci[] = {
        {"azione_lingua_italiano", QStringLiteral("Italiano"), lingua::italiano},
        {"azione_lingua_inglese", QStringLiteral("English"), lingua::inglese},
        {"azione_lingua_sistema", QStringLiteral("Come il sistema / As the system"), std::nullopt}};
    for (const auto& v : voci) {
        QAction* a = voce(menu, v.nome, v.testo);
        a->setCheckable(true);
        a->setChecked(v.scelta == salvata);
        gruppo->addAction(a);
        connect(a, &QAction::triggered, this, [scelta = v.scelta] { salva_lingua(scelta); });
    }
}

}  // namespace pianopre
