// Convergent images: at each station, besides the image along the optical
// axis, two more turned by +γ and −γ in heading, from the same position with
// the same tilt, for multi-image (structure-from-motion) processing. The
// setting is kept with the job; the rows follow their station in the table.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "site/collocazione.h"
#include "site/stazioni.h"

namespace pianopre {

struct impostazioni_convergenti {
    bool attive = false;
    double angolo_gradi = 20;  // γ, the turn in heading of each extra image

    bool operator==(const impostazioni_convergenti&) const = default;
};

inline constexpr double angolo_convergenti_max = 90;

// The message for an angle the images cannot use (not a number, not above 0 or
// not below 90°); none when usable.
std::optional<std::string> errore_convergenti(const impostazioni_convergenti& imp);

// The name of the image turned by +γ ("S1-01+") or −γ ("S1-01−", U+2212).
std::string nome_convergente(const std::string& stazione, int verso);

// The two images of station `s`, +γ then −γ, the azimuth in `unita` from 0
// up to a full turn; `convergente` says which.
std::array<riga_stazione, 2> immagini_convergenti(const riga_stazione& s, double angolo_gradi,
                                                  unita_angolo unita);

// The convergent images of every station, in the stations' order.
std::vector<riga_stazione> elenco_convergenti(std::span<const riga_stazione> stazioni,
                                              double angolo_gradi, unita_angolo unita);

// The station table: with the images on, each station followed by its two.
std::vector<riga_stazione> con_convergenti(std::span<const riga_stazione> stazioni,
                                           const impostazioni_convergenti& imp, unita_angolo unita);

}  // namespace pianopre
