#!/usr/bin/env python3
"""Reads the mission files of strumento_missioni (or of any mission, for
another test that imports the checks) and checks them against the
formats' documentation and against the mission given (attesi.json): DJI's
WPML archive with zipfile and xml.etree (every element the reference marks as
required in template.kml and waylines.wpml), Litchi's CSV with csv (the
46 documented columns, header, values), QGroundControl's plan with json (keys, MAVLink
command numbers and frames). Waypoints: positions, heights, headings,
pitches, order and actions."""
import csv
import json
import math
import subprocess
import sys
import xml.etree.ElementTree as ET
import zipfile
from pathlib import Path

errori = []
KML = "{http://www.opengis.net/kml/2.2}"
WPML = "{http://www.dji.com/wpmz/1.0.2}"


def errore(dove, testo):
    errori.append(f"{dove}: {testo}")


def stesso_angolo(a, b, tolleranza=1e-4):
    return abs((a - b + 180) % 360 - 180) <= tolleranza


def figlio(nodo, nome, dove):
    """The required child `nome` (wpml: prefix or KML name) of `nodo`."""
    tag = WPML + nome[5:] if nome.startswith("wpml:") else KML + nome
    trovato = nodo.find(tag)
    if trovato is None:
        errore(dove, f"manca {nome}")
        return ET.Element("vuoto")
    return trovato


def valore(nodo, nome, dove):
    return (figlio(nodo, nome, dove).text or "").strip()


def numero(nodo, nome, dove):
    try:
        return float(valore(nodo, nome, dove))
    except ValueError:
        errore(dove, f"{nome} non è un numero")
        return math.nan


def in_elenco(nodo, nome, ammessi, dove):
    v = valore(nodo, nome, dove)
    if v not in ammessi:
        errore(dove, f"{nome} = {v!r} fuori da {ammessi}")
    return v


def configurazione(documento, dove):
    c = figlio(documento, "wpml:missionConfig", dove)
    in_elenco(c, "wpml:flyToWaylineMode", ("safely", "pointToPoint"), dove)
    in_elenco(c, "wpml:finishAction", ("goHome", "noAction", "autoLand", "gotoFirstWaypoint"), dove)
    if in_elenco(c, "wpml:exitOnRCLost", ("goContinue", "executeLostAction"), dove) == "executeLostAction":
        in_elenco(c, "wpml:executeRCLostAction", ("goBack", "landing", "hover"), dove)
    if not 1.2 <= numero(c, "wpml:takeOffSecurityHeight", dove) <= 1500:
        errore(dove, "takeOffSecurityHeight fuori da [1.2, 1500]")
    if not 1 <= numero(c, "wpml:globalTransitionalSpeed", dove) <= 15:
        errore(dove, "globalTransitionalSpeed fuori da [1, 15]")
    if not 2 <= numero(c, "wpml:globalRTHHeight", dove) <= 1500:
        errore(dove, "globalRTHHeight fuori da [2, 1500]")
    drone = figlio(c, "wpml:droneInfo", dove)
    numero(drone, "wpml:droneEnumValue", dove)
    numero(drone, "wpml:droneSubEnumValue", dove)
    carico = figlio(c, "wpml:payloadInfo", dove)
    numero(carico, "wpml:payloadEnumValue", dove)
    numero(carico, "wpml:payloadPositionIndex", dove)


PARAMETRI = {
    "takePhoto": ("wpml:payloadPositionIndex", "wpml:fileSuffix", "wpml:useGlobalPayloadLensIndex"),
    "gimbalRotate": ("wpml:payloadPositionIndex", "wpml:gimbalHeadingYawBase", "wpml:gimbalRotateMode",
                     "wpml:gimbalPitchRotateEnable", "wpml:gimbalPitchRotateAngle",
                     "wpml:gimbalRollRotateEnable", "wpml:gimbalRollRotateAngle",
                     "wpml:gimbalYawRotateEnable", "wpml:gimbalYawRotateAngle",
                     "wpml:gimbalRotateTimeEnable", "wpml:gimbalRotateTime"),
    "rotateYaw": ("wpml:aircraftHeading", "wpml:aircraftPathMode"),
    "hover": ("wpml:hoverTime",),
}


