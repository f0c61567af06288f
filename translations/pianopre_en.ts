<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>pianopre::dialogo_informazioni</name>
    <message>
        <source>Progetto di presa Stereofotogrammetrico</source>
        <translation>Stereo-photogrammetric shooting plan</translation>
    </message>
    <message>
        <source>Versione 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;System Info...</translation>
    </message>
</context>
<context>
    <name>pianopre::dialogo_note_precisione</name>
    <message>
        <source>Informazioni sulla precisione</source>
        <translation>About the precision</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>pianopre::finestra_collocazione</name>
    <message>
        <source>Colloca sul sito</source>
        <translation>Place on site</translation>
    </message>
    <message>
        <source>Est dell&apos;angolo A (m):</source>
        <translation>East of corner A (m):</translation>
    </message>
    <message>
        <source>Nord dell&apos;angolo A (m):</source>
        <translation>North of corner A (m):</translation>
    </message>
    <message>
        <source>Quota del terreno in A (m):</source>
        <translation>Ground elevation at A (m):</translation>
    </message>
    <message>
        <source>Azimut della facciata da A:</source>
        <translation>Azimuth of the façade from A:</translation>
    </message>
    <message>
        <source>gradi</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>gon</source>
        <translation>gon</translation>
    </message>
    <message>
        <source>Unità degli angoli:</source>
        <translation>Angle unit:</translation>
    </message>
    <message>
        <source>L&apos;azimut si misura da Nord in senso orario; le stazioni stanno a destra di chi cammina da A lungo la facciata.</source>
        <translation>The azimuth is measured clockwise from North; the stations lie on the right of someone walking from A along the façade.</translation>
    </message>
    <message>
        <source>Scegli sul disegno</source>
        <translation>Pick on the drawing</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>East</translation>
    </message>
    <message>
        <source>Nord</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Quota</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Errore: valore non valido in &quot;%1&quot;.</source>
        <translation>Error: invalid value in &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>pianopre::finestra_fotocamere</name>
    <message>
        <source>Fotocamere</source>
        <translation>Cameras</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Larghezza sensore o negativo (mm):</source>
        <translation>Sensor or negative width (mm):</translation>
    </message>
    <message>
        <source>Altezza sensore o negativo (mm):</source>
        <translation>Sensor or negative height (mm):</translation>
    </message>
    <message>
        <source>Larghezza immagine (pixel):</source>
        <translation>Image width (pixels):</translation>
    </message>
    <message>
        <source>Altezza immagine (pixel):</source>
        <translation>Image height (pixels):</translation>
    </message>
    <message>
        <source>Scansione pellicola (µm, 0 se no):</source>
        <translation>Film scan (µm, 0 if none):</translation>
    </message>
    <message>
        <source>Focale (mm, facoltativa):</source>
        <translation>Focal length (mm, optional):</translation>
    </message>
    <message>
        <source>Metrica</source>
        <translation>Metric</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Duplica</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Usa</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1
Le fotocamere predefinite restano disponibili; al primo salvataggio il file sarà conservato come %2.bak</source>
        <translation>%1
The preset cameras stay available; at the first save the file will be kept as %2.bak</translation>
    </message>
    <message>
        <source>Predefinita: si può duplicare, non modificare</source>
        <translation>Preset: it can be duplicated, not changed</translation>
    </message>
    <message>
        <source>Errore: valore non valido in &quot;%1&quot;.</source>
        <translation>Error: invalid value in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Larghezza sensore o negativo</source>
        <translation>Sensor or negative width</translation>
    </message>
    <message>
        <source>Altezza sensore o negativo</source>
        <translation>Sensor or negative height</translation>
    </message>
    <message>
        <source>Larghezza immagine</source>
        <translation>Image width</translation>
    </message>
    <message>
        <source>Altezza immagine</source>
        <translation>Image height</translation>
    </message>
    <message>
        <source>Scansione pellicola</source>
        <translation>Film scan</translation>
    </message>
    <message>
        <source>Focale</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source>%1 (copia)</source>
        <translation>%1 (copy)</translation>
    </message>
