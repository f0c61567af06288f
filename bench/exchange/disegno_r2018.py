#!/usr/bin/env python3
"""A large façade drawing written by ezdxf as a release 2018 DXF, for the reader benchmarks.

  disegno_r2018.py scrivi MB FILE.dxf FILE_BINARIO.dxf
      writes about MB megabytes of ASCII DXF and its binary twin (the same drawing).
  disegno_r2018.py leggi FILE.dxf
      ezdxf.readfile of FILE.dxf; prints the seconds it took.

The drawing: storeys of windows, each a block reference (a frame as a closed
LWPOLYLINE, an arched head as an ARC, a sill as a LWPOLYLINE with a bulge),
wall outlines as LWPOLYLINE, arches over the doors as ARC, a few texts; on
layers with colours. Random positions from a fixed seed, so every run writes
the same file.
"""
import random
import sys
import time

import ezdxf


def disegno(megabyte):
    doc = ezdxf.new("R2018")
    for nome, colore in (("MURI", 1), ("FINESTRE", 5), ("ARCHI", 3), ("TESTI", 7)):
        doc.layers.add(nome, color=colore)
    finestra = doc.blocks.new("FINESTRA", base_point=(0.6, 0))
    finestra.add_lwpolyline([(0, 0), (1.2, 0), (1.2, 1.6), (0, 1.6)], close=True)
    finestra.add_arc((0.6, 1.6), 0.6, 0, 180)
    finestra.add_lwpolyline([(-0.1, 0, 0, 0, 0.2), (1.3, 0)], format="xyseb")
    msp = doc.modelspace()
    caso = random.Random(2018)
    # About 805 bytes of ASCII DXF for each step below.
    passi = int(megabyte * (1 << 20) / 805)
    for i in range(passi):
        x, y = caso.uniform(0, 5000), caso.uniform(0, 300)
        msp.add_lwpolyline([(x, y), (x + 4, y), (x + 4, y + 3, 0, 0, 0.3), (x, y + 3)],
                           format="xyseb", close=True, dxfattribs={"layer": "MURI"})
        msp.add_lwpolyline([(x, y - 0.2), (x + 4, y - 0.2)], dxfattribs={"layer": "MURI"})
        msp.add_arc((x + 2, y + 3), 1.5, 0, 180, dxfattribs={"layer": "ARCHI"})
        msp.add_blockref("FINESTRA", (x + 1, y + 0.9),
                         dxfattribs={"layer": "FINESTRE", "xscale": 0.8, "yscale": 0.8,
                                     "rotation": caso.choice((0, 90, 180, 270))})
        if i % 50 == 0:
            msp.add_text(f"P{i}", dxfattribs={"layer": "TESTI", "height": 0.5,
                                              "insert": (x, y - 1)})
    return doc


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "scrivi":
        doc = disegno(float(sys.argv[2]))
        doc.saveas(sys.argv[3])
        doc.saveas(sys.argv[4], fmt="bin")
        return 0
    if len(sys.argv) == 3 and sys.argv[1] == "leggi":
        inizio = time.perf_counter()
        ezdxf.readfile(sys.argv[2])
        print(f"{time.perf_counter() - inizio:.6f}")
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
