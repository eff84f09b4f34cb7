#include "VerificaPagina.h"

#include "PaginaDiProva.h"
#include "support/StrumentiPdf.h"
#include "support/VerificaCornice.h"

#include <gtest/gtest.h>

using namespace StrumentiPdf;

void verificaPaginaStampata(const QString &pdf, const ContenutoPagina &pagina, int pieni,
                            double mx, double my)
{
    ASSERT_FALSE(pdf.isEmpty());
    VerificaCornice::intestazione(pdf, pagina.istruzione, mx, my);

    const QImage immagine = StrumentiPdf::pagina(pdf);
    ASSERT_FALSE(immagine.isNull());
    VerificaCornice::riquadri(immagine, mx, my);
    auto colore = [&](double x, double y) {
        return QColor(immagine.pixel(qRound(pixel(mx + x)), qRound(pixel(my + y))));
    };

    const bool destra = pagina.ordine == OrdinePagina::SinistraEDestra;
    for (double t : {2000.0, 5500.0, 9000.0, 12500.0}) {
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
