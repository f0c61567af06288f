#!/usr/bin/env python3
"""What a DXF file draws in model space, according to ezdxf, as JSON.

  giudice.py FILE.dxf [-o OUT.json] [--riepilogo] [--rientro]

The independent judge of the reader: ezdxf, a DXF library no one here wrote,
says which entities the file draws in model space and where they lie, and
confronta.py checks that our reader kept them and that every vertex our reader
made lies on what ezdxf draws.

Counted: every drawable entity of model space, with the content of blocks
counted where it is drawn: INSERTs are expanded recursively (a MINSERT once
for each copy of its array, ATTRIBs with their INSERT), DIMENSIONs and
ACAD_TABLEs through their anonymous blocks.

Not counted (listed under "escluse" with the reason):
  - paper space: only model space is read;
  - entities whose layer is off or frozen.  Inside a block an entity on layer
    "0" takes the layer of the reference that draws it; a reference on a
    frozen layer hides its whole block, one on a layer that is off hides only
    what takes its layer;
  - entities flagged invisible, invisible ATTRIBs, empty texts, circles and
    arcs of no radius, curves with no point, references scaled by 0 along x
    or y;
  - RAY, XLINE, IMAGE, WIPEOUT, the ACIS bodies (3DSOLID, REGION, BODY,
    surfaces), underlays, OLE frames, VIEWPORT, ATTDEF, proxies and whatever
    ezdxf does not know.

For each entity: "tipo" (its DXF kind, as drawn: a CIRCLE in a block scaled
unevenly is drawn as an ELLIPSE), "punti" (sample points in world coordinates),
"tratti" (ezdxf's own flattening of the entity, polylines whose chords stay
within 1e-4 of its size from the curve: see tratti.py), "dimensione" (the
diagonal of the points' bounding box), "layer" (the layer it is drawn on) and
"origine" (the handle of the model-space entity it comes from, with the blocks
it went through).  An MTEXT, and the text of a MULTILEADER, also get "area":
the corners of the box ezdxf guesses for its lines.

Sample points:
  - LINE its two ends, POINT its location;
  - ARC, CIRCLE, ELLIPSE, SPLINE, and LWPOLYLINE and 2-D POLYLINE arcs: points
    on the true curve, no farther apart than a chord whose sagitta is 0.002
    times the radius (for an ellipse its major radius, for a spline the size
    of its control frame);
  - TEXT and ATTRIB the insertion point, or the alignment point when
    justified (for ALIGNED and FIT the first point); MTEXT its insertion point;
  - 3DFACE, SOLID and TRACE their corners; polyface and polygon meshes and
    MESH their vertices; LEADER its vertices;
  - HATCH points along its boundary paths as ezdxf builds them, edge paths
    with their lines, arcs, ellipses and splines, no farther apart than a chord
    whose sagitta is 0.002 times the size of the paths;
  - MULTILEADER the vertices of its leader lines, the landing point and the
    insertion point of its text or block;
  - MLINE the ends of the lines ezdxf draws for it; SHAPE and TOLERANCE their
    insertion point.

"indescritte" lists the entities ezdxf reads but cannot draw (a SPLINE whose
knots do not fit its degree, a reference scaled by 0) with the box their
drawing keeps within, where it can tell one.

A file ezdxf cannot load is read again with ezdxf.recover ("recupero" says
why); one that recover cannot read either gets "errore" and no entities.
ASCII and binary DXF are both read.

ezdxf comes with Debian's python3-ezdxf, for /usr/bin/python3: under another
interpreter without it the script runs itself again with /usr/bin/python3.
"""
import argparse
import collections
import json
import math
import os
import re
import sys

try:
    import ezdxf
except ImportError:  # pragma: no cover - depends on the machine
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != \
            os.path.realpath("/usr/bin/python3") and not os.environ.get("GIUDICE_RIESEGUITO"):
        os.environ["GIUDICE_RIESEGUITO"] = "1"
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("giudice.py: ezdxf is missing (apt-get install python3-ezdxf)")

