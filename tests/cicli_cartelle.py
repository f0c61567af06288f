"""Folders depend in one direction only: builds the graph of the folders under
src/core and src/ui from their '#include "X/..."' lines and fails naming the
first cycle it finds."""
import pathlib
import re
import sys

radice = pathlib.Path(sys.argv[1]) / "src"
cartelle = {d.name: d for lib in ("core", "ui") for d in (radice / lib).iterdir() if d.is_dir()}
archi = {nome: set() for nome in cartelle}
for nome, d in cartelle.items():
    for f in d.rglob("*"):
        if f.suffix in (".h", ".cpp"):
            for x in re.findall(r'^\s*#\s*include\s+"([^/"]+)/', f.read_text("utf-8"), re.M):
                if x in cartelle and x != nome:
                    archi[nome].add(x)


def ciclo(nodo, cammino, finiti):
    if nodo in cammino:
        return cammino[cammino.index(nodo):] + [nodo]
    if nodo in finiti:
        return None
    for dopo in sorted(archi[nodo]):
        trovato = ciclo(dopo, cammino + [nodo], finiti)
        if trovato:
            return trovato
    finiti.add(nodo)
    return None


finiti = set()
for nome in sorted(archi):
    c = ciclo(nome, [], finiti)
    if c:
        sys.exit("cartelle in ciclo: " + " -> ".join(c))
print(f"{len(archi)} cartelle, nessun ciclo")
