#include "support/VerificaCornice.h"

#include "support/GeometriaPagina.h"
#include "support/StrumentiPdf.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace StrumentiPdf;
namespace G = GeometriaPagina;

namespace VerificaCornice {

void intestazione(const QString &pdf, const QString &istruzione, double mx, double my)
{
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(pagine(pdf), 1);

    // Two lines of text, the name line in the larger type.
    const QStringList righe = testo(pdf).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(righe.size(), 2);
    EXPECT_EQ(righe[0].trimmed(), QStringLiteral("Nome e Cognome"));
    EXPECT_EQ(righe[1].trimmed(), istruzione);
    const auto parole = StrumentiPdf::parole(pdf);
    ASSERT_GE(parole.size(), 4);
    const QRectF nome = parole[0].riquadro;
    EXPECT_EQ(parole[0].testo, QStringLiteral("Nome"));
    EXPECT_NEAR(nome.left(), (mx + G::nome.x()) / 20, 1.5);
    EXPECT_GE(nome.top(), (my + G::nome.y()) / 20 - 1);
    EXPECT_LE(nome.bottom(), (my + G::istruzione.y()) / 20 + 1);
    const auto riga2 = std::find_if(parole.begin(), parole.end(), [](const auto &p) {
        return p.testo == QStringLiteral("Nel");
    });
    ASSERT_NE(riga2, parole.end());
    EXPECT_NEAR(riga2->riquadro.left(), (mx + G::istruzione.x()) / 20, 1.5);
    EXPECT_GE(riga2->riquadro.top(), (my + G::istruzione.y()) / 20 - 1);
    EXPECT_LT(riga2->riquadro.height(), nome.height()); // 12 points against 14
}

void riquadri(const QImage &immagine, double mx, double my)
{
    ASSERT_FALSE(immagine.isNull());
    auto segnato = [&](double x, double y) { return scuro(immagine, mx + x, my + y); };
    for (double t : G::alti) {
        for (double l : G::sinistri) {
            const double r = l + G::larghezza;
            const double b = t + G::altezza;
            EXPECT_TRUE(segnato((l + r) / 2, t)) << "lato alto " << l << "," << t;
            EXPECT_TRUE(segnato(l, (t + b) / 2)) << "lato sinistro " << l << "," << t;
            EXPECT_TRUE(segnato(r, (t + b) / 2)) << "lato destro " << l << "," << t;
            EXPECT_TRUE(segnato((l + r) / 2, b)) << "lato basso " << l << "," << t;
            // Between the boxes, and between the rows, the paper stays white.
            EXPECT_FALSE(segnato((G::sinistri[0] + G::larghezza + G::sinistri[1]) / 2, (t + b) / 2));
            EXPECT_FALSE(segnato((l + r) / 2, t - G::margineY));
        }
    }
}

} // namespace VerificaCornice