from ezdxf import bbox as estensione
from ezdxf import path as percorsi
from ezdxf import recover
from ezdxf.entities import Ellipse
from ezdxf.math import Vec3, bulge_to_arc, arc_segment_count
from ezdxf.math.transformtools import NonUniformScalingError
from ezdxf.render import MeshBuilder

from tratti import FINE, area, spiana, tratti, vertici_disegnati

# Kinds that draw nothing of their own that the reader has to keep.
ESCLUSI = {
    "RAY": "retta", "XLINE": "retta",
    "IMAGE": "raster", "WIPEOUT": "raster", "OLE2FRAME": "raster",
    "PDFUNDERLAY": "raster", "DWFUNDERLAY": "raster", "DGNUNDERLAY": "raster",
    "3DSOLID": "acis", "REGION": "acis", "BODY": "acis", "SURFACE": "acis",
    "EXTRUDEDSURFACE": "acis", "LOFTEDSURFACE": "acis", "REVOLVEDSURFACE": "acis",
    "SWEPTSURFACE": "acis", "PLANESURFACE": "acis", "NURBSURFACE": "acis",
    "VIEWPORT": "vista", "ATTDEF": "attdef",
    "ACAD_PROXY_ENTITY": "proxy",
    "LIGHT": "altro", "SUN": "altro", "SECTION": "altro",
}

# Kinds drawn through an anonymous block, like a block reference.
A_BLOCCO = {"DIMENSION", "ARC_DIMENSION", "LARGE_RADIAL_DIMENSION", "ACAD_TABLE"}

PROFONDITA_MASSIMA = 32

RAPPORTO = 0.002  # sagitta of the sampling chords, relative to radius or size


def versione_dichiarata(percorso):
    """$ACADVER as written in the file (ezdxf reports R13 and R14 as R2000)."""
    with open(percorso, "rb") as f:
        testa = f.read(1 << 20)
    if testa.startswith(b"AutoCAD Binary DXF"):
        m = re.search(rb"\$ACADVER\x00\x01\x00?([ -~]{1,16})\x00", testa)
        return ("binario", m.group(1).decode("ascii") if m else None)
    m = re.search(rb"\$ACADVER\s*\r?\n\s*1\s*\r?\n\s*([^\r\n]*)", testa)
    return ("ascii", m.group(1).decode("ascii", "replace").strip() if m else None)


class Strati:
    """Layer states, by name regardless of case; a missing layer is on and thawed."""

    def __init__(self, doc):
        self.stato = {}
        for layer in doc.layers:
            try:
                nome = layer.dxf.name.lower()
                spento = layer.is_off()
                congelato = layer.is_frozen()
            except Exception:
                continue
            self.stato[nome] = (spento, congelato)

    def spento(self, nome):
        return self.stato.get((nome or "0").lower(), (False, False))[0]

    def congelato(self, nome):
        return self.stato.get((nome or "0").lower(), (False, False))[1]


def diagonale(punti):
    if not punti:
        return 0.0
    xs = [p[0] for p in punti]
    ys = [p[1] for p in punti]
    zs = [p[2] for p in punti]
    return math.sqrt((max(xs) - min(xs)) ** 2 + (max(ys) - min(ys)) ** 2
                     + (max(zs) - min(zs)) ** 2)


def unici(punti):
    visti, fuori = set(), []
    for p in punti:
        t = (p[0], p[1], p[2])
        if t not in visti:
            visti.add(t)
            fuori.append(t)
    return fuori


class Degenere(Exception):
    pass


class Sconosciuto(Exception):
    pass


