<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>pianopre::finestra_principale</name>
    <message>
        <source>Vale dal prossimo avvio</source>
        <translation>Takes effect at the next start</translation>
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
</TS>
