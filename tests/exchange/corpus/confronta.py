#!/usr/bin/env python3
"""Share of the drawable entities of DXF files that our reader kept.

  confronta.py [opzioni] GIUDIZIO.json ELENCO.txt [GIUDIZIO.json ELENCO.txt ...]
  confronta.py [opzioni] --cartelle CARTELLA_GIUDIZI CARTELLA_ELENCHI

GIUDIZIO.json is what giudice.py says a file draws; ELENCO.txt is what our
program kept of the same file, one line per entry of its entity list:

  21 X Y Z        first vertex of a run of vertices
  22 X Y Z        next vertex of the run
  23 X Y Z        last vertex of the run
  11 X Y Z        point
  81 X Y Z<TAB>testo   insertion point of a text

With --cartelle every NOME.json of the first folder goes with NOME.txt of the
second; a missing listing counts as a file of which nothing was kept.

An entity is kept when each of its sample points lies near what we kept: within
its tolerance of a segment between consecutive vertices of a run, of a point or
of a text's insertion point.  The tolerance of a point is

  max(RELATIVA * dimensione, ASSOLUTA) + COORDINATE * max(|x|, |y|, |z|)

with the entity's size (the diagonal of its bounding box), by default 0.2 % of
the size, at least 1e-6, plus 1e-9 of the coordinates' magnitude.

Printed: the share kept of each file, the overall share (kept over drawable
across all files) and the median of the files' shares (files that draw nothing
left out).  Exit status 1 when the overall share is under --soglia-totale
(95 %) or the median under --soglia-mediana (100 %); 2 for unreadable input.
"""
import argparse
import collections
import json
import math
import os
import statistics
import sys

RELATIVA = 0.002
ASSOLUTA = 1e-6
COORDINATE = 1e-9

# Runs and single points go into a grid of cells of side 2**livello; a segment
# goes into the level of the smallest cell as long as it is, so it touches at
# most 2 cells on each axis.  Zero-length segments (points) go into the finest.
LIVELLO_MINIMO = -40


class FormatoErrato(Exception):
    pass


def leggi_elenco(righe):
    """(segmenti, punti) of a listing: segments as (a, b), points as (x, y, z)."""
    segmenti, punti = [], []
    serie = None
    for numero, riga in enumerate(righe, 1):
        riga = riga.rstrip("\r\n")
        campi = (riga.split("\t", 1)[0] if "\t" in riga else riga).split()
        if not campi or campi[0].startswith("#"):
            continue
        if len(campi) != 4:
            raise FormatoErrato(f"line {numero}: expected TIPO X Y Z, found {riga!r}")
        try:
            tipo = int(campi[0])
            p = (float(campi[1]), float(campi[2]), float(campi[3]))
        except ValueError:
            raise FormatoErrato(f"line {numero}: not numbers: {riga!r}") from None
        if not all(math.isfinite(c) for c in p):
            raise FormatoErrato(f"line {numero}: coordinate not finite: {riga!r}")
        if tipo == 21:
            if serie is not None:
                raise FormatoErrato(f"line {numero}: run started before the last one ended")
            serie = [p]
        elif tipo in (22, 23):
            if serie is None:
                raise FormatoErrato(f"line {numero}: vertex {tipo} outside a run")
            segmenti.append((serie[-1], p))
            serie.append(p)
            if tipo == 23:
                serie = None
        elif tipo in (11, 81):
            if serie is not None:
                raise FormatoErrato(f"line {numero}: entry {tipo} inside a run")
            punti.append(p)
        else:
            raise FormatoErrato(f"line {numero}: unknown entry type {tipo}")
    if serie is not None:
        raise FormatoErrato("the listing ends inside a run")
    return segmenti, punti


def distanza2(p, s):
    """Squared distance from point p to segment s = (a, b)."""
    (ax, ay, az), (bx, by, bz) = s
    px, py, pz = p
    dx, dy, dz = bx - ax, by - ay, bz - az
    qx, qy, qz = px - ax, py - ay, pz - az
    l2 = dx * dx + dy * dy + dz * dz
    if l2 > 0.0:
        t = (qx * dx + qy * dy + qz * dz) / l2
        if t > 1.0:
            t = 1.0
        elif t < 0.0:
            t = 0.0
        qx -= t * dx
        qy -= t * dy
        qz -= t * dz
    return qx * qx + qy * qy + qz * qz


