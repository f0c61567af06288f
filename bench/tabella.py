#!/usr/bin/python3
"""The one table of scripts/bench.sh: medians, rates, ratios, peak memory and
targets, from the JSON files of Google Benchmark, the peak-memory reports and
the start-up times that the script left in one folder.

Usage: bench/tabella.py FOLDER
"""

import glob
import json
import os
import re
import statistics
import sys

MIB = 1024 * 1024


def mediane(cartella):
    """Median rows of every benchmark run, by run name, and the run's context."""
    righe, contesto = {}, {}
    for percorso in sorted(glob.glob(os.path.join(cartella, "*.json"))):
        with open(percorso, encoding="utf-8") as f:
            dati = json.load(f)
        contesto = contesto or dati.get("context", {})
        for b in dati.get("benchmarks", []):
            if b.get("run_type") == "aggregate" and b.get("aggregate_name") == "median":
                righe[b["run_name"]] = b
    return righe, contesto


def secondi(riga):
    scala = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[riga["time_unit"]]
    return riga["real_time"] * scala


def testo_tempo(s):
    for unita, scala in (("s", 1.0), ("ms", 1e-3), ("us", 1e-6)):
        if s >= scala:
            return f"{s / scala:.3g} {unita}"
    return f"{s / 1e-9:.3g} ns"


def picco(cartella, mb, modo):
    """Peak growth in MB reported by picco_lettura_dxf, None when not measured."""
    percorso = os.path.join(cartella, f"picco-{mb}-{modo}.txt")
    if not os.path.exists(percorso):
        return None
    with open(percorso, encoding="utf-8") as f:
        trovato = re.search(r"growth ([0-9.]+) MB", f.read())
    return float(trovato.group(1)) if trovato else None


def avvii(cartella):
    percorso = os.path.join(cartella, "avvio-processo.txt")
    if not os.path.exists(percorso):
        return []
    with open(percorso, encoding="utf-8") as f:
        return [float(r) for r in f.read().split()]


class tabella:
    def __init__(self, righe):
        self.righe = righe
        self.voci = []

    def tempo(self, nome):
        riga = self.righe.get(nome)
        return secondi(riga) if riga else None

    def aggiungi(self, nome, misura="", mediana=None, rate="", rapporto="", memoria="",
                 obiettivo="", esito=None):
        stato = "" if esito is None else ("met" if esito else "NOT MET")
        self.voci.append([nome, misura, testo_tempo(mediana) if mediana is not None else "",
                          rate, rapporto, memoria, obiettivo, stato])

    def stampa(self):
        titoli = ["benchmark", "size", "median", "MB/s", "ratio", "peak memory", "target",
                  "result"]
        larghezze = [max(len(str(r[i])) for r in self.voci + [titoli]) for i in range(8)]
        linea = lambda r: "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, larghezze)) + " |"
        print(linea(titoli))
        print("|" + "|".join("-" * (w + 2) for w in larghezze) + "|")
        for r in self.voci:
            print(linea(r))


def mb_al_secondo(riga):
    return f"{riga['bytes_per_second'] / MIB:.0f}" if riga and "bytes_per_second" in riga else ""


def memoria(cartella, mb, modo):
    crescita = picco(cartella, mb, modo)
    return f"+{crescita:.1f} MB" if crescita is not None else ""


def scambio(t, cartella, mb):
    """The DXF rows of one size: reader, scanner, dxflib, writer."""
    misura = f"{mb} MB"
    riga = {k: t.righe.get(f"{k}/{mb}") for k in ("leggi_dxf_file", "scansione_righe",
                                                  "dxflib_in", "salva_dxf_memoria",
                                                  "salva_file_dxf_disco")}
    tempo = {k: secondi(r) if r else None for k, r in riga.items()}
    lettore, scanner, dxflib = (tempo[k] for k in ("leggi_dxf_file", "scansione_righe",
                                                    "dxflib_in"))
    if lettore is not None:
        r = lettore / scanner if scanner else None
        t.aggiungi("leggi_dxf_file", misura, lettore, mb_al_secondo(riga["leggi_dxf_file"]),
                   f"{r:.2f}x scanner" if r else "", memoria(cartella, mb, "leggi"),
                   "<= 1.4x scanner", r <= 1.4 if r else None)
    if scanner is not None:
        t.aggiungi("scansione_righe", misura, scanner, mb_al_secondo(riga["scansione_righe"]),
                   "", memoria(cartella, mb, "scansione"))
    if dxflib is not None:
        r = dxflib / lettore if lettore else None
        t.aggiungi("dxflib_in", misura, dxflib, mb_al_secondo(riga["dxflib_in"]),
                   f"{r:.1f}x reader" if r else "", memoria(cartella, mb, "dxflib"),
                   ">= 8x reader", r >= 8 if r else None)
    for nome, con_obiettivo in (("salva_dxf_memoria", True), ("salva_file_dxf_disco", False)):
        if riga[nome]:
            rate = riga[nome]["bytes_per_second"] / MIB
            t.aggiungi(nome, misura, tempo[nome], f"{rate:.0f}", "", "",
                       ">= 300 MB/s" if con_obiettivo else "",
                       rate >= 300 if con_obiettivo else None)


def ridisegno(t):
    for nome in ("ridis_pianta", "ridis_assonometrica", "ridis_segmenti_lunghi"):
        for n in (10_000, 100_000, 1_000_000):
            s = t.tempo(f"{nome}/{n}")
            if s is not None:
                milione = n == 1_000_000
                t.aggiungi(nome, f"{n:,} vertices", s, obiettivo="<= 0.5 s" if milione else "",
                           esito=s <= 0.5 if milione else None)


