# The command line run on the built program: results as text and JSON, the
# files it writes, errors and their exit statuses. No display is needed.
import csv
import json
import os
import shutil
import subprocess
import sys
import tempfile

programma, esempi = (os.path.abspath(a) for a in sys.argv[1:3])
pellicola = os.path.join(esempi, "esempio_pellicola.pianopre")
digitale = os.path.join(esempi, "esempio_digitale.pianopre")
ambiente = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
ambiente["QT_QPA_PLATFORM"] = "xcb"  # the program must choose offscreen by itself
ambiente["LC_ALL"] = "C"
ambiente["LANGUAGE"] = "it"  # the texts in Italian unless a case asks otherwise
ambiente["XDG_CONFIG_HOME"] = tempfile.mkdtemp(prefix="pianopre-config-")  # no saved language
errori = []


def esegui(*argomenti, cartella=None, lingua="C", testi="it"):
    env = dict(ambiente, LC_ALL=lingua, LANGUAGE=testi)
    r = subprocess.run([programma, *argomenti], capture_output=True, text=True, cwd=cartella,
                       env=env, timeout=120)
    return r.returncode, r.stdout, r.stderr


def verifica(condizione, cosa):
    if not condizione:
        errori.append(cosa)


def righe(testo):
    return dict(r.split(": ", 1) for r in testo.splitlines())


# Outside a desktop session nothing sets XDG_RUNTIME_DIR: a run that went well
# writes nothing on standard error all the same, and leaves nothing behind.
sotto_tmp = tempfile.mkdtemp(prefix="pianopre-tmp-")
ambiente.pop("XDG_RUNTIME_DIR", None)
ambiente["TMPDIR"] = sotto_tmp
rc, out, err = esegui("--calcola", digitale)
verifica(rc == 0 and out and err == "", f"pulito: {rc} {err}")
rc, out, err = esegui("--calcola", digitale, "--json", "--lingua", "en")
verifica(rc == 0 and out and err == "", f"pulito json: {rc} {err}")
verifica(os.listdir(sotto_tmp) == [], f"runtime rimasto: {os.listdir(sotto_tmp)}")
# Qt's own warnings still come through: a runtime folder open to others.
aperta = os.path.join(sotto_tmp, "aperta")
os.mkdir(aperta)
os.chmod(aperta, 0o755)
ambiente["XDG_RUNTIME_DIR"] = aperta
rc, out, err = esegui("--calcola", digitale)
verifica(rc == 0 and "QStandardPaths" in err and aperta in err, f"avviso di Qt: {rc} {err}")
del ambiente["XDG_RUNTIME_DIR"], ambiente["TMPDIR"]
shutil.rmtree(sotto_tmp)

# Text: the window's results rounded for reading, with their units and the
# regional decimal mark; the JSON's full values round to them.
j = json.loads(esegui("--calcola", pellicola, "--json")[1])
rc, out, err = esegui("--calcola", pellicola)
verifica(rc == 0, f"pellicola: uscita {rc} {err}")
t = righe(out)
coppia = lambda p: "%.2f / %.2f mm" % tuple(p)
verifica(t.get("Precisione X / Z max") == coppia(j["precisione_max"]), f"max: {t}")
verifica(t.get("Precisione X / Z min") == coppia(j["precisione_std"]), f"min: {t}")
verifica(t.get("Base di presa") == "%.2f m" % j["base_presa"], f"base: {t}")
verifica(t.get("Sovrapposizione %") == "%.1f %%" % j["sovrapp"], f"sovrapposizione: {t}")
verifica(t.get("Inclinazione camera") == "%.1f°" % j["incl"], f"inclinazione: {t}")
verifica(t.get("Numero fotogrammi") == "9" and t.get("Numero strisciate") == "1", f"foto: {t}")
verifica(t.get("Rapporto base/distanza", "").endswith(" - OK"), f"verdetto: {t}")
verifica("pixel" in err, f"avviso del pixel mancante: {err}")
rc, out, _ = esegui("--calcola", digitale, lingua="it_IT.UTF-8")
t = righe(out)
verifica(t.get("Numero di ingrandimenti") == "4,6", f"virgola: {t}")
# English texts with the Italian regional format: the numbers keep the decimal comma.
rc, out, _ = esegui("--calcola", digitale, lingua="it_IT.UTF-8", testi="en")
t = righe(out)
verifica(t.get("Enlargement") == "4,6", f"inglese con la virgola: {t}")

