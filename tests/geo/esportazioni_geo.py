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

# Convergent images on: each station followed by its two images turned by
# ±20° in heading, in the station table, the stake-out CSV and the maps; the
# missions keep one waypoint per station with three photos.
GAMMA = 20
percorso = lavoro(SISTEMA)
j = json.loads(percorso.read_text("utf-8"))
j["convergenti"] = {"attive": True, "angolo_gradi": GAMMA}
percorso.write_text(json.dumps(j), "utf-8")
nomi_c = {k: "c_" + v for k, v in nomi.items()}
uscite = [a for formato, nome in nomi_c.items() for a in (f"--{formato}", str(cartella / nome))]
rc, out, err = esegui(percorso, "--csv", str(cartella / "c_stazioni.csv"), *uscite)
verifica(rc == 0 and err == "", f"esportazione convergente: {rc} {err}")
tabella = json.loads(out)["stazioni"]
verifica(len(tabella) == 3 * len(stazioni), f"{len(tabella)} righe con le convergenti")
for i, s in enumerate(stazioni):
    terna = tabella[3 * i:3 * i + 3]
    verifica([r["nome"] for r in terna] == [s["nome"], s["nome"] + "+", s["nome"] + "\u2212"],
             f"nomi {[r['nome'] for r in terna]}")
    for r, verso in zip(terna, (0, 1, -1)):
        verifica(abs((r["azimut"] - s["azimut"] - verso * GAMMA + 180) % 360 - 180) < 1e-9
                 and 0 <= r["azimut"] < 360, f"azimut {r['nome']} {r['azimut']}")
        verifica(r.get("convergente", 0) == verso, f"convergente {r['nome']}")
        verifica(all(r[k] == s[k] for k in ("est", "nord", "quota", "inclinazione", "striscia",
                                                "fotogramma", "latitudine", "longitudine")),
                 f"posizione {r['nome']}")
attese_c = {r["nome"]: (r, *vero(r["est"], r["nord"], r["azimut"])) for r in tabella}

with open(cartella / "c_stazioni.csv", newline="", encoding="utf-8") as f:
    righe_csv = list(csv.DictReader(f))[:len(tabella)]
verifica([r["Punto"] for r in righe_csv] == [r["nome"].replace("\u2212", "-") for r in tabella],
         "nomi nel CSV")
for r, s in zip(righe_csv, tabella):
    verifica(abs(float(r["Est"]) - s["est"]) < 5e-4 and abs(float(r["Nord"]) - s["nord"]) < 5e-4
             and f"az={s['azimut']:.4f}" in r["Descrizione"], f"CSV {r['Punto']}")

letti = strati(cartella / "c_g.kml", "Stazioni")
verifica(sorted(r["Name"] for r in letti["Stazioni"]) == sorted(attese_c), "stazioni KML")
for riga in letti["Stazioni"]:
    s, lon, lat, direzione = attese_c[riga["Name"]]
    verifica(vicino(punto_wkt(riga["WKT"]), [lon, lat, s["quota"] - A[2]], 1e-9),
             f"KML {riga['Name']}")
    scritta = riga["description"].split("direzione ")[1].split("°")[0].replace(",", ".")
    verifica(abs(float(scritta) - direzione) <= 0.051, f"direzione KML {riga['Name']}: {scritta}")
geo = [r for r in strati(cartella / "c_g.geojson", "c_g")["c_g"] if r["tipo"] == "stazione"]
verifica(len(geo) == len(tabella), f"{len(geo)} stazioni GeoJSON")
for riga in geo:
    s, lon, lat, direzione = attese_c[riga["nome"]]
    verifica(vicino(punto_wkt(riga["WKT"]), [lon, lat, s["quota"]]), f"GeoJSON {riga['nome']}")
    verifica(abs((float(riga["direzione"]) - direzione + 180) % 360 - 180) < 1e-6,
             f"direzione {riga['nome']}")
    verifica(int(riga["convergente"] or 0) == s.get("convergente", 0), f"verso {riga['nome']}")

# One waypoint per station, three photos: along the heading, turned to the
# true heading ± γ, and back.
for p in attesi["punti"]:
    h = p["direzione"]
    p["azioni"] = [["foto"], ["rotazione", (h + GAMMA) % 360], ["foto"],
                   ["rotazione", (h - GAMMA) % 360], ["foto"], ["rotazione", h]]
    for verso, nome in ((1, p["nome"] + "+"), (-1, p["nome"] + "\u2212")):
        verifica(abs((attese_c[nome][3] - h - verso * GAMMA + 180) % 360 - 180) < 1e-6,
                 f"direzione vera di {nome}")
for formato, nome in nomi.items():
    if formato in ("dji", "litchi", "qgc"):
        shutil.copy(cartella / nomi_c[formato], cartella / nome)
missioni.verifica_dji(cartella, attesi)
missioni.verifica_litchi(cartella, attesi)
missioni.verifica_qgc(cartella, attesi)

for e in errori:
    print(e)
if not errori:
    shutil.rmtree(cartella)
sys.exit(1 if errori else 0)