def finestra(t, cartella):
    for nome, misura in (("calcola/20", "first example"), ("calcola/78600", "largest scheme")):
        s = t.tempo(nome)
        if s is not None:
            t.aggiungi(nome, misura, s, obiettivo="<= 20 ms", esito=s <= 0.020)
    s = t.tempo("avvio")
    if s is not None:
        t.aggiungi("avvio", "in process", s, obiettivo="<= 300 ms", esito=s <= 0.300)
    tempi = avvii(cartella)
    if tempi:
        s = statistics.median(tempi) / 1000
        t.aggiungi("start-up", f"process, {len(tempi)} runs", s, obiettivo="<= 300 ms",
                   esito=s <= 0.300)
    else:
        t.aggiungi("start-up", "process, not measured", obiettivo="<= 300 ms")


def rilascio_2018(t, cartella):
    """Release 2018 drawing: MB/s, ratio to ezdxf, binary twin, peak memory."""
    for nome in sorted(n for n in t.righe if n.startswith("leggi_r2018_ascii/")):
        mb = nome.split("/")[1]
        ascii_, binario = t.righe[nome], t.righe.get(f"leggi_r2018_binario/{mb}")
        ezdxf = next((t.tempo(n) for n in t.righe if n.startswith(f"ezdxf_readfile/{mb}/")
                      or n == f"ezdxf_readfile/{mb}"), None)
        velocita = ascii_["bytes_per_second"] / MIB
        r = ezdxf / secondi(ascii_) if ezdxf else None
        t.aggiungi("leggi_r2018_ascii", f"{mb} MB", secondi(ascii_), f"{velocita:.0f}",
                   f"{r:.0f}x faster than ezdxf" if r else "", memoria(cartella, mb, "r2018"),
                   ">= 150 MB/s, >= 30x ezdxf", velocita >= 150 and (r or 0) >= 30)
        if binario:
            t.aggiungi("leggi_r2018_binario", f"{mb} MB", secondi(binario),
                       mb_al_secondo(binario), "", memoria(cartella, mb, "r2018bin"),
                       "<= ASCII time", secondi(binario) <= secondi(ascii_))
        if ezdxf:
            t.aggiungi("ezdxf_readfile", f"{mb} MB", ezdxf)


def nuovi(t):
    """Placement, stations, report: their targets."""
    for nome, misura, limite in (("tabella_stazioni_e_csv", "32,767 frames", 0.100),
                                 ("colloca_e_ridisegna", "10 MB site drawing", 0.300),
                                 ("esporta/20", "report, first example", 1.0),
                                 ("esporta/78600", "report, largest scheme", 5.0),
                                 ("mappa_168000_celle", "168,000 cells, 100 images", 0.100),
                                 ("mappa_schema_grande", "200,000 cells, largest scheme", 1.0),
                                 ("cinque_file_32767_stazioni", "5 map and drone files", 0.500)):
        s = t.tempo(nome)
        if s is not None:
            t.aggiungi(nome, misura, s, obiettivo=f"<= {testo_tempo(limite)}", esito=s <= limite)
    for nome in ("esporta_csv_file", "modelli_con_4500_punti", "colloca_schema_grande"):
        s = t.tempo(nome)
        if s is not None:
            t.aggiungi(nome, "", s)
    for nome, misura in (("posizioni_32767_stazioni", "32,767 stations"),
                         ("converti_32767_stazioni", "32,767 stations"),
                         ("apri_e_calcola/0", "no system")):
        s = t.tempo(nome)
        if s is not None:
            t.aggiungi(nome, misura, s)
    senza, con = t.tempo("apri_e_calcola/0"), t.tempo("apri_e_calcola/1")
    if senza is not None and con is not None:
        t.aggiungi("apri_e_calcola/1", "EPSG:32633", con, obiettivo="<= no system + 50 ms",
                   esito=con <= senza + 0.050)


def altri(t):
    for nome in t.righe:
        if nome.split("/")[0] in ("leggi_otto_caselle", "piano_e_precisione",
                                  "testi_dei_risultati", "agg_entita_milione",
                                  "agg_entita_milione_primo", "scorri_milione",
                                  "crea_schema_grande"):
            t.aggiungi(nome, "", t.tempo(nome))


def intestazione(contesto):
    sistema = ""
    if os.path.exists("/etc/os-release"):
        with open("/etc/os-release", encoding="utf-8") as f:
            trovato = re.search(r'^PRETTY_NAME="?([^"\n]*)', f.read(), re.M)
            sistema = trovato.group(1) if trovato else ""
    data = contesto.get("date", "")[:10]
    carico = " ".join(f"{c:.2f}" for c in contesto.get("load_avg", []))
    print(f"{data}, {contesto.get('num_cpus', '?')} cores, {sistema}, Release build,"
          f" load average at the start {carico or '?'}")
    print("Medians of the repetitions; MB = 2^20 bytes; peak memory = growth of the peak"
          " resident size over one read, each reader in its own process.")
    print()


def main():
    cartella = sys.argv[1]
    righe, contesto = mediane(cartella)
    t = tabella(righe)
    dimensioni = sorted({int(n.split("/")[1]) for n in righe if n.startswith("leggi_dxf_file/")})
    for mb in dimensioni:
        scambio(t, cartella, mb)
    rilascio_2018(t, cartella)
    ridisegno(t)
    finestra(t, cartella)
    nuovi(t)
    altri(t)
    intestazione(contesto)
    t.stampa()
    mancati = [v[0] + " " + v[1] for v in t.voci if v[7] == "NOT MET"]
    print()
    print(f"targets: {sum(v[7] == 'met' for v in t.voci)} met, {len(mancati)} not met"
          + (": " + "; ".join(mancati) if mancati else ""))


if __name__ == "__main__":
    main()