def gruppo_azioni(segnaposto, indice, punto, sosta, dove):
    """The action group at a waypoint: required elements, then the actions
    against the mission: gimbal pitch, hover, the photos and turns."""
    g = figlio(segnaposto, "wpml:actionGroup", dove)
    numero(g, "wpml:actionGroupId", dove)
    inizio, fine = numero(g, "wpml:actionGroupStartIndex", dove), numero(g, "wpml:actionGroupEndIndex", dove)
    if (inizio, fine) != (indice, indice):
        errore(dove, f"gruppo sui punti {inizio}..{fine}")
    in_elenco(g, "wpml:actionGroupMode", ("sequence",), dove)
    in_elenco(figlio(g, "wpml:actionTrigger", dove), "wpml:actionTriggerType", ("reachPoint",), dove)
    fatte = []
    for k, a in enumerate(g.findall(WPML + "action")):
        if numero(a, "wpml:actionId", dove) != k:
            errore(dove, f"actionId {k} fuori ordine")
        funzione = valore(a, "wpml:actionActuatorFunc", dove)
        p = figlio(a, "wpml:actionActuatorFuncParam", dove)
        for nome in PARAMETRI.get(funzione, ()):
            figlio(p, nome, f"{dove} {funzione}")
        if funzione == "gimbalRotate":
            fatte.append(("gimbal", numero(p, "wpml:gimbalPitchRotateAngle", dove)))
        elif funzione == "hover":
            fatte.append(("hover", numero(p, "wpml:hoverTime", dove)))
        elif funzione == "takePhoto":
            fatte.append(("foto",))
        elif funzione == "rotateYaw":
            verso = numero(p, "wpml:aircraftHeading", dove)
            if not -180 <= verso <= 180:
                errore(dove, f"aircraftHeading {verso} fuori da [-180, 180]")
            fatte.append(("rotazione", verso))
        else:
            errore(dove, f"azione inattesa {funzione}")
    attese = [("gimbal", punto["beccheggio"])] + ([("hover", sosta)] if sosta else [])
    attese += [tuple(a) for a in punto["azioni"]]
    if len(fatte) != len(attese) or any(
            f[0] != a[0] or (len(a) > 1 and not stesso_angolo(f[1], a[1])) for f, a in zip(fatte, attese)):
        errore(dove, f"azioni {fatte} invece di {attese}")


def posizione(segnaposto, punto, dove):
    testo = valore(figlio(segnaposto, "Point", dove), "coordinates", dove)
    lon, lat = (float(x) for x in testo.split(","))
    if abs(lon - punto["lon"]) > 1e-9 or abs(lat - punto["lat"]) > 1e-9:
        errore(dove, f"posizione {lat}, {lon} invece di {punto['lat']}, {punto['lon']}")


def direzione(segnaposto, punto, dove):
    d = figlio(segnaposto, "wpml:waypointHeadingParam", dove)
    modo = in_elenco(d, "wpml:waypointHeadingMode",
                     ("followWayline", "manually", "fixed", "smoothTransition", "towardPOI"), dove)
    in_elenco(d, "wpml:waypointHeadingPathMode", ("clockwise", "counterClockwise", "followBadArc"), dove)
    if modo == "smoothTransition":
        angolo = numero(d, "wpml:waypointHeadingAngle", dove)
        if not -180 <= angolo <= 180 or not stesso_angolo(angolo, punto["direzione"]):
            errore(dove, f"direzione {angolo} invece di {punto['direzione']}")
    else:
        errore(dove, f"direzione non data ({modo})")


