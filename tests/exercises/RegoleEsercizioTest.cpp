#include "exercises/RegoleEsercizio.h"
#include "comune/StatoEsercizio.h"

#include <gtest/gtest.h>

namespace {

TEST(NumeroEsercizio, CountsOnAndStartsAgainAtOneAfterTheLargestNumber)
{
    StatoEsercizio s;
    RegoleEsercizio regole(s);
    regole.nuovoEsercizio();
    EXPECT_EQ(s.NumeroEsercizio, 1);
    s.NumeroEsercizio = 32766;
    regole.nuovoEsercizio();
    EXPECT_EQ(s.NumeroEsercizio, 32767);
    regole.nuovoEsercizio();
    EXPECT_EQ(s.NumeroEsercizio, 1);
}

struct CasoTempi
{
    const char *nome;
    float inizio;
    double adesso;
    int totalePrima;
    int parziale;
    int totale;
};

class CalcolaTempi : public ::testing::TestWithParam<CasoTempi>
{
};

TEST_P(CalcolaTempi, WholeSecondsSinceTheSecondSetWasShown)
{
    const CasoTempi &c = GetParam();
    StatoEsercizio s;
    s.InizioTempo = c.inizio;
    s.TempoTotale = c.totalePrima;
    const RegoleEsercizio::Tempi t = RegoleEsercizio(s).calcolaTempi(c.adesso);
    EXPECT_EQ(t.parziale, c.parziale);
    EXPECT_EQ(t.totale, c.totale);
    EXPECT_EQ(s.TempoTotale, c.totale);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, CalcolaTempi,
    ::testing::Values(CasoTempi{"FractionsAreCutOff", 36000.0F, 36012.9, 100, 12, 112},
                      // 36000.3 is not exact in single precision; the stamp rounds up.
                      CasoTempi{"StampRoundedAboveNowIsNotYesterday", 36000.3F, 36000.3, 0, 0, 0},
                      CasoTempi{"AcrossMidnight", 86390.0F, 5.0, 0, 15, 15},
                      CasoTempi{"AcrossMidnightAtOnce", 86399.5F, 0.0, 7, 0, 7}),
    [](const auto &info) { return std::string(info.param.nome); });

} // namespace
