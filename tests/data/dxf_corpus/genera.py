#!/usr/bin/env python3
"""Writes the generated part of the DXF corpus with ezdxf.

  genera.py [CARTELLA]

writes into CARTELLA (by default generati/ beside this script) one drawing for
each of R12, R2000 and R2018, each saved as ASCII and as binary DXF:

  r12_ascii.dxf    r12_binario.dxf
  r2000_ascii.dxf  r2000_binario.dxf
  r2018_ascii.dxf  r2018_binario.dxf

The drawing holds every kind the version has: LINE (colours by layer, by block
and above 15), POINT, TEXT (left and justified, rotated or not, with %%d %%p
%%c and accented letters), 2-D POLYLINE with bulges and closed, 3-D POLYLINE,
polyface and polygon meshes, ARC, CIRCLE, 3DFACE, SOLID, TRACE, INSERT (nested
blocks, block base point, scale even and uneven, rotation, a row and column
array, extrusion (0,0,-1)), ATTRIB, DIMENSION; from R2000 on also LWPOLYLINE
(bulges, closed, elevation, extrusion (0,0,-1)), ELLIPSE (whole and partial),
SPLINE (control points; fit points only), MTEXT with formatting codes, HATCH
(polyline and edge boundary paths), LEADER and MULTILEADER.  Some entities
lie at map coordinates (east 1.5e6, north 5e6).  Entities on a layer that is
off, on a frozen layer, in references on such layers, and in paper space are
there too and are not drawn in model space.

Meta data (dates, GUIDs) and the hash seed are fixed, so the same ezdxf writes
the same bytes.
ezdxf comes with Debian's python3-ezdxf, for /usr/bin/python3.
"""
import math
import os
import sys

# ezdxf orders some objects by hashing: a fixed hash seed keeps the output the same.
if __name__ == "__main__" and os.environ.get("PYTHONHASHSEED") != "0":
    os.environ["PYTHONHASHSEED"] = "0"
    os.execv(sys.executable, [sys.executable] + sys.argv)

try:
    import ezdxf
except ImportError:  # pragma: no cover - depends on the machine
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != \
            os.path.realpath("/usr/bin/python3") and not os.environ.get("GENERA_RIESEGUITO"):
        os.environ["GENERA_RIESEGUITO"] = "1"
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("genera.py: ezdxf is missing (apt-get install python3-ezdxf)")

from ezdxf.enums import TextEntityAlignment
from ezdxf.math import Vec2, Vec3

VERSIONI = {"r12": "R12", "r2000": "R2000", "r2018": "R2018"}

# Map coordinates, as a façade survey would have them.
EST, NORD, QUOTA = 1512345.678, 5034567.891, 123.456


def strati(doc):
    doc.layers.add("MURI", color=1)
    doc.layers.add("TESTI", color=5)
    doc.layers.add("FINESTRE", color=3)
    doc.layers.add("QUOTE", color=2)
    doc.layers.add("SPENTO", color=4).off()
    doc.layers.add("CONGELATO", color=6).freeze()
    doc.layers.add("SPENTO_CONGELATO", color=7)
    doc.layers.get("SPENTO_CONGELATO").off()
    doc.layers.get("SPENTO_CONGELATO").freeze()


