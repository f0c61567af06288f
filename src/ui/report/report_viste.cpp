// The plan and front views of the scheme on the printed plan: the scheme as
// the window draws it (site drawing lightened under it when chosen, control
// points over it), fitted into a frame as vectors, with a scale bar and, in
// plan, a north arrow.
#include <QPainterPath>
#include <QPen>
#include <cmath>
#include <cstdint>
#include <unordered_set>

#include "job/vista_commessa.h"
#include "picture/ridis.h"
#include "picture/testo_ansi.h"
#include "report/report_parti.h"

namespace pianopre {

namespace {

constexpr double testo_minimo_mm = 0.8;  // smaller scheme texts could not be read

// From drawing units to device units of the page.
struct mappa {
    double x0, y0, kx, ky;
    finestra_vista f;
    QPointF operator()(punto_uv p) const {
        return {x0 + (p.u - f.left) * kx, y0 + (p.v - f.top) * ky};
    }
};

QColor schiarito(const QColor& c) {
    const auto misto = [](int a) { return a + (255 - a) * 3 / 5; };
    return QColor(misto(c.red()), misto(c.green()), misto(c.blue()));
}

// Every entity of a list: segments gathered by colour and drawn at once, then
// points and texts.
class tratti_lista {
public:
    tratti_lista(foglio& f, const mappa& m, tipo_vista modo, bool chiaro)
        : f_(f), m_(m), modo_(modo) {
        for (std::int16_t i = 0; i < 10; ++i) {
            const QColor c = colore_schermo(i < 9 ? i : 7, Qt::white);
            colori_[i] = chiaro ? schiarito(c) : c;
        }
    }

    void entita_(const entita& e, const punto3& posizione, double rotazione) {
        const std::size_t i =
            e.colore >= 0 && e.colore < 9 ? static_cast<std::size_t>(e.colore) : 9;
        const QPointF p = m_(proietta(modo_, posizione));
        switch (e.tipo) {
            case tipo_inizio:
                penna_ = p;
                break;
            case tipo_vertice:
            case tipo_fine:
                linee_[i].emplace_back(penna_, p);
                penna_ = p;
                break;
            case tipo_punto:
                punti_[i].push_back(p);
                break;
            case tipo_testo:
                testo(e, p, rotazione, colori_[i]);
                break;
            default:
                break;
        }
    }

    void chiudi() {
        QPainter& p = f_.painter();
        for (std::size_t i = 0; i < 10; ++i) {
            QPen penna(colori_[i], 0.15 * f_.scala());
            penna.setCapStyle(Qt::RoundCap);
            p.setPen(penna);
            if (!linee_[i].empty())
                p.drawLines(linee_[i].data(), static_cast<int>(linee_[i].size()));
            for (const QPointF& q : punti_[i]) p.drawEllipse(q, 0.3 * f_.scala(), 0.3 * f_.scala());
        }
    }

private:
    // False for a stroke that lands on one already drawn, to a twentieth of a
    // millimetre (well inside the pen): a long scheme has thousands of frames
    // per millimetre of page, and the file would carry each of them.
    bool nuovo(std::size_t colore, QPointF a, QPointF b) {
        const double q = 20 / f_.scala();
        // 14 bits a coordinate cover the page with room around it.
        const auto n = [q](double v) {
            return static_cast<std::uint64_t>(std::llround(v * q) + 4096) & 0x3fff;
        };
        std::uint64_t ka = n(a.x()) << 14 | n(a.y()), kb = n(b.x()) << 14 | n(b.y());
        if (ka > kb) std::swap(ka, kb);
        return visti_.insert(ka << 32 | kb << 4 | colore).second;
    }

    void testo(const entita& e, QPointF p, double rotazione, const QColor& colore) {
        const double h = e.altezza * std::abs(m_.kx) / f_.scala();  // mm on the page
        if (h < testo_minimo_mm) return;
        QPainter& pt = f_.painter();
        QFont font("Liberation Sans");
        font.setPointSizeF(h * 72 / 25.4);
        pt.save();
        pt.setFont(font);
        pt.setPen(colore);
        pt.translate(p);
        pt.rotate(-(e.rotazione + rotazione));
        pt.drawText(QPointF(0, 0), da_ansi(e.nome.pulito()));
        pt.restore();
        f_.rinnova();
    }