def punti_polilinea_2d(vertici, chiusa, ocs, elevazione):
    """Vertices (x, y, bulge) in OCS: points on the straight segments' ends and along the arcs."""
    fuori = []
    n = len(vertici)
    if n == 0:
        return fuori
    segmenti = n if chiusa else n - 1
    fuori.append(Vec3(vertici[0][0], vertici[0][1], elevazione))
    for i in range(segmenti):
        x1, y1, b = vertici[i]
        x2, y2, _ = vertici[(i + 1) % n]
        a, c = (x1, y1), (x2, y2)
        if b and abs(b) > 1e-12 and (x1, y1) != (x2, y2):
            centro, inizio, fine, raggio = bulge_to_arc(a, c, b)
            ampiezza = (fine - inizio) % math.tau
            if ampiezza == 0.0:
                ampiezza = math.tau
            passi = max(arc_segment_count(raggio, ampiezza, RAPPORTO * raggio), 1)
            # bulge_to_arc() always turns counter-clockwise from start to end
            if b > 0:
                angoli = [inizio + ampiezza * k / passi for k in range(1, passi)]
            else:
                angoli = [fine - ampiezza * k / passi for k in range(1, passi)]
            for t in angoli:
                fuori.append(Vec3(centro[0] + raggio * math.cos(t),
                                  centro[1] + raggio * math.sin(t), elevazione))
        fuori.append(Vec3(x2, y2, elevazione))
    if ocs.transform:
        fuori = list(ocs.points_to_wcs(fuori))
    return fuori


def ellisse_intera(e):
    """A full ellipse whose end parameter went past 2 pi by a rounding (as ezdxf
    moves one into a block reference) is written again from 0 to 2 pi: ezdxf
    takes it for an arc of no span and cannot flatten it."""
    ampiezza = (e.dxf.end_param - e.dxf.start_param) % math.tau
    if 0.0 < ampiezza < 1e-9 or math.tau - 1e-9 < ampiezza < math.tau:
        e.dxf.start_param, e.dxf.end_param = 0.0, math.tau


def punti_di(e):
    """Sample points in world coordinates of a drawable entity (not a reference)."""
    tipo = e.dxftype()
    dxf = e.dxf
    if tipo == "LINE":
        return [Vec3(dxf.start), Vec3(dxf.end)]
    if tipo == "POINT":
        return [Vec3(dxf.location)]
    if tipo in ("CIRCLE", "ARC"):
        raggio = abs(dxf.radius)
        if not raggio > 1e-12:
            raise Degenere("raggio nullo")
        return list(e.flattening(RAPPORTO * raggio))
    if tipo == "ELLIPSE":
        raggio = Vec3(dxf.major_axis).magnitude
        if not raggio > 1e-12:
            raise Degenere("asse nullo")
        ellisse_intera(e)
        return list(e.flattening(RAPPORTO * raggio))
    if tipo in ("SPLINE", "HELIX"):
        strumento = e.construction_tool()
        telaio = list(strumento.control_points)
        misura = diagonale(telaio)
        if not misura > 0.0:
            return [Vec3(telaio[0])] if telaio else []
        return list(strumento.flattening(RAPPORTO * misura, segments=16))
    if tipo == "LWPOLYLINE":
        vertici = [(x, y, b) for x, y, b in e.get_points("xyb")]
        return punti_polilinea_2d(vertici, e.closed, e.ocs(), dxf.get("elevation", 0.0))
    if tipo == "POLYLINE":
        if e.is_poly_face_mesh or e.is_polygon_mesh:
            return unici(MeshBuilder.from_polyface(e).vertices)
        vertici = vertici_disegnati(e)
        if e.is_3d_polyline:
            punti = [Vec3(v.dxf.location) for v in vertici]
            if e.is_closed and punti:
                punti.append(punti[0])
            return punti
        if dxf.hasattr("elevation"):
            elevazione = Vec3(dxf.elevation).z
        elif vertici:
            elevazione = Vec3(vertici[0].dxf.location).z
        else:
            elevazione = 0.0
        piani = [(Vec3(v.dxf.location).x, Vec3(v.dxf.location).y, v.dxf.get("bulge", 0.0))
                 for v in vertici]
        return punti_polilinea_2d(piani, e.is_closed, e.ocs(), elevazione)
    if tipo == "MESH":
        return unici(Vec3(v) for v in e.vertices)
    if tipo == "3DFACE":
        return [Vec3(dxf.get(n)) for n in ("vtx0", "vtx1", "vtx2", "vtx3") if dxf.hasattr(n)]
    if tipo in ("SOLID", "TRACE"):
        return list(e.wcs_vertices())
    if tipo in ("TEXT", "ATTRIB"):
        _, p, _ = e.get_placement()
        return [e.ocs().to_wcs(Vec3(p))]
    if tipo == "MTEXT":
        return [Vec3(dxf.insert)]
    if tipo in ("SHAPE",):
        return [e.ocs().to_wcs(Vec3(dxf.insert))]
    if tipo == "TOLERANCE":
        return [Vec3(dxf.insert)]
    if tipo == "HATCH":
        contorni = list(percorsi.from_hatch(e))
        misura = percorsi.bbox(contorni, fast=True).size.magnitude if contorni else 0.0
        if not misura > 0.0:
            return [Vec3(p.start) for p in contorni]
        return [p for c in contorni for t in spiana(c, RAPPORTO * misura) for p in t]
    if tipo == "LEADER":
        return [Vec3(v) for v in e.vertices]
    if tipo == "MULTILEADER":
        punti = []
        contesto = e.context
        for leader in contesto.leaders:
            for linea in leader.lines:
                punti.extend(Vec3(v) for v in linea.vertices)
            if leader.has_last_leader_line or leader.lines:
                punti.append(Vec3(leader.last_leader_point))
        if contesto.mtext is not None:
            punti.append(Vec3(contesto.mtext.insert))
        if contesto.block is not None:
            punti.append(Vec3(contesto.block.insert))
        return punti
    if tipo == "MLINE":
        punti = []
        for parte in e.virtual_entities():
            if parte.dxftype() == "LINE":
                punti.extend((Vec3(parte.dxf.start), Vec3(parte.dxf.end)))
            else:
                punti.extend(punti_di(parte))
        return punti
    raise Sconosciuto(tipo)


