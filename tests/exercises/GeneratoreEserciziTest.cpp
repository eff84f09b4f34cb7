#include "exercises/GeneratoreEsercizi.h"
#include "comune/TipoEsercizio.h"
#include "support/ContestoFinto.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

using righe::PrintTo;

std::set<int> caselleDelPrimoInsieme(const StatoEsercizio &s)
{
    std::set<int> caselle;
    for (int i = 1; i <= s.ElementiS; ++i)
        caselle.insert(s.PosizioniS[i]);
    return caselle;
}

struct CasoTipo
{
    const char *nome;
    TipoEsercizio tipo;
};

using GenerazionePerTipo = ::testing::TestWithParam<CasoTipo>;

TEST_P(GenerazionePerTipo, DrawsStayInRangeAndTheFirstSetUsesDistinctSlots)
{
    ContestoFinto prova;
    GeneratoreEsercizi generatore(prova.casuale, prova.orologio, prova.esercizio);
    const StatoEsercizio &s = prova.esercizio;
    std::set<int> dimensioniViste;
    for (int volta = 0; volta < 3000; ++volta) {
        generatore.genera(GetParam().tipo);
        ASSERT_GE(s.Figura, 1);
        ASSERT_LE(s.Figura, 12);
        ASSERT_GE(s.ElementiS, 1);
        ASSERT_LE(s.ElementiS, 8);
        const std::set<int> caselle = caselleDelPrimoInsieme(s);
        ASSERT_EQ(static_cast<int>(caselle.size()), s.ElementiS) << "slots repeat";
        ASSERT_GE(*caselle.begin(), 1);
        ASSERT_LE(*caselle.rbegin(), 15);
        dimensioniViste.insert(s.ElementiS);
        if (GetParam().tipo == TipoEsercizio::Suvvalente) {
            ASSERT_GE(s.ElementiInizialiD, 1);
            ASSERT_LT(s.ElementiInizialiD, s.ElementiS);
        }
        if (GetParam().tipo == TipoEsercizio::Prevalente) {
            ASSERT_GE(s.ElementiInizialiD, s.ElementiS + 2);
            ASSERT_LE(s.ElementiInizialiD, 10);
        }
    }
    const std::size_t attese = GetParam().tipo == TipoEsercizio::Suvvalente ? 7 : 8;
    EXPECT_EQ(dimensioniViste.size(), attese);
}

INSTANTIATE_TEST_SUITE_P(Tipi, GenerazionePerTipo,
                         ::testing::Values(CasoTipo{"InsiemeVuoto", TipoEsercizio::InsiemeVuoto},
                                           CasoTipo{"Suvvalente", TipoEsercizio::Suvvalente},
                                           CasoTipo{"Prevalente", TipoEsercizio::Prevalente}),
                         righe::perNome);

// ---- Seeding from the clock ----

struct CasoSemine
{
    const char *nome;
    TipoEsercizio tipo;
    int scartiDiM; // rejected draws of M before the one kept
    int semineAttese;
};

using SeminaDallOrologio = ::testing::TestWithParam<CasoSemine>;

TEST_P(SeminaDallOrologio, SeedsAtTheUsualPointsOnly)
{
    const CasoSemine &c = GetParam();
    ContestoFinto prova;
    prova.casuale.accodaIntero(4, 12, 1);
    prova.casuale.accodaIntero(3, 8, 1);
    prova.casuale.accoda({0.0, 0.1, 0.2});
    // With N = 3: kind 1 rejects M = 3 and keeps 2, kind 2 rejects M = 4 and keeps 7.
    const bool suvvalente = c.tipo == TipoEsercizio::Suvvalente;
    for (int i = 0; i < c.scartiDiM; ++i) {
        if (suvvalente)
            prova.casuale.accodaIntero(3, 3, 1);
        else
            prova.casuale.accodaIntero(4, 8, 3);
    }
    if (suvvalente)
        prova.casuale.accodaIntero(2, 3, 1);
    if (c.tipo == TipoEsercizio::Prevalente)
        prova.casuale.accodaIntero(7, 8, 3);
    GeneratoreEsercizi(prova.casuale, prova.orologio, prova.esercizio).genera(c.tipo);
    EXPECT_EQ(prova.casuale.semine(), c.semineAttese);
    EXPECT_EQ(prova.casuale.inCoda(), 0U) << "every queued draw is used, none more";
}

INSTANTIATE_TEST_SUITE_P(
    Punti, SeminaDallOrologio,
    ::testing::Values(CasoSemine{"genera0_BeforePictureAndBeforeSize", TipoEsercizio::InsiemeVuoto, 0, 2},
                      CasoSemine{"genera1_OnceForAllDraws", TipoEsercizio::Suvvalente, 0, 1},
                      CasoSemine{"genera1_RedrawsOfMDoNotSeed", TipoEsercizio::Suvvalente, 2, 1},
                      CasoSemine{"genera2_AlsoBeforeM", TipoEsercizio::Prevalente, 0, 3},
                      CasoSemine{"genera2_BeforeEveryRedrawOfM", TipoEsercizio::Prevalente, 2, 5}),
    righe::perNome);

// ---- The distinct-slot draw ----

TEST(CaselleDelPrimoInsieme, ARepeatedSlotIsDrawnAgainForTheSameElement)
{
    ContestoFinto prova;
    prova.casuale.accodaIntero(5, 12, 1);
    prova.casuale.accodaIntero(3, 8, 1);
    for (int casella : {7, 7, 2, 7, 2, 15})
        prova.casuale.accodaIntero(casella, 15, 1);
    GeneratoreEsercizi(prova.casuale, prova.orologio, prova.esercizio).genera0();
    const StatoEsercizio &s = prova.esercizio;
    EXPECT_EQ(s.Figura, 5);
    ASSERT_EQ(s.ElementiS, 3);
    EXPECT_EQ((std::array<int, 3>{s.PosizioniS[1], s.PosizioniS[2], s.PosizioniS[3]}),
              (std::array<int, 3>{7, 2, 15}));
}

