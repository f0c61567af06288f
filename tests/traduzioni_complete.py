#!/usr/bin/env python3
"""Every text of the program has its English.

lupdate reads the sources into a copy of translations/pianopre_en.ts, as the
build's update_translations does; the copy must then hold no text without a
translation (a new text nobody translated) and none the sources no longer
have, and every translation must keep its source's %1, %2... and its line
count. Usage: traduzioni_complete.py LUPDATE PROJECT_ROOT
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

OPZIONI = ["-locations", "none", "-tr-function-alias",
           "translate+=traduci,QT_TRANSLATE_NOOP+=TESTO_DA_TRADURRE"]


def segnaposti(testo):
    return sorted(re.findall(r"%\d", testo or ""))


def problemi_di(ts):
    problemi = []
    for contesto in ET.parse(ts).getroot().iter("context"):
        nome = contesto.findtext("name")
        for messaggio in contesto.iter("message"):
            sorgente = messaggio.findtext("source") or ""
            traduzione = messaggio.find("translation")
            tipo = traduzione.get("type") if traduzione is not None else "unfinished"
            forme = [f.text or "" for f in traduzione.iter("numerusform")] if traduzione is not None else []
            testi = forme or [traduzione.text or "" if traduzione is not None else ""]
            dove = f"{nome}: {sorgente!r}"
            if tipo in ("obsolete", "vanished"):
                problemi.append(f"non più nei sorgenti: {dove}")
            elif tipo == "unfinished" or not all(t.strip() for t in testi):
                problemi.append(f"senza inglese: {dove}")
            else:
                for t in testi:
                    if segnaposti(t) != segnaposti(sorgente) and not forme:
                        problemi.append(f"segnaposti diversi: {dove} -> {t!r}")
                    if t.count("\n") != sorgente.count("\n"):
                        problemi.append(f"righe diverse: {dove} -> {t!r}")
    return problemi


def main():
    lupdate, radice = sys.argv[1], pathlib.Path(sys.argv[2])
    sorgenti = sorted(str(p) for p in (radice / "src").rglob("*") if p.suffix in (".cpp", ".h"))
    with tempfile.TemporaryDirectory() as cartella:
        copia = pathlib.Path(cartella) / "pianopre_en.ts"
        shutil.copy(radice / "translations" / "pianopre_en.ts", copia)
        elenco = pathlib.Path(cartella) / "sorgenti.lst"
        elenco.write_text("\n".join(sorgenti))
        subprocess.run([lupdate, *OPZIONI, "-I", str(radice / "src/core"), "-I",
                        str(radice / "src/ui"), "@" + str(elenco), "-ts", str(copia)],
                       check=True, capture_output=True)
        problemi = problemi_di(copia)
        totale = sum(1 for _ in ET.parse(copia).getroot().iter("message"))
    for p in problemi:
        print(p)
    print(f"{totale} testi, {len(problemi)} problemi")
    return 1 if problemi else 0


if __name__ == "__main__":
    sys.exit(main())
