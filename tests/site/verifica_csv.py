#!/usr/bin/env python3
"""Reads the stake-out CSV files of strumento_csv with Python's csv module and
checks every number against a computation made here: the first example (base
2.4 m, first station 0.6 m along the façade, 10 m in front of it, camera 1.5 m
up, 9 frames) placed at (1000, 2000, 50) with the façade at azimuth 30°."""
import csv
import math
import re
import subprocess
import sys
from pathlib import Path

strumento, cartella = sys.argv[1], Path(sys.argv[2])
subprocess.run([strumento, str(cartella)], check=True)

a = math.radians(30)
stazioni = []
for i in range(9):
    lungo = 0.6 + 2.4 * i
    stazioni.append((f"S1-{i + 1:02d}", 1000 + lungo * math.sin(a) + 10 * math.cos(a),
                     2000 + lungo * math.cos(a) - 10 * math.sin(a), 51.5))
punti = [("PF1", 1001.5, 2002.25, 51.125), ("Spé, 2", 1010, 2010, 53), ('Q"3', -12.3456, 0.0004, -1)]

errori = []


def verifica(nome_file, delimitatore, decimale, est_prima):
    dati = (cartella / nome_file).read_bytes()
    righe_grezze = dati.split(b"\r\n")
    if righe_grezze[-1] != b"" or any(b"\n" in r or b"\r" in r for r in righe_grezze):
        errori.append(f"{nome_file}: le righe non finiscono tutte con CR LF")
    with open(cartella / nome_file, newline="", encoding="utf-8") as f:
        righe = list(csv.reader(f, delimiter=delimitatore))
    piano = ["Est", "Nord"] if est_prima else ["Nord", "Est"]
    if righe[0] != ["Punto", *piano, "Quota", "Descrizione"]:
        errori.append(f"{nome_file}: intestazione {righe[0]}")
    attese = [(*s, "stazione") for s in stazioni] + [(*p, "PF") for p in punti]
    if len(righe) - 1 != len(attese):
        errori.append(f"{nome_file}: {len(righe) - 1} righe invece di {len(attese)}")
    for riga, (nome, est, nord, quota, tipo) in zip(righe[1:], attese):
        numeri = [float(v.replace(decimale, ".")) for v in riga[1:4]]
        e, n = (numeri[0], numeri[1]) if est_prima else (numeri[1], numeri[0])
        if riga[0] != nome or any(abs(x - y) > 0.0005 for x, y in ((e, est), (n, nord), (numeri[2], quota))):
            errori.append(f"{nome_file}: {riga} invece di {nome} E {est:.3f} N {nord:.3f} Z {quota:.3f}")
        if any(len(v.split(decimale)[1]) != 3 for v in riga[1:4]):
            errori.append(f"{nome_file}: non tre decimali in {riga}")
        d = re.escape(decimale)
        descrizione = rf"stazione h=1{d}50 az=300{d}0000 inc=2{d}59" if tipo == "stazione" else "PF"
        if not re.fullmatch(descrizione, riga[4]):
            errori.append(f"{nome_file}: descrizione {riga[4]!r}")


verifica("pnezd.csv", ",", ".", False)
verifica("penzd.csv", ";", ",", True)
for e in errori:
    print(e)
sys.exit(1 if errori else 0)