def verifica_dji(cartella, attesi):
    with zipfile.ZipFile(cartella / "missione.kmz") as z:
        nomi = set(z.namelist())
        if not {"wpmz/template.kml", "wpmz/waylines.wpml"} <= nomi:
            errore("kmz", f"contiene {sorted(nomi)}")
            return
        modello = ET.fromstring(z.read("wpmz/template.kml"))
        volo = ET.fromstring(z.read("wpmz/waylines.wpml"))
    punti, sosta = attesi["punti"], attesi["sosta"]
    for nome, radice_xml in (("template.kml", modello), ("waylines.wpml", volo)):
        if radice_xml.tag != KML + "kml":
            errore(nome, f"radice {radice_xml.tag}")
        configurazione(figlio(radice_xml, "Document", nome), nome)

    cartella_modello = figlio(figlio(modello, "Document", "template"), "Folder", "template")
    dove = "template Folder"
    in_elenco(cartella_modello, "wpml:templateType", ("waypoint",), dove)
    numero(cartella_modello, "wpml:templateId", dove)
    if not 1 <= numero(cartella_modello, "wpml:autoFlightSpeed", dove) <= 15:
        errore(dove, "autoFlightSpeed fuori da [1, 15]")
    sistema = figlio(cartella_modello, "wpml:waylineCoordinateSysParam", dove)
    in_elenco(sistema, "wpml:coordinateMode", ("WGS84",), dove)
    in_elenco(sistema, "wpml:heightMode", ("relativeToStartPoint",), dove)
    in_elenco(cartella_modello, "wpml:globalWaypointTurnMode",
              ("coordinateTurn", "toPointAndStopWithDiscontinuityCurvature",
               "toPointAndStopWithContinuityCurvature", "toPointAndPassWithContinuityCurvature"), dove)
    modo_beccheggio = in_elenco(cartella_modello, "wpml:gimbalPitchMode", ("manual", "usePointSetting"), dove)
    numero(cartella_modello, "wpml:globalHeight", dove)
    carico = figlio(cartella_modello, "wpml:payloadParam", dove)
    numero(carico, "wpml:payloadPositionIndex", dove)
    valore(carico, "wpml:imageFormat", dove)
    segnaposti = cartella_modello.findall(KML + "Placemark")
    if len(segnaposti) != len(punti):
        errore(dove, f"{len(segnaposti)} punti invece di {len(punti)}")
    for i, (s, p) in enumerate(zip(segnaposti, punti)):
        dove = f"template {p['nome']}"
        posizione(s, p, dove)
        if numero(s, "wpml:index", dove) != i:
            errore(dove, "index fuori ordine")
        if valore(s, "wpml:useGlobalHeight", dove) == "0":
            for nome in ("wpml:ellipsoidHeight", "wpml:height"):
                if abs(numero(s, nome, dove) - p["altezza"]) > 1e-3:
                    errore(dove, f"{nome} invece di {p['altezza']}")
        else:
            errore(dove, "altezza non data al punto")
        if valore(s, "wpml:useGlobalSpeed", dove) == "0":
            numero(s, "wpml:waypointSpeed", dove)
        if valore(s, "wpml:useGlobalHeadingParam", dove) == "0":
            direzione(s, p, dove)
        else:
            errore(dove, "direzione non data al punto")
        if valore(s, "wpml:useGlobalTurnParam", dove) == "0":
            figlio(s, "wpml:waypointTurnParam", dove)
        if modo_beccheggio == "usePointSetting" and abs(numero(s, "wpml:gimbalPitchAngle", dove) - p["beccheggio"]) > 1e-4:
            errore(dove, f"gimbalPitchAngle invece di {p['beccheggio']}")
        gruppo_azioni(s, i, p, sosta, dove)

    cartella_volo = figlio(figlio(volo, "Document", "waylines"), "Folder", "waylines")
    dove = "waylines Folder"
    numero(cartella_volo, "wpml:templateId", dove)
    numero(cartella_volo, "wpml:waylineId", dove)
    in_elenco(cartella_volo, "wpml:executeHeightMode", ("relativeToStartPoint",), dove)
    velocita = numero(cartella_volo, "wpml:autoFlightSpeed", dove)
    if abs(velocita - min(max(attesi["velocita"], 1), 15)) > 1e-9:
        errore(dove, f"autoFlightSpeed {velocita}")
    segnaposti = cartella_volo.findall(KML + "Placemark")
    if len(segnaposti) != len(punti):
        errore(dove, f"{len(segnaposti)} punti invece di {len(punti)}")
    for i, (s, p) in enumerate(zip(segnaposti, punti)):
        dove = f"waylines {p['nome']}"
        posizione(s, p, dove)
        if numero(s, "wpml:index", dove) != i:
            errore(dove, "index fuori ordine")
        if abs(numero(s, "wpml:executeHeight", dove) - p["altezza"]) > 1e-3:
            errore(dove, f"executeHeight invece di {p['altezza']}")
        if not 1 <= numero(s, "wpml:waypointSpeed", dove) <= 15:
            errore(dove, "waypointSpeed fuori da [1, 15]")
        direzione(s, p, dove)
        svolta = figlio(s, "wpml:waypointTurnParam", dove)
        if valore(svolta, "wpml:waypointTurnMode", dove) == "coordinateTurn":
            numero(svolta, "wpml:waypointTurnDampingDist", dove)
        gruppo_azioni(s, i, p, sosta, dove)


