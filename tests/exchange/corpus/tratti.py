"""ezdxf's own flattening of a drawable entity: the lines the entity draws.

giudice.py writes them under "tratti" for the reverse check of confronta.py,
where every vertex our reader made has to lie on the lines of an entity.

tratti(e, distanza, punti) gives polylines (lists of Vec3, world coordinates)
flattened by ezdxf with chords no farther than `distanza` from the curve:
  - ARC, CIRCLE, ELLIPSE, SPLINE, HELIX: the entity's own flattening;
  - LINE, LWPOLYLINE, 2-D and 3-D POLYLINE, 3DFACE, SOLID, TRACE: ezdxf's path
    of the entity (ezdxf.path.make_path), bulges as arcs;
  - HATCH: each boundary path as ezdxf builds it (ezdxf.path.from_hatch),
    edge paths with their lines, arcs, ellipses and splines;
  - polyface and polygon meshes, MESH: each face as a closed polygon;
  - MLINE and MULTILEADER: the lines of what ezdxf draws for them, and for a
    multileader its leader vertices and the points of its text or block;
  - LEADER: the polyline of its vertices;
  - POINT, texts, SHAPE, TOLERANCE: their sample points, one polyline each.
ezdxf's paths draw arcs and ellipses (polyline bulges, hatch edges) as cubic
Bezier curves, which stray up to 3e-4 of the radius from the true curve: about
a tenth of what the comparison allows.

area(e) gives for an MTEXT (or the text of a MULTILEADER) the corners of the
box ezdxf guesses for its lines (ezdxf.disassemble), where the reader may
place each line of the text; None for other kinds.
"""
from ezdxf import disassemble
from ezdxf import path as percorsi
from ezdxf.math import Vec3
from ezdxf.path import tools as strumenti
from ezdxf.render import MeshBuilder

# Chords of the judge's flattening: their sagitta at most this share of the
# entity's size, a twentieth of what the comparison allows.
FINE = 1e-4

PUNTIFORMI = {"POINT", "TEXT", "ATTRIB", "MTEXT", "SHAPE", "TOLERANCE"}


def vertici_disegnati(polyline):
    """The vertices a POLYLINE draws: of a spline-fit one its fit vertices, not its frame."""
    vertici = list(polyline.vertices)
    if polyline.dxf.get("flags", 0) & 4 and any(v.dxf.get("flags", 0) & 8 for v in vertici):
        vertici = [v for v in vertici if not v.dxf.get("flags", 0) & 16]
    return vertici


def percorso_polyline(polyline):
    """ezdxf's path of a 2-D or 3-D POLYLINE through the vertices it draws."""
    vertici = vertici_disegnati(polyline)
    if not vertici:
        return percorsi.Path()
    if polyline.is_3d_polyline:
        return percorsi.from_vertices([v.dxf.location for v in vertici], polyline.is_closed)
    if polyline.dxf.hasattr("elevation"):
        elevazione = Vec3(polyline.dxf.elevation).z
    else:
        elevazione = Vec3(vertici[0].dxf.location).z
    percorso = percorsi.Path()
    strumenti.add_2d_polyline(percorso, [v.format("xyb") for v in vertici],
                              close=polyline.is_closed, ocs=polyline.ocs(), elevation=elevazione)
    return percorso


def spiana(percorso, distanza):
    """Each sub-path of an ezdxf path as a polyline."""
    for parte in percorso.sub_paths():
        punti = list(parte.flattening(distanza)) if len(parte) else []
        yield punti or [Vec3(parte.start)]


def facce(mesh):
    for faccia in mesh.faces_as_vertices():
        if faccia:
            yield [Vec3(v) for v in faccia] + [Vec3(faccia[0])]


def tratti_composti(e, distanza):
    """MLINE and MULTILEADER: the lines of the entities ezdxf draws for them."""
    fuori = []
    for parte in e.virtual_entities():
        tipo = parte.dxftype()
        if tipo == "INSERT":
            for interna in parte.virtual_entities():
                if interna.dxftype() not in ("INSERT", "ATTDEF"):
                    fuori += tratti(interna, distanza, [])
        elif tipo in PUNTIFORMI:
            fuori += tratti(parte, distanza, [parte.dxf.get("insert", Vec3())])
        else:
            fuori += tratti(parte, distanza, [])
    return fuori


def tratti(e, distanza, punti):
    tipo = e.dxftype()
    if tipo in PUNTIFORMI:
        return [[Vec3(p)] for p in punti]
    if distanza <= 0.0:
        # a curve of no size: the one point it is
        return [[Vec3(punti[0])]] if punti else []
    if tipo == "LINE":
        return [[Vec3(e.dxf.start), Vec3(e.dxf.end)]]
    if tipo in ("ARC", "CIRCLE", "ELLIPSE"):
        return [list(e.flattening(distanza))]
    if tipo in ("SPLINE", "HELIX"):
        return [list(e.construction_tool().flattening(distanza, segments=16))]
    if tipo == "POLYLINE":
        if e.is_poly_face_mesh or e.is_polygon_mesh:
            return list(facce(MeshBuilder.from_polyface(e)))
        return list(spiana(percorso_polyline(e), distanza))
    if tipo == "MESH":
        return list(facce(MeshBuilder.from_mesh(e)))
    if tipo in ("LWPOLYLINE", "3DFACE", "SOLID", "TRACE"):
        return list(spiana(percorsi.make_path(e), distanza))
    if tipo == "HATCH":
        return [p for percorso in percorsi.from_hatch(e) for p in spiana(percorso, distanza)]
    if tipo == "LEADER":
        return [[Vec3(v) for v in e.vertices]]
    if tipo == "MLINE":
        return tratti_composti(e, distanza)
    if tipo == "MULTILEADER":
        return tratti_composti(e, distanza) + [[Vec3(p)] for p in punti]
    raise TypeError(f"no lines for {tipo}")


def area(e):
    if e.dxftype() == "MULTILEADER":
        try:
            testi = [p for p in e.virtual_entities() if p.dxftype() == "MTEXT"]
        except Exception:
            return None
        return area(testi[0]) if testi else None
    if e.dxftype() != "MTEXT":
        return None
    try:
        percorso = disassemble.make_primitive(e).path
    except Exception:
        # ezdxf measures the text with the font of its style: a missing style
        # stops it, the default one does not
        copia = e.copy()
        copia.dxf.discard("style")
        try:
            percorso = disassemble.make_primitive(copia).path
        except Exception:
            return None
    if percorso is None or len(percorso) < 3:
        return None
    return [Vec3(p) for p in percorso.control_vertices()[:4]]