def attributo(e, nome, predefinito):
    try:
        return e.dxf.get(nome, predefinito)
    except Exception:
        return predefinito


def strato_di(e):
    try:
        return e.dxf.get("layer", "0") or "0"
    except Exception:  # kinds ezdxf keeps as bare tags
        pass
    try:
        return e.xtags.get_subclass("AcDbEntity").get_first_value(8, "0") or "0"
    except Exception:
        return "0"


def parti_del_riferimento(riferimento, scartate):
    """The block's entities where the reference draws them.

    ezdxf's own expansion first; when it fails as a whole (some ezdxf releases
    stumble on single entities), entity by entity, leaving out only those that
    cannot be moved into place.
    """
    try:
        return list(riferimento.virtual_entities(
            skipped_entity_callback=lambda x, motivo: scartate.append(x.dxftype())))
    except Exception:
        pass
    del scartate[:]
    m = riferimento.matrix44()
    parti = []

    def sposta(e):
        try:
            copia = e.copy()
        except Exception:
            scartate.append(e.dxftype())
            return
        try:
            # a thickness written as 0 makes ezdxf 0.18 divide by zero
            if copia.dxf.hasattr("thickness") and not copia.dxf.thickness:
                copia.dxf.discard("thickness")
        except Exception:
            pass
        try:
            parti.append(copia.transform(m) or copia)
        except NonUniformScalingError:
            if copia.dxftype() in ("ARC", "CIRCLE") and abs(copia.dxf.radius) > 1e-12:
                parti.append(Ellipse.from_arc(copia).transform(m))
            elif copia.dxftype() in ("LWPOLYLINE", "POLYLINE"):
                for pezzo in copia.virtual_entities():
                    sposta(pezzo)
            else:
                scartate.append(e.dxftype())
        except Exception:
            scartate.append(e.dxftype())

    for e in riferimento.block():
        if e.dxftype() != "ATTDEF":
            sposta(e)
    return parti


def scatola_di(punti):
    punti = [Vec3(p) for p in punti]
    if not punti or not all(math.isfinite(c) for p in punti for c in p):
        return None
    return [[min(p[i] for p in punti) for i in range(3)],
            [max(p[i] for p in punti) for i in range(3)]]


def scatola_grezza(e):
    """The box of an entity ezdxf cannot draw, from what it can read of it: a
    SPLINE lies within its control points, or runs through its fit points."""
    try:
        if e.dxftype() == "SPLINE":
            return scatola_di(list(e.control_points) or list(e.fit_points))
        scatola = estensione.extents([e], fast=True)
        return scatola_di([scatola.extmin, scatola.extmax]) if scatola.has_data else None
    except Exception:
        return None


