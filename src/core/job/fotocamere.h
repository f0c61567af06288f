// The camera list: the presets shipped with the program and the user's own
// list, both JSON files of the same shape:
//
//   {"fotocamere": [{"nome": "...", "larghezza_mm": 36, "altezza_mm": 24,
//                    "larghezza_px": 5616, "altezza_px": 3744, "scansione_um": 0,
//                    "metrica": false, "focale_mm": null}, ...]}
//
// "nome", "larghezza_mm" and "altezza_mm" are required; pixels and scan
// resolution default to 0 (not known, not scanned), "metrica" to false and
// "focale_mm" to none. Errors carry a message in the
// user's language naming the file.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/formato_regionale.h"
#include "calc/verifiche.h"

namespace pianopre {

struct voce_fotocamera {
    std::string nome;
    double larghezza_mm = 0;  // sensor or negative
    double altezza_mm = 0;
    int larghezza_px = 0;  // 0 for film
    int altezza_px = 0;
    double scansione_um = 0;  // film scan resolution, 0 when not scanned
    bool metrica = false;
    std::optional<double> focale_mm;

    bool operator==(const voce_fotocamera&) const = default;
};

class errore_fotocamere : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The list in `testo`; `nome_file` names the source in the messages.
std::vector<voce_fotocamera> leggi_fotocamere(std::string_view testo, const std::string& nome_file);

// The list in the file at `percorso`: missing, unreadable, too large (over
// 1 MiB), not JSON, of the wrong shape or with a value out of range, it throws
// errore_fotocamere.
std::vector<voce_fotocamera> leggi_file_fotocamere(const std::filesystem::path& percorso);

// The list as JSON text; throws errore_fotocamere for an entry the reader
// would refuse, naming `nome_file`.
std::string testo_fotocamere(const std::vector<voce_fotocamera>& voci,
                             const std::string& nome_file = "");

// Writes the list to `percorso` through a temporary file in the same folder,
// created when missing, then renames it over the target: on any failure the
// previous file stays as it was.
void scrivi_file_fotocamere(const std::filesystem::path& percorso,
                            const std::vector<voce_fotocamera>& voci);

// Beyond the ranges of the file, a camera typed in the dialog must have
// pixel counts in the proportions of its sensor, within 5 % (the pixel is
// taken as square), and a stored focal length between 1 and 2000 mm, from
// the shortest lens of a small sensor to the longest telephoto. A list
// holding a camera that fails them still reads and writes.
inline constexpr double scarto_proporzioni_massimo = 0.05;
inline constexpr std::array<double, 2> focale_plausibile_mm{1, 2000};

// Why the width over the height in pixels differs from the sensor's by more
// than 5 %, with both ratios; none when they agree or a count is 0.
std::optional<std::string> errore_proporzioni(const voce_fotocamera& voce,
                                              const formato_regionale& formato);

// Why the stored focal length is out of the plausible range; none when it is
// inside or not stored.
std::optional<std::string> errore_focale(const voce_fotocamera& voce,
                                         const formato_regionale& formato);

// The pixel and scan values of a camera, as the job keeps them.
sensore_lavoro sensore_di(const voce_fotocamera& voce);

}  // namespace pianopre
