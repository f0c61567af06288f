// The DXF writer: the entity list as an ASCII DXF file of release 12
// ("AC1009"), CR LF line ends, texts as the single bytes they are.
//
// The file holds the version in HEADER, one LAYER table ("FONDO" and the
// frame layers "1" to "50") and the ENTITIES: points as POINT, runs of
// vertices as 3-D POLYLINE with VERTEX and SEQEND, texts as TEXT. Entities
// carry no colour of their own: they show in their layer's colour.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "base/testo_fisso.h"
#include "scheme/elenco_entita.h"
#include "scheme/entita.h"

namespace pianopre {

// Buffered output of DXF lines: each value is written followed by CR LF, and
// the bytes reach the file in large blocks.
class uscita_dxf {
public:
    explicit uscita_dxf(std::ostream& file);
    uscita_dxf(const uscita_dxf&) = delete;
    uscita_dxf& operator=(const uscita_dxf&) = delete;

    void riga(std::string_view valore);
    void numero(double x);  // fixed form with a point, 15 digits
    void numero(float x);   // the same with 7 digits
    // Hands the buffered bytes to the file; error 75 when it refuses them.
    void svuota();

private:
    std::ostream& file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t usato_ = 0;
};

// The layer-name cleaning of every written entity: surrounding blanks
// removed, then every blank and every "." turned into "_".
void pulisci_nome(testo_fisso<16>& nome);

// The layer an entity is written on: its cleaned name with every character a
// release 12 layer name cannot hold (anything but ASCII letters, digits, "$",
// "-" and "_") turned into "_"; "0" when the name is empty.
std::string nome_layer(const testo_fisso<16>& nome);

void scrivi_testata(uscita_dxf& file);
void scrivi_point(uscita_dxf& file, const entita& e);
void scrivi_polyline(uscita_dxf& file, const entita& e);
void scrivi_vertex(uscita_dxf& file, const entita& e);
void scrivi_seqend(uscita_dxf& file);
void scrivi_text(uscita_dxf& file, const entita& e);
void scrivi_coda(uscita_dxf& file);

// The whole file. Entities placed relative to the scheme origin get (ox, oy,
// oz) added to the written copy; entities of unknown type are left out.
// Error 6 when a placed coordinate overflows, 75 when the file refuses bytes.
void salva_dxf(std::ostream& file, const elenco_entita& lista, double ox, double oy, double oz);

}  // namespace pianopre
