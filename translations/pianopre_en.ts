<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>comandi_bmp</name>
    <message>
        <source>Errore N.: %1 salvando il file: %2</source>
        <translation>Error No.: %1 saving the file: %2</translation>
    </message>
    <message>
        <source>Voi salvare i bitmap di tutte le tre viste ?</source>
        <translation>Save the bitmaps of all three views?</translation>
    </message>
    <message>
        <source>Salvataggio dei bitmap %1p.bmp, f.bmp, a.bmp</source>
        <translation>Saving the bitmaps %1p.bmp, f.bmp, a.bmp</translation>
    </message>
</context>
<context>
    <name>comandi_copertura</name>
    <message>
        <source>Nessun piano calcolato: premere &quot;Calcola --&gt;&quot;.</source>
        <translation>No plan computed: press &quot;Compute --&gt;&quot;.</translation>
    </message>
    <message>
        <source>L&apos;ultimo calcolo non è riuscito: correggere i dati e premere &quot;Calcola --&gt;&quot;.</source>
        <translation>The last calculation failed: correct the data and press &quot;Compute --&gt;&quot;.</translation>
    </message>
</context>
<context>
    <name>comandi_disegno</name>
    <message>
        <source>Lettura di %1</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>Errore: Non ho trovato la sezione LAYER</source>
        <translation>Error: LAYER section not found</translation>
    </message>
    <message>
        <source>File non selezionato.Operazione annullata</source>
        <translation>No file selected. Operation cancelled</translation>
    </message>
    <message>
        <source>Troppi punti nel file di input. Operaziona annullata</source>
        <translation>Too many points in the input file. Operation cancelled</translation>
    </message>
    <message>
        <source>Punto incompleto alla riga %1 del file di input. Punto ignorato</source>
        <translation>Incomplete point at line %1 of the input file. Point ignored</translation>
    </message>
    <message>
        <source>Errore: Non ho trovato la sezione entita nel file: %1</source>
        <translation>Error: entities section not found in the file: %1</translation>
    </message>
    <message>
        <source>Il disegno è vuoto. Salvare comunque un file DXF senza entità?</source>
        <translation>The drawing is empty. Save a DXF file with no entities anyway?</translation>
    </message>
</context>
<context>
    <name>comandi_lavoro</name>
    <message>
        <source>TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici</source>
        <translation>TE.C.L.A. srl - Stereo-photogrammetric Shooting Plan for Architectural Surveys</translation>
    </message>
    <message>
        <source>Salvare le modifiche al lavoro?</source>
        <translation>Save the changes to the job?</translation>
    </message>
    <message>
        <source>Errore: non riesco a leggere il disegno del sito %1 del lavoro %2</source>
        <translation>Error: cannot read the site drawing %1 of the job %2</translation>
    </message>
</context>
<context>
    <name>comandi_punti</name>
    <message>
        <source>... e altre %1 righe</source>
        <translation>... and %1 more lines</translation>
    </message>
    <message>
        <source>Attenzione: nel file %1 queste righe non sono punti e non sono state importate:
%2</source>
        <translation>Warning: these lines of the file %1 are not points and were not imported:
%2</translation>
    </message>
    <message>
        <source>Nessun punto di appoggio da cancellare.</source>
        <translation>No control points to clear.</translation>
    </message>
    <message>
        <source>Cancellare tutti i punti di appoggio (%1)?</source>
        <translation>Clear all the control points (%1)?</translation>
    </message>
    <message>
        <source>Errore: l&apos;elenco ha già %1 punti di appoggio, il massimo.</source>
        <translation>Error: the list already holds %1 control points, the maximum.</translation>
    </message>
    <message>
        <source>Errore: non riesco a leggere il file di punti %1.</source>
        <translation>Error: cannot read the point file %1.</translation>
    </message>
    <message>
        <source>Errore: il file %1 ha più punti di quanti l&apos;elenco ne possa tenere (%2): nessun punto importato.</source>
        <translation>Error: the file %1 has more points than the list can hold (%2): no point imported.</translation>
    </message>
    <message>
        <source>Errore: nessun punto di appoggio nel file %1.</source>
        <translation>Error: no control points in the file %1.</translation>
    </message>
</context>
<context>
    <name>comandi_report</name>
    <message>
        <source>Errore: nessun piano da stampare: premere &quot;Calcola --&gt;&quot;.</source>
        <translation>Error: no plan to print: press &quot;Compute --&gt;&quot;.</translation>
    </message>
    <message>
        <source>senza nome</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>Report %1</source>
        <translation>Report %1</translation>
    </message>
    <message>
        <source>Stampa il piano</source>
        <translation>Print the plan</translation>
    </message>
    <message>
        <source>Errore: impossibile stampare il piano.</source>
        <translation>Error: cannot print the plan.</translation>
    </message>
</context>
<context>
    <name>comandi_sito</name>
    <message>
        <source>Fare clic sull&apos;angolo A della facciata, poi su un secondo punto B della linea di facciata.</source>
        <translation>Click the corner A of the façade, then a second point B on the façade line.</translation>
    </message>
    <message>
        <source>Errore: i punti A e B coincidono.</source>
        <translation>Error: points A and B coincide.</translation>
    </message>
</context>
<context>
    <name>comandi_stazioni</name>
    <message>
        <source>Esporta stazioni CSV</source>
        <translation>Export stations CSV</translation>
    </message>
    <message>
        <source>PNEZD (punto, Nord, Est, quota, descrizione)</source>
        <translation>PNEZD (point, North, East, elevation, description)</translation>
    </message>
    <message>
        <source>PENZD (punto, Est, Nord, quota, descrizione)</source>
        <translation>PENZD (point, East, North, elevation, description)</translation>
    </message>
    <message>
        <source>virgola e punto decimale</source>
        <translation>comma and decimal point</translation>
    </message>
    <message>
        <source>punto e virgola e virgola decimale</source>
        <translation>semicolon and decimal comma</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Colonne:</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>Separatori:</source>
        <translation>Separators:</translation>
    </message>
    <message>
        <source>Errore: nessun piano da esportare: premere &quot;Calcola --&gt;&quot;.</source>
        <translation>Error: no plan to export: press &quot;Compute --&gt;&quot;.</translation>
    </message>
</context>
<context>
    <name>comandi_verifiche</name>
    <message>
        <source>Nessun piano calcolato: premere &quot;Calcola --&gt;&quot;.</source>
        <translation>No plan computed: press &quot;Compute --&gt;&quot;.</translation>
    </message>
    <message>
        <source>L&apos;ultimo calcolo non è riuscito: correggere i dati e premere &quot;Calcola --&gt;&quot;.</source>
        <translation>The last calculation failed: correct the data and press &quot;Compute --&gt;&quot;.</translation>
    </message>
</context>
<context>
    <name>convergenti</name>
    <message>
        <source>Errore: l&apos;angolo delle immagini convergenti deve essere tra 0° e 90°.</source>
        <translation>Error: the angle of the convergent images must be between 0° and 90°.</translation>
    </message>
</context>
<context>
    <name>csv_punti</name>
    <message>
        <source>riga %1: servono nome, due coordinate e quota</source>
        <translation>line %1: a name, two coordinates and an elevation are needed</translation>
    </message>
    <message>
        <source>riga %1: manca il nome del punto</source>
        <translation>line %1: the point has no name</translation>
    </message>
    <message>
        <source>riga %1, colonna %2: manca il numero</source>
        <translation>line %1, column %2: the number is missing</translation>
    </message>
    <message>
        <source>riga %1, colonna %2: &quot;%3&quot; non è un numero</source>
        <translation>line %1, column %2: &quot;%3&quot; is not a number</translation>
    </message>
</context>
<context>
    <name>errori</name>
    <message>
        <source>Errore %1</source>
        <translation>Error %1</translation>
    </message>
</context>
<context>
    <name>esiti</name>
    <message>
        <source>n/d</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Non soddisfatto</source>
        <translation>Not met</translation>
    </message>