class Indice:
    """Finds whether any of many segments lies within a distance of a point."""

    def __init__(self, segmenti, punti=()):
        self.segmenti = list(segmenti) + [(p, p) for p in punti]
        self.livelli = {}
        floor, frexp = math.floor, math.frexp
        for i, s in enumerate(self.segmenti):
            (ax, ay, az), (bx, by, bz) = s
            lunghezza = math.sqrt((bx - ax) ** 2 + (by - ay) ** 2 + (bz - az) ** 2)
            if lunghezza > 0.0:
                # the smallest power of two not under the length
                mantissa, esponente = frexp(lunghezza)
                livello = max(esponente - 1 if mantissa == 0.5 else esponente, LIVELLO_MINIMO)
            else:
                livello = LIVELLO_MINIMO
            celle = self.livelli.get(livello)
            if celle is None:
                celle = self.livelli[livello] = {}
            inverso = 2.0 ** -livello            # exact: a power of two
            x0, x1 = floor(min(ax, bx) * inverso), floor(max(ax, bx) * inverso)
            y0, y1 = floor(min(ay, by) * inverso), floor(max(ay, by) * inverso)
            z0, z1 = floor(min(az, bz) * inverso), floor(max(az, bz) * inverso)
            if x0 == x1 and y0 == y1 and z0 == z1:
                celle.setdefault((x0, y0, z0), []).append(i)
                continue
            for cx in range(x0, x1 + 1):
                for cy in range(y0, y1 + 1):
                    for cz in range(z0, z1 + 1):
                        celle.setdefault((cx, cy, cz), []).append(i)
        self.ordine = sorted(self.livelli)
        self.grossolane = {}      # (livello, salto) -> coarse cell -> segment indices
        self.ultimo = None        # level of the last hit, tried first

    def _grossolana(self, livello, salto):
        chiave = (livello, salto)
        mappa = self.grossolane.get(chiave)
        if mappa is None:
            mappa = collections.defaultdict(set)
            for (cx, cy, cz), indici in self.livelli[livello].items():
                mappa[(cx >> salto, cy >> salto, cz >> salto)].update(indici)
            self.grossolane[chiave] = mappa
        return mappa

    def _nel_livello(self, p, tolleranza, livello):
        t2 = tolleranza * tolleranza
        lato = 2.0 ** livello
        if tolleranza <= lato:
            celle = self.livelli[livello]
        else:
            salto = math.ceil(math.log2(tolleranza / lato))
            lato *= 2 ** salto
            celle = self._grossolana(livello, salto)
        x, y, z = p
        segmenti = self.segmenti
        for cx in range(math.floor((x - tolleranza) / lato), math.floor((x + tolleranza) / lato) + 1):
            for cy in range(math.floor((y - tolleranza) / lato),
                            math.floor((y + tolleranza) / lato) + 1):
                for cz in range(math.floor((z - tolleranza) / lato),
                                math.floor((z + tolleranza) / lato) + 1):
                    indici = celle.get((cx, cy, cz))
                    if indici:
                        for i in indici:
                            if distanza2(p, segmenti[i]) <= t2:
                                return True
        return False

    def vicino(self, p, tolleranza):
        """True when some segment or point lies within tolleranza of p."""
        if self.ultimo is not None and self._nel_livello(p, tolleranza, self.ultimo):
            return True
        for livello in self.ordine:
            if livello != self.ultimo and self._nel_livello(p, tolleranza, livello):
                self.ultimo = livello
                return True
        return False


def tolleranza(p, dimensione, relativa=RELATIVA, assoluta=ASSOLUTA, coordinate=COORDINATE):
    return max(relativa * dimensione, assoluta) + coordinate * max(abs(p[0]), abs(p[1]), abs(p[2]))


def confronta_file(giudizio, segmenti, punti, **tolleranze):
    """(tenute, mancanti): entity counts kept by kind, and the entities missed."""
    indice = Indice(segmenti, punti)
    tenute = collections.Counter()
    mancanti = []
    for voce in giudizio.get("entita", []):
        dimensione = float(voce.get("dimensione", 0.0))
        if all(indice.vicino(p, tolleranza(p, dimensione, **tolleranze)) for p in voce["punti"]):
            tenute[voce["tipo"]] += 1
        else:
            mancanti.append(voce)
    return tenute, mancanti


def percento(parte, tutto):
    return 100.0 * parte / tutto if tutto else float("nan")