def scatola_riferimento(riferimento, blocco):
    """Where a reference ezdxf cannot expand puts its block: the block's box
    moved by the reference's matrix (by a scale 0, onto the insertion point)."""
    try:
        scatola = estensione.extents(blocco, fast=True)
        if not scatola.has_data:
            return None
        m = riferimento.matrix44()
        (x0, y0, z0), (x1, y1, z1) = scatola.extmin, scatola.extmax
        angoli = [(x, y, z) for x in (x0, x1) for y in (y0, y1) for z in (z0, z1)]
        return scatola_di(m.transform_vertices(angoli))
    except Exception:
        return None


def testo_vuoto(e):
    tipo = e.dxftype()
    if tipo in ("TEXT", "ATTRIB"):
        return not (e.dxf.get("text", "") or "").strip()
    if tipo == "MTEXT":
        return not e.plain_text().strip()
    return False


def testo_di(e):
    tipo = e.dxftype()
    if tipo in ("TEXT", "ATTRIB"):
        return e.dxf.get("text", "")
    if tipo == "MTEXT":
        return e.plain_text()
    return None


class Giudice:
    def __init__(self, doc):
        self.doc = doc
        self.strati = Strati(doc)
        self.entita = []
        self.escluse = collections.Counter()
        self.indescritte = []

    def escludi(self, motivo, tipo):
        self.escluse[f"{motivo}:{tipo}"] += 1

    def indescritta(self, motivo, e, origine, scatola):
        """An entity ezdxf reads but cannot draw, with the box its drawing keeps within."""
        self.escludi(motivo, e.dxftype())
        if scatola is not None:
            self.indescritte.append({"tipo": e.dxftype(), "origine": "/".join(origine),
                                     "motivo": motivo, "scatola": scatola})

    def visita(self, e, strato_padre, origine, catena):
        """e drawn inside a reference on layer strato_padre (None in model space)."""
        tipo = e.dxftype()
        strato = strato_di(e)
        if strato_padre is not None and strato == "0":
            strato = strato_padre
        if tipo in ESCLUSI:
            self.escludi(ESCLUSI[tipo], tipo)
            return
        # (ezdxf keeps a 3DFACE's invisible edges under the same name)
        if tipo != "3DFACE" and attributo(e, "invisible", 0):
            self.escludi("invisibile", tipo)
            return
        if tipo == "INSERT":
            self.riferimento(e, strato, strato_padre, origine, catena)
            return
        if tipo in A_BLOCCO:
            if self.strati.congelato(strato):
                self.escludi("congelato", tipo)
                return
            try:
                parti = list(e.__virtual_entities__())
            except Exception:
                self.escludi("errore_blocco", tipo)
                return
            if not parti:
                self.escludi("senza_blocco", tipo)
                return
            for parte in parti:
                self.visita(parte, strato, origine + [tipo], catena)
            return
        if self.strati.congelato(strato):
            self.escludi("congelato", tipo)
            return
        if self.strati.spento(strato):
            self.escludi("spento", tipo)
            return
        if tipo == "ATTRIB" and e.dxf.get("flags", 0) & 1:
            self.escludi("invisibile", tipo)
            return
        try:
            if testo_vuoto(e):
                self.escludi("vuoto", tipo)
                return
            punti = punti_di(e)
        except Degenere:
            self.escludi("degenere", tipo)
            return
        except Sconosciuto:
            self.escludi("sconosciuto", tipo)
            return
        except Exception:
            self.indescritta("errore_lettura", e, origine, scatola_grezza(e))
            return
        punti = [(float(p[0]), float(p[1]), float(p[2])) for p in punti]
        if not punti:
            self.escludi("degenere", tipo)
            return
        if not all(math.isfinite(c) for p in punti for c in p):
            self.escludi("non_finito", tipo)
            return
        dimensione = diagonale(punti)
        try:
            linee = [[[float(c) for c in p] for p in t]
                     for t in tratti(e, FINE * dimensione, punti) if t]
        except Exception:
            self.indescritta("errore_tratti", e, origine, scatola_grezza(e))
            return
        voce = {
            "tipo": tipo,
            "punti": [list(p) for p in punti],
            "tratti": linee,
            "dimensione": dimensione,
            "layer": strato,
            "origine": "/".join(origine),
        }
        testo = testo_di(e)
        if testo is not None:
            voce["testo"] = testo
        angoli = area(e)
        if angoli:
            voce["area"] = [[float(c) for c in p] for p in angoli]
        self.entita.append(voce)

    def riferimento(self, e, strato, strato_padre, origine, catena):
        if self.strati.congelato(strato):
            self.escludi("congelato", "INSERT")
            return
        nome = e.dxf.get("name", "")
        if nome.lower() in catena or len(catena) >= PROFONDITA_MASSIMA:
            self.escludi("ricorsivo", "INSERT")
            return
        blocco = e.block()
        if blocco is None:
            self.escludi("senza_blocco", "INSERT")
            return
        if getattr(blocco.block, "is_xref", False) or getattr(blocco.block, "is_xref_overlay", False):
            self.escludi("xref", "INSERT")
            return
        if not (e.dxf.get("xscale", 1.0) and e.dxf.get("yscale", 1.0)):
            # scaled to nothing along x or y: the block collapses to a line or a point
            self.indescritta("degenere", e, origine, scatola_riferimento(e, blocco))
            return
        copie = list(e.multi_insert()) if e.mcount > 1 else [e]
        for copia in copie:
            scartate = []
            parti = parti_del_riferimento(copia, scartate)
            for t in scartate:
                self.escludi("non_trasformabile", t)
            sotto = origine + [f"INSERT:{nome}"]
            for parte in parti:
                self.visita(parte, strato, sotto, catena + [nome.lower()])
            # ATTRIBs belong to the reference, drawn in the space the reference is in
            for attrib in copia.attribs:
                self.visita(attrib, strato_padre, sotto, catena)

    def giudica(self):
        for e in self.doc.modelspace():
            try:
                self.visita(e, None, [attributo(e, "handle", "?")], [])
            except Exception:
                self.escludi("errore_lettura", e.dxftype())


