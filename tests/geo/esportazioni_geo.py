# The five exports of a placed plan, written by the command line and read by
# judges we did not write: GDAL's ogr2ogr for KML and GeoJSON, pyproj for the
# positions and the headings from true North, and the mission checks of
# tests/droni for DJI, Litchi and QGroundControl, which must agree with the
# station table (order, positions, heights, headings, tilts).
import csv
import io
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

from pyproj import Geod, Transformer

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "droni"))
import verifica_missioni as missioni  # noqa: E402

programma = os.path.abspath(sys.argv[1])
cartella = Path(tempfile.mkdtemp(prefix="pianopre-geo-"))
ambiente = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C", LANGUAGE="it",
                XDG_CONFIG_HOME=str(cartella / "config"))
errori = missioni.errori
SISTEMA, A = "EPSG:32633", (376000.0, 4650000.0, 50.0)  # 1.5° west of the zone's meridian
PUNTI = [("PF1", 376010.0, 4650004.0, 52.5), ("PF2", 376020.5, 4650020.0, 60.25)]


def verifica(condizione, cosa):
    if not condizione:
        errori.append(cosa)


def lavoro(sistema):
    j = json.loads((Path(__file__).resolve().parents[2] / "data/esempi/esempio_digitale.pianopre")
                   .read_text("utf-8"))
    # The 24 mm example: two strips, the second flown back.
    j["caselle"] = {"txt_foc": "24", "txt_xneg": "35,7", "txt_yneg": "23,8", "txt_Scala": "50",
                    "Txt_Larg_sogg": "30", "txt_altezza_sogg": "14", "txt_spazio": "10",
                    "txt_basep": ""}
    j["collocazione"] = {"est": A[0], "nord": A[1], "quota": A[2], "azimut": 60.0,
                         "unita": "gradi", "sistema": sistema}
    j["punti"] = {"file": "", "elenco": [{"nome": n, "x": x, "y": y, "z": z}
                                         for n, x, y, z in PUNTI]}
    percorso = cartella / f"lavoro{len(sistema)}.pianopre"
    percorso.write_text(json.dumps(j), "utf-8")
    return percorso


def esegui(percorso, *uscite):
    r = subprocess.run([programma, "--calcola", str(percorso), "--json", *uscite],
                       capture_output=True, text=True, env=ambiente, timeout=120)
    return r.returncode, r.stdout, r.stderr


def strati(file, *nomi):
    """Each layer's features as (name, lon, lat, height) read by ogr2ogr."""
    letti = {}
    for nome in nomi:
        r = subprocess.run(["ogr2ogr", "-f", "CSV", "/vsistdout/", str(file), nome,
                            "-lco", "GEOMETRY=AS_WKT"], capture_output=True, text=True)
        verifica(r.returncode == 0, f"ogr2ogr {file.name} {nome}: {r.stderr}")
        letti[nome] = list(csv.DictReader(io.StringIO(r.stdout)))
    return letti


def punto_wkt(wkt):
    numeri = wkt[wkt.index("(") + 1:wkt.index(")")].split()
    return [float(v) for v in numeri]


def vicino(a, b, tolleranza=1e-9):
    return all(abs(x - y) <= tolleranza for x, y in zip(a, b))


rc, out, err = esegui(lavoro(""), "--kml", str(cartella / "x.kml"))
verifica(rc == 1 and "richiedono un sistema di riferimento" in err, f"senza sistema: {rc} {err}")
verifica(not (cartella / "x.kml").exists(), "file scritto senza sistema")

nomi = {"kml": "g.kml", "geojson": "g.geojson", "dji": "missione.kmz", "litchi": "missione.csv",
        "qgc": "missione.plan"}
uscite = [a for formato, nome in nomi.items() for a in (f"--{formato}", str(cartella / nome))]
rc, out, err = esegui(lavoro(SISTEMA), *uscite)
verifica(rc == 0 and err == "", f"esportazione: {rc} {err}")
risultati = json.loads(out)
stazioni = risultati["stazioni"]
verifica(len(stazioni) == 20 and {s["striscia"] for s in stazioni} == {1, 2}, "20 stazioni")

# The judges' own positions and headings from true North.
wgs84 = Transformer.from_crs(SISTEMA, "EPSG:4326", always_xy=True)
geod = Geod(ellps="WGS84")


def vero(e, n, azimut_griglia):
    lon, lat = wgs84.transform(e, n)
    a = math.radians(azimut_griglia)
    lon2, lat2 = wgs84.transform(e + math.sin(a), n + math.cos(a))
    return lon, lat, geod.inv(lon, lat, lon2, lat2)[0] % 360


attese = {s["nome"]: (s, *vero(s["est"], s["nord"], s["azimut"])) for s in stazioni}
verifica(abs(attese["S1-01"][3] - 330) > 0.5, "la convergenza del meridiano è ignorata")

letti = strati(cartella / "g.kml", "Stazioni", "Facciata", "Punti di appoggio")
verifica(len(letti["Stazioni"]) == 20 and len(letti["Facciata"]) == 1, "strati KML")
for riga in letti["Stazioni"]:
    s, lon, lat, _ = attese[riga["Name"]]
    verifica(vicino(punto_wkt(riga["WKT"]), [lon, lat, s["quota"] - A[2]], 1e-9),
             f"KML {riga['Name']}: {riga['WKT']}")
for riga, (nome, e, n, z) in zip(letti["Punti di appoggio"], PUNTI):
    lon, lat = wgs84.transform(e, n)
    verifica(riga["Name"] == nome and vicino(punto_wkt(riga["WKT"]), [lon, lat, z - A[2]]),
             f"KML {nome}: {riga['WKT']}")
ET.parse(cartella / "g.kml")  # well-formed XML

geo = strati(cartella / "g.geojson", "g")["g"]
verifica(len(geo) == 20 + 1 + len(PUNTI), f"{len(geo)} elementi GeoJSON")
for riga in geo:
    if riga["tipo"] != "stazione":
        continue
    s, lon, lat, direzione = attese[riga["nome"]]
    verifica(vicino(punto_wkt(riga["WKT"]), [lon, lat, s["quota"]]), f"GeoJSON {riga['nome']}")
    verifica(abs(float(riga["direzione"]) - direzione) < 1e-6, f"direzione {riga['nome']}")

# The missions: strip 1 forwards, strip 2 back, from the ground under S1-01.
ordine = [f"S1-{i:02d}" for i in range(1, 11)] + [f"S2-{i:02d}" for i in range(10, 0, -1)]
volo = risultati["verifiche"]["volo"]
verifica(volo is not None, "righe del volo")
attesi = {"decollo": [attese["S1-01"][2], attese["S1-01"][1], A[2]], "velocita": 2,
          "sosta": 2, "punti": []}
for nome in ordine:
    s, lon, lat, direzione = attese[nome]
    attesi["punti"].append({"nome": nome, "lat": lat, "lon": lon, "altezza": s["quota"] - A[2],
                            "direzione": direzione, "beccheggio": s["inclinazione"],
                            "azioni": [["foto"]]})
missioni.verifica_dji(cartella, attesi)
missioni.verifica_litchi(cartella, attesi)
missioni.verifica_qgc(cartella, attesi)

for e in errori:
    print(e)
if not errori:
    shutil.rmtree(cartella)
sys.exit(1 if errori else 0)
