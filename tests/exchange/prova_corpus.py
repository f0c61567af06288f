#!/usr/bin/env python3
"""The DXF corpus (tests/data/dxf_corpus) through our reader, with ezdxf as judge.

  prova_corpus.py confronto STRUMENTO CORPUS CARTELLA
      for every file of CORPUS/publici and CORPUS/generati: giudice.py says what
      it draws, `STRUMENTO elenca` what our reader kept, and confronta.py the
      share kept (fails under 95 % overall or a median under 100 %) and
      whether every vertex kept lies on ezdxf's lines of an entity (fails on
      any vertex off them but the known faults confronta.py lists).
  prova_corpus.py risalva STRUMENTO CORPUS CARTELLA
      every file read and saved again by our writer (`STRUMENTO risalva`); ezdxf
      reads each saved file and its audit finds no error.

STRUMENTO is the strumento_dxf program built with the tests; CARTELLA a folder
for the judgements, listings and saved files.
"""
import concurrent.futures
import os
import subprocess
import sys

QUI = os.path.dirname(os.path.abspath(__file__))
PYTHON = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable


def file_del_corpus(corpus):
    tutti = []
    for parte in ("publici", "generati"):
        cartella = os.path.join(corpus, parte)
        if os.path.isdir(cartella):
            tutti += [os.path.join(cartella, n) for n in sorted(os.listdir(cartella))
                      if n.lower().endswith(".dxf")]
    return tutti


def radice(percorso):
    return os.path.splitext(os.path.basename(percorso))[0]


def confronto(strumento, corpus, cartella):
    giudizi = os.path.join(cartella, "giudizi")
    elenchi = os.path.join(cartella, "elenchi")
    os.makedirs(giudizi, exist_ok=True)
    os.makedirs(elenchi, exist_ok=True)
    errori = []

    def uno(percorso):
        nome = radice(percorso)
        subprocess.run([PYTHON, os.path.join(QUI, "corpus", "giudice.py"), percorso, "-o",
                        os.path.join(giudizi, nome + ".json")], check=True)
        with open(os.path.join(elenchi, nome + ".txt"), "wb") as uscita:
            esito = subprocess.run([strumento, "elenca", percorso], stdout=uscita,
                                   stderr=subprocess.PIPE, timeout=120)
        if esito.returncode != 0:
            errori.append(f"{nome}: our reader failed: {esito.stderr.decode(errors='replace')}")

    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as lavori:
        list(lavori.map(uno, file_del_corpus(corpus)))
    for e in errori:
        print("FAIL:", e)
    esito = subprocess.run([PYTHON, os.path.join(QUI, "corpus", "confronta.py"), "--cartelle",
                            giudizi, elenchi])
    return 1 if errori or esito.returncode != 0 else esito.returncode


def risalva(strumento, corpus, cartella):
    import ezdxf
    os.makedirs(cartella, exist_ok=True)
    errori = []
    for percorso in file_del_corpus(corpus):
        nome = radice(percorso)
        salvato = os.path.join(cartella, nome + ".dxf")
        esito = subprocess.run([strumento, "risalva", percorso, salvato], capture_output=True)
        if esito.returncode != 0:
            errori.append(f"{nome}: read and save failed: {esito.stderr.decode(errors='replace')}")
            continue
        doc = ezdxf.readfile(salvato)
        revisione = doc.audit()
        n = len(list(doc.modelspace()))
        print(f"{nome}: {doc.dxfversion}, {n} entities, audit {len(revisione.errors)} errors")
        if doc.dxfversion != "AC1009":
            errori.append(f"{nome}: version {doc.dxfversion}")
        for e in revisione.errors:
            errori.append(f"{nome}: audit: {e.message}")
    for e in errori:
        print("FAIL:", e)
    print(f"{'FAILED' if errori else 'passed'}: {len(errori)} problems")
    return 1 if errori else 0


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in ("confronto", "risalva"):
        print(__doc__, file=sys.stderr)
        return 2
    if sys.argv[1] == "risalva" and "ezdxf" not in sys.modules:
        try:
            import ezdxf  # noqa: F401
        except ImportError:
            os.execv(PYTHON, [PYTHON] + sys.argv)
    azione = confronto if sys.argv[1] == "confronto" else risalva
    return azione(*sys.argv[2:])


if __name__ == "__main__":
    sys.exit(main())