# JSON: full precision, the same numbers as the boxes.
rc, out, _ = esegui("--calcola", pellicola, "--json")
j = json.loads(out)
verifica((j["num_foto"], j["num_strisc"]) == (9, 1), f"piano: {j}")
verifica(abs(j["base_presa"] - 2.4) < 1e-9, f"base: {j['base_presa']}")
verifica(abs(j["base_presa"] - j["larg_cop"] * (1 - j["sovrapp"] / 100)) < 1e-9, "base e copertura")
verifica(abs(j["verifiche"]["rapporto_bd"] - j["dist_presa"] / j["base_presa"]) < 1e-12, "b/d")
verifica(j["verifiche"]["pixel_mm"] is None and j["verifiche"]["sigma_x_mm"] is None, "nulli")
cinque = lambda x: (" %.7g" % x)[:5]
verifica([cinque(x) for x in j["precisione_std"]] == [" 11.2", " 29.0"], f"std: {j}")
verifica(len(j["stazioni"]) == 9 and len(j["modelli"]) == 8, "stazioni e modelli")
verifica(j["modelli"][0]["angoli_sito"] is None, "senza collocazione niente angoli del sito")

rc, out, _ = esegui("--calcola", digitale, "--json")
j = json.loads(out)
v = j["verifiche"]
verifica(abs(v["pixel_mm"] - 35.7 / 9504) < 1e-15, f"pixel: {v}")
verifica(set(v["esiti"].values()) <= {"OK", "Attenzione", "Non soddisfatto"}, f"esiti: {v}")
s = j["stazioni"]
verifica(s[0]["nome"] == "S1-01" and len(s) == j["num_foto"], f"{s[:1]}")
verifica(j["modelli"][0]["stazioni"] == ["S1-01", "S1-02"], f"modelli: {j['modelli'][:1]}")
# Each strip's camera above the ground, 0,9 coverage heights apart, against 1,5 m by hand.
h = [x["altezza_camera_m"] for x in v["strisce"]]
verifica(len(h) == j["num_strisc"] and h[0] == 1.5, f"strisce: {v['strisce']}")
verifica(all(abs(b - a - 0.9 * j["alt_cop"]) < 1e-12 for a, b in zip(h, h[1:])), f"salti: {h}")
verifica([x["esito"] for x in v["strisce"][:2]] == ["OK", "Attenzione"], f"{v['strisce']}")
# The first model from corner A, its first corner on the site where A stands (1000, 2000, 50).
m = j["modelli"][0]
verifica(abs(m["da_a_m"][0]) < 1e-9 and m["altezza_m"][0] < 0, f"modello: {m}")
angolo = m["angoli_sito"][0]
verifica(abs(angolo[0] - 1000) < 1e-9 and abs(angolo[1] - 2000) < 1e-9 and
         abs(angolo[2] - 50 - m["altezza_m"][0]) < 1e-9, f"angolo: {angolo}")

