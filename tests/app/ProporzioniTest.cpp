#include "comune/Proporzioni.h"

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

TEST(Proporzioni, StartScreenFrameAtFifteenThousandByTenThousand)
{
    Proporzioni p;
    p.cattura({controllo(5745, 2505, 5805, 4095)}, larghezzaInizio, altezzaInizio);
    const auto pos = p.posizione(0, 15000, 10000);
    ASSERT_TRUE(pos);
    EXPECT_FLOAT_EQ(pos->sinistra, 7235.516F);
    EXPECT_FLOAT_EQ(pos->alto, 3025.3623F);
    EXPECT_FLOAT_EQ(pos->larghezza, 7311.083F);
    EXPECT_FLOAT_EQ(pos->altezza, 4945.652F);
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

TEST(Proporzioni, CombosAndLinesAreLeftAloneEvenWithAPlace)
{
    GeometriaControllo combo = controllo(10, 10, 10, 10);
    combo.tipo = TipoControllo::Combo;
    GeometriaControllo linea = controllo(10, 10, 10, 10);
    linea.tipo = TipoControllo::Linea;
    Proporzioni p;
    p.cattura({combo, linea}, 100, 100);
    EXPECT_FALSE(p.posizione(0, 200, 200));
    EXPECT_FALSE(p.posizione(1, 200, 200));
}

TEST(Proporzioni, ZeroClientGivesZeroSizesAndTheNextPassRestores)
{
    Proporzioni p;
    p.cattura({controllo(5745, 2505, 5805, 4095)}, larghezzaInizio, altezzaInizio);
    const auto zero = p.posizione(0, 0, 0);
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->larghezza, 0.0F);
    EXPECT_EQ(zero->altezza, 0.0F);
    const auto dopo = p.posizione(0, 15000, 10000);
    EXPECT_FLOAT_EQ(dopo->sinistra, 7235.516F);
}

TEST(Proporzioni, ManyResizesNeverDrift)
{
    Proporzioni p;
    p.cattura({controllo(5745, 2505, 5805, 4095)}, larghezzaInizio, altezzaInizio);
    const auto prima = p.posizione(0, 15000, 10000);
    for (int i = 0; i < 10000; ++i)
        (void)p.posizione(0, 100 + i, 7000 - i % 5000);
    const auto dopo = p.posizione(0, 15000, 10000);
    EXPECT_EQ(prima->sinistra, dopo->sinistra);
    EXPECT_EQ(prima->altezza, dopo->altezza);
}

TEST(Proporzioni, ZeroClientAtCaptureLeavesFieldsAtZero)
{
    Proporzioni p;
    p.cattura({controllo(10, 20, 30, 40)}, 0, 100);
    EXPECT_EQ(p.tabella()[0].Larghezza, 0.0F);
    EXPECT_EQ(p.tabella()[0].Sinistra, 0.0F);
    EXPECT_FLOAT_EQ(p.tabella()[0].Altezza, 0.4F);
}
