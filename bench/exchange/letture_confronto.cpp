// The bare line scanner and the dxflib adapter of the exchange benchmarks.
#include "letture_confronto.h"

#include <charconv>
#include <cstring>
#include <fstream>
#include <memory>

#ifdef PIANOPRE_DXFLIB
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>
#endif

namespace pianopre::bench {

double scansiona(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    const std::size_t dim = std::size_t{1} << 20;
    std::unique_ptr<char[]> blocco(new char[dim]);
    std::string resto;
    double somma = 0;
    auto riga = [&](const char* p, std::size_t n) {
        while (n > 0 && p[n - 1] == '\r') --n;
        while (n > 0 && *p == ' ') ++p, --n;
        while (n > 0 && p[n - 1] == ' ') --n;
        double v = 0;
        if (std::from_chars(p, p + n, v).ec == std::errc{}) somma += v;
    };
    while (in.read(blocco.get(), static_cast<std::streamsize>(dim)) || in.gcount() > 0) {
        const char* p = blocco.get();
        const char* fine = p + in.gcount();
        while (p < fine) {
            const char* a_capo = static_cast<const char*>(std::memchr(p, '\n', fine - p));
            if (!a_capo) {
                resto.append(p, fine);
                break;
            }
            if (resto.empty()) {
                riga(p, static_cast<std::size_t>(a_capo - p));
            } else {
                resto.append(p, a_capo);
                riga(resto.data(), resto.size());
                resto.clear();
            }
            p = a_capo + 1;
        }
    }
    if (!resto.empty()) riga(resto.data(), resto.size());
    return somma;
}

#ifdef PIANOPRE_DXFLIB
namespace {

class conta : public DL_CreationAdapter {
public:
    std::int64_t voci = 0;
    void addPoint(const DL_PointData&) override { ++voci; }
    void addVertex(const DL_VertexData&) override { ++voci; }
    void addText(const DL_TextData&) override { ++voci; }
    void addLine(const DL_LineData&) override { voci += 2; }
};

}  // namespace

bool con_dxflib() {
    return true;
}

std::int64_t conta_dxflib(const std::string& percorso) {
    conta c;
    DL_Dxf dxf;
    dxf.in(percorso, &c);
    return c.voci;
}
#else
bool con_dxflib() {
    return false;
}

std::int64_t conta_dxflib(const std::string&) {
    return 0;
}
#endif

}  // namespace pianopre::bench
