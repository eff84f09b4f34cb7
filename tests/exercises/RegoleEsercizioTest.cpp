#include "exercises/RegoleEsercizio.h"
#include "comune/StatoEsercizio.h"
#include "comune/TipoEsercizio.h"
#include "support/Righe.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using righe::PrintTo;

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

TEST(NumeroEsercizio, ANewSeriesStartsAgainAtOne)
{
    StatoEsercizio s;
    s.NumeroEsercizio = 41;
    RegoleEsercizio regole(s);
    regole.iniziaSerie();
    regole.nuovoEsercizio();
    EXPECT_EQ(s.NumeroEsercizio, 1);
}

struct CasoSecondoInsieme
{
    const char *nome;
    TipoEsercizio tipo;
    int iniziali;
    std::optional<int> elementi; // shown and recorded; nothing when the state stays as it was
};

using SecondoInsiemeIniziale = ::testing::TestWithParam<CasoSecondoInsieme>;

TEST_P(SecondoInsiemeIniziale, SetsTheSizeAndStartsTheAnswersTime)
{
    const CasoSecondoInsieme &c = GetParam();
    StatoEsercizio s;
    s.ElementiD = 7;
    s.InizioTempo = 5.0F;
    s.ElementiInizialiD = static_cast<std::int16_t>(c.iniziali);
    EXPECT_EQ(RegoleEsercizio(s).secondoInsiemeIniziale(c.tipo, 36000.3), c.elementi);
    EXPECT_EQ(s.ElementiD, c.elementi.value_or(7));
    EXPECT_EQ(s.InizioTempo, c.elementi ? RegoleEsercizio::istante(36000.3) : 5.0F);
}

INSTANTIATE_TEST_SUITE_P(
    Tipi, SecondoInsiemeIniziale,
    ::testing::Values(CasoSecondoInsieme{"EmptyWhateverWasDrawn", TipoEsercizio::InsiemeVuoto, 4, 0},
                      CasoSecondoInsieme{"Smaller", TipoEsercizio::Suvvalente, 3, 3},
                      CasoSecondoInsieme{"Larger", TipoEsercizio::Prevalente, 9, 9},
                      CasoSecondoInsieme{"NeverAboveTen", TipoEsercizio::Prevalente, 12, 10},
                      CasoSecondoInsieme{"NeverBelowNone", TipoEsercizio::Suvvalente, -2, 0},
                      CasoSecondoInsieme{"FinishedLeavesTheState", TipoEsercizio::Finito, 3, std::nullopt}),
    righe::perNome);

struct CasoTempi
{
    const char *nome;
    float inizio;
    double adesso;
    int totalePrima;
    int parziale;
    int totale;
};

using CalcolaTempi = ::testing::TestWithParam<CasoTempi>;

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
    righe::perNome);

} // namespace