</context>
<context>
    <name>pianopre::finestra_principale</name>
    <message>
        <source>Vale dal prossimo avvio</source>
        <translation>Takes effect at the next start</translation>
    </message>
</context>
<context>
    <name>pianopre::finestra_stazioni</name>
    <message>
        <source>Stazioni e punti</source>
        <translation>Stations and points</translation>
    </message>
    <message>
        <source>Stazioni di presa (coordinate del sito):</source>
        <translation>Camera stations (site coordinates):</translation>
    </message>
    <message>
        <source>Modelli stereoscopici e punti di appoggio:</source>
        <translation>Stereo models and control points:</translation>
    </message>
    <message>
        <source>Nessun piano calcolato: premere &quot;Calcola --&gt;&quot;.</source>
        <translation>No plan computed: press &quot;Calculate --&gt;&quot;.</translation>
    </message>
    <message>
        <source>Nessun punto di appoggio caricato (Apri XYZ): %1 modelli senza punti.</source>
        <translation>No control points loaded (Open XYZ): %1 models without points.</translation>
    </message>
    <message>
        <source>Tutti i modelli hanno almeno 4 punti di appoggio.</source>
        <translation>Every model has at least 4 control points.</translation>
    </message>
    <message>
        <source>Modelli con meno di 4 punti di appoggio: %1.</source>
        <translation>Models with fewer than 4 control points: %1.</translation>
    </message>
</context>
<context>
    <name>pianopre::finestra_verifiche</name>
    <message>
        <source>Tolleranza grafica (mm):</source>
        <translation>Graphic tolerance (mm):</translation>
    </message>
    <message>
        <source>Divisore GSD:</source>
        <translation>GSD divisor:</translation>
    </message>
    <message>
        <source>Precisione di misura (pixel):</source>
        <translation>Measuring precision (pixels):</translation>
    </message>
    <message>
        <source>Circolo di confusione (pixel):</source>
        <translation>Circle of confusion (pixels):</translation>
    </message>
    <message>
        <source>Lunghezza d&apos;onda (mm):</source>
        <translation>Wavelength (mm):</translation>
    </message>
    <message>
        <source>Profondità del rilievo (m):</source>
        <translation>Relief depth (m):</translation>
    </message>
    <message>
        <source>Verifiche del piano</source>
        <translation>Plan checks</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Limite</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Nessun piano calcolato: premere &quot;Calcola --&gt;&quot;.</source>
        <translation>No plan computed: press &quot;Calculate --&gt;&quot;.</translation>
    </message>
    <message>
        <source>Errore: &quot;%1&quot; non è un numero.</source>
        <translation>Error: &quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <source>Fotocamera: %1</source>
        <translation>Camera: %1</translation>
    </message>
    <message>
        <source>Dimensione del pixel non nota: scegliere una fotocamera (Lavoro &gt; Fotocamera...).</source>
        <translation>Pixel size unknown: choose a camera (Job &gt; Camera...).</translation>
    </message>
</context>
<context>
    <name>pianopre::tabella_modelli_qt</name>
    <message>
        <source>Modello</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Lungo la facciata (m)</source>
        <translation>Along the façade (m)</translation>
    </message>
    <message>
        <source>In altezza (m)</source>
        <translation>In height (m)</translation>
    </message>
    <message>
        <source>Punti di appoggio</source>
        <translation>Control points</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Verdict</translation>
    </message>
</context>
<context>
    <name>pianopre::tabella_stazioni</name>
    <message>
        <source>Azimut (gon)</source>
        <translation>Azimuth (gon)</translation>
    </message>
    <message>
        <source>Azimut (°)</source>
        <translation>Azimuth (°)</translation>
    </message>
    <message>
        <source>Stazione</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Striscia</source>
        <translation>Strip</translation>
    </message>
    <message>
        <source>Fotogramma</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>East</translation>
    </message>
    <message>
        <source>Nord</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Quota</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Inclinazione (°)</source>
        <translation>Tilt (°)</translation>
    </message>
