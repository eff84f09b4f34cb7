#include "platform/Twips.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

struct CasoTwips
{
    const char *nome;
    double dpi;
    double twips;
    double pixel;
};

using righe::PrintTo;

using TwipsTest = ::testing::TestWithParam<CasoTwips>;

TEST_P(TwipsTest, ConvertsBothWays)
{
    const CasoTwips &c = GetParam();
    const Twips t(c.dpi);
    EXPECT_DOUBLE_EQ(t.inPixel(c.twips), c.pixel);
    EXPECT_DOUBLE_EQ(t.daPixel(c.pixel), c.twips);
}

INSTANTIATE_TEST_SUITE_P(Dpi, TwipsTest,
                         ::testing::Values(CasoTwips{"fifteen_per_pixel_at_96", 96, 15, 1},
                                           CasoTwips{"design_width_at_96", 96, 11910, 794},
                                           CasoTwips{"inch_at_120", 120, 1440, 120},
                                           CasoTwips{"inch_at_144", 144, 1440, 144},
                                           CasoTwips{"zero", 96, 0, 0}),
                         righe::perNome);

TEST(TwipsRectangle, RoundsEdgesSoNeighboursKeepTouching)
{
    const Twips t(96);
    // 10 twips = 0.667 px: two neighbours of 10 twips each must share their edge.
    const QRect a = t.rettangoloInPixel(QRectF(0, 0, 10, 10));
    const QRect b = t.rettangoloInPixel(QRectF(10, 0, 10, 10));
    EXPECT_EQ(a.left() + a.width(), b.left());
}

TEST(TwipsRectangle, NonPositiveDpiFallsBackTo96)
{
    // An inch of twips is then 96 pixels, and pixels come back to the same twips.
    for (const double dpi : {0.0, -5.0}) {
        EXPECT_DOUBLE_EQ(Twips(dpi).inPixel(Twips::perPollice), 96.0);
        EXPECT_DOUBLE_EQ(Twips(dpi).daPixel(96.0), Twips::perPollice);
    }
}
