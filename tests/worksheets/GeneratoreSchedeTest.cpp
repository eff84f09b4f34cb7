#include "support/ContestoDiProva.h"
#include "worksheets/GeneratoreSchede.h"
#include "support/Schede.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr int generazioniMolte = 6000;

// --- Draw worksheet ---------------------------------------------------------------------------

using InsiemeDaDisegnareBase = ::testing::TestWithParam<int>;

TEST_P(InsiemeDaDisegnareBase, StaysWithinItsFifteenSlotsWithDistinctSlotsAndLegalSizes)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    const int base = GetParam();
    for (int i = 0; i < 500; ++i) {
        const InsiemeDaDisegnare insieme = generatore.insiemeDaDisegnare(base);
        ASSERT_GE(insieme.figura, 1);
        ASSERT_LE(insieme.figura, 12);
        ASSERT_GE(insieme.elementi, 2);
        ASSERT_LE(insieme.elementi, 10);
        ASSERT_EQ(insieme.posizioni.size(), static_cast<std::size_t>(insieme.elementi));
        const std::set<int> distinti(insieme.posizioni.begin(), insieme.posizioni.end());
        ASSERT_EQ(distinti.size(), insieme.posizioni.size());
        for (int k = 0; k < 15; ++k) {
            const bool occupato = distinti.count(base + k) == 1;
            ASSERT_EQ(insieme.slot[k], occupato ? insieme.figura : 0) << "slot " << k;
        }
        ASSERT_GE(*distinti.begin(), base);
        ASSERT_LE(*distinti.rbegin(), base + 14);
    }
}

INSTANTIATE_TEST_SUITE_P(Insiemi, InsiemeDaDisegnareBase, ::testing::Values(0, 15, 90, 105),
                         [](const auto &info) { return "base" + std::to_string(info.param); });

TEST(InsiemeDaDisegnare, EveryCountFromTwoToTenOccurs)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    std::set<int> visti;
    for (int i = 0; i < 1000; ++i)
        visti.insert(generatore.insiemeDaDisegnare(0).elementi);
    EXPECT_EQ(visti, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(InsiemeDaDisegnare, SeedsOnceFromTheClockPerSet)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    generatore.insiemeDaDisegnare(15);
    generatore.insiemeDaDisegnare(15);
    EXPECT_EQ(prova.casuale.semine(), 2);
}

TEST(InsiemeDaDisegnare, ASlotAlreadyTakenIsDrawnAgain)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    prova.casuale.accodaIntero(7, 12, 1);
    prova.casuale.accodaIntero(3, 9, 2);
    // Three elements from six slot draws: the repeats of 4 and 0 are discarded.
    for (int s : {4, 4, 0, 4, 0, 14})
        prova.casuale.accodaIntero(90 + s, 15, 90);
    const InsiemeDaDisegnare insieme = generatore.insiemeDaDisegnare(90);
    EXPECT_EQ(prova.casuale.inCoda(), 0U);
    EXPECT_EQ(insieme.figura, 7);
    EXPECT_EQ(insieme.elementi, 3);
    EXPECT_EQ(insieme.posizioni, (std::vector<int>{94, 90, 104}));
}

TEST(InsiemeDaDisegnare, UsesTheFifteenSlotsEquallyOften)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    std::array<int, 15> uso{};
    long totale = 0;
    for (int i = 0; i < generazioniMolte; ++i) {
        for (int p : generatore.insiemeDaDisegnare(105).posizioni) {
            ++uso[p - 105];
            ++totale;
        }
    }
    const double media = static_cast<double>(totale) / 15;
    for (int k = 0; k < 15; ++k)
        EXPECT_NEAR(uso[k], media, media * 0.08) << "slot " << k;
}

// --- Add and remove worksheets ------------------------------------------------------------------

using EsercizioElementiNumero = ::testing::TestWithParam<int>;

TEST_P(EsercizioElementiNumero, KeepsThreeAtMostSecondAtMostFirstAtMostNine)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    const int numero = GetParam();
    const int base = 15 * (numero - 1);
    for (int i = 0; i < 500; ++i) {
        const EsercizioElementi es = generatore.esercizioElementi(numero, base);
        const int n = es.elementiPrimo;
        const int m = es.elementiSecondo();
        ASSERT_GE(m, 3);
        ASSERT_LE(m, n);
        ASSERT_LE(n, 9);
        ASSERT_GE(es.figura, 1);
        ASSERT_LE(es.figura, 12);
        const std::set<int> distinti(es.posizioni.begin(), es.posizioni.end());
        ASSERT_EQ(distinti.size(), static_cast<std::size_t>(n));
        for (int k = 0; k < 15; ++k) {
            ASSERT_EQ(es.primo[k], distinti.count(base + k) ? es.figura : 0) << "slot " << k;
            // The second set fills its first m slots row by row from the top left.
            ASSERT_EQ(es.secondo[k], k < m ? es.figura : 0) << "slot " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Esercizi, EsercizioElementiNumero, ::testing::Values(1, 2, 3, 4),
                         [](const auto &info) { return "esercizio" + std::to_string(info.param); });

TEST(EsercizioElementi, AFirstSetOfThreeAlwaysComesWithASecondSetOfThree)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    for (int i = 0; i < 50; ++i) {
        // d is left to the generator's own sequence: only 2 can be accepted.
        prova.casuale.accodaIntero(5, 12, 1);
        prova.casuale.accodaIntero(3, 9, 1);
        for (int s : {2, 7, 11})
            prova.casuale.accodaIntero(15 + s, 15, 15);
        const EsercizioElementi es = generatore.esercizioElementi(2, 15);
        ASSERT_EQ(es.elementiPrimo, 3);
        ASSERT_EQ(es.elementiSecondo(), 3);
    }
}

