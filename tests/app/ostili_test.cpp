// Hostile texts typed into every input box: each click ends in a full result
// with nothing like "nan" or "inf" on screen, or in exactly one of the
// command's messages after a beep, either followed by the notice of the boxes
// read leniently; and the window answers the next click.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "support/banco_finestra.h"

namespace pianopre {
namespace {

QStringList testi_ostili() {
    return {"",
            " ",
            " \t ",
            "1e309",
            "-1e309",
            "1e-320",
            "1e-400",
            "nan",
            "NaN",
            "inf",
            "-inf",
            "Infinity",
            "&HFFFF",
            "&H7FFF",
            "&O777",
            "&H100000000",
            QString(40000, '9'),
            QString(40000, ','),
            "è",
            "ñ12",
            "日本",
            "-",
            ",",
            ".",
            "0",
            "-5",
            "-0",
            "0,0",
            "1,2,3",
            "2,5 m",
            "1.000,5",
            "1e",
            "--1",
            "1d400",
            "9999999999",
            "0,0000001",
            "1E-300",
            "12abc",
            "١٢٣",
            "&"};
}

std::vector<QLineEdit*> caselle_ingresso(const controlli_principali& c) {
    return {c.casella_focale,    c.casella_larg_neg, c.casella_alt_neg, c.casella_alt_sogg,
            c.casella_larg_sogg, c.casella_distanza, c.casella_scala,   c.casella_base};
}

std::vector<QLineEdit*> caselle_uscita(const controlli_principali& c) {
    return {c.casella_base,   c.uscita_num_foto, c.uscita_num_strisc, c.uscita_incl,
            c.uscita_sovrapp, c.uscita_ingrand,  c.uscita_prec_max,   c.uscita_prec_std};
}

bool messaggio_del_comando(const QString& evento) {
    static const QRegularExpression forme(
        "^messaggio:(Errore 11: Divisione per zero\\. Controllare i dati inseriti"
        "|Errore 13: Tipo di dato errato\\. Controllare il separatore decimale \\(virgola o "
        "punto\\)\\."
        "|Errore \\d+\\. Occorre riempire tutte le caselle per ottenere il risultato\\."
        "|Errore: (la|l')[a-z ]+ non può essere negativa \\(-[0-9,E+-]+\\)\\.)$");
    return forme.match(evento).hasMatch();
}

const QString letture_dubbie =
    "messaggio:Queste caselle non contenevano solo un numero e sono state lette così:\n";

void verifica_risultato_pulito(banco_finestra& b, const QString& caso) {
    static const QRegularExpression non_numeri("nan|inf",
                                               QRegularExpression::CaseInsensitiveOption);
    for (const QLineEdit* c : caselle_uscita(b.c))
        EXPECT_FALSE(non_numeri.match(c->text()).hasMatch()) << caso.toStdString();
    for (const entita& e : b.m.lista_entita.voci()) {
        if (e.tipo != tipo_testo) continue;
        const QString testo = QString::fromLatin1(e.nome.grezzo().data(), 16);
        EXPECT_FALSE(non_numeri.match(testo).hasMatch()) << caso.toStdString();
    }
}

TEST(IngressiOstili, OgniCasellaOgniTesto) {
    banco_finestra b;
    const std::vector<QLineEdit*> caselle = caselle_ingresso(b.c);
    const QStringList testi = testi_ostili();
    ASSERT_EQ(testi.size(), 40);
    for (QLineEdit* casella : caselle) {
        for (const QString& testo : testi) {
            const QString caso = casella->objectName() + " = \"" + testo.left(20) + "\"";
            b.esempio();
            b.c.casella_focale->setText("100");
            b.c.casella_larg_neg->setText("60,00");
            b.c.casella_alt_neg->setText("60,00");
            b.c.casella_base->setText("");
            b.c.blocca_base->setChecked(casella == b.c.casella_base);
            casella->setText(testo);
            b.servizi.eventi.clear();
            b.calcola();
            // A text read leniently is named once, after the command's own events.
            QStringList eventi = b.servizi.eventi;
            if (!eventi.isEmpty() && eventi.back().startsWith(letture_dubbie)) {
                EXPECT_TRUE(eventi.back().contains(QString(" letto come ")));
                eventi.removeLast();
            }
            if (eventi.isEmpty()) {
                verifica_risultato_pulito(b, caso);
            } else {
                ASSERT_EQ(eventi.size(), 2) << caso.toStdString();
                EXPECT_EQ(eventi[0], "beep") << caso.toStdString();
                EXPECT_TRUE(messaggio_del_comando(eventi[1]))
                    << caso.toStdString() << ": " << eventi[1].toStdString();
            }
            // The window still answers: the example computes again.
            b.esempio();
            b.c.casella_focale->setText("100");
            b.c.casella_larg_neg->setText("60,00");
            b.c.casella_alt_neg->setText("60,00");
            b.c.casella_base->setText("");
            b.c.blocca_base->setChecked(false);
            b.servizi.eventi.clear();
            b.calcola();
            EXPECT_TRUE(b.servizi.eventi.isEmpty()) << "after " << caso.toStdString();
            EXPECT_FALSE(casella->property("lettura_dubbia").toBool()) << caso.toStdString();
            EXPECT_EQ(b.c.uscita_num_foto->text(), "9") << "after " << caso.toStdString();
        }
    }
}

}  // namespace
}  // namespace pianopre
