// The command line's arguments, help and version.
#include "app/riga_comando.h"

#include <QCoreApplication>
#include <QFile>

#include "job/esportazioni_geo.h"

namespace pianopre {

namespace {

riga_comando con(richiesta cosa) {
    riga_comando r;
    r.cosa = cosa;
    return r;
}

riga_comando errata(const QString& problema) {
    riga_comando r;
    r.cosa = richiesta::errata;
    r.problema = QCoreApplication::translate("riga_comando",
                                             "Errore: %1. Usare pianopre --help per le opzioni.")
                     .arg(problema);
    return r;
}

// The option that takes the next argument as a file name, or nullptr.
QString* campo_file(riga_comando& r, const QString& opzione) {
    if (opzione == "--calcola") return &r.file;
    if (opzione == "--dxf") return &r.dxf;
    if (opzione == "--csv") return &r.csv;
    if (opzione == "--pdf") return &r.pdf;
    if (opzione == "--bmp") return &r.bmp;
    if (opzione == "--mappa") return &r.mappa;
    if (opzione.startsWith("--"))
        if (const auto f = formato_da_nome(opzione.mid(2).toStdString()))
            return &r.geo[static_cast<std::size_t>(*f)];
    return nullptr;
}

}  // namespace

QStringList argomenti_di(int argc, char* argv[]) {
    QStringList argomenti;
    for (int i = 1; i < argc; ++i) argomenti.append(QFile::decodeName(argv[i]));
    return argomenti;
}

riga_comando leggi_riga_comando(const QStringList& argomenti) {
    riga_comando r;
    bool calcola = false;
    bool solo_calcolo = false;  // an option that needs --calcola was given
    QStringList posizionali;
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == "--help" || a == "-h" || a == "--version") {
            // The help in the language asked anywhere on the line.
            riga_comando testo = con(a == "--version" ? richiesta::versione : richiesta::aiuto);
            const qsizetype l = argomenti.indexOf(QStringLiteral("--lingua"));
            if (l >= 0 && l + 1 < argomenti.size())
                testo.lingua_testi = lingua_da_codice(argomenti[l + 1]);
            return testo;
        }
        if (a == "--json") {
            r.json = solo_calcolo = true;
        } else if (a == "--lingua") {
            const QString codice = i + 1 < argomenti.size() ? argomenti[++i] : QString();
            r.lingua_testi = lingua_da_codice(codice);
            if (!r.lingua_testi)
                return errata(QCoreApplication::translate("riga_comando",
                                                          "lingua sconosciuta \"%1\" (it o en)")
                                  .arg(codice));
        } else if (QString* campo = campo_file(r, a)) {
            if (i + 1 >= argomenti.size() || argomenti[i + 1].isEmpty())
                return errata(
                    QCoreApplication::translate("riga_comando", "manca il file dopo %1").arg(a));
            if (!campo->isEmpty())
                return errata(
                    QCoreApplication::translate("riga_comando", "l'opzione %1 è ripetuta").arg(a));
            *campo = argomenti[++i];
            if (a == "--calcola")
                calcola = true;
            else
                solo_calcolo = true;
        } else if (a.startsWith('-') && a != "-") {
            return errata(
                QCoreApplication::translate("riga_comando", "opzione sconosciuta %1").arg(a));
        } else {
            posizionali.append(a);
        }
    }
    if (calcola) {
        if (!posizionali.isEmpty())
            return errata(QCoreApplication::translate("riga_comando", "argomento in più %1")
                              .arg(posizionali.front()));
        r.cosa = richiesta::calcola;
        return r;
    }
    if (solo_calcolo)
        return errata(QCoreApplication::translate(
            "riga_comando", "le opzioni di uscita valgono solo con --calcola"));
    if (posizionali.size() > 1)
        return errata(QCoreApplication::translate("riga_comando", "un solo file da aprire, non %1")
                          .arg(posizionali.size()));
    if (!posizionali.isEmpty()) r.file = posizionali.front();
    return r;
}

QString testo_aiuto() {
    return QCoreApplication::translate(
        "riga_comando",
        "Uso: pianopre [--lingua it|en] [FILE]\n"
        "     pianopre --calcola LAVORO.pianopre [--json] [--dxf F.dxf] [--csv F.csv]\n"
        "              [--pdf F.pdf] [--bmp BASE] [--kml F.kml] [--geojson F.geojson]\n"
        "              [--dji F.kmz] [--litchi F.csv] [--qgc F.plan] [--mappa F.csv]\n"
        "              [--lingua it|en]\n"
        "\n"
        "Senza opzioni apre la finestra; FILE può essere un lavoro (.pianopre), un\n"
        "disegno (.dxf) o dei punti di appoggio (.xyz).\n"
        "\n"
        "  --calcola LAVORO  calcola il lavoro senza finestra e scrive i risultati,\n"
        "                    uno per riga come \"etichetta: valore\"\n"
        "  --json            i risultati come un oggetto JSON a piena precisione\n"
        "  --dxf F.dxf       salva lo schema in DXF, come \"Salva DXF\"\n"
        "  --csv F.csv       esporta le stazioni e i punti di appoggio in CSV\n"
        "  --pdf F.pdf       salva il report del piano in PDF\n"
        "  --bmp BASE        salva le tre viste come BASEp.bmp, BASEf.bmp, BASEa.bmp\n"
        "  --kml F.kml       stazioni, facciata e punti di appoggio per mappe (KML)\n"
        "  --geojson F       gli stessi in GeoJSON\n"
        "  --dji F.kmz       la missione del drone per DJI (WPML)\n"
        "  --litchi F.csv    la missione del drone per Litchi\n"
        "  --qgc F.plan      la missione del drone per QGroundControl\n"
        "                    (queste cinque richiedono un sistema di riferimento)\n"
        "  --mappa F.csv     la griglia della mappa di copertura e precisione in CSV\n"
        "  --lingua it|en    testi in italiano o in inglese (altrimenti come il sistema\n"
        "                    o come scelto nel menu \"?\"); i numeri seguono sempre il\n"
        "                    formato regionale\n"
        "  --help, -h        mostra questo aiuto\n"
        "  --version         mostra la versione\n"
        "\n"
        "Uscita: 0 riuscito, 1 errore, 2 riga di comando errata.\n");
}

QString testo_versione() {
    return QString::fromLatin1("pianopre " PIANOPRE_VERSIONE "\n");
}

}  // namespace pianopre
