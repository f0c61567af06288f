// The main window's controls, from the picture area down the right-hand
// column to the lower band of job, camera, plan and precision groups. Their
// captions and tooltips are translated in the context "layout_principale".
#include "common/layout_principale_tabella.h"

#include <QtGlobal>

namespace pianopre {

namespace {

using enum tipo_controllo;
using enum peso_carattere;

constexpr voce_controllo tabella[] = {
    {"Picture1", disegno, "", nullptr, nullptr, 120, 120, 9375, 6375, 58, normale},

    // Scheme position and view commands.
    {"Frame1", cornice, QT_TRANSLATE_NOOP("layout_principale", "Posiziona schema"), nullptr,
     nullptr, 9720, 240, 1695, 1815, 12, normale},
    {"Command12", pulsante, "^", nullptr, "Frame1", 600, 120, 495, 375, 14, normale},
    {"Command11", pulsante, "<", nullptr, "Frame1", 120, 480, 495, 375, 13, normale},
    {"Command14", pulsante, ">", nullptr, "Frame1", 1080, 480, 495, 375, 16, normale},
    {"Command13", pulsante, "V", nullptr, "Frame1", 600, 840, 495, 375, 15, normale},
    {"Command15", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Centra"), nullptr, "Frame1",
     120, 1320, 1455, 255, 17, normale},
    {"Check3", spunta, QT_TRANSLATE_NOOP("layout_principale", "Sposta schema"), nullptr, "Frame1",
     120, 1560, 1455, 255, 18, normale},
    {"Frame2", cornice, QT_TRANSLATE_NOOP("layout_principale", "Disegno"), nullptr, nullptr, 9720,
     2880, 1695, 2055, 44, normale},
    {"check1", spunta, QT_TRANSLATE_NOOP("layout_principale", "Fronte"),
     QT_TRANSLATE_NOOP("layout_principale", "Imposta la vista frontale; (cliccare su Ridisegna)"),
     nullptr, 9960, 3240, 975, 255, 4, normale},
    {"Check2", spunta, QT_TRANSLATE_NOOP("layout_principale", "Assonom."),
     QT_TRANSLATE_NOOP("layout_principale",
                       "Imposta la vista assonometrica;(cliccare su Ridisegna)"),
     nullptr, 9960, 3600, 1095, 255, 6, normale},
    {"Command5", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Ridisegna"), nullptr, nullptr,
     9840, 4080, 1455, 375, 5, normale},
    {"Command2", pulsante, "+", QT_TRANSLATE_NOOP("layout_principale", "Zoom avanti"), nullptr,
     9840, 4560, 375, 255, 1, grande_grassetto},
    {"Label3", etichetta, QT_TRANSLATE_NOOP("layout_principale", "Zoom"), nullptr, "Frame2", 600,
     1680, 495, 255, 45, normale},
    {"Command3", pulsante, "-", QT_TRANSLATE_NOOP("layout_principale", "Zoom indietro"), nullptr,
     10920, 4560, 375, 255, 2, grande_grassetto},
    {"Command16", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Info"), nullptr, nullptr, 10080,
     5160, 855, 375, 47, normale},
    {"Command6", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Esci"), nullptr, nullptr, 9720,
     5880, 1695, 375, 7, normale},

    // Job data.
    {"Shape1", riquadro, "", nullptr, nullptr, 120, 6600, 2895, 2055, -1, normale},
    {"Label1", etichetta, QT_TRANSLATE_NOOP("layout_principale", "Caratteristiche lavoro:"),
     nullptr, nullptr, 360, 6720, 2055, 255, 25, grassetto},
    {"lblFieldLabel(3)", etichetta_auto,
     QT_TRANSLATE_NOOP("layout_principale", "Scala di restituzione"), nullptr, nullptr, 360, 7080,
     1410, 195, 26, normale},
    {"txt_Scala", casella, "",
     QT_TRANSLATE_NOOP("layout_principale", "Scala di rappresentazione del rilievo"), nullptr, 2160,
     7080, 735, 285, 21, normale},
    {"lblFieldLabel(30)", etichetta_auto,
     QT_TRANSLATE_NOOP("layout_principale", "Larghezza soggetto:"), nullptr, nullptr, 360, 7440,
     1440, 195, 23, normale},
    {"Txt_Larg_sogg", casella, "",
     QT_TRANSLATE_NOOP("layout_principale", "Larghezza dell'oggetto da rilevare (Metri)"), nullptr,
     2160, 7440, 705, 285, 19, normale},
    {"lblFieldLabel(31)", etichetta_auto,
     QT_TRANSLATE_NOOP("layout_principale", "Altezza del soggetto:"), nullptr, nullptr, 360, 7800,
     1470, 195, 22, normale},
    {"txt_altezza_sogg", casella, "",
     QT_TRANSLATE_NOOP("layout_principale", "Larghezza dell'oggetto da rilevare (Metri)"), nullptr,
     2160, 7800, 705, 285, 59, normale},
    {"lblFieldLabel(8)", etichetta_auto,
     QT_TRANSLATE_NOOP("layout_principale", "Distanza di presa:"), nullptr, nullptr, 360, 8160,
     1260, 195, 37, normale},
    {"txt_spazio", casella, "",
     QT_TRANSLATE_NOOP("layout_principale", "Distanza della camera da presa"), nullptr, 2160, 8160,
     705, 285, 38, normale},

    // Camera data.
    {"Shape2", riquadro, "", nullptr, nullptr, 3120, 6600, 2895, 2055, -1, normale},
    {"Label4", etichetta, QT_TRANSLATE_NOOP("layout_principale", "Caratteristiche camera:"),
     nullptr, nullptr, 3240, 6720, 2175, 255, 41, grassetto},
    {"lblFieldLabel(7)", etichetta_auto,
     QT_TRANSLATE_NOOP("layout_principale", "Lunghezza focale (mm):"), nullptr, nullptr, 3240, 7200,
     1680, 195, 36, normale},
    {"txt_foc", casella, "100",
     QT_TRANSLATE_NOOP("layout_principale", "Lunghezza focale dell'obiettivo utilizzato."), nullptr,
     5160, 7080, 705, 285, 35, grassetto},
    {"Label2", etichetta, QT_TRANSLATE_NOOP("layout_principale", "Larghezza negativo (mm):"),
     nullptr, nullptr, 3240, 7560, 2175, 255, 31, normale},
    {"txt_xneg", casella, "60,00",
     QT_TRANSLATE_NOOP("layout_principale", "Larghezza del negativo in mm."), nullptr, 5160, 7440,
     705, 285, 32, grassetto},
    {"lblFieldLabel(6)", etichetta_auto,
     QT_TRANSLATE_NOOP("layout_principale", "Altezza negativo (mm):"),
     QT_TRANSLATE_NOOP("layout_principale", "Altezza del negativo in mm."), nullptr, 3240, 7920,
     1590, 195, 34, normale},
    {"txt_yneg", casella, "60,00",
     QT_TRANSLATE_NOOP("layout_principale", "Spazio a disposizione davanti all'oggetto"), nullptr,
     5160, 7800, 705, 285, 33, grassetto},
    {"Check4", spunta, QT_TRANSLATE_NOOP("layout_principale", "Metrica"),
     QT_TRANSLATE_NOOP("layout_principale", "Attivare se la camera utilizzata e' metrica"), nullptr,
     4200, 8280, 1455, 255, 43, normale},

    {"Command9", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Calcola -->"),
     QT_TRANSLATE_NOOP("layout_principale", "Stampa il grafico corrente"), nullptr, 6120, 7440,
     1095, 375, 10, grassetto},

    // Computed plan.
    {"Shape4", riquadro, "", nullptr, nullptr, 7320, 6600, 4095, 2295, -1, normale},
    {"Label5", etichetta, QT_TRANSLATE_NOOP("layout_principale", "Progetto di presa:"), nullptr,
     nullptr, 7440, 6720, 2055, 255, 42, grassetto},
    {"lblFieldLabel(0)", etichetta_auto, QT_TRANSLATE_NOOP("layout_principale", "Base di presa:"),
     nullptr, nullptr, 7440, 7080, 1005, 195, 28, normale},
    {"txt_basep", casella, "", QT_TRANSLATE_NOOP("layout_principale", "Base di presa calcolata"),
     nullptr, 9000, 7080, 1065, 285, 27, grassetto},
    {"Check5", spunta, QT_TRANSLATE_NOOP("layout_principale", "Blocca"),
     QT_TRANSLATE_NOOP("layout_principale",
                       "Attivare la casella per bloccare il valore impostato per la base"),
     nullptr, 10200, 7080, 855, 255, 50, normale},
    {"lblFieldLabel(4)", etichetta_auto,
     QT_TRANSLATE_NOOP("layout_principale", "Numero fotogrammi:"), nullptr, nullptr, 7440, 7440,
     1410, 195, 30, normale},
    {"txt_numfot", casella_uscita, "",
     QT_TRANSLATE_NOOP("layout_principale", "Numero di fotogrammi stereoscopici da scattare"),
     nullptr, 9000, 7440, 1065, 285, 29, grassetto},
    {"lblFieldLabel(9)", etichetta_auto,
     QT_TRANSLATE_NOOP("layout_principale", "Numero strisciate:"), nullptr, nullptr, 7440, 7800,
     1260, 195, 40, normale},
    {"txt_strinum", casella_uscita, "",
     QT_TRANSLATE_NOOP("layout_principale", "Numero di strisciate orizzontali necessarie"), nullptr,
     9000, 7800, 1065, 285, 39, grassetto},
    {"Label7", etichetta, QT_TRANSLATE_NOOP("layout_principale", "Inclinazione camera:"), nullptr,
     nullptr, 7440, 8160, 1575, 255, 49, normale},
    {"txt_incli", casella_uscita, "",
     QT_TRANSLATE_NOOP(
         "layout_principale",
         "Inclinazione della camera (Viene supposta ad 1.5 m da terra; anziche' inclinare, "
         "l'operatore potrebbe alzarsi in quota."),
     nullptr, 9000, 8160, 1095, 285, 48, grassetto},
    {"Label10", etichetta, QT_TRANSLATE_NOOP("layout_principale", "Numero di ingrandimenti"),
     nullptr, nullptr, 10200, 8400, 975, 375, 57, normale},
    {"Label9", etichetta, QT_TRANSLATE_NOOP("layout_principale", "Sovrapposizione %:"), nullptr,
     nullptr, 7440, 8520, 1575, 255, 53, normale},
    {"txt_sovrapp", casella_uscita, "",
     QT_TRANSLATE_NOOP(
         "layout_principale",
         "Percentuale di sovrapposizione tra i fotogrammi; se diventa rossa, occorre cambiare il "
         "rapporto base/distanza"),
     nullptr, 9000, 8520, 495, 285, 54, normale},
    {"txt_scalafot", casella_uscita, "",
     QT_TRANSLATE_NOOP(
         "layout_principale",
         "Numero di ingrandimenti del fotogramma rispetto alla scala dir restituzione"),
     nullptr, 9600, 8520, 495, 285, 56, normale},

    // Precision.
    {"Shape3", riquadro, "", nullptr, nullptr, 7320, 9000, 4095, 975, -1, normale},
    {"lblFieldLabel(26)", etichetta_auto,
     QT_TRANSLATE_NOOP("layout_principale", "Precisione X / Z (mm):"), nullptr, nullptr, 7440, 9120,
     1920, 195, 24, grassetto},
    {"Txt_precis", casella_uscita, "",
     QT_TRANSLATE_NOOP("layout_principale",
                       "Precisione massima ottenibile utilizzando camere metriche e restitutori "
                       "analitici di primo "
                       "ordine"),
     nullptr, 7440, 9360, 1185, 285, 20, grassetto},
    {"Label8", etichetta, QT_TRANSLATE_NOOP("layout_principale", "<-- Max  Min -->"), nullptr,
     nullptr, 8760, 9360, 1215, 255, 52, normale},
    {"txt_precisau", casella_uscita, "",
     QT_TRANSLATE_NOOP("layout_principale", "Precisione standard ottenibile"), nullptr, 9960, 9360,
     1215, 285, 51, grassetto},
    {"Command17", pulsante, "?", nullptr, nullptr, 9120, 9600, 375, 255, 55, grassetto},

    // File commands and instructions.
    {"Command1", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Apri DXF"),
     QT_TRANSLATE_NOOP("layout_principale", "Apre un file di disegno in formato DXF"), nullptr, 240,
     8640, 1095, 255, 0, normale},
    {"Command4", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Salva BMP"),
     QT_TRANSLATE_NOOP("layout_principale", "Salva il disegno corrente come Bitmap"), nullptr, 1320,
     8640, 1215, 255, 3, normale},
    {"Command8", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Apri XYZ"),
     QT_TRANSLATE_NOOP("layout_principale",
                       "Apre un file di coordinate di punti di appoggio in formato <.XYZ>"),
     nullptr, 2520, 8640, 1095, 255, 9, normale},
    {"Command7", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Salva DXF"),
     QT_TRANSLATE_NOOP("layout_principale", "Salva il disegno in formato DXF"), nullptr, 3600, 8640,
     1215, 255, 8, normale},
    {"Command10", pulsante, QT_TRANSLATE_NOOP("layout_principale", "Cancella PF"),
     QT_TRANSLATE_NOOP("layout_principale", "Cancella i punti di appoggio selezionati"), nullptr,
     4800, 8760, 1215, 255, 11, normale},
    {"Label6", etichetta, "", nullptr, nullptr, 240, 9000, 6255, 615, 46, normale},
};

}  // namespace

std::span<const voce_controllo> tabella_principale() {
    return tabella;
}

}  // namespace pianopre