def blocchi(doc, moderno):
    # A window, with its base point away from the origin: parts on layer 0
    # (drawn on the reference's layer) and on a layer of their own.
    finestra = doc.blocks.new("FINESTRA", base_point=(1, 1, 0))
    finestra.add_line((0, 0), (2, 0), dxfattribs={"color": 0})           # BYBLOCK
    finestra.add_line((2, 0), (2, 3), dxfattribs={"color": 256})         # BYLAYER
    finestra.add_line((2, 3), (0, 3), dxfattribs={"color": 140})
    finestra.add_line((0, 3), (0, 0))
    finestra.add_arc((1, 3), 1, 0, 180, dxfattribs={"layer": "FINESTRE"})
    finestra.add_circle((1, 1.5), 0.25, dxfattribs={"layer": "FINESTRE"})
    finestra.add_point((1, 0))
    finestra.add_text("F", dxfattribs={"height": 0.2, "insert": (0.1, 0.1)})

    # A façade bay, which nests two windows.
    campata = doc.blocks.new("CAMPATA")
    campata.add_polyline2d([(0, 0), (6, 0), (6, 8), (0, 8)], close=True)
    campata.add_blockref("FINESTRA", (2, 2), dxfattribs={"rotation": 0})
    campata.add_blockref("FINESTRA", (5, 5), dxfattribs={"rotation": 90, "xscale": 0.5,
                                                         "yscale": 0.5, "zscale": 0.5})

    # A symbol drawn scaled unevenly: its circle becomes an ellipse.
    simbolo = doc.blocks.new("SIMBOLO")
    simbolo.add_circle((0, 0), 1)
    simbolo.add_arc((0, 0), 1.5, 30, 150)
    simbolo.add_line((-2, 0), (2, 0))

    # A label with attributes.
    etichetta = doc.blocks.new("ETICHETTA")
    etichetta.add_polyline2d([(0, 0), (4, 0), (4, 1.5), (0, 1.5)], close=True)
    etichetta.add_attdef("NOME", (0.2, 0.9), dxfattribs={"height": 0.3})
    etichetta.add_attdef("QUOTA", (0.2, 0.3), dxfattribs={"height": 0.3})
    etichetta.add_attdef("NASCOSTO", (3, 0.3), dxfattribs={"height": 0.3, "flags": 1})

    # A block with parts on layer 0, on a layer that is on and on one that is off.
    misto = doc.blocks.new("MISTO")
    misto.add_line((0, 0), (1, 0))                                       # takes the reference's layer
    misto.add_line((0, 0), (0, 1), dxfattribs={"layer": "MURI"})
    misto.add_line((0, 0), (1, 1), dxfattribs={"layer": "SPENTO"})

    if moderno:
        moderno_blocco = doc.blocks.new("CURVE")
        moderno_blocco.add_lwpolyline([(0, 0, 0), (2, 0, 0.5), (2, 2, 0), (0, 2, -0.3)],
                                      format="xyb", close=True)
        moderno_blocco.add_ellipse((0, 0), major_axis=(2, 0), ratio=0.5)
        moderno_blocco.add_spline([(0, 0), (1, 2), (3, -1), (4, 1)])


