// The plan as KML 2.2. Heights are given above the ground (relativeToGround):
// the ground is taken as level at the height of the façade's foot, so a
// station stands at its camera height and a point of the façade at its
// height above the foot. Coordinates are longitude, latitude, height.
#include "mappe/kml.h"

#include <pugixml.hpp>
#include <sstream>

#include "base/file_testo.h"
#include "base/segnaposti.h"
#include "base/traduzione.h"
#include "mappe/numeri_mappa.h"

namespace pianopre {

namespace {

// 1e-10 degrees is about 0.01 mm: the file keeps what the transform gives.
std::string coordinate(const posizione_geo& g, double altezza) {
    return numero_fisso(g.lon, 10) + "," + numero_fisso(g.lat, 10) + "," + numero_fisso(altezza, 3);
}

pugi::xml_node cartella(pugi::xml_node documento, const std::string& nome) {
    pugi::xml_node c = documento.append_child("Folder");
    c.append_child("name").text().set(nome.c_str());
    return c;
}

pugi::xml_node segnaposto(pugi::xml_node cartella, const std::string& nome) {
    pugi::xml_node p = cartella.append_child("Placemark");
    p.append_child("name").text().set(nome.c_str());
    return p;
}

void geometria(pugi::xml_node segnaposto, const char* tipo, const std::string& coord) {
    pugi::xml_node g = segnaposto.append_child(tipo);
    g.append_child("altitudeMode").text().set("relativeToGround");
    g.append_child("coordinates").text().set(coord.c_str());
}

std::string descrizione(const stazione_mappa& s, const formato_regionale& f) {
    const riga_stazione& r = s.riga;
    return inserisci(traduci("mappe",
                             "Strisciata %1, fotogramma %2; direzione %3°, inclinazione "
                             "%4°, altezza dal suolo %5 m"),
                     {std::to_string(r.striscia), std::to_string(r.fotogramma),
                      numero_regionale(s.direzione, 1, f), numero_regionale(r.inclinazione, 1, f),
                      numero_regionale(r.altezza, 2, f)});
}

void stazioni(pugi::xml_node documento, const elementi_mappa& m, const formato_regionale& f) {
    pugi::xml_node c = cartella(documento, traduci("mappe", "Stazioni"));
    for (const stazione_mappa& s : m.stazioni) {
        pugi::xml_node p = segnaposto(c, s.riga.nome);
        p.append_child("description").text().set(descrizione(s, f).c_str());
        geometria(p, "Point", coordinate(s.geo, s.riga.altezza));
    }
}

void facciata(pugi::xml_node documento, const elementi_mappa& m) {
    if (m.facciata.empty()) return;
    pugi::xml_node c = cartella(documento, traduci("mappe", "Facciata"));
    std::string coord;
    for (const punto_mappa& p : m.facciata)
        coord += coordinate(p.geo, p.sito.z - m.quota_suolo) + " ";
    coord += coordinate(m.facciata.front().geo, m.facciata.front().sito.z - m.quota_suolo);
    geometria(segnaposto(c, traduci("mappe", "Facciata")), "LineString", coord);
}

void punti(pugi::xml_node documento, const elementi_mappa& m) {
    if (m.punti.empty()) return;
    pugi::xml_node c = cartella(documento, traduci("mappe", "Punti di appoggio"));
    for (const punto_mappa& p : m.punti)
        geometria(segnaposto(c, p.nome), "Point", coordinate(p.geo, p.sito.z - m.quota_suolo));
}

}  // namespace

std::string testo_kml(const elementi_mappa& m, const formato_regionale& formato) {
    pugi::xml_document doc;
    pugi::xml_node dichiarazione = doc.append_child(pugi::node_declaration);
    dichiarazione.append_attribute("version") = "1.0";
    dichiarazione.append_attribute("encoding") = "UTF-8";
    pugi::xml_node kml = doc.append_child("kml");
    kml.append_attribute("xmlns") = "http://www.opengis.net/kml/2.2";
    pugi::xml_node documento = kml.append_child("Document");
    documento.append_child("name").text().set(m.nome.c_str());
    if (!m.sistema.empty())
        documento.append_child("description")
            .text()
            .set(inserisci(traduci("mappe", "Coordinate del sito in %1"), {m.sistema}).c_str());
    stazioni(documento, m, formato);
    facciata(documento, m);
    punti(documento, m);
    std::ostringstream uscita;
    doc.save(uscita, "  ", pugi::format_default, pugi::encoding_utf8);
    return uscita.str();
}

void scrivi_kml(const std::filesystem::path& percorso, const elementi_mappa& m,
                const formato_regionale& formato) {
    scrivi_file_atomico(percorso, testo_kml(m, formato));
}

}  // namespace pianopre
