"""The reverse check: every vertex our reader made lies on the judge's lines.

The judgement gives for each entity ezdxf's own flattening of it ("tratti",
written by giudice.py, and for a text of several lines the box ezdxf guesses
for them, "area"); our listing gives runs of vertices, points and texts.

A run (or a single point) is paired with an entity when all of its vertices
lie within the entity's tolerance of the entity's lines; a run that no single
entity holds is checked vertex by vertex, each vertex against every entity
with that entity's own tolerance.  A vertex on no entity is a miss, unless it
lies in the box of an entity ezdxf reads but cannot draw (the judgement's
"indescritte"): such vertices cannot be checked and are counted apart.  A run
whose vertices all lie on entities, but on no single one, joins what ezdxf
draws apart: it is listed under "a_cavallo".

A miss is charged to the entity holding most of its run; when none holds any,
to the nearest entity; for a text, to the nearest text holding the same words,
or else to the nearest text.

The tolerance of an entity at a point p is the one of the other direction:
max(relativa * dimensione, assoluta) + coordinate * max(|x|, |y|, |z|).
"""
import collections
import math

from indice import Indice, distanza2

# An entity with this many segments or fewer is searched one segment at a time.
POCHI_SEGMENTI = 8


def rettangolo(angoli):
    """(corner, side, side) of the rectangle of an MTEXT's corners, or None."""
    if not angoli or len(angoli) < 4:
        return None
    c0, c1, c3 = (tuple(angoli[i]) for i in (0, 1, 3))
    return c0, tuple(c1[i] - c0[i] for i in range(3)), tuple(c3[i] - c0[i] for i in range(3))


class Entita:
    """One entity of the judgement: its lines, tolerance and bounding box."""

    def __init__(self, voce, relativa, assoluta, coordinate):
        self.tipo = voce.get("tipo", "?")
        self.origine = voce.get("origine", "?")
        self.testuale = "testo" in voce or "area" in voce
        self.parole = " ".join(str(voce.get("testo", "")).split())
        self.base = max(relativa * float(voce.get("dimensione", 0.0)), assoluta)
        self.coordinate = coordinate
        self.segmenti = []
        for linea in voce.get("tratti") or []:
            punti = [tuple(p) for p in linea]
            if len(punti) == 1:
                self.segmenti.append((punti[0], punti[0]))
            self.segmenti += [(punti[i], punti[i + 1]) for i in range(len(punti) - 1)]
        self.area = rettangolo(voce.get("area"))
        vertici = [p for s in self.segmenti for p in s] + [tuple(p) for p in voce.get("area") or []]
        self.minimo = self.massimo = None
        if vertici:
            estremi = [min(p[i] for p in vertici) for i in range(3)] + \
                      [max(p[i] for p in vertici) for i in range(3)]
            margine = self.base + coordinate * max(abs(c) for c in estremi)
            self.minimo = tuple(c - margine for c in estremi[:3])
            self.massimo = tuple(c + margine for c in estremi[3:])
        self._indice = None

    def tolleranza(self, p):
        return self.base + self.coordinate * max(abs(p[0]), abs(p[1]), abs(p[2]))

    def contiene(self, p):
        return all(self.minimo[i] <= p[i] <= self.massimo[i] for i in range(3))

    def distanza_area(self, p):
        """Distance from p to the rectangle of an MTEXT's lines (inf without one)."""
        if self.area is None:
            return math.inf
        c0, u, v = self.area
        q = [p[i] - c0[i] for i in range(3)]
        for lato in (u, v):
            l2 = sum(c * c for c in lato)
            if l2 > 0.0:
                t = min(max(sum(q[i] * lato[i] for i in range(3)) / l2, 0.0), 1.0)
                q = [q[i] - t * lato[i] for i in range(3)]
        return math.sqrt(sum(c * c for c in q))

    def distanza(self, p):
        lontano = min((distanza2(p, s) for s in self.segmenti), default=math.inf)
        return min(math.sqrt(lontano), self.distanza_area(p))

    def sopra(self, p):
        """True when p lies within the tolerance of the entity's lines (or area)."""
        t = self.tolleranza(p)
        if self.area is not None and self.distanza_area(p) <= t:
            return True
        if len(self.segmenti) <= POCHI_SEGMENTI:
            return any(distanza2(p, s) <= t * t for s in self.segmenti)
        if self._indice is None:
            self._indice = Indice(self.segmenti)
        return self._indice.vicino(p, t)


