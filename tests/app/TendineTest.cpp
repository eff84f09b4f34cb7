#include "app/Tendine.h"
#include "support/Righe.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

struct CasoTendine
{
    std::string nome;
    double larghezzaEsterna;
    int passi;
    double larghezzaAttesa;
    bool attivaAttesa;
};

using righe::PrintTo;

using TendineCasi = ::testing::TestWithParam<CasoTendine>;

} // namespace

TEST_P(TendineCasi, PanelsAfterTicks)
{
    const CasoTendine &caso = GetParam();
    Tendine tendine;
    tendine.avvia(caso.larghezzaEsterna);
    for (int i = 0; i < caso.passi; ++i)
        tendine.passo();
    EXPECT_DOUBLE_EQ(tendine.larghezzaSinistra(), caso.larghezzaAttesa);
    EXPECT_DOUBLE_EQ(tendine.larghezzaDestra(), caso.larghezzaAttesa);
    EXPECT_EQ(tendine.attiva(), caso.attivaAttesa);
}

// 20490 twips is a 1366-pixel screen at 96 DPI: its half, 10245, leaves 45 twips after 136 steps.
INSTANTIATE_TEST_SUITE_P(
    Tendine, TendineCasi,
    ::testing::Values(
        CasoTendine{"Outer12000StartsAtHalf", 12000, 0, 6000, true},
        CasoTendine{"Outer12000OneTickBeforeTheEnd", 12000, 79, 75, true},
        CasoTendine{"Outer12000ClosedAfter80Ticks", 12000, 80, 0, false},
        CasoTendine{"Outer12030StartsAtHalf", 12030, 0, 6015, true},
        CasoTendine{"Outer12030After80Ticks", 12030, 80, 15, true},
        CasoTendine{"Outer12030OpensFullyOnTick81", 12030, 81, 0, false},
        CasoTendine{"Outer12030StaysOpenAfterLaterTicks", 12030, 500, 0, false},
        CasoTendine{"Outer20490After136Ticks", 20490, 136, 45, true},
        CasoTendine{"Outer20490OpensFullyOnTick137", 20490, 137, 0, false},
        CasoTendine{"TenTwipsLeftOpensFully", 2 * (75 + 10), 1, 0, false},
        CasoTendine{"ElevenTwipsKeepsRunning", 2 * (75 + 11), 1, 11, true}),
    righe::perNome);

TEST(Tendine, EveryWidthOpensFullyAndStopsAfterItsLastStep)
{
    // Whole pixels at 96, 120 and 144 DPI, and widths in between.
    for (double esterna = 0; esterna <= 60000; esterna += 2.5) {
        Tendine tendine;
        tendine.avvia(esterna);
        const double meta = esterna / 2;
        // The last step is the one that leaves at most the threshold (or would go below zero).
        const int passiAttesi = meta <= Tendine::sogliaArrestoTwips
            ? 1
            : static_cast<int>(std::ceil((meta - Tendine::sogliaArrestoTwips) / Tendine::passoTwips));
        int passi = 0;
        while (tendine.attiva() && passi < 1000) {
            tendine.passo();
            ++passi;
        }
        ASSERT_EQ(passi, passiAttesi) << "outer width " << esterna;
        ASSERT_EQ(tendine.larghezzaSinistra(), 0.0) << "outer width " << esterna;
        ASSERT_EQ(tendine.larghezzaDestra(), 0.0) << "outer width " << esterna;
    }
}

TEST(Tendine, StartingAgainMidWayClosesBothPanelsToTheNewHalf)
{
    Tendine tendine;
    tendine.avvia(12000);
    for (int i = 0; i < 30; ++i)
        tendine.passo();
    tendine.avvia(20000);
    EXPECT_DOUBLE_EQ(tendine.larghezzaSinistra(), 10000);
    EXPECT_DOUBLE_EQ(tendine.larghezzaDestra(), 10000);
    EXPECT_TRUE(tendine.attiva());
}

TEST(Tendine, StartingAgainAfterItStoppedRunsAgain)
{
    Tendine tendine;
    tendine.avvia(150);
    tendine.passo();
    ASSERT_FALSE(tendine.attiva());
    tendine.avvia(150);
    EXPECT_TRUE(tendine.attiva());
    EXPECT_DOUBLE_EQ(tendine.larghezzaSinistra(), 75);
}