def carica(percorso):
    """(doc, recupero, errore)."""
    try:
        return ezdxf.readfile(percorso), None, None
    except Exception as ex:
        primo = f"{type(ex).__name__}: {ex}"
    try:
        doc, _ = recover.readfile(percorso)
        return doc, primo, None
    except Exception as ex:
        return None, primo, f"{type(ex).__name__}: {ex}"


def giudica(percorso):
    formato, versione = versione_dichiarata(percorso)
    doc, recupero, errore = carica(percorso)
    esito = {
        "file": os.path.basename(percorso),
        "versione": versione,
        "formato": formato,
        "ezdxf": ezdxf.__version__,
        "recupero": recupero,
        "errore": errore,
        "totale": 0,
        "per_tipo": {},
        "escluse": {},
        "entita": [],
    }
    if doc is None:
        return esito
    giudice = Giudice(doc)
    try:
        giudice.giudica()
    except Exception as ex:  # the model space itself cannot be walked
        esito["errore"] = f"{type(ex).__name__}: {ex}"
    esito["entita"] = giudice.entita
    esito["totale"] = len(giudice.entita)
    esito["per_tipo"] = dict(sorted(collections.Counter(v["tipo"] for v in giudice.entita).items()))
    esito["escluse"] = dict(sorted(giudice.escluse.items()))
    esito["indescritte"] = giudice.indescritte
    return esito


def main(argv=None):
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("file")
    p.add_argument("-o", "--uscita", help="write the JSON here instead of standard output")
    p.add_argument("--riepilogo", action="store_true", help="leave out the entities, keep the counts")
    p.add_argument("--rientro", action="store_true", help="indent the JSON")
    a = p.parse_args(argv)
    esito = giudica(a.file)
    if a.riepilogo:
        esito = {k: v for k, v in esito.items() if k != "entita"}
    testo = json.dumps(esito, ensure_ascii=False, indent=1 if a.rientro else None)
    if a.uscita:
        with open(a.uscita, "w", encoding="utf-8") as f:
            f.write(testo + "\n")
    else:
        sys.stdout.write(testo + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
