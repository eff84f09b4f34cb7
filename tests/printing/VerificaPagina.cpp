#include "VerificaPagina.h"

#include "PaginaDiProva.h"
#include "StrumentiPdf.h"

#include <gtest/gtest.h>

using namespace StrumentiPdf;

void verificaPaginaStampata(const QString &pdf, const ContenutoPagina &pagina, int pieni,
                            double mx, double my)
{
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(pagine(pdf), 1);

    // The heading: two lines of text, the name line at 14 points left at x = 1000, y = 1000.
    const QStringList righe = testo(pdf).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(righe.size(), 2);
    EXPECT_EQ(righe[0].trimmed(), QStringLiteral("Nome e Cognome"));
    EXPECT_EQ(righe[1].trimmed(), pagina.istruzione);
    const auto parole = StrumentiPdf::parole(pdf);
    ASSERT_GE(parole.size(), 4);
    const QRectF nome = parole[0].riquadro;
    EXPECT_EQ(parole[0].testo, QStringLiteral("Nome"));
    EXPECT_NEAR(nome.left(), (mx + 1000) / 20, 1.5);
    EXPECT_GE(nome.top(), (my + 1000) / 20 - 1);
    EXPECT_LE(nome.bottom(), (my + 1500) / 20 + 1);
    const auto istruzione = std::find_if(parole.begin(), parole.end(), [](const auto &p) {
        return p.testo == QStringLiteral("Nel");
    });
    ASSERT_NE(istruzione, parole.end());
    EXPECT_NEAR(istruzione->riquadro.left(), (mx + 1000) / 20, 1.5);
    EXPECT_GE(istruzione->riquadro.top(), (my + 1500) / 20 - 1);
    EXPECT_LT(istruzione->riquadro.height(), nome.height()); // 12 points against 14

    const QImage immagine = StrumentiPdf::pagina(pdf);
    ASSERT_FALSE(immagine.isNull());
    auto segnato = [&](double x, double y) { return scuro(immagine, mx + x, my + y); };
    auto colore = [&](double x, double y) {
        return QColor(immagine.pixel(qRound(pixel(mx + x)), qRound(pixel(my + y))));
    };

    const double alti[4] = {2000, 5500, 9000, 12500};
    for (double t : alti) {
        for (double l : {500.0, 6000.0}) {
            const double r = l + 5000;
            const double b = t + 3100;
            EXPECT_TRUE(segnato((l + r) / 2, t)) << "lato alto " << l << "," << t;
            EXPECT_TRUE(segnato(l, (t + b) / 2)) << "lato sinistro " << l << "," << t;
            EXPECT_TRUE(segnato(r, (t + b) / 2)) << "lato destro " << l << "," << t;
            EXPECT_TRUE(segnato((l + r) / 2, b)) << "lato basso " << l << "," << t;
            // Between the boxes, and between the rows, the paper stays white.
            EXPECT_FALSE(segnato(5750, (t + b) / 2));
            EXPECT_FALSE(segnato((l + r) / 2, t - 200));
        }
        const bool destra = pagina.ordine == OrdinePagina::SinistraEDestra;
        for (double l : {500.0, 6000.0}) {
            for (int k = 0; k < 15; ++k) {
                const double x = (l == 500.0 ? 830 : 6830) + 800 * (k % 5);
                const double y = t + 200 + 950 * (k / 5);
                const bool atteso = k < pieni && (l == 500.0 || destra);
                const QColor dentro = colore(x + 150, y + 150);
                const bool rossa = dentro.red() > 150 && dentro.green() < 100;
                EXPECT_EQ(rossa, atteso) << "cella " << k << " a " << x << "," << y;
                if (atteso) {
                    // 20 pixels at 15 twips each: 300 twips across and down, no more.
                    EXPECT_TRUE(QColor(colore(x + 270, y + 270)).red() > 150);
                    EXPECT_EQ(colore(x + 340, y + 150), QColor(Qt::white));
                    EXPECT_EQ(colore(x + 150, y + 340), QColor(Qt::white));
                }
            }
        }
    }
}
