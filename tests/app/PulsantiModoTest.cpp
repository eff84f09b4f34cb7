#include "app/PulsantiModo.h"
#include "platform/CodiciTasto.h"

#include <gtest/gtest.h>
#include <string>

using Tipo = PulsantiModo::Azione::Tipo;

namespace {

template<class Caso>
    requires requires(const Caso &c) { c.nome; }
std::ostream &operator<<(std::ostream &os, const Caso &c)
{
    return os << c.nome;
}

struct CasoKeyDown
{
    std::string nome;
    int indice;
    int codice;
    Tipo tipoAtteso;
    int indiceAtteso;
    bool accettato; // latches and keeps its code
};

class KeyDownCasi : public ::testing::TestWithParam<CasoKeyDown>
{
};

} // namespace

TEST_P(KeyDownCasi, ActionLatchAndCode)
{
    const CasoKeyDown &caso = GetParam();
    PulsantiModo pulsanti;
    int codice = caso.codice;
    const auto azione = pulsanti.keyDown(caso.indice, codice);
    EXPECT_EQ(azione.tipo, caso.tipoAtteso);
    if (caso.tipoAtteso != Tipo::Nessuna) {
        EXPECT_EQ(azione.indice, caso.indiceAtteso);
    }
    EXPECT_EQ(pulsanti.tastoGiu(), caso.accettato);
    EXPECT_EQ(codice, caso.accettato ? caso.codice : CodiciTasto::Nessuno);
}

INSTANTIATE_TEST_SUITE_P(
    PulsantiModo, KeyDownCasi,
    ::testing::Values(
        CasoKeyDown{"Digit1FocusesFirst", 2, CodiciTasto::Cifra1, Tipo::Fuoco, 0, true},
        CasoKeyDown{"Keypad1FocusesFirst", 3, CodiciTasto::Tastierino1, Tipo::Fuoco, 0, true},
        CasoKeyDown{"Digit2FocusesSecond", 0, CodiciTasto::Cifra2, Tipo::Fuoco, 1, true},
        CasoKeyDown{"Keypad2FocusesSecond", 0, CodiciTasto::Tastierino2, Tipo::Fuoco, 1, true},
        CasoKeyDown{"Digit3FocusesThird", 0, CodiciTasto::Cifra3, Tipo::Fuoco, 2, true},
        CasoKeyDown{"Keypad3FocusesThird", 1, CodiciTasto::Tastierino3, Tipo::Fuoco, 2, true},
        CasoKeyDown{"EnterStartsThisButton", 1, CodiciTasto::Invio, Tipo::Avvia, 1, true},
        CasoKeyDown{"EnterOnExitButton", 3, CodiciTasto::Invio, Tipo::Avvia, 3, true},
        CasoKeyDown{"Digit4AcceptedWithoutAction", 0, CodiciTasto::Cifra4, Tipo::Nessuna, 0, true},
        CasoKeyDown{"Digit5AcceptedWithoutAction", 0, CodiciTasto::Cifra5, Tipo::Nessuna, 0, true},
        CasoKeyDown{"Keypad4AcceptedWithoutAction", 0, CodiciTasto::Tastierino4, Tipo::Nessuna, 0, true},
        CasoKeyDown{"Keypad5AcceptedWithoutAction", 0, CodiciTasto::Tastierino5, Tipo::Nessuna, 0, true},
        CasoKeyDown{"F2AcceptedWithoutAction", 0, CodiciTasto::F2, Tipo::Nessuna, 0, true},
        CasoKeyDown{"F3AcceptedWithoutAction", 0, CodiciTasto::F3, Tipo::Nessuna, 0, true},
        CasoKeyDown{"TabKeepsFocusAndIsSwallowed", 2, CodiciTasto::Tab, Tipo::Fuoco, 2, false},
        CasoKeyDown{"Digit6Swallowed", 0, CodiciTasto::Cifra0 + 6, Tipo::Nessuna, 0, false},
        CasoKeyDown{"Digit0Swallowed", 0, CodiciTasto::Cifra0, Tipo::Nessuna, 0, false},
        CasoKeyDown{"LetterSwallowed", 0, CodiciTasto::LetteraS, Tipo::Nessuna, 0, false},
        CasoKeyDown{"SpaceCodeSwallowed", 0, CodiciTasto::Spazio, Tipo::Nessuna, 0, false},
        CasoKeyDown{"Keypad0Swallowed", 0, CodiciTasto::Tastierino0, Tipo::Nessuna, 0, false}),
    [](const auto &info) { return info.param.nome; });

namespace {

struct CasoSpazio
{
    std::string nome;
    int da;
    int a;
};

class SpazioCasi : public ::testing::TestWithParam<CasoSpazio>
{
};

} // namespace

TEST_P(SpazioCasi, SpaceMovesToTheNextModeButton)
{
    PulsantiModo pulsanti;
    int carattere = CodiciTasto::Spazio;
    const auto azione = pulsanti.keyPress(GetParam().da, carattere);
    EXPECT_EQ(azione.tipo, Tipo::Fuoco);
    EXPECT_EQ(azione.indice, GetParam().a);
    EXPECT_TRUE(pulsanti.tastoPremuto());
}

INSTANTIATE_TEST_SUITE_P(PulsantiModo, SpazioCasi,
                         ::testing::Values(CasoSpazio{"FirstToSecond", 0, 1},
                                           CasoSpazio{"SecondToThird", 1, 2},
                                           CasoSpazio{"ThirdBackToFirst", 2, 0},
                                           CasoSpazio{"ExitBackToFirst", 3, 0}),
                         [](const auto &info) { return info.param.nome; });

TEST(PulsantiModo, OtherCharactersAreSwallowedAndDoNotLatch)
{
    PulsantiModo pulsanti;
    for (int carattere : {int('a'), int('2'), 13}) {
        int c = carattere;
        EXPECT_EQ(pulsanti.keyPress(0, c).tipo, Tipo::Nessuna);
        EXPECT_EQ(c, CodiciTasto::Nessuno);
    }
    EXPECT_FALSE(pulsanti.tastoPremuto());
}

TEST(PulsantiModo, LatchedKeyDownDoesNothingAtAllUntilTheKeyIsReleased)
{
    PulsantiModo pulsanti;
    int codice = CodiciTasto::Cifra2;
    pulsanti.keyDown(0, codice);
    codice = CodiciTasto::Invio;
    EXPECT_EQ(pulsanti.keyDown(1, codice).tipo, Tipo::Nessuna);
    codice = CodiciTasto::LetteraS;
    pulsanti.keyDown(1, codice);
    EXPECT_EQ(codice, CodiciTasto::LetteraS) << "a latched key-down does not even swallow";
    pulsanti.keyUp();
    codice = CodiciTasto::Invio;
    EXPECT_EQ(pulsanti.keyDown(1, codice).tipo, Tipo::Avvia);
}

TEST(PulsantiModo, MouseReleaseClearsOnlyTheKeyDownLatch)
{
    PulsantiModo pulsanti;
    int codice = CodiciTasto::F2;
    int carattere = CodiciTasto::Spazio;
    pulsanti.keyDown(0, codice);
    pulsanti.keyPress(0, carattere);
    pulsanti.mouseUp();
    EXPECT_FALSE(pulsanti.tastoGiu());
    EXPECT_TRUE(pulsanti.tastoPremuto());
    carattere = CodiciTasto::Spazio;
    EXPECT_EQ(pulsanti.keyPress(1, carattere).tipo, Tipo::Nessuna);
    pulsanti.keyUp();
    EXPECT_FALSE(pulsanti.tastoPremuto());
}