TESTATA_LITCHI = (["latitude", "longitude", "altitude(m)", "heading(deg)", "curvesize(m)", "rotationdir",
                   "gimbalmode", "gimbalpitchangle"]
                  + [f"action{x}{k}" for k in range(1, 16) for x in ("type", "param")]
                  + ["altitudemode", "speed(m/s)", "poi_latitude", "poi_longitude", "poi_altitude(m)",
                     "poi_altitudemode", "photo_timeinterval", "photo_distinterval"])


def verifica_litchi(cartella, attesi):
    with open(cartella / "missione.csv", newline="", encoding="utf-8") as f:
        righe = list(csv.reader(f))
    if len(TESTATA_LITCHI) != 46 or righe[0] != TESTATA_LITCHI:
        errore("litchi", f"intestazione {righe[0]}")
    if len(righe) - 1 != len(attesi["punti"]):
        errore("litchi", f"{len(righe) - 1} righe invece di {len(attesi['punti'])}")
    for riga, p in zip(righe[1:], attesi["punti"]):
        dove = f"litchi {p['nome']}"
        if len(riga) != 46:
            errore(dove, f"{len(riga)} colonne")
            continue
        v = dict(zip(TESTATA_LITCHI, (float(x) for x in riga)))
        if abs(v["latitude"] - p["lat"]) > 1e-9 or abs(v["longitude"] - p["lon"]) > 1e-9:
            errore(dove, f"posizione {riga[:2]}")
        if abs(v["altitude(m)"] - p["altezza"]) > 1e-3:
            errore(dove, f"altezza {riga[2]}")
        if not 0 <= v["heading(deg)"] < 360 or not stesso_angolo(v["heading(deg)"], p["direzione"]):
            errore(dove, f"direzione {riga[3]}")
        if v["gimbalmode"] != 2 or abs(v["gimbalpitchangle"] - p["beccheggio"]) > 1e-4:
            errore(dove, f"beccheggio {riga[6:8]}")
        fatte = [(v[f"actiontype{k}"], v[f"actionparam{k}"]) for k in range(1, 16)]
        attese = [(0, attesi["sosta"] * 1000)] if attesi["sosta"] else []
        attese += [(1, 0) if a[0] == "foto" else (4, a[1]) for a in p["azioni"]]
        attese += [(-1, 0)] * (15 - len(attese))
        if any(f[0] != a[0] or not stesso_angolo(f[1], a[1]) for f, a in zip(fatte, attese)):
            errore(dove, f"azioni {fatte} invece di {attese}")
        if v["altitudemode"] != 0 or v["speed(m/s)"] != attesi["velocita"]:
            errore(dove, f"modo di quota o velocità {riga[38:40]}")
        if v["photo_timeinterval"] != -1 or v["photo_distinterval"] != -1:
            errore(dove, "scatti a intervallo")


