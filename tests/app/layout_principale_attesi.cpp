// The main window's controls as the layout tests expect them.
#include "layout_principale_attesi.h"

namespace pianopre::prova {

namespace {

using enum genere;
using enum peso;

constexpr atteso righe[] = {
    {"Picture1", disegno, "", nullptr, nullptr, 120, 120, 9375, 6375, 58, F},
    {"Frame1", cornice, "Posiziona schema", nullptr, nullptr, 9720, 240, 1695, 1815, 12, F},
    {"Command12", pulsante, "^", nullptr, "Frame1", 600, 120, 495, 375, 14, F},
    {"Command11", pulsante, "<", nullptr, "Frame1", 120, 480, 495, 375, 13, F},
    {"Command14", pulsante, ">", nullptr, "Frame1", 1080, 480, 495, 375, 16, F},
    {"Command13", pulsante, "V", nullptr, "Frame1", 600, 840, 495, 375, 15, F},
    {"Command15", pulsante, "Centra", nullptr, "Frame1", 120, 1320, 1455, 255, 17, F},
    {"Check3", spunta, "Sposta schema", nullptr, "Frame1", 120, 1560, 1455, 255, 18, F},
    {"Frame2", cornice, "Disegno", nullptr, nullptr, 9720, 2880, 1695, 2055, 44, F},
    {"check1", spunta, "Fronte", "Imposta la vista frontale; (cliccare su Ridisegna)", nullptr,
     9960, 3240, 975, 255, 4, F},
    {"Check2", spunta, "Assonom.", "Imposta la vista assonometrica;(cliccare su Ridisegna)",
     nullptr, 9960, 3600, 1095, 255, 6, F},
    {"Command5", pulsante, "Ridisegna", nullptr, nullptr, 9840, 4080, 1455, 375, 5, F},
    {"Command2", pulsante, "+", "Zoom avanti", nullptr, 9840, 4560, 375, 255, 1, G},
    {"Label3", etichetta, "Zoom", nullptr, "Frame2", 600, 1680, 495, 255, 45, F},
    {"Command3", pulsante, "-", "Zoom indietro", nullptr, 10920, 4560, 375, 255, 2, G},
    {"Command16", pulsante, "Info", nullptr, nullptr, 10080, 5160, 855, 375, 47, F},
    {"Command6", pulsante, "Esci", nullptr, nullptr, 9720, 5880, 1695, 375, 7, F},

    {"Shape1", riquadro, "", nullptr, nullptr, 120, 6600, 2895, 2055, -1, F},
    {"Label1", etichetta, "Caratteristiche lavoro:", nullptr, nullptr, 360, 6720, 2055, 255, 25, B},
    {"lblFieldLabel(3)", etichetta_auto, "Scala di restituzione", nullptr, nullptr, 360, 7080, 1410,
     195, 26, F},
    {"txt_Scala", ingresso, "", "Scala di rappresentazione del rilievo", nullptr, 2160, 7080, 735,
     285, 21, F},
    {"lblFieldLabel(30)", etichetta_auto, "Larghezza soggetto:", nullptr, nullptr, 360, 7440, 1440,
     195, 23, F},
    {"Txt_Larg_sogg", ingresso, "", "Larghezza dell'oggetto da rilevare (Metri)", nullptr, 2160,
     7440, 705, 285, 19, F},
    {"lblFieldLabel(31)", etichetta_auto, "Altezza del soggetto:", nullptr, nullptr, 360, 7800,
     1470, 195, 22, F},
    {"txt_altezza_sogg", ingresso, "", "Larghezza dell'oggetto da rilevare (Metri)", nullptr, 2160,
     7800, 705, 285, 59, F},
    {"lblFieldLabel(8)", etichetta_auto, "Distanza di presa:", nullptr, nullptr, 360, 8160, 1260,
     195, 37, F},
    {"txt_spazio", ingresso, "", "Distanza della camera da presa", nullptr, 2160, 8160, 705, 285,
     38, F},

    {"Shape2", riquadro, "", nullptr, nullptr, 3120, 6600, 2895, 2055, -1, F},
    {"Label4", etichetta, "Caratteristiche camera:", nullptr, nullptr, 3240, 6720, 2175, 255, 41,
     B},
    {"lblFieldLabel(7)", etichetta_auto, "Lunghezza focale (mm):", nullptr, nullptr, 3240, 7200,
     1680, 195, 36, F},
    {"txt_foc", ingresso, "100", "Lunghezza focale dell'obiettivo utilizzato.", nullptr, 5160, 7080,
     705, 285, 35, B},
    {"Label2", etichetta, "Larghezza negativo (mm):", nullptr, nullptr, 3240, 7560, 2175, 255, 31,
     F},
    {"txt_xneg", ingresso, "60,00", "Larghezza del negativo in mm.", nullptr, 5160, 7440, 705, 285,
     32, B},
    {"lblFieldLabel(6)", etichetta_auto, "Altezza negativo (mm):", "Altezza del negativo in mm.",
     nullptr, 3240, 7920, 1590, 195, 34, F},
    {"txt_yneg", ingresso, "60,00", "Spazio a disposizione davanti all'oggetto", nullptr, 5160,
     7800, 705, 285, 33, B},
    {"Check4", spunta, "Metrica", "Attivare se la camera utilizzata e' metrica", nullptr, 4200,
     8280, 1455, 255, 43, F},

    {"Command9", pulsante, "Calcola -->", "Stampa il grafico corrente", nullptr, 6120, 7440, 1095,
     375, 10, B},

    {"Shape4", riquadro, "", nullptr, nullptr, 7320, 6600, 4095, 2295, -1, F},
    {"Label5", etichetta, "Progetto di presa:", nullptr, nullptr, 7440, 6720, 2055, 255, 42, B},
    {"lblFieldLabel(0)", etichetta_auto, "Base di presa:", nullptr, nullptr, 7440, 7080, 1005, 195,
     28, F},
    {"txt_basep", ingresso, "", "Base di presa calcolata", nullptr, 9000, 7080, 1065, 285, 27, B},
    {"Check5", spunta, "Blocca", "Attivare la casella per bloccare il valore impostato per la base",
     nullptr, 10200, 7080, 855, 255, 50, F},
    {"lblFieldLabel(4)", etichetta_auto, "Numero fotogrammi:", nullptr, nullptr, 7440, 7440, 1410,
     195, 30, F},
    {"txt_numfot", uscita, "", "Numero di fotogrammi stereoscopici da scattare", nullptr, 9000,
     7440, 1065, 285, 29, B},
    {"lblFieldLabel(9)", etichetta_auto, "Numero strisciate:", nullptr, nullptr, 7440, 7800, 1260,
     195, 40, F},
    {"txt_strinum", uscita, "", "Numero di strisciate orizzontali necessarie", nullptr, 9000, 7800,
     1065, 285, 39, B},
    {"Label7", etichetta, "Inclinazione camera:", nullptr, nullptr, 7440, 8160, 1575, 255, 49, F},
    {"txt_incli", uscita, "",
     "Inclinazione della camera (Viene supposta ad 1.5 m da terra; anziche' inclinare, "
     "l'operatore potrebbe alzarsi in quota.",
     nullptr, 9000, 8160, 1095, 285, 48, B},
    {"Label10", etichetta, "Numero di ingrandimenti", nullptr, nullptr, 10200, 8400, 975, 375, 57,
     F},
    {"Label9", etichetta, "Sovrapposizione %:", nullptr, nullptr, 7440, 8520, 1575, 255, 53, F},
    {"txt_sovrapp", uscita, "",
     "Percentuale di sovrapposizione tra i fotogrammi; se diventa rossa, occorre cambiare il "
     "rapporto base/distanza",
     nullptr, 9000, 8520, 495, 285, 54, F},
    {"txt_scalafot", uscita, "",
     "Numero di ingrandimenti del fotogramma rispetto alla scala dir restituzione", nullptr, 9600,
     8520, 495, 285, 56, F},

    {"Shape3", riquadro, "", nullptr, nullptr, 7320, 9000, 4095, 975, -1, F},
    {"lblFieldLabel(26)", etichetta_auto, "Precisione X / Z (mm):", nullptr, nullptr, 7440, 9120,
     1920, 195, 24, B},
    {"Txt_precis", uscita, "",
     "Precisione massima ottenibile utilizzando camere metriche e restitutori analitici di primo "
     "ordine",
     nullptr, 7440, 9360, 1185, 285, 20, B},
    {"Label8", etichetta, "<-- Max  Min -->", nullptr, nullptr, 8760, 9360, 1215, 255, 52, F},
    {"txt_precisau", uscita, "", "Precisione standard ottenibile", nullptr, 9960, 9360, 1215, 285,
     51, B},
    {"Command17", pulsante, "?", nullptr, nullptr, 9120, 9600, 375, 255, 55, B},

    {"Command1", pulsante, "Apri DXF", "Apre un file di disegno in formato DXF", nullptr, 240, 8640,
     1095, 255, 0, F},
    {"Command4", pulsante, "Salva BMP", "Salva il disegno corrente come Bitmap", nullptr, 1320,
     8640, 1215, 255, 3, F},
    {"Command8", pulsante, "Apri XYZ",
     "Apre un file di coordinate di punti di appoggio in formato <.XYZ>", nullptr, 2520, 8640, 1095,
     255, 9, F},
    {"Command7", pulsante, "Salva DXF", "Salva il disegno in formato DXF", nullptr, 3600, 8640,
     1215, 255, 8, F},
    {"Command10", pulsante, "Cancella PF", "Cancella i punti di appoggio selezionati", nullptr,
     4800, 8760, 1215, 255, 11, F},
    {"Label6", etichetta,
     "Impostare le caratteristiche del soggetto da rilevare e della camera utlizzata\r"
     "Cliccare su <calcola> per ottenere la precisione teorica, la base di presa,\r"
     "ed il numero dei fotogrammi da scattare. La camera viene supposta a 1.5 metri dal suolo.",
     nullptr, nullptr, 240, 9000, 6255, 615, 46, F},
};

}  // namespace

std::span<const atteso> attesi_principale() {
    return righe;
}

}  // namespace pianopre::prova