TEST(CaselleDelPrimoInsieme, EveryOneOfTheFifteenSlotsIsChosenAsOften)
{
    ContestoFinto prova; // a fixed seed: the same counts on every run
    GeneratoreEsercizi generatore(prova.casuale, prova.orologio, prova.esercizio);
    std::array<int, 16> volte{};
    int totale = 0;
    for (int esercizio = 0; esercizio < 20000; ++esercizio) {
        generatore.genera0();
        for (int i = 1; i <= prova.esercizio.ElementiS; ++i)
            ++volte[prova.esercizio.PosizioniS[i]];
        totale += prova.esercizio.ElementiS;
    }
    const double media = totale / 15.0;
    for (int c = 1; c <= 15; ++c) {
        EXPECT_GT(volte[c], media * 0.95) << "slot " << c;
        EXPECT_LT(volte[c], media * 1.05) << "slot " << c;
    }
}

// ---- The second set's starting size ----

TEST(SecondoInsiemeSuvvalente, WithTwoElementsInTheFirstSetItAlwaysStartsWithOne)
{
    for (double r : {0.0, 0.3, 0.49, 0.5, 0.75, 0.999}) {
        ContestoFinto prova;
        prova.casuale.accodaIntero(1, 12, 1);
        prova.casuale.accodaIntero(2, 8, 1);
        prova.casuale.accoda({0.0, 0.5}); // slots 1 and 8
        prova.casuale.accoda({r});
        GeneratoreEsercizi(prova.casuale, prova.orologio, prova.esercizio).genera1();
        ASSERT_EQ(prova.esercizio.ElementiS, 2);
        EXPECT_EQ(prova.esercizio.ElementiInizialiD, 1) << "first draw of M from r = " << r;
    }
}

TEST(SecondoInsiemeSuvvalente, AFirstSetOfOneIsDrawnAgainFromTwoToEight)
{
    for (int atteso = 2; atteso <= 8; ++atteso) {
        ContestoFinto prova;
        prova.casuale.accodaIntero(9, 12, 1);
        prova.casuale.accodaIntero(1, 8, 1);
        prova.casuale.accodaIntero(atteso, 7, 2);
        GeneratoreEsercizi(prova.casuale, prova.orologio, prova.esercizio).genera1();
        const StatoEsercizio &s = prova.esercizio;
        EXPECT_EQ(s.ElementiS, atteso);
        EXPECT_EQ(static_cast<int>(caselleDelPrimoInsieme(s).size()), atteso);
        EXPECT_GE(s.ElementiInizialiD, 1);
        EXPECT_LT(s.ElementiInizialiD, s.ElementiS);
    }
}

TEST(SecondoInsiemeSuvvalente, SizesOfTheFirstSetStayEquallyLikely)
{
    ContestoFinto prova;
    GeneratoreEsercizi generatore(prova.casuale, prova.orologio, prova.esercizio);
    std::array<int, 9> volte{};
    const int prove = 14000;
    for (int i = 0; i < prove; ++i) {
        generatore.genera1();
        ++volte[prova.esercizio.ElementiS];
    }
    EXPECT_EQ(volte[1], 0);
    for (int n = 2; n <= 8; ++n) {
        EXPECT_GT(volte[n], prove / 7 * 0.92) << "N = " << n;
        EXPECT_LT(volte[n], prove / 7 * 1.08) << "N = " << n;
    }
}

struct CasoPrevalente
{
    const char *nome;
    int n;
    std::vector<int> estrazioniDiM;
    int atteso;
};

using SecondoInsiemePrevalente = ::testing::TestWithParam<CasoPrevalente>;

TEST_P(SecondoInsiemePrevalente, StartsAtLeastTwoAboveTheFirstSet)
{
    const CasoPrevalente &c = GetParam();
    ContestoFinto prova;
    prova.casuale.accodaIntero(2, 12, 1);
    prova.casuale.accodaIntero(c.n, 8, 1);
    for (int i = 0; i < c.n; ++i)
        prova.casuale.accodaIntero(i + 1, 15, 1);
    for (int m : c.estrazioniDiM)
        prova.casuale.accodaIntero(m, 8, 3);
    GeneratoreEsercizi(prova.casuale, prova.orologio, prova.esercizio).genera2();
    EXPECT_EQ(prova.esercizio.ElementiInizialiD, c.atteso);
    EXPECT_EQ(prova.casuale.inCoda(), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SecondoInsiemePrevalente,
    ::testing::Values(CasoPrevalente{"OneElement_Three", 1, {3}, 3},
                      CasoPrevalente{"OneElement_Ten", 1, {10}, 10},
                      CasoPrevalente{"Five_SixAndFourRejected", 5, {6, 4, 7}, 7},
                      CasoPrevalente{"Eight_OnlyTenAccepted", 8, {3, 9, 5, 10}, 10}),
    righe::perNome);

TEST(SecondoInsiemePrevalente, WithEightElementsItIsAlwaysTen)
{
    ContestoFinto prova;
    GeneratoreEsercizi generatore(prova.casuale, prova.orologio, prova.esercizio);
    int ottoVisti = 0;
    for (int i = 0; i < 4000; ++i) {
        generatore.genera2();
        if (prova.esercizio.ElementiS == 8) {
            ++ottoVisti;
            ASSERT_EQ(prova.esercizio.ElementiInizialiD, 10);
        }
    }
    EXPECT_GT(ottoVisti, 100);
}

} // namespace