# Files, each as its menu command writes it.
with tempfile.TemporaryDirectory() as d:
    rc, _, err = esegui("--calcola", digitale, "--dxf", "p.dxf", "--csv", "p.csv", "--bmp",
                        "v", "--pdf", "p.pdf", cartella=d)
    verifica(rc == 0, f"file: {rc} {err}")
    with open(os.path.join(d, "p.dxf"), encoding="latin-1") as f:
        verifica("SECTION" in f.read(200), "dxf")
    with open(os.path.join(d, "p.csv"), newline="", encoding="utf-8") as f:
        tabella = list(csv.reader(f))
    verifica(tabella[1][0] == "S1-01" and float(tabella[1][2]) == round(s[0]["est"], 3),
             f"csv: {tabella[:2]}")
    with open(os.path.join(d, "p.pdf"), "rb") as f:
        verifica(f.read(5) == b"%PDF-", "pdf")
    for vista in "pfa":
        with open(os.path.join(d, f"v{vista}.bmp"), "rb") as f:
            verifica(f.read(2) == b"BM", f"bmp {vista}")
    rc, _, err = esegui("--calcola", digitale, "--csv", "p.dxf/p.csv", cartella=d)
    verifica(rc == 1 and "p.dxf/p.csv" in err, f"csv non scrivibile: {rc} {err}")

    # The map's grid: one row per cell, agreeing with the JSON's summary.
    rc, out, err = esegui("--calcola", digitale, "--json", "--mappa", "m.csv", cartella=d)
    verifica(rc == 0, f"mappa: {rc} {err}")
    mappa = json.loads(out)["mappa"]
    with open(os.path.join(d, "m.csv"), newline="", encoding="utf-8") as f:
        celle = list(csv.reader(f))
    verifica(celle[0] == ["lungo_m", "altezza_m", "immagini", "angolo_gradi", "sigma_lungo_mm",
                          "sigma_altezza_mm", "sigma_profondita_mm"], f"intestazione: {celle[0]}")
    celle = celle[1:]
    verifica(len(celle) == mappa["colonne"] * mappa["righe"] > 0, f"celle: {len(celle)} {mappa}")
    verifica(abs(float(celle[0][0]) - mappa["cella_m"] / 2) < 1e-6, f"prima: {celle[0]}")
    doppie = sum(int(c[2]) >= 2 for c in celle)
    verifica(abs(doppie / len(celle) - mappa["quota_2"]) < 1e-12, f"quota: {doppie} {mappa}")
    verifica(all((c[4] == "") == (int(c[2]) < 2) for c in celle), "lacune senza sigma")
    sigma = lambda c: max(float(x) for x in c[4:]) if c[4] else 0
    la = [c for c in celle if abs(float(c[0]) - mappa["lungo_peggiore_m"]) < 1e-6 and
          abs(float(c[1]) - mappa["altezza_peggiore_m"]) < 1e-6]
    verifica(len(la) == 1 and abs(sigma(la[0]) / mappa["sigma_peggiore_mm"] - 1) < 1e-6 and
             max(map(sigma, celle)) == sigma(la[0]), f"peggiore: {mappa} {la}")
    rc, _, err = esegui("--calcola", digitale, "--mappa", "p.dxf/m.csv", cartella=d)
    verifica(rc == 1 and "p.dxf/m.csv" in err, f"mappa non scrivibile: {rc} {err}")

    # Errors: the calculation's message and 1; a bad command line 2.
    with open(pellicola, encoding="utf-8") as f:
        lavoro = json.load(f)
    lavoro["caselle"]["txt_foc"] = "0"
    zero = os.path.join(d, "zero.pianopre")
    with open(zero, "w", encoding="utf-8") as f:
        json.dump(lavoro, f)
    rc, out, err = esegui("--calcola", zero)
    verifica(rc == 1 and out == "", f"zero: {rc} {out}")
    verifica("Errore 11: Divisione per zero. Controllare i dati inseriti" in err, err)
    # The job's header fields in the JSON only when the job has them.
    verifica("intestazione" not in j, "intestazione di un lavoro senza")
    lavoro = json.load(open(pellicola, encoding="utf-8"))
    lavoro["intestazione"] = {"progetto": "Palazzo è", "operatore": "Anna"}
    con_dati = os.path.join(d, "dati.pianopre")
    with open(con_dati, "w", encoding="utf-8") as f:
        json.dump(lavoro, f)
    rc, out, _ = esegui("--calcola", con_dati, "--json")
    verifica(json.loads(out).get("intestazione") ==
             {"progetto": "Palazzo è", "localita": "", "operatore": "Anna"}, f"intestazione: {out}")

    # Boxes read leniently: the plan as before, each box named once on standard error.
    def lavoro_con(nome, **caselle):
        modificato = json.loads(json.dumps(lavoro))
        modificato["caselle"].update(caselle)
        percorso = os.path.join(d, nome)
        with open(percorso, "w", encoding="utf-8") as f:
            json.dump(modificato, f)
        return percorso

    _, pulito, _ = esegui("--calcola", digitale)
    with open(digitale, encoding="utf-8") as f:
        lavoro = json.load(f)
    rc, out, err = esegui("--calcola", lavoro_con("lettere.pianopre", txt_foc="35 mm",
                                                  txt_altezza_sogg="12m"))
    verifica(rc == 0 and out == pulito, f"lettere: {rc} {err}")
    verifica(err == "Queste caselle non contenevano solo un numero e sono state lette così:\n"
                    "Lunghezza focale (mm): \"35 mm\" letto come 35\n"
                    "Altezza del soggetto: \"12m\" letto come 12\n", f"lettere: {err}")
    rc, out, err = esegui("--calcola", lavoro_con("trenta.pianopre", Txt_Larg_sogg="trenta"),
                          "--lingua", "en")
    verifica(rc == 0 and err == "These boxes did not hold just a number and were read as "
                                "follows:\nObject width: \"trenta\" read as 0\n", f"trenta: {err}")
    # A negative size: its message instead of a plan; zero as always.
    for campo, valore, parole in (("Txt_Larg_sogg", "-30", "la larghezza del soggetto"),
                                  ("txt_spazio", "-8,5", "la distanza di presa"),
                                  ("txt_Scala", "-50", "la scala di restituzione"),
                                  ("txt_altezza_sogg", "-1", "l'altezza del soggetto")):
        rc, out, err = esegui("--calcola", lavoro_con("negativo.pianopre", **{campo: valore}),
                              lingua="it_IT.UTF-8")
        verifica(rc == 1 and out == "" and
                 err == f"Errore: {parole} non può essere negativa ({valore}).\n",
                 f"negativo {campo}: {rc} {out} {err}")
    rc, out, err = esegui("--calcola", lavoro_con("zero.pianopre", Txt_Larg_sogg="0"))
    verifica(rc == 0 and err == "", f"larghezza zero: {rc} {err}")
    rc, out, err = esegui("--calcola", lavoro_con("zero.pianopre", txt_Scala="0"))
    verifica(rc == 1 and err.startswith("Errore 11:"), f"scala zero: {rc} {err}")

    rc, _, err = esegui("--calcola", os.path.join(d, "manca.pianopre"))
    verifica(rc == 1 and "manca.pianopre" in err, f"lavoro mancante: {rc} {err}")