def coppie_da_cartelle(giudizi, elenchi):
    coppie = []
    for nome in sorted(os.listdir(giudizi)):
        if nome.endswith(".json"):
            radice = nome[:-len(".json")]
            coppie.append((os.path.join(giudizi, nome), os.path.join(elenchi, radice + ".txt")))
    return coppie


def main(argv=None, uscita=sys.stdout):
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("file", nargs="*", help="pairs GIUDIZIO.json ELENCO.txt")
    p.add_argument("--cartelle", nargs=2, metavar=("GIUDIZI", "ELENCHI"))
    p.add_argument("--soglia-totale", type=float, default=95.0, help="percent, default 95")
    p.add_argument("--soglia-mediana", type=float, default=100.0, help="percent, default 100")
    p.add_argument("--relativa", type=float, default=RELATIVA)
    p.add_argument("--assoluta", type=float, default=ASSOLUTA)
    p.add_argument("--coordinate", type=float, default=COORDINATE)
    p.add_argument("--dettagli", type=int, default=3,
                   help="missed entities shown for each file (default 3)")
    a = p.parse_args(argv)

    if a.cartelle:
        coppie = coppie_da_cartelle(*a.cartelle)
    else:
        if len(a.file) % 2:
            p.error("give the files in pairs: GIUDIZIO.json ELENCO.txt")
        coppie = list(zip(a.file[0::2], a.file[1::2]))
    if not coppie:
        p.error("no file to compare")
    tolleranze = dict(relativa=a.relativa, assoluta=a.assoluta, coordinate=a.coordinate)

    def scrivi(testo=""):
        print(testo, file=uscita)

    totale_tenute = totale_disegnabili = 0
    quote = []
    mancanti_per_tipo = collections.Counter()
    for percorso_giudizio, percorso_elenco in coppie:
        try:
            with open(percorso_giudizio, encoding="utf-8") as f:
                giudizio = json.load(f)
        except (OSError, ValueError) as ex:
            scrivi(f"{percorso_giudizio}: unreadable judgement: {ex}")
            return 2
        nome = giudizio.get("file") or os.path.basename(percorso_giudizio)
        disegnabili = len(giudizio.get("entita", []))
        if giudizio.get("errore"):
            scrivi(f"{nome}: ezdxf cannot read it ({giudizio['errore']}), not counted")
            continue
        nota = ""
        if os.path.exists(percorso_elenco):
            try:
                with open(percorso_elenco, encoding="utf-8", errors="replace") as f:
                    segmenti, punti = leggi_elenco(f)
            except FormatoErrato as ex:
                scrivi(f"{percorso_elenco}: {ex}")
                return 2
        else:
            segmenti, punti = [], []
            nota = "  (no listing: nothing kept)"
        tenute, mancanti = confronta_file(giudizio, segmenti, punti, **tolleranze)
        n = sum(tenute.values())
        totale_tenute += n
        totale_disegnabili += disegnabili
        if disegnabili:
            quote.append(percento(n, disegnabili))
            scrivi(f"{nome}: {n}/{disegnabili} kept, {percento(n, disegnabili):.2f} %{nota}")
        else:
            scrivi(f"{nome}: draws nothing{nota}")
        if mancanti:
            per_tipo = collections.Counter(v["tipo"] for v in mancanti)
            mancanti_per_tipo.update(per_tipo)
            scrivi("    missed: " + ", ".join(f"{t} {c}" for t, c in sorted(per_tipo.items())))
            for v in mancanti[:a.dettagli]:
                scrivi(f"    - {v['tipo']} from {v.get('origine', '?')} on {v.get('layer', '?')},"
                       f" first point {v['punti'][0]}")

    quota_totale = percento(totale_tenute, totale_disegnabili)
    mediana = statistics.median(quote) if quote else float("nan")
    scrivi()
    scrivi(f"overall: {totale_tenute}/{totale_disegnabili} kept, {quota_totale:.2f} %"
           f" (threshold {a.soglia_totale:g} %)")
    scrivi(f"median of {len(quote)} files: {mediana:.2f} % (threshold {a.soglia_mediana:g} %)")
    if mancanti_per_tipo:
        scrivi("missed by kind: " + ", ".join(f"{t} {c}" for t, c in sorted(mancanti_per_tipo.items())))
    # NaN (nothing drawable anywhere) fails both comparisons: nothing was shown kept.
    superato = quota_totale >= a.soglia_totale and mediana >= a.soglia_mediana
    scrivi("result: " + ("passed" if superato else "FAILED"))
    return 0 if superato else 1


if __name__ == "__main__":
    sys.exit(main())
