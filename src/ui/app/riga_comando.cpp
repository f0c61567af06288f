// The command line's arguments, help and version.
#include "app/riga_comando.h"

#include <QFile>

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
    r.problema = "Errore: " + problema + ". Usare pianopre --help per le opzioni.";
    return r;
}

// The option that takes the next argument as a file name, or nullptr.
QString* campo_file(riga_comando& r, const QString& opzione) {
    if (opzione == "--calcola") return &r.file;
    if (opzione == "--dxf") return &r.dxf;
    if (opzione == "--csv") return &r.csv;
    if (opzione == "--pdf") return &r.pdf;
    if (opzione == "--bmp") return &r.bmp;
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
        if (a == "--help" || a == "-h") return con(richiesta::aiuto);
        if (a == "--version") return con(richiesta::versione);
        if (a == "--json") {
            r.json = solo_calcolo = true;
        } else if (QString* campo = campo_file(r, a)) {
            if (i + 1 >= argomenti.size() || argomenti[i + 1].isEmpty())
                return errata("manca il file dopo " + a);
            if (!campo->isEmpty()) return errata("l'opzione " + a + " è ripetuta");
            *campo = argomenti[++i];
            if (a == "--calcola")
                calcola = true;
            else
                solo_calcolo = true;
        } else if (a.startsWith('-') && a != "-") {
            return errata("opzione sconosciuta " + a);
        } else {
            posizionali.append(a);
        }
    }
    if (calcola) {
        if (!posizionali.isEmpty()) return errata("argomento in più " + posizionali.front());
        r.cosa = richiesta::calcola;
        return r;
    }
    if (solo_calcolo) return errata("le opzioni di uscita valgono solo con --calcola");
    if (posizionali.size() > 1)
        return errata("un solo file da aprire, non " + QString::number(posizionali.size()));
    if (!posizionali.isEmpty()) r.file = posizionali.front();
    return r;
}

QString testo_aiuto() {
    return QStringLiteral(
        "Uso: pianopre [FILE]\n"
        "     pianopre --calcola LAVORO.pianopre [--json] [--dxf F.dxf] [--csv F.csv]\n"
        "              [--pdf F.pdf] [--bmp BASE]\n"
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
        "  --help, -h        mostra questo aiuto\n"
        "  --version         mostra la versione\n"
        "\n"
        "Uscita: 0 riuscito, 1 errore, 2 riga di comando errata.\n");
}

QString testo_versione() {
    return QString::fromLatin1("pianopre " PIANOPRE_VERSIONE "\n");
}

}  // namespace pianopre
