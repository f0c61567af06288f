// Reading a text file line by line, fast: the file comes in large blocks and
// each line is handed out as a view into the block, so no line costs an
// allocation. LF and CR LF line ends are both accepted, and so is a last line
// without a line end. Shared by the DXF and .xyz readers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

namespace pianopre {

class lettore_righe {
public:
    // Characters of a line beyond this many are dropped: no field of our
    // formats is that long, and a damaged file must not fill the memory.
    static constexpr std::size_t riga_massima = std::size_t{1} << 20;

    explicit lettore_righe(std::istream& file, std::size_t dim_blocco = std::size_t{1} << 20);

    // The next line without its line end; false when the file has ended. The
    // view stays valid until the next call. Error 75 when the file cannot be read.
    bool leggi(std::string_view& riga) {
        // Most lines lie whole in the block: handed out here, without a call.
        if (pos_ < len_) {
            const char* inizio = blocco_.get() + pos_;
            if (const void* a_capo = std::memchr(inizio, '\n', len_ - pos_)) {
                std::size_t n = static_cast<std::size_t>(static_cast<const char*>(a_capo) - inizio);
                pos_ += n + 1;
                ++numero_;
                if (n > 0 && inizio[n - 1] == '\r') --n;
                riga = std::string_view(inizio, n < riga_massima ? n : riga_massima);
                return true;
            }
        }
        return leggi_fino(riga, '\n', true);
    }

    // The next text ending at termine (not included, nor a CR before it when
    // togli_cr); false when the file has ended. Binary DXF ends its texts
    // with a NUL byte.
    bool leggi_fino(std::string_view& riga, char termine, bool togli_cr);

    // The next n bytes into dest; false, with nothing promised of dest, when
    // the file ends first.
    bool leggi_byte(char* dest, std::size_t n);

    // True when no line is left to read.
    bool fine();

    // Number of the last line handed out, from 1.
    std::int64_t numero_riga() const noexcept { return numero_; }

private:
    bool riempi();
    std::string_view chiudi_riga(std::string_view riga, bool togli_cr);

    std::istream& file_;
    std::size_t dim_;
    std::unique_ptr<char[]> blocco_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool esaurito_ = false;
    std::string lunga_;  // a line that crosses the end of a block
    std::int64_t numero_ = 0;
};

// Blanks around a field: DXF and .xyz files pad with spaces only.
std::string_view senza_blank(std::string_view testo);

}  // namespace pianopre