class Geometria:
    """The entities of a judgement, found by the boxes that hold a point."""

    def __init__(self, giudizio, relativa, assoluta, coordinate):
        tutte = [Entita(v, relativa, assoluta, coordinate) for v in giudizio.get("entita", [])]
        self.entita = [e for e in tutte if e.minimo is not None]
        self.scatole = [v["scatola"] for v in giudizio.get("indescritte", []) if v.get("scatola")]
        self.relativa, self.assoluta, self.coordinate = relativa, assoluta, coordinate
        self.celle = collections.defaultdict(list)   # (livello, cella) -> indices
        self.livelli = set()
        for k, e in enumerate(self.entita):
            lato = max(e.massimo[i] - e.minimo[i] for i in range(3))
            livello = math.frexp(lato)[1] if lato > 0.0 else -60
            self.livelli.add(livello)
            passo = 2.0 ** -livello
            x0, y0, z0 = (math.floor(c * passo) for c in e.minimo)
            x1, y1, z1 = (math.floor(c * passo) for c in e.massimo)
            for cx in range(x0, x1 + 1):
                for cy in range(y0, y1 + 1):
                    for cz in range(z0, z1 + 1):
                        self.celle[(livello, cx, cy, cz)].append(k)

    def candidate(self, p):
        """Indices of the entities whose box holds p."""
        fuori = []
        for livello in self.livelli:
            passo = 2.0 ** -livello
            chiave = (livello,) + tuple(math.floor(c * passo) for c in p)
            fuori += [k for k in self.celle.get(chiave, ()) if self.entita[k].contiene(p)]
        return fuori

    def indescritta(self, p):
        """True when p lies in the box of an entity ezdxf cannot draw."""
        for minimo, massimo in self.scatole:
            margine = max(self.relativa * math.dist(minimo, massimo), self.assoluta) + \
                self.coordinate * max(abs(c) for c in p)
            if all(minimo[i] - margine <= p[i] <= massimo[i] + margine for i in range(3)):
                return True
        return False

    def piu_vicina(self, p, testo=None):
        """The entity nearest to p, for a text the nearest text with its words
        (or any text), or None."""
        scelte = []
        if testo is not None:
            parole = " ".join(testo.split())
            testi = [e for e in self.entita if e.testuale]
            scelte = [e for e in testi if parole in e.parole] or testi
        return min(scelte or self.entita, key=lambda e: e.distanza(p), default=None)


Mancato = collections.namedtuple("Mancato", "vertice entita scarto")


class Esito:
    """Vertices checked and on the judge's lines, runs paired, misses."""

    def __init__(self):
        self.controllati = 0
        self.sopra = 0
        self.serie = 0
        self.appaiate = 0
        self.indescritti = 0
        self.mancati = []
        self.a_cavallo = []   # runs across entities


def verifica_serie(geometria, vertici, esito, testo=None):
    esito.serie += 1
    esito.controllati += len(vertici)
    entita = geometria.entita
    for k in geometria.candidate(vertici[0]):
        if all(entita[k].contiene(v) for v in vertici) and all(entita[k].sopra(v) for v in vertici):
            esito.appaiate += 1
            esito.sopra += len(vertici)
            return
    tenuti = collections.Counter()
    fuori = []
    prima = esito.indescritti
    for v in vertici:
        sue = [k for k in geometria.candidate(v) if entita[k].sopra(v)]
        tenuti.update(sue)
        if sue:
            esito.sopra += 1
        elif geometria.indescritta(v):
            esito.indescritti += 1
        else:
            fuori.append(v)
    if not fuori and len(vertici) > 1 and esito.indescritti == prima:
        esito.a_cavallo.append(vertici)
    for v in fuori:
        e = entita[tenuti.most_common(1)[0][0]] if tenuti else geometria.piu_vicina(v, testo)
        scarto = e.distanza(v) / e.tolleranza(v) if e is not None else math.inf
        esito.mancati.append(Mancato(v, e, scarto))


def verifica_inversa(giudizio, serie, punti, testi, relativa, assoluta, coordinate):
    """Esito of our runs, points and texts ((point, text) pairs) against the
    lines of the judgement."""
    geometria = Geometria(giudizio, relativa, assoluta, coordinate)
    esito = Esito()
    for vertici in serie:
        verifica_serie(geometria, vertici, esito)
    for p in punti:
        verifica_serie(geometria, [p], esito)
    for p, testo in testi:
        verifica_serie(geometria, [p], esito, testo)
    return esito
