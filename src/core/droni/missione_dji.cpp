// DJI's WPML mission: a .kmz (ZIP) holding wpmz/template.kml, the waypoint
// template DJI Pilot 2 and FlightHub 2 edit, and wpmz/waylines.wpml, the
// wayline the aircraft flies. Heights above the take-off point
// (relativeToStartPoint), headings and rotations in -180..180 from true North,
// gimbal pitch positive up; at each waypoint an action group reached on
// arrival: gimbal pitch, hover, then the photos and rotations in order.
// The aircraft declared is the Mavic 3 Enterprise (drone 77-0, camera 66).
#include <zip.h>

#include <algorithm>
#include <pugixml.hpp>

#include "base/file_testo.h"
#include "base/traduzione.h"
#include "droni/comune_missione.h"

namespace pianopre {

namespace {

using missioni::decimale;

constexpr const char* spazio_wpml = "http://www.dji.com/wpmz/1.0.2";
constexpr int drone_tipo = 77;      // Mavic 3 Enterprise series
constexpr int drone_sottotipo = 0;  // M3E
constexpr int camera_tipo = 66;     // Mavic 3E camera

// The speeds DJI accepts, m/s.
double velocita_dji(double v) {
    return std::clamp(v, 1.0, 15.0);
}

void testo(pugi::xml_node padre, const char* nome, const std::string& valore) {
    padre.append_child(nome).text().set(valore.c_str());
}
void intero(pugi::xml_node padre, const char* nome, long long valore) {
    testo(padre, nome, std::to_string(valore));
}
void metri(pugi::xml_node padre, const char* nome, double valore) {
    testo(padre, nome, decimale(valore, missioni::cifre_metri));
}
void gradi(pugi::xml_node padre, const char* nome, double valore) {
    testo(padre, nome, decimale(valore, missioni::cifre_angoli));
}

// A file name suffix from a station name: letters, digits, '-' and '_'.
std::string suffisso(const std::string& nome) {
    std::string s;
    for (char c : nome)
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
            c == '-' || c == '_')
            s += c;
    return s.empty() ? "P" : s;
}

pugi::xml_node documento(pugi::xml_document& doc) {
    pugi::xml_node dichiarazione = doc.append_child(pugi::node_declaration);
    dichiarazione.append_attribute("version") = "1.0";
    dichiarazione.append_attribute("encoding") = "UTF-8";
    pugi::xml_node kml = doc.append_child("kml");
    kml.append_attribute("xmlns") = "http://www.opengis.net/kml/2.2";
    kml.append_attribute("xmlns:wpml") = spazio_wpml;
    return kml.append_child("Document");
}

void configurazione(pugi::xml_node documento, const missione& m) {
    pugi::xml_node c = documento.append_child("wpml:missionConfig");
    testo(c, "wpml:flyToWaylineMode", "safely");
    testo(c, "wpml:finishAction", "goHome");
    testo(c, "wpml:exitOnRCLost", "executeLostAction");
    testo(c, "wpml:executeRCLostAction", "goBack");
    // Straight up to the first waypoint's height, then across to it.
    metri(c, "wpml:takeOffSecurityHeight",
          std::clamp(m.punti.front().altezza_decollo, 1.2, 1500.0));
    metri(c, "wpml:globalTransitionalSpeed", velocita_dji(m.impostazioni.velocita_ms));
    double piu_alto = 0;
    for (const punto_missione& p : m.punti) piu_alto = std::max(piu_alto, p.altezza_decollo);
    metri(c, "wpml:globalRTHHeight", std::clamp(piu_alto + 5, 2.0, 1500.0));
    pugi::xml_node drone = c.append_child("wpml:droneInfo");
    intero(drone, "wpml:droneEnumValue", drone_tipo);
    intero(drone, "wpml:droneSubEnumValue", drone_sottotipo);
    pugi::xml_node carico = c.append_child("wpml:payloadInfo");
    intero(carico, "wpml:payloadEnumValue", camera_tipo);
    intero(carico, "wpml:payloadPositionIndex", 0);
}

void punto_kml(pugi::xml_node segnaposto, const punto_missione& p, std::size_t indice) {
    testo(segnaposto.append_child("Point"), "coordinates",
          decimale(p.geo.lon, missioni::cifre_gradi_geo) + ',' +
              decimale(p.geo.lat, missioni::cifre_gradi_geo));
    intero(segnaposto, "wpml:index", static_cast<long long>(indice));
}

void direzione(pugi::xml_node padre, const punto_missione& p) {
    pugi::xml_node d = padre.append_child("wpml:waypointHeadingParam");
    testo(d, "wpml:waypointHeadingMode", "smoothTransition");
    gradi(d, "wpml:waypointHeadingAngle", angolo_pm180(p.direzione));
    testo(d, "wpml:waypointHeadingPathMode", "followBadArc");
}

void azioni_dji(pugi::xml_node segnaposto, const missione& m, std::size_t i,
                const azioni_punto& azioni) {
    const punto_missione& p = m.punti[i];
    pugi::xml_node g = segnaposto.append_child("wpml:actionGroup");
    intero(g, "wpml:actionGroupId", static_cast<long long>(i));
    intero(g, "wpml:actionGroupStartIndex", static_cast<long long>(i));
    intero(g, "wpml:actionGroupEndIndex", static_cast<long long>(i));
    testo(g, "wpml:actionGroupMode", "sequence");
    testo(g.append_child("wpml:actionTrigger"), "wpml:actionTriggerType", "reachPoint");
    long long id = 0;
    auto azione = [&](const char* funzione) {
        pugi::xml_node a = g.append_child("wpml:action");
        intero(a, "wpml:actionId", id++);
        testo(a, "wpml:actionActuatorFunc", funzione);
        return a.append_child("wpml:actionActuatorFuncParam");
    };
    pugi::xml_node r = azione("gimbalRotate");
    intero(r, "wpml:payloadPositionIndex", 0);
    testo(r, "wpml:gimbalHeadingYawBase", "north");
    testo(r, "wpml:gimbalRotateMode", "absoluteAngle");
    intero(r, "wpml:gimbalPitchRotateEnable", 1);
    gradi(r, "wpml:gimbalPitchRotateAngle", p.beccheggio);
    intero(r, "wpml:gimbalRollRotateEnable", 0);
    intero(r, "wpml:gimbalRollRotateAngle", 0);
    intero(r, "wpml:gimbalYawRotateEnable", 0);
    intero(r, "wpml:gimbalYawRotateAngle", 0);
    intero(r, "wpml:gimbalRotateTimeEnable", 0);
    intero(r, "wpml:gimbalRotateTime", 0);
    if (const double sosta = durata_sosta_s(m.impostazioni); sosta > 0)
        testo(azione("hover"), "wpml:hoverTime", decimale(sosta, 3));
    double attuale = angolo_pm180(p.direzione);
    int scatto = 0;
    for (const azione_missione& a : azioni) {
        if (a.cosa == azione_missione::tipo::foto) {
            pugi::xml_node f = azione("takePhoto");
            intero(f, "wpml:payloadPositionIndex", 0);
            std::string nome = suffisso(p.nome);
            if (++scatto > 1) nome += '_' + std::to_string(scatto);
            testo(f, "wpml:fileSuffix", nome);
            intero(f, "wpml:useGlobalPayloadLensIndex", 1);
        } else {
            const double verso = angolo_pm180(a.direzione);
            pugi::xml_node y = azione("rotateYaw");
            gradi(y, "wpml:aircraftHeading", verso);
            testo(y, "wpml:aircraftPathMode",
                  angolo_pm180(verso - attuale) >= 0 ? "clockwise" : "counterClockwise");
            attuale = verso;
        }
    }
}

std::string testo_xml(const pugi::xml_document& doc) {
    struct scrittore : pugi::xml_writer {
        std::string out;
        void write(const void* dati, size_t n) override {
            out.append(static_cast<const char*>(dati), n);
        }
    } s;
    // No indentation: the files live in an archive read by programs.
    doc.save(s, "", pugi::format_raw, pugi::encoding_utf8);
    return std::move(s.out);
}

std::string modello(const missione& m, std::span<const azioni_punto> azioni) {
    pugi::xml_document doc;
    pugi::xml_node d = documento(doc);
    testo(d, "wpml:author", "pianopre");
    configurazione(d, m);
    pugi::xml_node f = d.append_child("Folder");
    testo(f, "wpml:templateType", "waypoint");
    intero(f, "wpml:templateId", 0);
    pugi::xml_node sistema = f.append_child("wpml:waylineCoordinateSysParam");
    testo(sistema, "wpml:coordinateMode", "WGS84");
    testo(sistema, "wpml:heightMode", "relativeToStartPoint");
    metri(f, "wpml:autoFlightSpeed", velocita_dji(m.impostazioni.velocita_ms));
    metri(f, "wpml:globalHeight", m.punti.front().altezza_decollo);
    testo(f, "wpml:gimbalPitchMode", "usePointSetting");
    testo(f, "wpml:globalWaypointTurnMode", "toPointAndStopWithDiscontinuityCurvature");
    pugi::xml_node carico = f.append_child("wpml:payloadParam");
    intero(carico, "wpml:payloadPositionIndex", 0);
    testo(carico, "wpml:imageFormat", "wide");
    for (std::size_t i = 0; i < m.punti.size(); ++i) {
        const punto_missione& p = m.punti[i];
        pugi::xml_node s = f.append_child("Placemark");
        punto_kml(s, p, i);
        intero(s, "wpml:useGlobalHeight", 0);
        // Above the take-off point the ellipsoidal height is the same number.
        metri(s, "wpml:ellipsoidHeight", p.altezza_decollo);
        metri(s, "wpml:height", p.altezza_decollo);
        intero(s, "wpml:useGlobalSpeed", 1);
        intero(s, "wpml:useGlobalHeadingParam", 0);
        direzione(s, p);
        intero(s, "wpml:useGlobalTurnParam", 1);
        gradi(s, "wpml:gimbalPitchAngle", p.beccheggio);
        azioni_dji(s, m, i, azioni[i]);
    }
    return testo_xml(doc);
}

std::string percorso_volo(const missione& m, std::span<const azioni_punto> azioni) {
    pugi::xml_document doc;
    pugi::xml_node d = documento(doc);
    configurazione(d, m);
    pugi::xml_node f = d.append_child("Folder");
    intero(f, "wpml:templateId", 0);
    testo(f, "wpml:executeHeightMode", "relativeToStartPoint");
    intero(f, "wpml:waylineId", 0);
    const double velocita = velocita_dji(m.impostazioni.velocita_ms);
    metri(f, "wpml:autoFlightSpeed", velocita);
    for (std::size_t i = 0; i < m.punti.size(); ++i) {
        const punto_missione& p = m.punti[i];
        pugi::xml_node s = f.append_child("Placemark");
        punto_kml(s, p, i);
        metri(s, "wpml:executeHeight", p.altezza_decollo);
        metri(s, "wpml:waypointSpeed", velocita);
        direzione(s, p);
        pugi::xml_node svolta = s.append_child("wpml:waypointTurnParam");
        testo(svolta, "wpml:waypointTurnMode", "toPointAndStopWithDiscontinuityCurvature");
        intero(svolta, "wpml:waypointTurnDampingDist", 0);
        azioni_dji(s, m, i, azioni[i]);
    }
    return testo_xml(doc);
}

// The two files zipped into memory.
std::string zip(const std::filesystem::path& percorso, const std::string& modello_kml,
                const std::string& volo_wpml) {
    auto fallisci = [&] {
        throw errore_file(
            percorso, traduci("file_missione", "l'archivio della missione non si può comporre"));
    };
    zip_error_t errore;
    zip_error_init(&errore);
    zip_source_t* memoria = zip_source_buffer_create(nullptr, 0, 0, &errore);
    zip_error_fini(&errore);
    if (!memoria) fallisci();
    zip_source_keep(memoria);
    std::string out;
    bool riuscito = false;
    if (zip_t* archivio = zip_open_from_source(memoria, ZIP_TRUNCATE, nullptr)) {
        riuscito = true;
        for (const auto& [nome, dati] :
             {std::pair{"wpmz/template.kml", &modello_kml}, {"wpmz/waylines.wpml", &volo_wpml}}) {
            zip_source_t* s = zip_source_buffer(archivio, dati->data(), dati->size(), 0);
            const zip_int64_t indice = s ? zip_file_add(archivio, nome, s, ZIP_FL_ENC_UTF_8) : -1;
            // The fastest deflate: the text repeats itself and packs well anyway,
            // and a long mission is written in a fraction of the time.
            if (indice < 0 || zip_set_file_compression(archivio, static_cast<zip_uint64_t>(indice),
                                                       ZIP_CM_DEFLATE, 1) < 0) {
                if (s && indice < 0) zip_source_free(s);
                riuscito = false;
                break;
            }
        }
        if (!riuscito)
            zip_discard(archivio);
        else if (zip_close(archivio) < 0) {
            zip_discard(archivio);
            riuscito = false;
        }
    }
    if (riuscito && zip_source_open(memoria) == 0) {
        zip_source_seek(memoria, 0, SEEK_END);
        const zip_int64_t n = zip_source_tell(memoria);
        zip_source_seek(memoria, 0, SEEK_SET);
        if (n > 0) {
            out.resize(static_cast<std::size_t>(n));
            riuscito = zip_source_read(memoria, out.data(), static_cast<zip_uint64_t>(n)) == n;
        } else {
            riuscito = false;
        }
        zip_source_close(memoria);
    } else {
        riuscito = false;
    }
    zip_source_free(memoria);
    if (!riuscito) fallisci();
    return out;
}

}  // namespace

std::string archivio_kmz_dji(const std::filesystem::path& percorso, const missione& m,
                             std::span<const azioni_punto> azioni) {
    missioni::verifica(percorso, m, azioni, 1000);
    if (m.punti.size() > 65536)
        throw errore_file(percorso, traduci("file_missione", "la missione ha più di 65536 punti"));
    return zip(percorso, modello(m, azioni), percorso_volo(m, azioni));
}

void scrivi_kmz_dji(const std::filesystem::path& percorso, const missione& m,
                    std::span<const azioni_punto> azioni) {
    scrivi_file_atomico(percorso, archivio_kmz_dji(percorso, m, azioni));
}

void scrivi_kmz_dji(const std::filesystem::path& percorso, const missione& m) {
    scrivi_kmz_dji(percorso, m, azioni_semplici(m));
}

}  // namespace pianopre
