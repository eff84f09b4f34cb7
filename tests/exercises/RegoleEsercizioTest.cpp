#include "exercises/RegoleEsercizio.h"
#include "exercises/StatoEsercizio.h"
#include "exercises/Tastierino.h"
#include "platform/CodiciTasto.h"

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
    ::testing::Values(CasoTempi{"SameInstant", 36000.0F, 36000.0, 5, 0, 5},
                      CasoTempi{"FractionsAreCutOff", 36000.0F, 36012.9, 0, 12, 12},
                      CasoTempi{"AddsToTheTotal", 50000.0F, 50030.0, 100, 30, 130},
                      // 36000.3 is not exact in single precision; the stamp rounds up.
                      CasoTempi{"StampRoundedAboveNowIsNotYesterday", 36000.3F, 36000.3, 0, 0, 0},
                      CasoTempi{"AcrossMidnight", 86390.0F, 5.0, 0, 15, 15},
                      CasoTempi{"AcrossMidnightAtOnce", 86399.5F, 0.0, 7, 0, 7}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(SecondoInsieme, AddingStopsAtTenAndRemovingAtNone)
{
    StatoEsercizio s;
    RegoleEsercizio regole(s);
    s.ElementiD = 9;
    EXPECT_EQ(regole.aggiungi(), 10);
    EXPECT_EQ(regole.aggiungi(), 10);
    EXPECT_EQ(s.ElementiD, 10);
    s.ElementiD = 1;
    const auto ultimo = regole.togli();
    EXPECT_EQ(ultimo.casellaDaNascondere, 1);
    EXPECT_FALSE(ultimo.verificaAbilitata);
    const auto vuoto = regole.togli();
    EXPECT_FALSE(vuoto.casellaDaNascondere.has_value());
    EXPECT_FALSE(vuoto.verificaAbilitata);
    EXPECT_EQ(s.ElementiD, 0);
}

TEST(RifiutiAiuto, TheThirdRefusalInARowBringsTheInterventionAndStartsAgain)
{
    StatoEsercizio s;
    RegoleEsercizio regole(s);
    using R = RegoleEsercizio::Rifiuto;
    EXPECT_EQ(regole.rifiutaAiuto(), R::Riprova);
    EXPECT_EQ(regole.rifiutaAiuto(), R::Riprova);
    EXPECT_EQ(regole.rifiutaAiuto(), R::Intervento);
    EXPECT_EQ(s.RifiutiAiuto, 0);
    EXPECT_EQ(regole.rifiutaAiuto(), R::Riprova);
    regole.aiutoDato();
    EXPECT_EQ(regole.rifiutaAiuto(), R::Riprova);
    EXPECT_EQ(regole.rifiutaAiuto(), R::Riprova);
    EXPECT_EQ(regole.rifiutaAiuto(), R::Intervento);
}

struct CasoSpazio
{
    const char *nome;
    Tastierino::Abilitazioni abilitati;
    int corrente;
    int atteso;
};

class SuccessivoAbilitato : public ::testing::TestWithParam<CasoSpazio>
{
};

TEST_P(SuccessivoAbilitato, MovesToTheNextEnabledButtonWrappingAfterTheLast)
{
    const CasoSpazio &c = GetParam();
    EXPECT_EQ(Tastierino::successivoAbilitato(c.abilitati, c.corrente), c.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SuccessivoAbilitato,
    ::testing::Values(CasoSpazio{"EditingAddToRemove", Tastierino::modifica.abilitati, 0, 1},
                      CasoSpazio{"EditingRemoveWrapsToAdd", Tastierino::modifica.abilitati, 1, 0},
                      CasoSpazio{"EditingSkipsDisabledCheck", {true, true, false, false, false}, 1, 0},
                      CasoSpazio{"EditingWithCheck", {true, true, true, false, false}, 1, 2},
                      CasoSpazio{"NextToExit", Tastierino::avanti.abilitati, 3, 4},
                      CasoSpazio{"ExitWrapsToNext", Tastierino::avanti.abilitati, 4, 3},
                      CasoSpazio{"AloneStays", {false, false, true, false, false}, 2, 2}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(CifreDelTastierino, OnlyMainKeyboardOneToFiveNameAButton)
{
    EXPECT_EQ(Tastierino::tastoDaCodice(CodiciTasto::Cifra1), 0);
    EXPECT_EQ(Tastierino::tastoDaCodice(CodiciTasto::Cifra5), 4);
    EXPECT_FALSE(Tastierino::tastoDaCodice(CodiciTasto::Cifra0));
    EXPECT_FALSE(Tastierino::tastoDaCodice(54)); // digit 6
    EXPECT_FALSE(Tastierino::tastoDaCodice(CodiciTasto::Tastierino1));
    EXPECT_FALSE(Tastierino::tastoDaCodice(CodiciTasto::Invio));
}

} // namespace
