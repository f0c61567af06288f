// Inside src/core/geo: PROJ's context and objects owned by small RAII types.
// A PROJ context is not thread-safe: every object that calls PROJ keeps its
// own, and the objects made in a context are destroyed before it.
#pragma once

#include <proj.h>

#include <memory>

namespace pianopre::geo_proj {

struct chiudi_contesto {
    void operator()(PJ_CONTEXT* c) const { proj_context_destroy(c); }
};
struct chiudi_oggetto {
    void operator()(PJ* p) const { proj_destroy(p); }
};
struct chiudi_elenco_crs {
    void operator()(PROJ_CRS_INFO** e) const { proj_crs_info_list_destroy(e); }
};

using oggetto = std::unique_ptr<PJ, chiudi_oggetto>;
using elenco_crs = std::unique_ptr<PROJ_CRS_INFO*, chiudi_elenco_crs>;

// A context of its own, silent: failures come back as values, never as
// lines on the error stream. Null only when PROJ has no memory for it.
class contesto {
public:
    contesto() : c_(proj_context_create()) {
        if (c_) proj_log_level(c_.get(), PJ_LOG_NONE);
    }
    PJ_CONTEXT* get() const { return c_.get(); }
    explicit operator bool() const { return c_ != nullptr; }

private:
    std::unique_ptr<PJ_CONTEXT, chiudi_contesto> c_;
};

}  // namespace pianopre::geo_proj