def modello(doc, msp, moderno):
    # LINEs and colours.
    msp.add_line((0, 0, 0), (10, 0, 0), dxfattribs={"layer": "MURI"})                 # BYLAYER
    msp.add_line((10, 0, 0), (10, 10, 2), dxfattribs={"layer": "MURI", "color": 0})  # BYBLOCK
    msp.add_line((10, 10, 2), (0, 10, 2), dxfattribs={"layer": "MURI", "color": 1})
    msp.add_line((0, 10, 2), (0, 0, 0), dxfattribs={"layer": "MURI", "color": 201})
    msp.add_line((EST, NORD, QUOTA), (EST + 12.5, NORD + 0.75, QUOTA + 3),
                 dxfattribs={"layer": "MURI", "color": 30})
    msp.add_line((0, 0), (3, 4), dxfattribs={"layer": "NON_IN_TABELLA"})

    # POINTs.
    msp.add_point((5, 5, 1))
    msp.add_point((EST + 1, NORD + 1, QUOTA), dxfattribs={"layer": "MURI"})

    # TEXTs.
    t = {"layer": "TESTI", "height": 0.5}
    msp.add_text("Sinistra", dxfattribs=t).set_placement((0, -2))
    msp.add_text("Ruotato 30%%d", dxfattribs=dict(t, rotation=30)).set_placement((0, -4))
    msp.add_text("Centro %%p0.01", dxfattribs=t).set_placement(
        (20, -2), align=TextEntityAlignment.MIDDLE_CENTER)
    msp.add_text("Destra %%c80 è", dxfattribs=dict(t, rotation=-45)).set_placement(
        (20, -4), align=TextEntityAlignment.BOTTOM_RIGHT)
    msp.add_text("Allineato", dxfattribs=t).set_placement(
        (30, -2), (36, -1), align=TextEntityAlignment.ALIGNED)
    msp.add_text("Città più a nord", dxfattribs=t).set_placement(
        (EST + 2, NORD + 2, QUOTA), align=TextEntityAlignment.TOP_LEFT)

    # 2-D POLYLINEs: open with bulges, closed with bulges, with elevation.
    msp.add_polyline2d([(0, 20, 0, 0, 0.5), (5, 20, 0, 0, 0), (5, 25, 0, 0, -1), (0, 25)],
                       format="xyseb", dxfattribs={"layer": "MURI"})
    p = msp.add_polyline2d([(10, 20, 0, 0, 0.25), (15, 20, 0, 0, 0), (15, 25, 0, 0, 0.4142),
                            (10, 25, 0, 0, 0)], format="xyseb", close=True,
                           dxfattribs={"layer": "MURI", "elevation": (0, 0, 3.5)})
    # 3-D POLYLINE, open and closed.
    msp.add_polyline3d([(20, 20, 0), (25, 20, 1), (25, 25, 2), (20, 25, 3)])
    msp.add_polyline3d([(EST, NORD, QUOTA), (EST + 5, NORD, QUOTA + 1),
                        (EST + 5, NORD + 5, QUOTA + 2)], close=True)
    # Polyface mesh: a box of two faces sharing an edge.
    pf = msp.add_polyface(dxfattribs={"layer": "MURI"})
    pf.append_face([(30, 20, 0), (34, 20, 0), (34, 24, 0), (30, 24, 0)])
    pf.append_face([(34, 20, 0), (34, 20, 4), (34, 24, 4), (34, 24, 0)])
    pf.optimize()
    # Polygon mesh, 3 by 4.
    mesh = msp.add_polymesh((3, 4), dxfattribs={"layer": "MURI"})
    for m in range(3):
        for n in range(4):
            mesh.set_mesh_vertex((m, n), (40 + 2 * n, 20 + 2 * m, math.sin(m + n)))

    # ARC and CIRCLE, one of each with extrusion (0,0,-1).
    msp.add_arc((0, 40), 3, 15, 200)
    msp.add_circle((10, 40), 2.5)
    msp.add_arc((20, 40, 1), 2, 0, 90, dxfattribs={"extrusion": (0, 0, -1)})
    msp.add_circle((30, 40, 2), 1.5, dxfattribs={"extrusion": (0, 0, -1)})
    msp.add_circle((EST + 10, NORD + 10, QUOTA), 0.35)

    # 3DFACE, SOLID, TRACE.
    msp.add_3dface([(0, 50, 0), (4, 50, 1), (4, 54, 2), (0, 54, 1)])
    msp.add_3dface([(6, 50, 0), (10, 50, 0), (8, 54, 3)])
    msp.add_solid([(12, 50), (16, 50), (12, 54), (16, 54)])
    msp.add_solid([(18, 50), (22, 50), (20, 54)])
    msp.add_trace([(24, 50), (28, 50), (24, 51), (28, 51)])

    # INSERTs: nested blocks, base point, scale, rotation, array, extrusion.
    msp.add_blockref("CAMPATA", (50, 0), dxfattribs={"layer": "MURI"})
    msp.add_blockref("CAMPATA", (60, 0), dxfattribs={"rotation": 15, "xscale": 1.5,
                                                      "yscale": 1.5, "zscale": 1.5})
    msp.add_blockref("FINESTRA", (EST + 20, NORD + 5, QUOTA), dxfattribs={"rotation": 90})
    msp.add_blockref("SIMBOLO", (80, 0), dxfattribs={"rotation": 30, "xscale": 2,
                                                      "yscale": 1, "zscale": 1})
    msp.add_blockref("FINESTRA", (90, 5, 2), dxfattribs={"extrusion": (0, 0, -1)})
    schiera = msp.add_blockref("FINESTRA", (100, 0), dxfattribs={"layer": "FINESTRE"})
    schiera.grid(size=(2, 3), spacing=(4, 3.5))          # 2 rows by 3 columns
    ref = msp.add_blockref("ETICHETTA", (50, -10))
    ref.add_auto_attribs({"NOME": "Facciata sud", "QUOTA": "+12.50", "NASCOSTO": "no"})
    ref = msp.add_blockref("ETICHETTA", (60, -10), dxfattribs={"rotation": 10})
    ref.add_auto_attribs({"NOME": "Facciata è", "QUOTA": "", "NASCOSTO": "no"})

    # DIMENSION.
    msp.add_linear_dim(base=(0, -8), p1=(0, -6), p2=(10, -6),
                       dxfattribs={"layer": "QUOTE"}).render()
    msp.add_aligned_dim(p1=(20, -8), p2=(26, -12), distance=1,
                        dxfattribs={"layer": "QUOTE"}).render()

    # What is not drawn: layers off and frozen, references on them.
    msp.add_line((0, 60), (5, 60), dxfattribs={"layer": "SPENTO"})
    msp.add_text("spento", dxfattribs={"layer": "SPENTO", "insert": (0, 61), "height": 0.5})
    msp.add_circle((10, 60), 1, dxfattribs={"layer": "CONGELATO"})
    msp.add_point((12, 60), dxfattribs={"layer": "SPENTO_CONGELATO"})
    msp.add_blockref("CAMPATA", (20, 60), dxfattribs={"layer": "CONGELATO"})
    # Of a reference on a layer that is off, only the parts not on layer 0 and
    # not on a layer that is off are drawn: here one line of MISTO.
    msp.add_blockref("MISTO", (30, 60), dxfattribs={"layer": "SPENTO"})
    msp.add_blockref("MISTO", (35, 60), dxfattribs={"layer": "MURI"})

    if not moderno:
        return

    # LWPOLYLINEs: bulges, closed, elevation, extrusion (0,0,-1).
    msp.add_lwpolyline([(0, 70, 0), (5, 70, 1), (5, 75, 0), (0, 75, 0)], format="xyb",
                       dxfattribs={"layer": "MURI"})
    msp.add_lwpolyline([(10, 70, 0.3), (15, 70, 0), (15, 75, -0.6), (10, 75, 0)],
                       format="xyb", close=True, dxfattribs={"elevation": 2.5})
    msp.add_lwpolyline([(20, 70), (25, 70), (25, 75)], dxfattribs={"elevation": 4})
    msp.add_lwpolyline([(-30, 70, 0), (-25, 70, 0.5), (-25, 75, 0)], format="xyb",
                       close=True, dxfattribs={"extrusion": (0, 0, -1), "elevation": 1.5})
    msp.add_lwpolyline([(EST, NORD + 20), (EST + 8, NORD + 20), (EST + 8, NORD + 26)],
                       dxfattribs={"elevation": QUOTA})

    # ELLIPSEs: whole and partial.
    msp.add_ellipse((0, 90), major_axis=(4, 1), ratio=0.4)
    msp.add_ellipse((12, 90, 1), major_axis=(0, 3, 0), ratio=0.5,
                    start_param=0.5, end_param=4.0)
    # SPLINEs: from control points, and with fit points only.
    msp.add_open_spline([(20, 90), (22, 95), (26, 86), (30, 92), (32, 90)], degree=3)
    msp.add_spline(fit_points=[(40, 90), (42, 94), (46, 88), (50, 91)])
    msp.add_blockref("CURVE", (60, 90), dxfattribs={"rotation": 45})

    # MTEXT with formatting codes over several lines.
    msp.add_mtext("Prima riga\\PSeconda {\\C1;rossa} riga\\P\\fArial|b1;grassetto\\f; "
                  "e città \\U+00E8 fine",
                  dxfattribs={"layer": "TESTI", "insert": (0, 110), "char_height": 0.5,
                              "width": 12})
    msp.add_mtext("Ruotata", dxfattribs={"insert": (EST + 4, NORD + 4, QUOTA),
                                         "char_height": 0.25, "rotation": 20})

    # HATCHes: polyline boundary with a bulge, and edge boundary.
    h = msp.add_hatch(color=3)
    h.paths.add_polyline_path([(0, 120, 0), (6, 120, 0.5), (6, 126, 0), (0, 126, 0)],
                              is_closed=True)
    h = msp.add_hatch(color=4, dxfattribs={"elevation": (0, 0, 1)})
    h.set_pattern_fill("ANSI31", scale=0.5)
    bordo = h.paths.add_edge_path()
    bordo.add_line((10, 120), (16, 120))
    bordo.add_arc((16, 123), radius=3, start_angle=-90, end_angle=90)
    bordo.add_ellipse((13, 126), major_axis=(3, 0), ratio=0.5, start_angle=0, end_angle=180)
    bordo.add_spline(control_points=[(10, 126), (9, 124), (11, 122), (10, 120)], degree=3)

    # LEADER and MULTILEADER.
    msp.add_leader([(0, 130), (3, 133), (6, 133)], dxfattribs={"layer": "QUOTE"})
    ml = msp.add_multileader_mtext("Standard")
    ml.set_content("Nota della\\Pfacciata")
    ml.add_leader_line(ezdxf.render.mleader.ConnectionSide.left,
                       [Vec2(10, 128), Vec2(12, 131)])
    ml.build(insert=Vec2(15, 133))


def carta(doc, moderno):
    ps = doc.layouts.active_layout()
    ps.add_line((0, 0), (100, 0))
    ps.add_text("cartiglio", dxfattribs={"insert": (5, 5), "height": 2.5})
    ps.add_circle((50, 50), 10)
    ps.add_blockref("FINESTRA", (20, 20))
    if moderno:
        ps.add_lwpolyline([(0, 0), (10, 0), (10, 10)])
        ps.add_mtext("tavola 1", dxfattribs={"insert": (30, 5)})


def disegno(versione):
    doc = ezdxf.new(versione, setup=True)
    moderno = versione != "R12"
    strati(doc)
    blocchi(doc, moderno)
    modello(doc, doc.modelspace(), moderno)
    carta(doc, moderno)
    return doc


def main(argv):
    cartella = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                          "generati")
    os.makedirs(cartella, exist_ok=True)
    ezdxf.options.write_fixed_meta_data_for_testing = True
    for nome, versione in VERSIONI.items():
        doc = disegno(versione)
        doc.saveas(os.path.join(cartella, f"{nome}_ascii.dxf"))
        doc.saveas(os.path.join(cartella, f"{nome}_binario.dxf"), fmt="bin")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
