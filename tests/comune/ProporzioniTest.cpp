#include "comune/Proporzioni.h"
#include "comune/ScalaturaModulo.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {
GeometriaControllo controllo(double l, double t, double w, double h)
{
    GeometriaControllo g;
    g.sinistra = l;
    g.alto = t;
    g.larghezza = w;
    g.altezza = h;
    return g;
}

GeometriaControllo senzaGeometria(TipoControllo tipo)
{
    GeometriaControllo g;
    g.tipo = tipo;
    return g;
}

constexpr double larghezzaInizio = 11910;
constexpr double altezzaInizio = 8280;
} // namespace

// A client of no size (a minimised window) gives zero sizes, and the next pass places the
// control as before: the ratios are never recomputed from what the widgets show.
TEST(Proporzioni, StartScreenFrameAtFifteenThousandByTenThousandAndAfterAZeroClient)
{
    Proporzioni p;
    p.cattura({controllo(5745, 2505, 5805, 4095)}, larghezzaInizio, altezzaInizio);
    for (int passo = 0; passo < 2; ++passo) {
        const auto pos = p.posizione(0, 15000, 10000);
        ASSERT_TRUE(pos);
        EXPECT_FLOAT_EQ(pos->sinistra, 7235.516F);
        EXPECT_FLOAT_EQ(pos->alto, 3025.3623F);
        EXPECT_FLOAT_EQ(pos->larghezza, 7311.083F);
        EXPECT_FLOAT_EQ(pos->altezza, 4945.652F);
        const auto zero = p.posizione(0, 0, 0);
        ASSERT_TRUE(zero);
        EXPECT_EQ(zero->larghezza, 0.0F);
        EXPECT_EQ(zero->altezza, 0.0F);
    }
}

TEST(Proporzioni, DesignSizeLeavesControlsWhereTheyWere)
{
    Proporzioni p;
    p.cattura({controllo(5745, 2505, 5805, 4095), controllo(600, 150, 5130, 795)}, larghezzaInizio,
              altezzaInizio);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto pos = p.posizione(i, larghezzaInizio, altezzaInizio);
        ASSERT_TRUE(pos);
        EXPECT_NEAR(pos->sinistra, i == 0 ? 5745 : 600, 0.01);
        EXPECT_NEAR(pos->larghezza, i == 0 ? 5805 : 5130, 0.01);
    }
}

TEST(Proporzioni, TimersAndMenuItemsKeepZeroEntriesAndAreNeverMoved)
{
    Proporzioni p;
    p.cattura({senzaGeometria(TipoControllo::Timer), senzaGeometria(TipoControllo::VoceMenu),
               controllo(1, 2, 3, 4)},
              larghezzaInizio, altezzaInizio);
    for (std::size_t i = 0; i < 2; ++i) {
        const ProporzioniControllo &r = p.tabella()[i];
        EXPECT_EQ(r.Larghezza, 0.0F);
        EXPECT_EQ(r.Altezza, 0.0F);
        EXPECT_EQ(r.Alto, 0.0F);
        EXPECT_EQ(r.Sinistra, 0.0F);
        EXPECT_FALSE(p.posizione(i, 20000, 20000));
    }
    EXPECT_TRUE(p.posizione(2, 20000, 20000));
}

namespace {

// A form's controls under its scaling pass: the client inside a shown window, so that every
// resize of the client reaches the pass at once, as a user dragging the window's edge does.
struct ModuloScalato
{
    QWidget finestra;
    QWidget *client = new QWidget(&finestra);
    std::vector<QWidget *> controlli;
    ScalaturaModulo scalatura{client, QSizeF(larghezzaInizio, altezzaInizio)};

    ModuloScalato()
    {
        // Places of the start screen's frame, title, buttons and a thin line: sizes that do
        // not divide evenly into pixels, so any rounding carried from one pass to the next shows.
        for (const QRectF &posto : {QRectF(5745, 2505, 5805, 4095), QRectF(600, 150, 5130, 795),
                                    QRectF(480, 7080, 1695, 555), QRectF(9735, 7080, 1695, 555),
                                    QRectF(3615, 4395, 15, 1335)}) {
            controlli.push_back(new QWidget(client));
            scalatura.aggiungi(controlli.back(), posto);
        }
        scalatura.aggiungiSenzaGeometria(TipoControllo::Timer);
        scalatura.cattura();
        client->resize(scalatura.dimensioneProgettoPixel());
        finestra.resize(2000, 1500);
        finestra.show();
    }

    std::vector<QRect> posti() const
    {
        std::vector<QRect> risultato;
        for (const QWidget *c : controlli)
            risultato.push_back(c->geometry());
        return risultato;
    }
};

} // namespace

TEST(Proporzioni, ManyResizesNeverDrift)
{
    ModuloScalato trascinato;
    const std::vector<QRect> progetto = trascinato.posti();
    for (int i = 0; i < 2000; ++i)
        trascinato.client->resize((i * 37) % 1900, (i * 53) % 1400);
    const QSize finale(1234, 777);
    trascinato.client->resize(finale);

    ModuloScalato diretto;
    diretto.client->resize(finale);
    ASSERT_NE(diretto.posti(), progetto); // the last size really moves the controls
    EXPECT_EQ(trascinato.posti(), diretto.posti());

    // Back at the design size every control stands at its design place again.
    trascinato.client->resize(trascinato.scalatura.dimensioneProgettoPixel());
    EXPECT_EQ(trascinato.posti(), progetto);
}

TEST(Proporzioni, ZeroClientAtCaptureLeavesFieldsAtZero)
{
    Proporzioni p;
    p.cattura({controllo(10, 20, 30, 40)}, 0, 100);
    EXPECT_EQ(p.tabella()[0].Larghezza, 0.0F);
    EXPECT_EQ(p.tabella()[0].Sinistra, 0.0F);
    EXPECT_FLOAT_EQ(p.tabella()[0].Altezza, 0.4F);
}