</context>
<context>
    <name>riga_comando</name>
    <message>
        <source>Errore: %1. Usare pianopre --help per le opzioni.</source>
        <translation>Error: %1. Use pianopre --help for the options.</translation>
    </message>
    <message>
        <source>lingua sconosciuta &quot;%1&quot; (it o en)</source>
        <translation>unknown language &quot;%1&quot; (it or en)</translation>
    </message>
    <message>
        <source>manca il file dopo %1</source>
        <translation>missing file after %1</translation>
    </message>
    <message>
        <source>l&apos;opzione %1 è ripetuta</source>
        <translation>option %1 is repeated</translation>
    </message>
    <message>
        <source>opzione sconosciuta %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>argomento in più %1</source>
        <translation>extra argument %1</translation>
    </message>
    <message>
        <source>le opzioni di uscita valgono solo con --calcola</source>
        <translation>output options are valid only with --calcola</translation>
    </message>
    <message>
        <source>un solo file da aprire, non %1</source>
        <translation>one file to open, not %1</translation>
    </message>
    <message>
        <source>Uso: pianopre [--lingua it|en] [FILE]
     pianopre --calcola LAVORO.pianopre [--json] [--dxf F.dxf] [--csv F.csv]
              [--pdf F.pdf] [--bmp BASE] [--lingua it|en]

Senza opzioni apre la finestra; FILE può essere un lavoro (.pianopre), un
disegno (.dxf) o dei punti di appoggio (.xyz).

  --calcola LAVORO  calcola il lavoro senza finestra e scrive i risultati,
                    uno per riga come &quot;etichetta: valore&quot;
  --json            i risultati come un oggetto JSON a piena precisione
  --dxf F.dxf       salva lo schema in DXF, come &quot;Salva DXF&quot;
  --csv F.csv       esporta le stazioni e i punti di appoggio in CSV
  --pdf F.pdf       salva il report del piano in PDF
  --bmp BASE        salva le tre viste come BASEp.bmp, BASEf.bmp, BASEa.bmp
  --lingua it|en    testi in italiano o in inglese (altrimenti come il sistema
                    o come scelto nel menu &quot;?&quot;); i numeri seguono sempre il
                    formato regionale
  --help, -h        mostra questo aiuto
  --version         mostra la versione

Uscita: 0 riuscito, 1 errore, 2 riga di comando errata.
</source>
        <translation>Usage: pianopre [--lingua it|en] [FILE]
       pianopre --calcola JOB.pianopre [--json] [--dxf F.dxf] [--csv F.csv]
                [--pdf F.pdf] [--bmp BASE] [--lingua it|en]

Without options it opens the window; FILE may be a job (.pianopre), a
drawing (.dxf) or control points (.xyz).

  --calcola JOB     computes the job without a window and writes the results,
                    one per line as &quot;label: value&quot;
  --json            the results as one JSON object at full precision
  --dxf F.dxf       saves the scheme as DXF, as &quot;Save DXF&quot; does
  --csv F.csv       exports the stations and the control points as CSV
  --pdf F.pdf       saves the report of the plan as PDF
  --bmp BASE        saves the three views as BASEp.bmp, BASEf.bmp, BASEa.bmp
  --lingua it|en    texts in Italian or in English (otherwise as the system
                    or as chosen in the &quot;?&quot; menu); numbers always follow the
                    regional format
  --help, -h        shows this help
  --version         shows the version

Exit status: 0 done, 1 error, 2 bad command line.
</translation>
    </message>
