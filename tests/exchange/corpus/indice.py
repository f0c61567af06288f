"""Finds whether any of many segments lies within a distance of a point.

Used by confronta.py for both directions of the comparison: the judge's
sample points near our runs, and our vertices near the judge's lines.
"""
import collections
import math

# Runs and single points go into a grid of cells of side 2**livello; a segment
# goes into the level of the smallest cell as long as it is, so it touches at
# most 2 cells on each axis.  Zero-length segments (points) go into the finest.
LIVELLO_MINIMO = -40


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
