# The stations' WGS 84 latitude and longitude in the command line's JSON
# output against pyproj, computed here from the stations' East and North, for
# the digital example placed in three systems; and what the output says for a
# job without a system or with a damaged one.
import json
import os
import subprocess
import sys
import tempfile

from pyproj import CRS, Transformer

programma, esempi = (os.path.abspath(a) for a in sys.argv[1:3])
with open(os.path.join(esempi, "esempio_digitale.pianopre"), encoding="utf-8") as f:
    esempio = json.load(f)
ambiente = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
ambiente.update(QT_QPA_PLATFORM="offscreen", LC_ALL="C", LANGUAGE="it",
                XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="pianopre-config-"))
cartella = tempfile.mkdtemp(prefix="pianopre-wgs84-")
errori = []
controlli = 0


def verifica(condizione, cosa):
    global controlli
    controlli += 1
    if not condizione:
        errori.append(cosa)


def calcola(nome, **collocazione):
    lavoro = json.loads(json.dumps(esempio))
    lavoro["collocazione"].update(collocazione)
    file = os.path.join(cartella, nome + ".pianopre")
    with open(file, "w", encoding="utf-8") as f:
        json.dump(lavoro, f)
    r = subprocess.run([programma, "--calcola", file, "--json"], capture_output=True, text=True,
                       env=ambiente, timeout=120)
    verifica(r.returncode == 0, f"{nome}: uscita {r.returncode} {r.stderr}")
    return json.loads(r.stdout) if r.returncode == 0 else {"stazioni": []}, r.stderr, file


# Each system with a site inside its area: code, E and N of corner A, azimuth.
sistemi = [
    ("EPSG:6707", 650000.0, 5030000.0, 30),     # RDN2008 / UTM zone 32N (N-E)
    ("EPSG:32633", 402000.0, 4640000.0, 125.5),  # WGS 84 / UTM zone 33N
    ("EPSG:3003", 1510000.0, 5030000.0, 300),    # Monte Mario / Italy zone 1
]
for codice, est, nord, azimut in sistemi:
    j, err, _ = calcola(codice.replace(":", "_"), est=est, nord=nord, azimut=azimut,
                        sistema=codice)
    verifica(j.get("sistema") == codice, f"{codice}: sistema {j.get('sistema')}")
    verifica(j.get("sistema_nome") == CRS.from_user_input(codice).name,
             f"{codice}: nome {j.get('sistema_nome')}")
    verso = Transformer.from_crs(codice, "EPSG:4326", always_xy=True)
    stazioni = j["stazioni"]
    verifica(len(stazioni) == j.get("num_foto") and len(stazioni) > 1, f"{codice}: {stazioni}")
    peggiore = 0.0
    for s in stazioni:
        lon, lat = verso.transform(s["est"], s["nord"])
        peggiore = max(peggiore, abs(s["latitudine"] - lat), abs(s["longitudine"] - lon))
    verifica(peggiore <= 1e-9, f"{codice}: scarto {peggiore} gradi")
    # The stations stand where the placement puts them, not at a default.
    verifica(abs(stazioni[0]["est"] - est) < 100 and abs(stazioni[0]["nord"] - nord) < 100,
             f"{codice}: prima stazione {stazioni[0]}")
    print(f"{codice}: {len(stazioni)} stazioni, scarto massimo {peggiore:.3g} gradi")

# No system: as before, without the WGS 84 keys.
j, err, _ = calcola("senza", est=1000, nord=2000)
verifica(j.get("sistema", "manca") is None and j.get("sistema_nome", "manca") is None,
         f"senza sistema: {j.get('sistema')}")
verifica(all("latitudine" not in s for s in j["stazioni"]), "senza sistema: latitudini")

# Damaged: an unknown code is kept and named, a number is dropped; both open.
for nome, valore, tenuto in [("ignoto", "EPSG:999999", "EPSG:999999"), ("numero", 6707, None)]:
    j, err, file = calcola(nome, sistema=valore)
    verifica(j.get("sistema") == tenuto and j.get("sistema_nome") is None, f"{nome}: {j}")
    verifica(file in err and ("collocazione.sistema" in err or "EPSG:999999" in err),
             f"{nome}: avviso {err!r}")
    verifica(all("latitudine" not in s for s in j["stazioni"]), f"{nome}: latitudini")

for e in errori:
    print("ERRORE:", e)
print(f"{controlli - len(errori)} passed, {len(errori)} failed")
sys.exit(1 if errori else 0)