    foglio& f_;
    const mappa& m_;
    tipo_vista modo_;
    QColor colori_[10];
    std::vector<QLineF> linee_[10];
    std::vector<QPointF> punti_[10];
    QPointF penna_;
    std::unordered_set<std::uint64_t> visti_;
};

// 1, 2 or 5 times a power of ten, at most `massimo`.
double lunghezza_tonda(double massimo) {
    const double dieci = std::pow(10.0, std::floor(std::log10(massimo)));
    for (double k : {5.0, 2.0, 1.0})
        if (k * dieci <= massimo) return k * dieci;
    return dieci;
}

void barra_scala(foglio& f, double x, double y, double mm_per_m, const formato_regionale& formato) {
    const double metri = lunghezza_tonda(36 / mm_per_m);
    const double l = metri * mm_per_m;
    for (int i = 0; i < 4; ++i) {
        if (i % 2 == 0) f.riempi(x + i * l / 4, y, l / 4, 1.2, Qt::black);
        f.riquadro(x + i * l / 4, y, l / 4, 1.2, 0.1);
    }
    f.testo(x - 1, y + 1.2, "0", 6, false, allinea::destra);
    f.testo(x + l + 1, y + 1.2, da_utf8(numero_fisso(metri, metri < 1 ? 2 : 0, formato)) + " m", 6);
    const double denominatore = std::round(1000 / mm_per_m);
    f.testo(x + 70, y + 1.2,
            QCoreApplication::translate("report", "scala 1:%1")
                .arg(da_utf8(numero_fisso(denominatore, 0, formato))),
            6, false, allinea::destra);
}

void freccia_nord(foglio& f, double x, double y) {
    QPainter& p = f.painter();
    QPainterPath punta;
    punta.moveTo(f.punto(x, y));
    punta.lineTo(f.punto(x - 1.8, y + 6));
    punta.lineTo(f.punto(x, y + 4.5));
    punta.closeSubpath();
    p.setPen(QPen(Qt::black, 0.15 * f.scala()));
    p.setBrush(Qt::black);
    p.drawPath(punta);
    QPainterPath lato;
    lato.moveTo(f.punto(x, y));
    lato.lineTo(f.punto(x + 1.8, y + 6));
    lato.lineTo(f.punto(x, y + 4.5));
    lato.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.drawPath(lato);
    f.testo(x, y + 9.5, "N", 7, true, allinea::centro);
}

void punti_appoggio(foglio& f, const mappa& m, tipo_vista modo, const elenco_punti& punti) {
    const QColor verde(0, 128, 0);
    QPainter& p = f.painter();
    for (const punto_app& a : punti.voci()) {
        const QPointF q = m(proietta(modo, {a.x, a.y, a.z}));
        p.setPen(QPen(verde, 0.2 * f.scala()));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(q, 0.8 * f.scala(), 0.8 * f.scala());
        f.testo(q.x() / f.scala() + 1, q.y() / f.scala() - 0.8, da_ansi(a.nome.pulito()), 5.5,
                false, allinea::sinistra, 0, verde);
    }
}

void contorni_rossi(foglio& f, const mappa& m, tipo_vista modo, const stato_vista& v,
                    const trasformazione_sito& sito) {
    QPainter& p = f.painter();
    p.setPen(QPen(QColor(255, 0, 0), 0.2 * f.scala()));
    p.setBrush(Qt::NoBrush);
    for (const std::array<punto3, 4>& angoli : v.contorni_rossi) {
        QPointF q[4];
        for (int i = 0; i < 4; ++i) q[i] = m(proietta(modo, sito.applica(angoli[i])));
        p.drawPolygon(q, 4);
    }
}

// Everything the view draws, where it is drawn.
misura_vista misura_di(const commessa& c, const stato_vista& v) {
    misura_vista misura(false);
    misura.includi(c.disegno.lista_entita, v.origine, trasformazione_sito(v.sito));
    if (v.sottofondo != nullptr) misura.includi_alzata(*v.sottofondo, v.quota_sottofondo);
    if (v.punti != nullptr)
        for (const punto_app& p : v.punti->voci()) misura.includi({p.x, p.y, p.z});
    return misura;
}

}  // namespace

vista_report prepara_vista(const commessa& c, bool fronte, bool con_sito) {
    vista_report v{vista_commessa(c, fronte, false)};
    if (!con_sito) v.stato.sottofondo = nullptr;
    const double r = misura_di(c, v.stato).rapporto(fronte);
    if (std::isfinite(r) && r > 0) v.rapporto = r;
    return v;
}

// The scale bar sits on the title line, right-aligned; in plan the north
// arrow has a strip of its own at the right of the box.
void disegna_vista(foglio& f, const commessa& c, const vista_report& vr, double x, double y,
                   double l_box, double a, const formato_regionale& formato) {
    const stato_vista& v = vr.stato;
    const bool fronte = v.fronte;
    f.testo(x, y + 3,
            fronte ? QCoreApplication::translate("report", "Prospetto")
                   : QCoreApplication::translate("report", "Pianta"),
            8.5, true);
    const double y0 = y + titolo_vista, h = a - titolo_vista;
    f.riquadro(x, y0, l_box, h, 0.25);
    const double l = fronte ? l_box : l_box - striscia_nord;
    const tipo_vista modo = fronte ? tipo_vista::fronte : tipo_vista::pianta;
    const trasformazione_sito sito(v.sito);
    const elenco_entita& lista = c.disegno.lista_entita;
    const auto finestra = misura_di(c, v).finestra(fronte, l / h);
    if (lista.n_entita() == 0 || !finestra) {
        f.testo(x + l / 2, y0 + h / 2,
                QCoreApplication::translate("report", "Nessuno schema calcolato"), 8, false,
                allinea::centro);
        return;
    }
    const double k = f.scala();
    const mappa m{x * k, y0 * k, l * k / finestra->width, h * k / finestra->height, *finestra};
    QPainter& p = f.painter();
    p.save();
    p.setClipRect(f.rettangolo(x, y0, l, h));
    p.setBrush(Qt::NoBrush);
    if (v.sottofondo != nullptr) {
        tratti_lista sotto(f, m, modo, true);
        for (const entita& e : v.sottofondo->voci())
            sotto.entita_(e, posizione_sottofondo(e, v), 0);
        sotto.chiudi();
    }
    {
        tratti_lista schema(f, m, modo, false);
        const double giro = sito.identita() ? 0 : sito.rotazione_gradi();
        for (const entita& e : lista.voci())
            schema.entita_(e, sito.applica(posizione_piazzata(e, v.origine)), giro);
        schema.chiudi();
    }
    if (v.punti != nullptr) punti_appoggio(f, m, modo, *v.punti);
    contorni_rossi(f, m, modo, v, sito);
    p.restore();
    f.rinnova();
    barra_scala(f, x + l_box - 70, y + 2.4, l / finestra->width, formato);
    if (!fronte) {
        f.linea(x + l, y0, x + l, y0 + h, 0.1);
        freccia_nord(f, x + l + 6, y0 + 3);
    }
}

}  // namespace pianopre