</context>
<context>
    <name>testi_info</name>
    <message>
        <source>Il programma permette di calcolare, in base alla camera utilizzata, alle dimensioni dell&apos;oggetto, alla distanza di presa, il numero dei fotogrammi da scattare, il numero delle strisciate e la precisione teorica ottenibile dalla restituzione fotogrammetrica.</source>
        <translation>From the camera used, the size of the object and the shooting distance, the program computes the number of frames to take, the number of strips and the theoretical precision the photogrammetric restitution can reach.</translation>
    </message>
    <message>
        <source>Questo programma aiuta a progettare le prese stereofotogrammetriche. I valori calcolati sono stime teoriche: l&apos;operatore li verifica sul posto prima di scattare.</source>
        <translation>This program helps to plan stereo-photogrammetric photography. The computed values are theoretical estimates: the operator checks them on site before shooting.</translation>
    </message>
    <message>
        <source>Il programma è fornito così com&apos;è, senza garanzie di alcun tipo, esplicite o implicite.</source>
        <translation>The program is provided as is, without warranties of any kind, express or implied.</translation>
    </message>
    <message>
        <source>Chi lo usa risponde delle scelte fatte in base ai risultati calcolati.</source>
        <translation>Users are responsible for the choices they make on the computed results.</translation>
    </message>
    <message>
        <source>Può essere copiato e usato liberamente per studio e per lavoro.</source>
        <translation>It may be freely copied and used for study and for work.</translation>
    </message>
    <message>
        <source>Segnalazioni e suggerimenti sono graditi agli indirizzi qui sotto.</source>
        <translation>Reports and suggestions are welcome at the addresses below.</translation>
    </message>
    <message>
        <source>Le informazioni sul sistema non sono attualmente disponibili.</source>
        <translation>System information is currently unavailable.</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Informazioni su %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Le precisioni calcolate si riferiscono all&apos;utilizzo di camere singole (non bicamere).</source>
        <translation>The computed precisions refer to single cameras (not twin cameras).</translation>
    </message>
    <message>
        <source>Il valore di sinistra indica la precisione massima ottenibile, quando siano </source>
        <translation>The left value is the highest precision attainable when </translation>
    </message>
    <message>
        <source>verificate le seguenti condizioni: </source>
        <translation>the following conditions are met: </translation>
    </message>
    <message>
        <source>- Uso di camera metrica con obiettivo calibrato;</source>
        <translation>- a metric camera with a calibrated lens is used;</translation>
    </message>
    <message>
        <source>- pellicola professionale ad elevata risoluzione;</source>
        <translation>- professional high-resolution film;</translation>
    </message>
    <message>
        <source>- precisione elevata sui punti di appoggio </source>
        <translation>- high precision of the control points</translation>
    </message>
    <message>
        <source> in proporzione alla scala di rappresentazione;</source>
        <translation> in proportion to the restitution scale;</translation>
    </message>
    <message>
        <source>- restituzione effettuata con strumento analitico di 1. ordine</source>
        <translation>- restitution with a first-order analytical plotter</translation>
    </message>
    <message>
        <source>Il valore di destra indica le precisioni ottenibili in condizioni di lavoro normali: </source>
        <translation>The right value is the precision attainable under normal working conditions: </translation>
    </message>
    <message>
        <source>- camere metriche o semimetriche</source>
        <translation>- metric or semi-metric cameras</translation>
    </message>
    <message>
        <source>- precisione sui punti d&apos;appoggio +/- 4 mm </source>
        <translation>- control point precision +/- 4 mm </translation>
    </message>
    <message>
        <source>- strumenti di restituzione analogici, analitici inferiori al 1. ordine, restitutori digitali. </source>
        <translation>- analogue plotters, analytical plotters below first order, digital plotters. </translation>
    </message>
    <message>
        <source>Entrambi i valori vengono aumentati se non si utilizzano camere metriche o semimetriche.</source>
        <translation>Both values increase when the cameras are neither metric nor semi-metric.</translation>
    </message>
    <message>
        <source>NOTA: Non si vuole sminuire la precisione dei restitutori digitali ponendoli tra le</source>
        <translation>NOTE: Listing digital plotters among the</translation>
    </message>
    <message>
        <source> le attrezzature che diminuiscono la precisione del risultato, ma il loro corretto utilizzo</source>
        <translation> equipment that lowers the precision of the result does not belittle them, but their proper use</translation>
    </message>
    <message>
        <source> dipende da fattori (risoluzione di acquisizione, scanner utilizzato,...)</source>
        <translation> depends on factors (scanning resolution, scanner used,...)</translation>
    </message>
    <message>
        <source> che questo applicativo in versione demo non gestisce.</source>
        <translation> that this demo version of the program does not handle.</translation>
    </message>
</context>
</TS>