</context>
<context>
    <name>esporta_geo_dialogo</name>
    <message>
        <source>KML (Google Earth, programmi GIS)</source>
        <translation>KML (Google Earth, GIS programs)</translation>
    </message>
    <message>
        <source>GeoJSON (programmi GIS, web)</source>
        <translation>GeoJSON (GIS programs, web)</translation>
    </message>
    <message>
        <source>DJI WPML .kmz (DJI Pilot 2, FlightHub 2)</source>
        <translation>DJI WPML .kmz (DJI Pilot 2, FlightHub 2)</translation>
    </message>
    <message>
        <source>Litchi CSV (Mission Hub)</source>
        <translation>Litchi CSV (Mission Hub)</translation>
    </message>
    <message>
        <source>QGroundControl .plan</source>
        <translation>QGroundControl .plan</translation>
    </message>
    <message>
        <source>Esporta per mappe e droni</source>
        <translation>Export for maps and drones</translation>
    </message>
    <message>
        <source>Sistema di riferimento: %1</source>
        <translation>Coordinate system: %1</translation>
    </message>
    <message>
        <source>Mappe: stazioni, facciata e punti di appoggio</source>
        <translation>Maps: stations, façade and control points</translation>
    </message>
    <message>
        <source>Missioni del drone: una foto per stazione</source>
        <translation>Drone missions: one photo per station</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>esportazioni_geo</name>
    <message>
        <source>Errore: un punto è fuori dal campo del sistema di riferimento.</source>
        <translation>Error: a point lies outside the area of the coordinate system.</translation>
    </message>
    <message>
        <source>Errore: nessuna stazione. Calcolare il piano prima di esportarlo.</source>
        <translation>Error: no stations. Compute the plan before exporting it.</translation>
    </message>
</context>
<context>
    <name>file_lavoro</name>
    <message>
        <source>Errore: il disegno del sito &quot;%1&quot; del lavoro &quot;%2&quot; non c&apos;è più: il lavoro si apre senza.</source>
        <translation>Error: the site drawing &quot;%1&quot; of the job &quot;%2&quot; is no longer there: the job opens without it.</translation>
    </message>
    <message>
        <source>deve essere &quot;gradi&quot; o &quot;gon&quot;</source>
        <translation>must be &quot;gradi&quot; or &quot;gon&quot;</translation>
    </message>
    <message>
        <source>deve essere un elenco di %1 numeri</source>
        <translation>must be a list of %1 numbers</translation>
    </message>
    <message>
        <source>ha un numero fuori dall&apos;intervallo ±%1</source>
        <translation>has a number outside the range ±%1</translation>
    </message>
    <message>
        <source>deve essere &quot;pianta&quot;, &quot;fronte&quot; o &quot;assonometria&quot;</source>
        <translation>must be &quot;pianta&quot;, &quot;fronte&quot; or &quot;assonometria&quot;</translation>
    </message>
    <message>
        <source>deve avere larghezza e altezza non nulle</source>
        <translation>must have a width and height other than zero</translation>
    </message>
    <message>
        <source>ha più di %1 punti</source>
        <translation>has more than %1 points</translation>
    </message>
    <message>
        <source>punto %1 di &quot;punti.elenco&quot;</source>
        <translation>point %1 of &quot;punti.elenco&quot;</translation>
    </message>
    <message>
        <source>%1 non è un oggetto</source>
        <translation>%1 is not an object</translation>
    </message>
    <message>
        <source>non è un lavoro di pianopre (manca &quot;formato&quot;)</source>
        <translation>is not a pianopre job (&quot;formato&quot; is missing)</translation>
    </message>
    <message>
        <source>non è un lavoro di pianopre (&quot;formato&quot; non è &quot;pianopre-lavoro&quot;)</source>
        <translation>is not a pianopre job (&quot;formato&quot; is not &quot;pianopre-lavoro&quot;)</translation>
    </message>
    <message>
        <source>manca &quot;versione&quot;</source>
        <translation>&quot;versione&quot; is missing</translation>
    </message>
    <message>
        <source>deve essere un numero intero positivo</source>
        <translation>must be a positive whole number</translation>
    </message>
    <message>
        <source>Il lavoro &quot;%1&quot; è stato scritto da una versione più recente (versione %2): apro ciò che conosco.</source>
        <translation>The job &quot;%1&quot; was written by a newer version (version %2): opening what this version knows.</translation>
    </message>
    <message>
        <source>Errore: impossibile salvare il file: %1 (%2).</source>
        <translation>Error: cannot save the file: %1 (%2).</translation>
    </message>
    <message>
        <source>un testo o un percorso non è UTF-8 valido</source>
        <translation>a text or a path is not valid UTF-8</translation>
    </message>
    <message>
        <source>Errore: file &quot;%1&quot;: %2. Il lavoro si apre con il sistema di riferimento com&apos;è scritto: correggerlo in &quot;Colloca sul sito...&quot;.</source>
        <translation>Error: file &quot;%1&quot;: %2. The job opens with the coordinate system as written: correct it in &quot;Place on site...&quot;.</translation>
    </message>
    <message>
        <source>Errore: file &quot;%1&quot;: &quot;collocazione.sistema&quot; deve essere un testo di al più %2 byte: il lavoro si apre senza sistema di riferimento.</source>
        <translation>Error: file &quot;%1&quot;: &quot;collocazione.sistema&quot; must be a text of at most %2 bytes: the job opens without a coordinate system.</translation>
    </message>
</context>
<context>
    <name>file_missione</name>
    <message>
        <source>la missione non ha punti</source>
        <translation>the mission has no waypoints</translation>
    </message>
    <message>
        <source>le azioni non corrispondono ai punti</source>
        <translation>the actions do not match the waypoints</translation>
    </message>
    <message>
        <source>un punto ha più di %1 azioni, il massimo che il formato ammette</source>
        <translation>a waypoint has more than %1 actions, the most the format allows</translation>
    </message>
    <message>
        <source>la missione ha un valore che non è un numero</source>
        <translation>the mission has a value that is not a number</translation>
    </message>
    <message>
        <source>l&apos;archivio della missione non si può comporre</source>
        <translation>the mission archive cannot be built</translation>
    </message>
    <message>
        <source>la missione ha più di 65536 punti</source>
        <translation>the mission has more than 65536 waypoints</translation>
    </message>
</context>
<context>
    <name>file_testo</name>
    <message>
        <source>%1 byte</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>non si trova un nome per il file temporaneo</source>
        <translation>no name is free for the temporary file</translation>
    </message>
    <message>
        <source>il collegamento non porta a un file</source>
        <translation>the link does not lead to a file</translation>
    </message>
    <message>
        <source>la cartella non è scrivibile</source>
        <translation>the folder is not writable</translation>
    </message>
    <message>
        <source>la scrittura non è riuscita</source>
        <translation>writing failed</translation>
    </message>
    <message>
        <source>non si può sostituire</source>
        <translation>cannot be replaced</translation>
    </message>
    <message>
        <source>non esiste</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>non è un file</source>
        <translation>is not a file</translation>
    </message>
    <message>
        <source>non si può leggere</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>è troppo grande (oltre %1)</source>
        <translation>is too large (over %1)</translation>
    </message>
    <message>
        <source>non si può aprire</source>
        <translation>cannot be opened</translation>
    </message>
    <message>
        <source>la cartella non si può creare</source>
        <translation>the folder cannot be created</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>is a folder</translation>
    </message>
</context>
<context>
    <name>fotocamere</name>
    <message>
        <source>fotocamera %1 (&quot;%2&quot;)</source>
        <translation>camera %1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>fotocamera %1</source>
        <translation>camera %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve essere maggiore di 0 e al più %2</source>
        <translation>&quot;%1&quot; must be greater than 0 and at most %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve essere tra 0 e %2</source>
        <translation>&quot;%1&quot; must be between 0 and %2</translation>
    </message>
    <message>
        <source>il nome è vuoto</source>
        <translation>the name is empty</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>manca</source>
        <translation>is missing</translation>
    </message>
    <message>
        <source>deve essere tra 0 e %1</source>
        <translation>must be between 0 and %1</translation>
    </message>
    <message>
        <source>fotocamera %1, &quot;%2&quot; %3</source>
        <translation>camera %1, &quot;%2&quot; %3</translation>
    </message>
    <message>
        <source>la fotocamera %1 non è un oggetto</source>
        <translation>camera %1 is not an object</translation>
    </message>
    <message>
        <source>manca l&apos;elenco &quot;fotocamere&quot;</source>
        <translation>the list &quot;fotocamere&quot; is missing</translation>
    </message>
    <message>
        <source>&quot;fotocamere&quot; non è un elenco</source>
        <translation>&quot;fotocamere&quot; is not a list</translation>
    </message>
    <message>
        <source>un nome non è testo UTF-8 valido</source>
        <translation>a name is not valid UTF-8 text</translation>
    </message>
    <message>
        <source>l&apos;immagine di %1 × %2 pixel ha proporzioni %3 e il sensore di %4 × %5 mm %6: differiscono di più del 5 %, quindi i pixel non sarebbero quadrati (larghezza e altezza scambiate o un valore sbagliato?)</source>
        <translation>the image of %1 × %2 pixels has an aspect of %3 and the sensor of %4 × %5 mm one of %6: they differ by more than 5 %, so the pixels would not be square (width and height swapped, or a wrong value?)</translation>
    </message>
    <message>
        <source>la focale di %1 mm non è quella di un obiettivo: deve essere tra %2 e %3 mm</source>
        <translation>a focal length of %1 mm is not a lens&apos;s: it must be between %2 and %3 mm</translation>
    </message>