def verifica_qgc(cartella, attesi):
    piano = json.loads((cartella / "missione.plan").read_text("utf-8"))
    for chiave, atteso in (("fileType", "Plan"), ("version", 1)):
        if piano.get(chiave) != atteso:
            errore("plan", f"{chiave} = {piano.get(chiave)!r}")
    for chiave in ("groundStation", "mission", "geoFence", "rallyPoints"):
        if chiave not in piano:
            errore("plan", f"manca {chiave}")
    m = piano.get("mission", {})
    for chiave in ("version", "firmwareType", "globalPlanAltitudeMode", "vehicleType", "cruiseSpeed",
                   "hoverSpeed", "items", "plannedHomePosition"):
        if chiave not in m:
            errore("plan mission", f"manca {chiave}")
    if m.get("version") != 2 or m.get("hoverSpeed") != attesi["velocita"]:
        errore("plan mission", "versione o velocità")
    casa = m.get("plannedHomePosition", [])
    if len(casa) != 3 or any(abs(a - b) > 1e-9 for a, b in zip(casa, attesi["decollo"])):
        errore("plan mission", f"plannedHomePosition {casa}")
    voci = m.get("items", [])
    for k, v in enumerate(voci):
        for chiave in ("type", "command", "frame", "params", "autoContinue", "doJumpId"):
            if chiave not in v:
                errore(f"plan voce {k}", f"manca {chiave}")
        if v.get("type") != "SimpleItem" or len(v.get("params", [])) != 7 or v.get("doJumpId") != k + 1:
            errore(f"plan voce {k}", "tipo, parametri o doJumpId")
        if v.get("frame") == 3 and (v.get("Altitude") != v["params"][6] or v.get("AltitudeMode") != 1
                                    or "AMSLAltAboveTerrain" not in v):
            errore(f"plan voce {k}", "quota relativa")
    attese = [(22, 3)]
    for p in attesi["punti"]:
        attese += [(16, 3), (1000, 2)] + [(2000, 2) if a[0] == "foto" else (115, 2) for a in p["azioni"]]
    attese.append((20, 2))
    if [(v.get("command"), v.get("frame")) for v in voci] != attese:
        errore("plan", f"comandi {[(v.get('command'), v.get('frame')) for v in voci]} invece di {attese}")
        return
    punti = iter(attesi["punti"])
    scatti = 0
    for v in voci[1:-1]:
        c, q = v["command"], v["params"]
        if c == 16:
            p = next(punti)
            dove = f"plan {p['nome']}"
            if abs(q[4] - p["lat"]) > 1e-9 or abs(q[5] - p["lon"]) > 1e-9 or abs(q[6] - p["altezza"]) > 1e-9:
                errore(dove, f"posizione {q[4:]}")
            if not stesso_angolo(q[3], p["direzione"]) or q[0] != attesi["sosta"]:
                errore(dove, f"yaw o sosta {q[:4]}")
            azioni = iter(p["azioni"])
        elif c == 1000 and q[0] != p["beccheggio"]:
            errore(dove, f"beccheggio {q[0]}")
        elif c == 2000:
            scatti += 1
            next(azioni)
            if q[2] != 1 or q[3] != scatti:
                errore(dove, f"scatto {q}")
        elif c == 115 and not stesso_angolo(q[0], next(azioni)[1]):
            errore(dove, f"rotazione {q[0]}")


def principale(strumento, radice):
    subprocess.run([strumento, str(radice)], check=True)
    for nome in ("con_sosta", "senza_sosta"):
        cartella = radice / nome
        attesi = json.loads((cartella / "attesi.json").read_text("utf-8"))
        if not any(len(p["azioni"]) > 1 for p in attesi["punti"]):
            errore(nome, "nessun punto con più azioni")
        verifica_dji(cartella, attesi)
        verifica_litchi(cartella, attesi)
        verifica_qgc(cartella, attesi)
    for e in errori:
        print(e)
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(principale(sys.argv[1], Path(sys.argv[2])))
