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
        <source>Errore: Non ho trovato la sezione entita</source>
        <translation>Error: entities section not found</translation>
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
    <name>pianopre::finestra_principale</name>
    <message>
        <source>Vale dal prossimo avvio</source>
        <translation>Takes effect at the next start</translation>
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
        <source>Errore: il file %1 non è un lavoro, un DXF o un XYZ.</source>
        <translation>Error: the file %1 is not a job, a DXF or an XYZ.</translation>
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
</TS>