</context>
<context>
    <name>lavori_recenti</name>
    <message>
        <source>(nessuno)</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>layout_principale</name>
    <message>
        <source>Impostare le caratteristiche del soggetto da rilevare e della camera utlizzata
Cliccare su &lt;calcola&gt; per ottenere la precisione teorica, la base di presa,
ed il numero dei fotogrammi da scattare. La camera viene supposta a 1.5 metri dal suolo.</source>
        <translation>Enter the data of the object to survey and of the camera used.
Click &lt;compute&gt; to get the theoretical precision, the base
and the number of frames to take. The camera is assumed 1.5 metres above the ground.</translation>
    </message>
    <message>
        <source>Posiziona schema</source>
        <translation>Scheme position</translation>
    </message>
    <message>
        <source>Centra</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Sposta schema</source>
        <translation>Move scheme</translation>
    </message>
    <message>
        <source>Disegno</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Fronte</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Imposta la vista frontale; (cliccare su Ridisegna)</source>
        <translation>Sets the front view; (click Redraw)</translation>
    </message>
    <message>
        <source>Assonom.</source>
        <translation>Axonom.</translation>
    </message>
    <message>
        <source>Imposta la vista assonometrica;(cliccare su Ridisegna)</source>
        <translation>Sets the axonometric view; (click Redraw)</translation>
    </message>
    <message>
        <source>Ridisegna</source>
        <translation>Redraw</translation>
    </message>
    <message>
        <source>Zoom avanti</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom indietro</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Caratteristiche lavoro:</source>
        <translation>Job data:</translation>
    </message>
    <message>
        <source>Scala di restituzione</source>
        <translation>Restitution scale</translation>
    </message>
    <message>
        <source>Scala di rappresentazione del rilievo</source>
        <translation>Plotting scale of the survey</translation>
    </message>
    <message>
        <source>Larghezza soggetto:</source>
        <translation>Object width:</translation>
    </message>
    <message>
        <source>Larghezza dell&apos;oggetto da rilevare (Metri)</source>
        <translation>Width of the object to survey (metres)</translation>
    </message>
    <message>
        <source>Altezza del soggetto:</source>
        <translation>Object height:</translation>
    </message>
    <message>
        <source>Distanza di presa:</source>
        <translation>Shooting distance:</translation>
    </message>
    <message>
        <source>Distanza della camera da presa</source>
        <translation>Distance of the camera from the object</translation>
    </message>
    <message>
        <source>Caratteristiche camera:</source>
        <translation>Camera data:</translation>
    </message>
    <message>
        <source>Lunghezza focale (mm):</source>
        <translation>Focal length (mm):</translation>
    </message>
    <message>
        <source>Lunghezza focale dell&apos;obiettivo utilizzato.</source>
        <translation>Focal length of the lens used.</translation>
    </message>
    <message>
        <source>Larghezza negativo (mm):</source>
        <translation>Negative width (mm):</translation>
    </message>
    <message>
        <source>Larghezza del negativo in mm.</source>
        <translation>Width of the negative in mm.</translation>
    </message>
    <message>
        <source>Altezza negativo (mm):</source>
        <translation>Negative height (mm):</translation>
    </message>
    <message>
        <source>Altezza del negativo in mm.</source>
        <translation>Height of the negative in mm.</translation>
    </message>
    <message>
        <source>Spazio a disposizione davanti all&apos;oggetto</source>
        <translation>Free space in front of the object</translation>
    </message>
    <message>
        <source>Metrica</source>
        <translation>Metric</translation>
    </message>
    <message>
        <source>Attivare se la camera utilizzata e&apos; metrica</source>
        <translation>Tick if the camera used is metric</translation>
    </message>
    <message>
        <source>Calcola --&gt;</source>
        <translation>Compute --&gt;</translation>
    </message>
    <message>
        <source>Stampa il grafico corrente</source>
        <translation>Prints the current graph</translation>
    </message>
    <message>
        <source>Progetto di presa:</source>
        <translation>Shooting plan:</translation>
    </message>
    <message>
        <source>Base di presa:</source>
        <translation>Base:</translation>
    </message>
    <message>
        <source>Base di presa calcolata</source>
        <translation>Computed base</translation>
    </message>
    <message>
        <source>Blocca</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Attivare la casella per bloccare il valore impostato per la base</source>
        <translation>Tick the box to lock the value set for the base</translation>
    </message>
    <message>
        <source>Numero fotogrammi:</source>
        <translation>Number of frames:</translation>
    </message>
    <message>
        <source>Numero di fotogrammi stereoscopici da scattare</source>
        <translation>Number of stereo frames to take</translation>
    </message>
    <message>
        <source>Numero strisciate:</source>
        <translation>Number of strips:</translation>
    </message>
    <message>
        <source>Numero di strisciate orizzontali necessarie</source>
        <translation>Number of horizontal strips needed</translation>
    </message>
    <message>
        <source>Inclinazione camera:</source>
        <translation>Camera tilt:</translation>
    </message>
    <message>
        <source>Inclinazione della camera (Viene supposta ad 1.5 m da terra; anziche&apos; inclinare, l&apos;operatore potrebbe alzarsi in quota.</source>
        <translation>Camera tilt (the camera is assumed 1.5 m above the ground; instead of tilting it, the operator could shoot from higher up.</translation>
    </message>
    <message>
        <source>Numero di ingrandimenti</source>
        <translation>Enlargement factor</translation>
    </message>
    <message>
        <source>Sovrapposizione %:</source>
        <translation>Overlap %:</translation>
    </message>
    <message>
        <source>Percentuale di sovrapposizione tra i fotogrammi; se diventa rossa, occorre cambiare il rapporto base/distanza</source>
        <translation>Overlap between the frames in per cent; when it turns red, the base-to-distance ratio must be changed</translation>
    </message>
    <message>
        <source>Numero di ingrandimenti del fotogramma rispetto alla scala dir restituzione</source>
        <translation>Enlargement of the frame with respect to the restitution scale</translation>
    </message>
    <message>
        <source>Precisione X / Z (mm):</source>
        <translation>Precision X / Z (mm):</translation>
    </message>
    <message>
        <source>Precisione massima ottenibile utilizzando camere metriche e restitutori analitici di primo ordine</source>
        <translation>Best precision obtainable with metric cameras and first-order analytical plotters</translation>
    </message>
    <message>
        <source>&lt;-- Max  Min --&gt;</source>
        <translation>&lt;-- Max  Min --&gt;</translation>
    </message>
    <message>
        <source>Precisione standard ottenibile</source>
        <translation>Standard precision obtainable</translation>
    </message>
    <message>
        <source>Apri DXF</source>
        <translation>Open DXF</translation>
    </message>
    <message>
        <source>Apre un file di disegno in formato DXF</source>
        <translation>Opens a drawing file in DXF format</translation>
    </message>
    <message>
        <source>Salva BMP</source>
        <translation>Save BMP</translation>
    </message>
    <message>
        <source>Salva il disegno corrente come Bitmap</source>
        <translation>Saves the current drawing as a bitmap</translation>
    </message>
    <message>
        <source>Apri XYZ</source>
        <translation>Open XYZ</translation>
    </message>
    <message>
        <source>Apre un file di coordinate di punti di appoggio in formato &lt;.XYZ&gt;</source>
        <translation>Opens a file of control point coordinates in &lt;.XYZ&gt; format</translation>
    </message>
    <message>
        <source>Salva DXF</source>
        <translation>Save DXF</translation>
    </message>
    <message>
        <source>Salva il disegno in formato DXF</source>
        <translation>Saves the drawing in DXF format</translation>
    </message>
    <message>
        <source>Cancella PF</source>
        <translation>Delete CP</translation>
    </message>
    <message>
        <source>Cancella i punti di appoggio selezionati</source>
        <translation>Deletes the selected control points</translation>
    </message>
</context>
<context>
    <name>lettura_json</name>
    <message>
        <source>Errore: file &quot;%1&quot;: %2.</source>
        <translation>Error: file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>riga %1, colonna %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>non è un testo JSON valido (%1)</source>
        <translation>is not valid JSON text (%1)</translation>
    </message>
    <message>
        <source>contiene un numero fuori scala</source>
        <translation>holds a number out of range</translation>
    </message>
    <message>
        <source>non è un testo JSON valido</source>
        <translation>is not valid JSON text</translation>
    </message>
    <message>
        <source>deve essere un oggetto</source>
        <translation>must be an object</translation>
    </message>
    <message>
        <source>deve essere un elenco</source>
        <translation>must be a list</translation>
    </message>
    <message>
        <source>deve essere un testo</source>
        <translation>must be a text</translation>
    </message>
    <message>
        <source>è troppo lungo (oltre %1 byte)</source>
        <translation>is too long (over %1 bytes)</translation>
    </message>
    <message>
        <source>deve essere true o false</source>
        <translation>must be true or false</translation>
    </message>
    <message>
        <source>deve essere un numero</source>
        <translation>must be a number</translation>
    </message>
    <message>
        <source>deve essere tra -%1 e %2</source>
        <translation>must be between -%1 and %2</translation>
    </message>
    <message>
        <source>Errore: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>non va bene: %1</source>
        <translation>is not valid: %1</translation>
    </message>
    <message>
        <source>deve essere un numero intero</source>
        <translation>must be a whole number</translation>
    </message>
    <message>
        <source>deve essere al più %1</source>
        <translation>must be at most %1</translation>
    </message>
    <message>
        <source>non contiene un oggetto JSON</source>
        <translation>does not hold a JSON object</translation>
    </message>
</context>
<context>
    <name>letture_caselle</name>
    <message>
        <source>Errore: la larghezza del soggetto non può essere negativa (%1).</source>
        <translation>Error: the object width cannot be negative (%1).</translation>
    </message>
    <message>
        <source>Errore: l&apos;altezza del soggetto non può essere negativa (%1).</source>
        <translation>Error: the object height cannot be negative (%1).</translation>
    </message>
    <message>
        <source>Errore: la distanza di presa non può essere negativa (%1).</source>
        <translation>Error: the shooting distance cannot be negative (%1).</translation>
    </message>
    <message>
        <source>Errore: la scala di restituzione non può essere negativa (%1).</source>
        <translation>Error: the restitution scale cannot be negative (%1).</translation>
    </message>
</context>
<context>
    <name>mappa</name>
    <message>
        <source>Immagini</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Angolo</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>σ profondità</source>
        <translation>σ depth</translation>
    </message>
    <message>
        <source>σ massimo</source>
        <translation>Largest σ</translation>
    </message>
    <message>
        <source>Vista da ≥ 2 immagini: %1; da ≥ 3: %2</source>
        <translation>Seen by ≥ 2 images: %1; by ≥ 3: %2</translation>
    </message>
    <message>
        <source>; σ massimo ≤ %1: %2</source>
        <translation>; largest σ ≤ %1: %2</translation>
    </message>
    <message>
        <source>; σ peggiore %1 a u = %2, w = %3</source>
        <translation>; worst σ %1 at u = %2, w = %3</translation>
    </message>
    <message>
        <source>; nessun σ calcolato</source>
        <translation>; no σ computed</translation>
    </message>
    <message>
        <source>Copertura</source>
        <translation>Coverage</translation>
    </message>
    <message>
        <source>≥ %1 vista da ≥ 3 immagini</source>
        <translation>≥ %1 seen by ≥ 3 images</translation>
    </message>
    <message>
        <source>≥ %1 vista da ≥ 2 immagini</source>
        <translation>≥ %1 seen by ≥ 2 images</translation>
    </message>
    <message>
        <source>quota delle celle della facciata il cui centro cade dentro il fotogramma e davanti alla camera di almeno 2 immagini (3 con le immagini convergenti)</source>
        <translation>share of the façade&apos;s cells whose centre falls inside the frame and in front of the camera of at least 2 images (3 with convergent images)</translation>
    </message>
    <message>
        <source>Precisione sulla facciata</source>
        <translation>Precision on the façade</translation>
    </message>
    <message>
        <source>≥ %1 con σ ≤ %2</source>
        <translation>≥ %1 with σ ≤ %2</translation>
    </message>
    <message>
        <source>quota delle celle con il σ più grande (lungo, in altezza, in profondità) entro T / divisore; σ per intersezione in avanti ai minimi quadrati: N = Σ Jᵢᵀ Jᵢ / σ², σ = s · p sull&apos;immagine, covarianza = N⁻¹</source>
        <translation>share of the cells whose largest σ (along, in height, in depth) is within T / divisor; σ by least-squares forward intersection: N = Σ Jᵢᵀ Jᵢ / σ², σ = s · p on the image, covariance = N⁻¹</translation>
    </message>
</context>
<context>
    <name>mappe</name>
    <message>
        <source>Strisciata %1, fotogramma %2; direzione %3°, inclinazione %4°, altezza dal suolo %5 m</source>
        <translation>Strip %1, frame %2; heading %3°, tilt %4°, height above ground %5 m</translation>
    </message>
    <message>
        <source>Stazioni</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Facciata</source>
        <translation>Façade</translation>
    </message>
    <message>
        <source>Punti di appoggio</source>
        <translation>Control points</translation>
    </message>
    <message>
        <source>Coordinate del sito in %1</source>
        <translation>Site coordinates in %1</translation>
    </message>
</context>
<context>
    <name>messaggi_file</name>
    <message>
        <source>Errore: impossibile salvare il file: %1</source>
        <translation>Error: cannot save the file: %1</translation>
    </message>
    <message>
        <source>Errore N.: %1 aprendo il file: %2</source>
        <translation>Error No.: %1 opening the file: %2</translation>
    </message>
    <message>
        <source>File: %1 salvato.</source>
        <translation>File: %1 saved.</translation>
    </message>
</context>
<context>
    <name>messaggio_errore</name>
    <message>
        <source>Errore 11: Divisione per zero. Controllare i dati inseriti</source>
        <translation>Error 11: Division by zero. Check the data entered</translation>
    </message>
    <message>
        <source>Errore 13: Tipo di dato errato. Controllare il separatore decimale (virgola o punto).</source>
        <translation>Error 13: Wrong type of datum. Check the decimal separator (comma or point).</translation>
    </message>
    <message>
        <source>Errore %1. Occorre riempire tutte le caselle per ottenere il risultato.</source>
        <translation>Error %1. All the boxes must be filled in to get the result.</translation>
    </message>
</context>
<context>
    <name>navigazione_finestra</name>
    <message>
        <source>Non valido nella vista assonometrica.</source>
        <translation>Not valid in the axonometric view.</translation>
    </message>
</context>
<context>
    <name>pianopre::anteprima_punti</name>
    <message>
        <source>Importa punti di appoggio: %1</source>
        <translation>Import control points: %1</translation>
    </message>
    <message>
        <source>virgola</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>punto e virgola</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <source>tabulazione</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>spazi</source>
        <translation>blanks</translation>
    </message>
    <message>
        <source>PNEZD (punto, Nord, Est, quota, descrizione)</source>
        <translation>PNEZD (point, North, East, elevation, description)</translation>
    </message>
    <message>
        <source>PENZD (punto, Est, Nord, quota, descrizione)</source>
        <translation>PENZD (point, East, North, elevation, description)</translation>
    </message>
    <message>
        <source>Riga</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
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
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Sostituire i punti di appoggio presenti</source>
        <translation>Replace the control points there are</translation>
    </message>
    <message>
        <source>Aggiungerli ai punti di appoggio presenti</source>
        <translation>Add them to the control points there are</translation>
    </message>
    <message>
        <source>Separatore:</source>
        <translation>Separator:</translation>
    </message>
    <message>
        <source>Colonne:</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>Prime righe del file, come saranno importate:</source>
        <translation>First lines of the file, as they will be imported:</translation>
    </message>
    <message>
        <source>Importa</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>intestazione: saltata</source>
        <translation>header: skipped</translation>
    </message>
    <message>
        <source>Punti da importare: %1.</source>
        <translation>Points to import: %1.</translation>
    </message>
    <message>
        <source>La prima riga è un&apos;intestazione e non viene importata.</source>
        <translation>The first line is a header and is not imported.</translation>
    </message>
    <message>
        <source>Righe che non sono punti, saltate: %1.</source>
        <translation>Lines that are not points, skipped: %1.</translation>
    </message>
    <message>
        <source>Il file ha più di %1 punti.</source>
        <translation>The file has more than %1 points.</translation>
    </message>
</context>
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
    <name>pianopre::dialogo_punto</name>
    <message>
        <source>Aggiungi punto di appoggio</source>
        <translation>Add control point</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Est (m):</source>
        <translation>East (m):</translation>
    </message>
    <message>
        <source>Nord (m):</source>
        <translation>North (m):</translation>
    </message>
    <message>
        <source>Quota (m):</source>
        <translation>Elevation (m):</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Errore: manca il nome del punto.</source>
        <translation>Error: the point has no name.</translation>
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
        <source>Errore: %1 non è un numero: &quot;%2&quot;.</source>
        <translation>Error: %1 is not a number: &quot;%2&quot;.</translation>
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
    <message>
        <source>codice EPSG o nome; vuoto se nessuno</source>
        <translation>EPSG code or name; empty if none</translation>
    </message>
    <message>
        <source>Sistema di riferimento:</source>
        <translation>Coordinate system:</translation>
    </message>
</context>
<context>
    <name>pianopre::finestra_copertura</name>
    <message>
        <source>Copertura e precisione</source>
        <translation>Coverage and precision</translation>
    </message>
    <message>
        <source>Grandezza:</source>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>Salva CSV...</source>
        <translation>Save CSV...</translation>
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
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: il nome è già nell&apos;elenco</source>
        <translation>%1: the name is already in the list</translation>
    </message>
    <message>
        <source>Attenzione: alcune fotocamere del file %1 non passano i controlli; restano nell&apos;elenco e si possono correggere con &quot;Modifica&quot;:
%2</source>
        <translation>Warning: some cameras of the file %1 fail the checks; they stay in the list and can be corrected with &quot;Change&quot;:
%2</translation>
    </message>
    <message>
        <source>Errore: %1.</source>
        <translation>Error: %1.</translation>
    </message>
    <message>
        <source>Errore: c&apos;è già una fotocamera di nome &quot;%1&quot; (i nomi si confrontano senza distinguere maiuscole e minuscole né gli spazi in più).</source>
        <translation>Error: there is already a camera named &quot;%1&quot; (names are compared regardless of case and of extra spaces).</translation>
    </message>
    <message>
        <source>%1 (copia %2)</source>
        <translation>%1 (copy %2)</translation>
    </message>
</context>
<context>
    <name>pianopre::finestra_intestazione</name>
    <message>
        <source>Dati del lavoro</source>
        <translation>Job details</translation>
    </message>
    <message>
        <source>&amp;Progetto:</source>
        <translation>&amp;Project:</translation>
    </message>
    <message>
        <source>&amp;Località:</source>
        <translation>P&amp;lace:</translation>
    </message>
    <message>
        <source>&amp;Operatore:</source>
        <translation>&amp;Operator:</translation>
    </message>
    <message>
        <source>Stampati nell&apos;intestazione del report.</source>
        <translation>Printed in the report&apos;s header.</translation>
    </message>
</context>
<context>
    <name>pianopre::finestra_principale</name>
    <message>
        <source>Vale dal prossimo avvio</source>
        <translation>Takes effect at the next start</translation>
    </message>
    <message>
        <source>Errore: il file %1 non è un lavoro, un DXF o un XYZ.</source>
        <translation>Error: the file %1 is not a job, a DXF or an XYZ.</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>&amp;Lavoro</source>
        <translation>&amp;Job</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Apri &amp;lavoro...</source>
        <translation>&amp;Open job...</translation>
    </message>
    <message>
        <source>Salva la&amp;voro</source>
        <translation>&amp;Save job</translation>
    </message>
    <message>
        <source>Salva lavoro con n&amp;ome...</source>
        <translation>Save job &amp;as...</translation>
    </message>
    <message>
        <source>Lavori &amp;recenti</source>
        <translation>&amp;Recent jobs</translation>
    </message>
    <message>
        <source>&amp;Fotocamera...</source>
        <translation>Ca&amp;mera...</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Apri DXF...</source>
        <translation>Open &amp;DXF...</translation>
    </message>
    <message>
        <source>&amp;Salva DXF...</source>
        <translation>Sa&amp;ve DXF...</translation>
    </message>
    <message>
        <source>Apri &amp;XYZ...</source>
        <translation>Open X&amp;YZ...</translation>
    </message>
    <message>
        <source>Salva &amp;BMP...</source>
        <translation>Save &amp;BMP...</translation>
    </message>
    <message>
        <source>Apri disegno del &amp;sito...</source>
        <translation>Open s&amp;ite drawing...</translation>
    </message>
    <message>
        <source>&amp;Chiudi disegno del sito</source>
        <translation>Clos&amp;e site drawing</translation>
    </message>
    <message>
        <source>C&amp;olloca sul sito...</source>
        <translation>P&amp;lace on site...</translation>
    </message>
    <message>
        <source>Esporta stazioni C&amp;SV...</source>
        <translation>Export stations &amp;CSV...</translation>
    </message>
    <message>
        <source>Esporta re&amp;port PDF...</source>
        <translation>Export PDF repor&amp;t...</translation>
    </message>
    <message>
        <source>S&amp;tampa...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&amp;Vista</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Pianta</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>&amp;Fronte</source>
        <translation>&amp;Front</translation>
    </message>
    <message>
        <source>&amp;Assonometria</source>
        <translation>&amp;Axonometric</translation>
    </message>
    <message>
        <source>&amp;Ridisegna</source>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <source>&amp;Centra</source>
        <translation>&amp;Centre</translation>
    </message>
    <message>
        <source>Zoom &amp;+</source>
        <translation>Zoom &amp;+</translation>
    </message>
    <message>
        <source>Zoom &amp;-</source>
        <translation>Zoom &amp;-</translation>
    </message>
    <message>
        <source>&amp;Verifiche del piano</source>
        <translation>Plan c&amp;hecks</translation>
    </message>
    <message>
        <source>S&amp;tazioni e punti</source>
        <translation>S&amp;tations and points</translation>
    </message>
    <message>
        <source>&amp;Note sulla precisione</source>
        <translation>&amp;Precision notes</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Dati del lavoro...</source>
        <translation>&amp;Job details...</translation>
    </message>
    <message>
        <source>Opz&amp;ioni del report</source>
        <translation>Report settin&amp;gs</translation>
    </message>
    <message>
        <source>Disegno del sito in &amp;pianta</source>
        <translation>Site drawing in &amp;plan view</translation>
    </message>
    <message>
        <source>Disegno del sito nel p&amp;rospetto</source>
        <translation>Site drawing in &amp;front view</translation>
    </message>
    <message>
        <source>Esporta per &amp;mappe e droni...</source>
        <translation>Export &amp;for maps and drones...</translation>
    </message>
    <message>
        <source>C&amp;opertura e precisione</source>
        <translation>C&amp;overage and precision</translation>
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
        <translation>No plan computed: press &quot;Compute --&gt;&quot;.</translation>
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
    <message>
        <source>Elimina selezionati</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Aggiungi punto...</source>
        <translation>Add point...</translation>
    </message>
    <message>
        <source>Importa punti...</source>
        <translation>Import points...</translation>
    </message>
    <message>
        <source>Punti da .xyz, o da CSV/TXT nell&apos;ordine PNEZD o PENZD</source>
        <translation>Points from .xyz, or from CSV/TXT in PNEZD or PENZD order</translation>
    </message>
    <message>
        <source>Punti di appoggio (coordinate del sito):</source>
        <translation>Control points (site coordinates):</translation>
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
        <translation>No plan computed: press &quot;Compute --&gt;&quot;.</translation>
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
    <message>
        <source>%1: %2 - %3</source>
        <translation>%1: %2 - %3</translation>
    </message>
    <message>
        <source>Altezza massima della camera (m):</source>
        <translation>Max. camera height (m):</translation>
    </message>
    <message>
        <source>Velocità di volo (m/s):</source>
        <translation>Flight speed (m/s):</translation>
    </message>
    <message>
        <source>Esposizione (1/N o secondi):</source>
        <translation>Exposure (1/N or seconds):</translation>
    </message>
    <message>
        <source>Intervallo di scatto (s):</source>
        <translation>Shutter interval (s):</translation>
    </message>
    <message>
        <source>Volo per batteria (min):</source>
        <translation>Flight per battery (min):</translation>
    </message>
    <message>
        <source>Riserva della batteria (%):</source>
        <translation>Battery reserve (%):</translation>
    </message>
    <message>
        <source>Distanza minima dalla facciata (m):</source>
        <translation>Smallest distance to façade (m):</translation>
    </message>
    <message>
        <source>Altezza massima sul decollo (m):</source>
        <translation>Largest height above take-off (m):</translation>
    </message>
    <message>
        <source>Drone</source>
        <translation>Drone</translation>
    </message>
    <message>
        <source>Decollo (est, nord, quota; vuoto: a terra sotto la prima stazione):</source>
        <translation>Take-off (East, North, height; empty: on the ground under the first station):</translation>
    </message>
    <message>
        <source>Fermo a ogni scatto</source>
        <translation>Hover at each shot</translation>
    </message>
    <message>
        <source>Errore: il decollo vuole est, nord e quota numerici, o nessuno.</source>
        <translation>Error: the take-off needs a numeric East, North and height, or none.</translation>
    </message>
    <message>
        <source>Immagini convergenti</source>
        <translation>Convergent images</translation>
    </message>
    <message>
        <source>A ogni stazione due immagini in più, ruotate di +γ e −γ in direzione</source>
        <translation>Two more images at each station, turned by +γ and −γ in heading</translation>
    </message>
    <message>
        <source>Angolo γ (°):</source>
        <translation>Angle γ (°):</translation>
    </message>
    <message>
        <source>Dimensione della cella (m):</source>
        <translation>Cell size (m):</translation>
    </message>
</context>
<context>
    <name>pianopre::quadro_copertura</name>
    <message>
        <source>&lt; 2 immagini</source>
        <translation>&lt; 2 images</translation>
    </message>
    <message>
        <source>senza σ</source>
        <translation>no σ</translation>
    </message>
</context>
<context>
    <name>pianopre::tabella_modelli_qt</name>
    <message>
        <source>Modello</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Punti di appoggio</source>
        <translation>Control points</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Distanze lungo la facciata dal suo angolo A</source>
        <translation>Distances along the façade from its corner A</translation>
    </message>
    <message>
        <source>Altezze sopra il piede della facciata</source>
        <translation>Heights above the foot of the façade</translation>
    </message>
    <message>
        <source>Coordinate del sito: Est / Nord / Quota</source>
        <translation>Site coordinates: East / North / Height</translation>
    </message>
    <message>
        <source>Dall&apos;angolo A (m)</source>
        <translation>From corner A (m)</translation>
    </message>
    <message>
        <source>Altezza da terra (m)</source>
        <translation>Height above ground (m)</translation>
    </message>
    <message>
        <source>In basso lato A (E / N / Q)</source>
        <translation>Bottom, A side (E / N / H)</translation>
    </message>
    <message>
        <source>In alto lato A (E / N / Q)</source>
        <translation>Top, A side (E / N / H)</translation>
    </message>
    <message>
        <source>In alto lato opposto (E / N / Q)</source>
        <translation>Top, far side (E / N / H)</translation>
    </message>
    <message>
        <source>In basso lato opposto (E / N / Q)</source>
        <translation>Bottom, far side (E / N / H)</translation>
    </message>
</context>
<context>
    <name>pianopre::tabella_punti_qt</name>
    <message>
        <source>Punto</source>
        <translation>Point</translation>
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
    <name>precisioni</name>
    <message>
        <source>Stima classica X / Z max</source>
        <translation>Classic estimate X / Z max</translation>
    </message>
    <message>
        <source>stima classica dalla scala del fotogramma, con camere metriche e restitutori analitici di primo ordine (casella «Max» della finestra principale)</source>
        <translation>classic estimate from the photo scale, with metric cameras and first-order analytical plotters (the main window&apos;s &quot;Max&quot; box)</translation>
    </message>
    <message>
        <source>Stima classica X / Z min</source>
        <translation>Classic estimate X / Z min</translation>
    </message>
    <message>
        <source>stima classica del lavoro ordinario (casella «Min» della finestra principale)</source>
        <translation>classic estimate of ordinary work (the main window&apos;s &quot;Min&quot; box)</translation>
    </message>
    <message>
        <source>Precisione X / Z col pixel</source>
        <translation>Precision X / Z (pixel)</translation>
    </message>
    <message>
        <source>dal pixel della fotocamera misurato a %1 pixel, con la base e la distanza del piano (Verifiche del piano)</source>
        <translation>from the camera&apos;s pixel measured to %1 pixel, with the plan&apos;s base and distance (Plan checks)</translation>
    </message>
</context>
<context>
    <name>punti_dialoghi</name>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Lavoro: %1  (tabelle, seguito)</source>
        <translation>Job: %1  (tables, continued)</translation>
    </message>
    <message>
        <source>Progetto di presa - %1</source>
        <translation>Shooting plan - %1</translation>
    </message>
    <message>
        <source>il PDF non si può comporre</source>
        <translation>the PDF cannot be composed</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>non indicata</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>Lunghezza focale</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source>Sensore</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Negativo</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Immagine</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>%1 x %2 pixel</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>non nota</source>
        <translation>not known</translation>
    </message>
    <message>
        <source>Scansione</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>n/d</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>Metrica</source>
        <translation>Metric</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>%1 (bloccata)</source>
        <translation>%1 (locked)</translation>
    </message>
    <message>
        <source>Scala di restituzione 1:</source>
        <translation>Restitution scale 1:</translation>
    </message>
    <message>
        <source>Larghezza soggetto (m)</source>
        <translation>Object width (m)</translation>
    </message>
    <message>
        <source>Altezza del soggetto (m)</source>
        <translation>Object height (m)</translation>
    </message>
    <message>
        <source>Distanza di presa (m)</source>
        <translation>Shooting distance (m)</translation>
    </message>
    <message>
        <source>Lunghezza focale (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Larghezza negativo (mm)</source>
        <translation>Negative width (mm)</translation>
    </message>
    <message>
        <source>Altezza negativo (mm)</source>
        <translation>Negative height (mm)</translation>
    </message>
    <message>
        <source>Base di presa (m)</source>
        <translation>Base (m)</translation>
    </message>
    <message>
        <source>Numero fotogrammi</source>
        <translation>Number of frames</translation>
    </message>
    <message>
        <source>Numero strisciate</source>
        <translation>Number of strips</translation>
    </message>
    <message>
        <source>Numero di ingrandimenti</source>
        <translation>Enlargement</translation>
    </message>
    <message>
        <source>TE.C.L.A. srl - Progetto di presa Stereofotogrammetrico per rilievi Architettonici</source>
        <translation>TE.C.L.A. srl - Stereophotogrammetric Shooting Plan for Architectural Surveys</translation>
    </message>
    <message>
        <source>pianopre - Versione %1</source>
        <translation>pianopre - Version %1</translation>
    </message>
    <message>
        <source>Pagina %1 di %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Fotocamera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Dati del lavoro</source>
        <translation>Job data</translation>
    </message>
    <message>
        <source>Progetto di presa</source>
        <translation>Shooting plan</translation>
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
        <source>Stazione</source>
        <translation>Station</translation>
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
        <source>Inclinaz. (°)</source>
        <translation>Tilt (°)</translation>
    </message>
    <message>
        <source>h (m)</source>
        <translation>h (m)</translation>
    </message>
    <message>
        <source>Modello</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Stazioni (%1)</source>
        <translation>Stations (%1)</translation>
    </message>
    <message>
        <source>Modelli stereoscopici (%1, scarsi %2)</source>
        <translation>Stereo models (%1, %2 short of points)</translation>
    </message>
    <message>
        <source>Nessuna stazione: calcolare il piano.</source>
        <translation>No stations: compute the plan.</translation>
    </message>
    <message>
        <source>Le tabelle continuano a pagina %1.</source>
        <translation>The tables continue on page %1.</translation>
    </message>
    <message>
        <source>scala 1:%1</source>
        <translation>scale 1:%1</translation>
    </message>
    <message>
        <source>Prospetto</source>
        <translation>Front view</translation>
    </message>
    <message>
        <source>Pianta</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>Nessuno schema calcolato</source>
        <translation>No scheme computed</translation>
    </message>
    <message>
        <source>Inclinazione camera</source>
        <translation>Camera tilt</translation>
    </message>
    <message>
        <source>Sovrapposizione</source>
        <translation>Overlap</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Progetto: %1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source>Località: %1</source>
        <translation>Place: %1</translation>
    </message>
    <message>
        <source>Operatore: %1</source>
        <translation>Operator: %1</translation>
    </message>
    <message>
        <source>Lavoro: %1    Data: %2</source>
        <translation>Job: %1    Date: %2</translation>
    </message>
    <message>
        <source>Copertura e precisione sulla facciata</source>
        <translation>Coverage and precision on the façade</translation>
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
              [--pdf F.pdf] [--bmp BASE] [--kml F.kml] [--geojson F.geojson]
              [--dji F.kmz] [--litchi F.csv] [--qgc F.plan] [--mappa F.csv]
              [--lingua it|en]

Senza opzioni apre la finestra; FILE può essere un lavoro (.pianopre), un
disegno (.dxf) o dei punti di appoggio (.xyz).

  --calcola LAVORO  calcola il lavoro senza finestra e scrive i risultati,
                    uno per riga come &quot;etichetta: valore&quot;
  --json            i risultati come un oggetto JSON a piena precisione
  --dxf F.dxf       salva lo schema in DXF, come &quot;Salva DXF&quot;
  --csv F.csv       esporta le stazioni e i punti di appoggio in CSV
  --pdf F.pdf       salva il report del piano in PDF
  --bmp BASE        salva le tre viste come BASEp.bmp, BASEf.bmp, BASEa.bmp
  --kml F.kml       stazioni, facciata e punti di appoggio per mappe (KML)
  --geojson F       gli stessi in GeoJSON
  --dji F.kmz       la missione del drone per DJI (WPML)
  --litchi F.csv    la missione del drone per Litchi
  --qgc F.plan      la missione del drone per QGroundControl
                    (queste cinque richiedono un sistema di riferimento)
  --mappa F.csv     la griglia della mappa di copertura e precisione in CSV
  --lingua it|en    testi in italiano o in inglese (altrimenti come il sistema
                    o come scelto nel menu &quot;?&quot;); i numeri seguono sempre il
                    formato regionale
  --help, -h        mostra questo aiuto
  --version         mostra la versione

Uscita: 0 riuscito, 1 errore, 2 riga di comando errata.
</source>
        <translation>Usage: pianopre [--lingua it|en] [FILE]
       pianopre --calcola JOB.pianopre [--json] [--dxf F.dxf] [--csv F.csv]
                [--pdf F.pdf] [--bmp BASE] [--kml F.kml] [--geojson F.geojson]
                [--dji F.kmz] [--litchi F.csv] [--qgc F.plan] [--mappa F.csv]
                [--lingua it|en]

Without options it opens the window; FILE may be a job (.pianopre), a
drawing (.dxf) or control points (.xyz).

  --calcola JOB     computes the job without a window and writes the results,
                    one per line as &quot;label: value&quot;
  --json            the results as one JSON object at full precision
  --dxf F.dxf       saves the scheme as DXF, as &quot;Save DXF&quot; does
  --csv F.csv       exports the stations and the control points as CSV
  --pdf F.pdf       saves the report of the plan as PDF
  --bmp BASE        saves the three views as BASEp.bmp, BASEf.bmp, BASEa.bmp
  --kml F.kml       stations, façade and control points for maps (KML)
  --geojson F       the same as GeoJSON
  --dji F.kmz       the drone mission for DJI (WPML)
  --litchi F.csv    the drone mission for Litchi
  --qgc F.plan      the drone mission for QGroundControl
                    (these five need a coordinate system)
  --mappa F.csv     the grid of the coverage and precision map as CSV
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
    <name>risultati</name>
    <message>
        <source>Dimensione del pixel non nota: le verifiche che ne dipendono mancano.</source>
        <translation>Pixel size not known: the checks that depend on it are missing.</translation>
    </message>
    <message>
        <source>Base di presa: %1</source>
        <translation>Base: %1</translation>
    </message>
    <message>
        <source>Numero fotogrammi: %1</source>
        <translation>Number of frames: %1</translation>
    </message>
    <message>
        <source>Numero strisciate: %1</source>
        <translation>Number of strips: %1</translation>
    </message>
    <message>
        <source>Inclinazione camera: %1</source>
        <translation>Camera tilt: %1</translation>
    </message>
    <message>
        <source>Sovrapposizione %: %1</source>
        <translation>Overlap %: %1</translation>
    </message>
    <message>
        <source>Numero di ingrandimenti: %1</source>
        <translation>Enlargement: %1</translation>
    </message>
    <message>
        <source>Precisione X / Z max: %1</source>
        <translation>Precision X / Z max: %1</translation>
    </message>
    <message>
        <source>Precisione X / Z min: %1</source>
        <translation>Precision X / Z min: %1</translation>
    </message>
</context>
<context>
    <name>salvataggio</name>
    <message>
        <source>Errore: impossibile salvare il file: %1</source>
        <translation>Error: cannot save the file: %1</translation>
    </message>
</context>
<context>
    <name>segni_caselle</name>
    <message>
        <source>Queste caselle non contenevano solo un numero e sono state lette così:</source>
        <translation>These boxes did not hold just a number and were read as follows:</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; letto come %3</source>
        <translation>%1: &quot;%2&quot; read as %3</translation>
    </message>
    <message>
        <source>Letto come %1</source>
        <translation>Read as %1</translation>
    </message>
</context>
<context>
    <name>servizi_qt</name>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>sistema_riferimento</name>
    <message>
        <source>%1 (%2) è un sistema geografico, in gradi: serve un sistema proiettato in metri</source>
        <translation>%1 (%2) is a geographic system, in degrees: a projected system in metres is needed</translation>
    </message>
    <message>
        <source>%1 (%2) non è un sistema proiettato: serve un sistema proiettato in metri</source>
        <translation>%1 (%2) is not a projected system: a projected system in metres is needed</translation>
    </message>
    <message>
        <source>%1 (%2) ha le coordinate in %3, non in metri: serve un sistema proiettato in metri</source>
        <translation>%1 (%2) has its coordinates in %3, not in metres: a projected system in metres is needed</translation>
    </message>
    <message>
        <source>%1 (%2) non ha gli assi verso Est e Nord: servono coordinate Est, Nord in metri</source>
        <translation>%1 (%2) does not have its axes towards East and North: East, North coordinates in metres are needed</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un codice di sistema di riferimento noto a PROJ</source>
        <translation>&quot;%1&quot; is not a coordinate system code known to PROJ</translation>
    </message>
    <message>
        <source>PROJ non ha potuto aprire il database</source>
        <translation>PROJ could not open its database</translation>
    </message>
    <message>
        <source>&quot;%1&quot; è nel nome di %2 sistemi di riferimento: scrivere il codice EPSG o il nome intero</source>
        <translation>&quot;%1&quot; is in the name of %2 coordinate systems: type the EPSG code or the whole name</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è il nome di un sistema di riferimento noto a PROJ</source>
        <translation>&quot;%1&quot; is not the name of a coordinate system known to PROJ</translation>
    </message>
    <message>
        <source>Le esportazioni per mappe e droni richiedono un sistema di riferimento.</source>
        <translation>The map and drone exports need a coordinate system.</translation>
    </message>
    <message>
        <source>Errore: %1.</source>
        <translation>Error: %1.</translation>
    </message>
    <message>
        <source>Errore: PROJ non riesce a trasformare le coordinate del sistema in WGS 84.</source>
        <translation>Error: PROJ cannot transform the system&apos;s coordinates to WGS 84.</translation>
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
<context>
    <name>verifiche</name>
    <message>
        <source>Dimensione del pixel</source>
        <translation>Pixel size</translation>
    </message>
    <message>
        <source>p = larghezza del negativo / larghezza dell&apos;immagine in pixel; per la pellicola scansionata, p = risoluzione di scansione</source>
        <translation>p = negative width / image width in pixels; for scanned film, p = scan resolution</translation>
    </message>
    <message>
        <source>%1 verticale, %2 orizzontale</source>
        <translation>%1 vertical, %2 horizontal</translation>
    </message>
    <message>
        <source>GSD al bordo superiore</source>
        <translation>GSD at the upper edge</translation>
    </message>
    <message>
        <source>≤ %1 (tolleranza %2 / %3)</source>
        <translation>≤ %1 (tolerance %2 / %3)</translation>
    </message>
    <message>
        <source>α = atan((h/2) / f), θ = τ + α; verticale = p · 1000 D · cos²α / (f · cos²θ); orizzontale = p · 1000 D · cos α / (f · cos θ); richiesto = %1 mm · scala / %2</source>
        <translation>α = atan((h/2) / f), θ = τ + α; vertical = p · 1000 D · cos²α / (f · cos²θ); horizontal = p · 1000 D · cos α / (f · cos θ); required = %1 mm · scale / %2</translation>
    </message>
    <message>
        <source>Rapporto base/distanza</source>
        <translation>Base-to-distance ratio</translation>
    </message>
    <message>
        <source>da 1:4 a 1:15</source>
        <translation>1:4 to 1:15</translation>
    </message>
    <message>
        <source>Precisione X / Z col pixel</source>
        <translation>Precision X / Z (pixel)</translation>
    </message>
    <message>
        <source>Messa a fuoco</source>
        <translation>Focus distance</translation>
    </message>
    <message>
        <source>nitido da %1 a %2</source>
        <translation>sharp from %1 to %2</translation>
    </message>
    <message>
        <source>s* = 2 R min R max / (R min + R max); distanze lungo l&apos;asse dei bordi del fotogramma z(a) = D cos a / cos(a + τ), a = ±α; R min = la minore − %1 di rilievo, R max = la maggiore</source>
        <translation>s* = 2 R min R max / (R min + R max); distances along the axis to the frame edges z(a) = D cos a / cos(a + τ), a = ±α; R min = the nearer − %1 of relief, R max = the farther</translation>
    </message>
    <message>
        <source>oltre f/32</source>
        <translation>beyond f/32</translation>
    </message>
    <message>
        <source>%1 (minimo %2)</source>
        <translation>%1 (minimum %2)</translation>
    </message>
    <message>
        <source>fino a %1 per la diffrazione</source>
        <translation>up to %1 for diffraction</translation>
    </message>
    <message>
        <source>%1: allontanarsi o usare una focale più corta</source>
        <translation>%1: move back or use a shorter focal length</translation>
    </message>
    <message>
        <source>Diaframma</source>
        <translation>Aperture</translation>
    </message>
    <message>
        <source>GSD al centro</source>
        <translation>GSD at the centre</translation>
    </message>
    <message>
        <source>Distanza massima per il GSD</source>
        <translation>Max distance for the GSD</translation>
    </message>
    <message>
        <source>D max = GSD richiesto · f / p / 1000</source>
        <translation>D max = required GSD · f / p / 1000</translation>
    </message>
    <message>
        <source>Errore: %1 deve essere un numero maggiore di zero.</source>
        <translation>Error: %1 must be a number greater than zero.</translation>
    </message>
    <message>
        <source>Errore: %1 deve essere un numero non negativo.</source>
        <translation>Error: %1 must be a non-negative number.</translation>
    </message>
    <message>
        <source>la focale</source>
        <translation>the focal length</translation>
    </message>
    <message>
        <source>la larghezza del negativo</source>
        <translation>the negative width</translation>
    </message>
    <message>
        <source>l&apos;altezza del negativo</source>
        <translation>the negative height</translation>
    </message>
    <message>
        <source>la distanza di presa</source>
        <translation>the shooting distance</translation>
    </message>
    <message>
        <source>la base di presa</source>
        <translation>the base</translation>
    </message>
    <message>
        <source>la scala di restituzione</source>
        <translation>the restitution scale</translation>
    </message>
    <message>
        <source>l&apos;inclinazione</source>
        <translation>the tilt</translation>
    </message>
    <message>
        <source>Errore: la profondità del rilievo raggiunge la fotocamera: deve essere minore della distanza dal bordo più vicino del fotogramma.</source>
        <translation>Error: the relief depth reaches the camera: it must be less than the distance to the nearest edge of the frame.</translation>
    </message>
    <message>
        <source>la tolleranza grafica</source>
        <translation>the graphic tolerance</translation>
    </message>
    <message>
        <source>il divisore del GSD</source>
        <translation>the GSD divisor</translation>
    </message>
    <message>
        <source>la precisione di misura</source>
        <translation>the measuring precision</translation>
    </message>
    <message>
        <source>il circolo di confusione</source>
        <translation>the circle of confusion</translation>
    </message>
    <message>
        <source>la lunghezza d&apos;onda</source>
        <translation>the wavelength</translation>
    </message>
    <message>
        <source>la profondità del rilievo</source>
        <translation>the relief depth</translation>
    </message>
    <message>
        <source>la larghezza dell&apos;immagine in pixel</source>
        <translation>the image width in pixels</translation>
    </message>
    <message>
        <source>l&apos;altezza dell&apos;immagine in pixel</source>
        <translation>the image height in pixels</translation>
    </message>
    <message>
        <source>la risoluzione di scansione</source>
        <translation>the scan resolution</translation>
    </message>
    <message>
        <source>Errore: con questa inclinazione il fotogramma non incontra la facciata.</source>
        <translation>Error: with this tilt the frame does not meet the façade.</translation>
    </message>
    <message>
        <source>Errore: le verifiche danno valori fuori scala: controllare i dati e le impostazioni.</source>
        <translation>Error: the checks give values out of range: check the data and the settings.</translation>
    </message>
    <message>
        <source>consigliato: il più chiuso dei diaframmi da %1 a %2 tra N min e N max, abbastanza profondo e non limitato dalla diffrazione; se nessuno cade tra i due, il più aperto non minore di N min</source>
        <translation>suggested: the most closed of the stops %1 to %2 between N min and N max, deep enough and not limited by diffraction; when none lies between the two, the widest not below N min</translation>
    </message>
    <message>
        <source>Altezza camera, striscia %1</source>
        <translation>Camera height, strip %1</translation>
    </message>
    <message>
        <source>h = h camera + (n − 1) · %1 · altezza coperta, sopra il piede della facciata</source>
        <translation>h = camera h + (n − 1) · %1 · coverage height, above the façade&apos;s foot</translation>
    </message>
    <message>
        <source>Attenzione: serve un&apos;asta, un cestello o un drone</source>
        <translation>Warning: needs a pole, a lift or a drone</translation>
    </message>
    <message>
        <source>serve un&apos;asta, un cestello o un drone</source>
        <translation>needs a pole, a lift or a drone</translation>
    </message>
    <message>
        <source>Altezza camera, strisce %1–%2</source>
        <translation>Camera height, strips %1–%2</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>l&apos;altezza massima della camera</source>
        <translation>the maximum camera height</translation>
    </message>
    <message>
        <source>la dimensione della cella</source>
        <translation>the cell size</translation>
    </message>
</context>
<context>
    <name>vista_disegno</name>
    <message>
        <source>Disegno</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Disegno di %1</source>
        <translation>Drawing %1</translation>
    </message>
</context>
<context>
    <name>volo</name>
    <message>
        <source>Mosso del drone</source>
        <translation>Drone motion blur</translation>
    </message>
    <message>
        <source>%1 in volo; fermo a ogni scatto</source>
        <translation>%1 in flight; still at each shot</translation>
    </message>
    <message>
        <source>mosso = v · t / GSD, GSD al centro = p · 1000 D / f; fermo a ogni scatto il drone non si muove e il mosso è comunque OK</source>
        <translation>blur = v · t / GSD, GSD at the centre = p · 1000 D / f; hovering at each shot the drone is still and the blur is OK anyway</translation>
    </message>
    <message>
        <source>Tempo tra due scatti</source>
        <translation>Time between two shots</translation>
    </message>
    <message>
        <source>t = B / v + sosta; a ogni scatto il drone resta fermo quanto l&apos;intervallo di scatto della fotocamera</source>
        <translation>t = B / v + hover; at each shot the drone hovers for the camera&apos;s shutter interval</translation>
    </message>
    <message>
        <source>t = B / v, senza soste</source>
        <translation>t = B / v, without hovering</translation>
    </message>
    <message>
        <source>Percorso di volo</source>
        <translation>Flight path</translation>
    </message>
    <message>
        <source>in linea retta dal decollo ai punti nell&apos;ordine di volo e ritorno al decollo</source>
        <translation>in straight lines from take-off through the waypoints in flight order and back to take-off</translation>
    </message>
    <message>
        <source>Tempo di volo</source>
        <translation>Flight time</translation>
    </message>
    <message>
        <source>T = percorso / v + scatti · sosta, sosta = %1</source>
        <translation>T = path / v + shots · hover, hover = %1</translation>
    </message>
    <message>
        <source>Batterie</source>
        <translation>Batteries</translation>
    </message>
    <message>
        <source>%1 per batteria, %2 di riserva</source>
        <translation>%1 per battery, %2 in reserve</translation>
    </message>
    <message>
        <source>batterie = ⌈T / (autonomia · (1 − riserva))⌉</source>
        <translation>batteries = ⌈T / (flight per battery · (1 − reserve))⌉</translation>
    </message>
    <message>
        <source>Distanza minima dalla facciata</source>
        <translation>Smallest distance to the façade</translation>
    </message>
    <message>
        <source>la minore distanza orizzontale di un punto di volo dal piano della facciata</source>
        <translation>the smallest horizontal distance of a waypoint from the façade plane</translation>
    </message>
    <message>
        <source>Altezza massima sul decollo</source>
        <translation>Highest waypoint above take-off</translation>
    </message>
    <message>
        <source>h = quota del punto più alto − quota del decollo</source>
        <translation>h = height of the highest waypoint − height of the take-off</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Beccheggio del gimbal</source>
        <translation>Gimbal pitch</translation>
    </message>
    <message>
        <source>beccheggio = inclinazione della camera, positivo verso l&apos;alto</source>
        <translation>pitch = camera tilt, positive up</translation>
    </message>
    <message>
        <source>Errore: %1 deve essere un numero maggiore di zero.</source>
        <translation>Error: %1 must be a number greater than zero.</translation>
    </message>
    <message>
        <source>Errore: %1 deve essere un numero non negativo.</source>
        <translation>Error: %1 must be a non-negative number.</translation>
    </message>
    <message>
        <source>Errore: il punto di decollo deve avere est, nord e quota numerici.</source>
        <translation>Error: the take-off point must have a numeric East, North and height.</translation>
    </message>
    <message>
        <source>la velocità di volo</source>
        <translation>the flight speed</translation>
    </message>
    <message>
        <source>il tempo di esposizione</source>
        <translation>the exposure time</translation>
    </message>
    <message>
        <source>l&apos;intervallo di scatto</source>
        <translation>the shutter interval</translation>
    </message>
    <message>
        <source>il tempo di volo per batteria</source>
        <translation>the flight time per battery</translation>
    </message>
    <message>
        <source>Errore: la riserva deve essere da 0 a meno di 100 %.</source>
        <translation>Error: the reserve must be from 0 to less than 100 %.</translation>
    </message>
    <message>
        <source>la distanza minima dalla facciata</source>
        <translation>the smallest distance to the façade</translation>
    </message>
    <message>
        <source>l&apos;altezza massima di volo</source>
        <translation>the largest flight height</translation>
    </message>
</context>
</TS>
