#include "VerificaPagina.h"

#include "PaginaDiProva.h"
#include "support/GeometriaPagina.h"
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
    for (int riga = 0; riga < 4; ++riga) {
        for (int lato = 0; lato < 2; ++lato) {
            for (int k = 0; k < 15; ++k) {
                const QPointF angolo = GeometriaPagina::angoloCella(lato, riga, k);
                const double x = angolo.x(), y = angolo.y();
                const bool atteso = k < pieni && (lato == 0 || destra);
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