for riga in (["--bogus"], ["--calcola"], ["--dxf", "a.dxf"], ["a.dxf", "b.dxf"],
             ["--calcola", pellicola, "--csv", "a", "--csv", "b"]):
    rc, _, err = esegui(*riga)
    verifica(rc == 2 and err.startswith("Errore:"), f"{riga}: {rc} {err}")

rc, out, _ = esegui("--help")
verifica(rc == 0 and all(o in out for o in ("--calcola", "--json", "--dxf", "--csv", "--pdf",
                                               "--bmp", "--mappa", "--version")), out)
rc, out, _ = esegui("--version")
verifica(rc == 0 and out == "pianopre 1.0.0\n", out)

# English: from the system's language or from --lingua, the same exit statuses,
# the JSON the same bytes whatever the language.
for argomenti, testi in ((["--help"], "en"), (["--help", "--lingua", "en"], "it")):
    rc, out, _ = esegui(*argomenti, testi=testi)
    verifica(rc == 0 and out.startswith("Usage:"), f"{argomenti} {testi}: {out}")
rc, _, err = esegui("--bogus", testi="en_GB:it")
verifica(rc == 2 and err.startswith("Error:"), f"inglese: {rc} {err}")
rc, _, err = esegui("--lingua", "fr")
verifica(rc == 2 and "fr" in err, f"lingua sconosciuta: {rc} {err}")
# The results' labels in English, the same values as the Italian ones above.
i_max = righe(esegui("--calcola", pellicola)[1]).get("Precisione X / Z max")
rc, out, err = esegui("--calcola", pellicola, "--lingua", "en")
e = righe(out)
verifica(rc == 0 and e.get("Number of frames") == "9" and e.get("Number of strips") == "1",
         f"inglese: {rc} {out} {err}")
verifica(e.get("Precision X / Z max") == i_max, f"inglese max: {e}")
verifica(e.get("Base-to-distance ratio", "").endswith("(1:4 to 1:15) - OK"), f"inglese b/d: {e}")
verifica("Pixel size" in err and "Dimensione" not in err, f"avviso inglese: {err}")
i = righe(esegui("--calcola", pellicola)[1])
verifica(not set(e) & set(i) and len(e) == len(i), f"etichette: {list(e)}")
json_it = esegui("--calcola", digitale, "--json")
json_en = esegui("--calcola", digitale, "--json", "--lingua", "en")
verifica(json_it[0] == 0 and json_it[1] == json_en[1], "JSON diverso tra le lingue")

for e in errori:
    print("NON RIUSCITO:", e)
sys.exit(1 if errori else 0)