TEST(EsercizioElementi, WithNineFirstElementsEverySecondSizeFromThreeToNineIsAboutEquallyLikely)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    std::map<int, int> conteggi;
    constexpr int prove = 1400;
    for (int i = 0; i < prove; ++i) {
        prova.casuale.accodaIntero(1, 12, 1);
        prova.casuale.accodaIntero(9, 9, 1);
        for (int s = 0; s < 9; ++s)
            prova.casuale.accodaIntero(s, 15, 0);
        ++conteggi[generatore.esercizioElementi(3, 0).elementiSecondo()];
    }
    ASSERT_EQ(conteggi.size(), 7U);
    for (const auto &[m, quante] : conteggi) {
        EXPECT_GE(m, 3);
        EXPECT_LE(m, 9);
        EXPECT_NEAR(quante, prove / 7.0, prove / 7.0 * 0.3) << "m = " << m;
    }
}

struct CasoPrimoPiccolo
{
    const char *nome;
    std::vector<int> estrazioniN; // the successive draws of n
    int nAtteso;
};

using righe::PrintTo;

using PrimoInsiemePiccolo = ::testing::TestWithParam<CasoPrimoPiccolo>;

// A first set of one or two elements leaves no room for a second set of three or more:
// its size is drawn again, and the rest of the exercise follows as usual.
TEST_P(PrimoInsiemePiccolo, IsDrawnAgainUntilItHasThreeOrMore)
{
    const CasoPrimoPiccolo &caso = GetParam();
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    prova.casuale.accodaIntero(4, 12, 1);
    for (int n : caso.estrazioniN)
        prova.casuale.accodaIntero(n, 9, 1);
    for (int s = 0; s < caso.nAtteso; ++s)
        prova.casuale.accodaIntero(30 + 14 - s, 15, 30);
    prova.casuale.accodaIntero(2, 9, 2);
    const EsercizioElementi es = generatore.esercizioElementi(3, 30);
    EXPECT_EQ(prova.casuale.inCoda(), 0U);
    EXPECT_EQ(es.figura, 4);
    EXPECT_EQ(es.elementiPrimo, caso.nAtteso);
    EXPECT_EQ(es.elementiSecondo(), 3);
    EXPECT_EQ(es.posizioni.front(), 44);
}

INSTANTIATE_TEST_SUITE_P(
    Esercizi, PrimoInsiemePiccolo,
    ::testing::Values(CasoPrimoPiccolo{"uno_poi_quattro", {1, 4}, 4},
                      CasoPrimoPiccolo{"due_poi_tre", {2, 3}, 3},
                      CasoPrimoPiccolo{"uno_due_uno_poi_nove", {1, 2, 1, 9}, 9},
                      CasoPrimoPiccolo{"tre_subito", {3}, 3}),
    righe::perNome);

TEST(EsercizioElementi, SmallFirstSetsLeftToTheGeneratorStillEnd)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    for (int n : {1, 2}) {
        for (int i = 0; i < 200; ++i) {
            prova.casuale.accodaIntero(1, 12, 1);
            prova.casuale.accodaIntero(n, 9, 1);
            const EsercizioElementi es = generatore.esercizioElementi(1, 0);
            ASSERT_GE(es.elementiPrimo, 3);
            ASSERT_GE(es.elementiSecondo(), 3);
            ASSERT_LE(es.elementiSecondo(), es.elementiPrimo);
        }
    }
}

struct CasoSemine
{
    const char *nome;
    int numero;
    int semineAttese;
};

using SemineEsercizio = ::testing::TestWithParam<CasoSemine>;

// Three tries of d (9 and 6 refused for n = 5, then 3): exercise 1 seeds before each try.
TEST_P(SemineEsercizio, OnlyTheFirstExerciseSeedsBeforeEveryDrawOfD)
{
    const CasoSemine &caso = GetParam();
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    const int base = 15 * (caso.numero - 1);
    Schede::accodaEsercizio(prova.casuale, 8, base, {0, 3, 6, 9, 12}, 9);
    prova.casuale.accodaIntero(6, 9, 2);
    prova.casuale.accodaIntero(3, 9, 2);
    const EsercizioElementi es = generatore.esercizioElementi(caso.numero, base);
    EXPECT_EQ(prova.casuale.inCoda(), 0U);
    EXPECT_EQ(es.elementiD, 3);
    EXPECT_EQ(es.elementiSecondo(), 4);
    EXPECT_EQ(prova.casuale.semine(), caso.semineAttese);
}

INSTANTIATE_TEST_SUITE_P(Esercizi, SemineEsercizio,
                         ::testing::Values(CasoSemine{"primo", 1, 4}, CasoSemine{"secondo", 2, 1},
                                           CasoSemine{"terzo", 3, 1}, CasoSemine{"quarto", 4, 1}),
                         righe::perNome);

TEST(EsercizioElementi, UsesTheFifteenSlotsOfTheFirstSetEquallyOften)
{
    ContestoDiProva prova;
    GeneratoreSchede generatore(prova.casuale, prova.orologio);
    std::array<int, 15> uso{};
    long totale = 0;
    for (int i = 0; i < generazioniMolte; ++i) {
        for (int p : generatore.esercizioElementi(4, 45).posizioni) {
            ++uso[p - 45];
            ++totale;
        }
    }
    const double media = static_cast<double>(totale) / 15;
    for (int k = 0; k < 15; ++k)
        EXPECT_NEAR(uso[k], media, media * 0.08) << "slot " << k;
}

} // namespace
