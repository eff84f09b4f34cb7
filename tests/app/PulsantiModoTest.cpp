#include "app/PulsantiModo.h"
#include "platform/CodiciTasto.h"
#include "support/Righe.h"

#include <gtest/gtest.h>
#include <string>

using Tipo = PulsantiModo::Azione::Tipo;
using P = PulsantiModo::Pulsante;

namespace {

using righe::PrintTo;

struct CasoKeyDown
{
    std::string nome;
    P su;
    int codice;
    Tipo tipoAtteso;
    P pulsanteAtteso;
    bool accettato; // latches
};

using KeyDownCasi = ::testing::TestWithParam<CasoKeyDown>;

} // namespace

TEST_P(KeyDownCasi, ActionLatchAndCode)
{
    const CasoKeyDown &caso = GetParam();
    PulsantiModo pulsanti;
    int codice = caso.codice;
    const auto azione = pulsanti.keyDown(caso.su, codice);
    EXPECT_EQ(azione.tipo, caso.tipoAtteso);
    if (caso.tipoAtteso != Tipo::Nessuna) {
        EXPECT_EQ(azione.pulsante, caso.pulsanteAtteso);
    }
    EXPECT_EQ(pulsanti.tastoGiu(), caso.accettato);
}

INSTANTIATE_TEST_SUITE_P(
    PulsantiModo, KeyDownCasi,
    ::testing::Values(
        CasoKeyDown{"Digit1FocusesFirst", P::Prevalente, CodiciTasto::Cifra1, Tipo::Fuoco, P::Vuoto, true},
        CasoKeyDown{"Keypad1FocusesFirst", P::Esci, CodiciTasto::Tastierino1, Tipo::Fuoco, P::Vuoto, true},
        CasoKeyDown{"Digit2FocusesSecond", P::Vuoto, CodiciTasto::Cifra2, Tipo::Fuoco, P::Suvvalente, true},
        CasoKeyDown{"Keypad2FocusesSecond", P::Vuoto, CodiciTasto::Tastierino2, Tipo::Fuoco, P::Suvvalente, true},
        CasoKeyDown{"Digit3FocusesThird", P::Vuoto, CodiciTasto::Cifra3, Tipo::Fuoco, P::Prevalente, true},
        CasoKeyDown{"Keypad3FocusesThird", P::Suvvalente, CodiciTasto::Tastierino3, Tipo::Fuoco, P::Prevalente, true},
        CasoKeyDown{"EnterStartsThisButton", P::Suvvalente, CodiciTasto::Invio, Tipo::Avvia, P::Suvvalente, true},
        CasoKeyDown{"EnterOnExitButton", P::Esci, CodiciTasto::Invio, Tipo::Avvia, P::Esci, true},
        CasoKeyDown{"Digit4AcceptedWithoutAction", P::Vuoto, CodiciTasto::Cifra4, Tipo::Nessuna, P::Vuoto, true},
        CasoKeyDown{"Digit5AcceptedWithoutAction", P::Vuoto, CodiciTasto::Cifra5, Tipo::Nessuna, P::Vuoto, true},
        CasoKeyDown{"Keypad4AcceptedWithoutAction", P::Vuoto, CodiciTasto::Tastierino4, Tipo::Nessuna, P::Vuoto, true},
        CasoKeyDown{"Keypad5AcceptedWithoutAction", P::Vuoto, CodiciTasto::Tastierino5, Tipo::Nessuna, P::Vuoto, true},
        CasoKeyDown{"F2AcceptedWithoutAction", P::Vuoto, CodiciTasto::F2, Tipo::Nessuna, P::Vuoto, true},
        CasoKeyDown{"F3AcceptedWithoutAction", P::Vuoto, CodiciTasto::F3, Tipo::Nessuna, P::Vuoto, true},
        CasoKeyDown{"TabKeepsFocusAndIsSwallowed", P::Prevalente, CodiciTasto::Tab, Tipo::Fuoco, P::Prevalente, false},
        CasoKeyDown{"Digit6Swallowed", P::Vuoto, CodiciTasto::Cifra0 + 6, Tipo::Nessuna, P::Vuoto, false},
        CasoKeyDown{"Digit0Swallowed", P::Vuoto, CodiciTasto::Cifra0, Tipo::Nessuna, P::Vuoto, false},
        CasoKeyDown{"LetterSwallowed", P::Vuoto, CodiciTasto::LetteraS, Tipo::Nessuna, P::Vuoto, false},
        CasoKeyDown{"SpaceCodeSwallowed", P::Vuoto, CodiciTasto::Spazio, Tipo::Nessuna, P::Vuoto, false},
        CasoKeyDown{"Keypad0Swallowed", P::Vuoto, CodiciTasto::Tastierino0, Tipo::Nessuna, P::Vuoto, false}),
    righe::perNome);

namespace {

struct CasoSpazio
{
    std::string nome;
    P da;
    P a;
};

using SpazioCasi = ::testing::TestWithParam<CasoSpazio>;

} // namespace

TEST_P(SpazioCasi, SpaceMovesToTheNextModeButton)
{
    PulsantiModo pulsanti;
    int carattere = CodiciTasto::Spazio;
    const auto azione = pulsanti.keyPress(GetParam().da, carattere);
    EXPECT_EQ(azione.tipo, Tipo::Fuoco);
    EXPECT_EQ(azione.pulsante, GetParam().a);
    EXPECT_TRUE(pulsanti.tastoPremuto());
}

INSTANTIATE_TEST_SUITE_P(PulsantiModo, SpazioCasi,
                         ::testing::Values(CasoSpazio{"FirstToSecond", P::Vuoto, P::Suvvalente},
                                           CasoSpazio{"SecondToThird", P::Suvvalente, P::Prevalente},
                                           CasoSpazio{"ThirdBackToFirst", P::Prevalente, P::Vuoto},
                                           CasoSpazio{"ExitBackToFirst", P::Esci, P::Vuoto}),
                         righe::perNome);

TEST(PulsantiModo, OtherCharactersDoNothingAndDoNotLatch)
{
    PulsantiModo pulsanti;
    for (int carattere : {int('a'), int('2'), 13}) {
        int c = carattere;
        EXPECT_EQ(pulsanti.keyPress(P::Vuoto, c).tipo, Tipo::Nessuna);
    }
    EXPECT_FALSE(pulsanti.tastoPremuto());
}

TEST(PulsantiModo, LatchedKeyDownDoesNothingAtAllUntilTheKeyIsReleased)
{
    PulsantiModo pulsanti;
    int codice = CodiciTasto::Cifra2;
    pulsanti.keyDown(P::Vuoto, codice);
    codice = CodiciTasto::Invio;
    EXPECT_EQ(pulsanti.keyDown(P::Suvvalente, codice).tipo, Tipo::Nessuna);
    codice = CodiciTasto::LetteraS;
    pulsanti.keyDown(P::Suvvalente, codice);
    pulsanti.keyUp();
    codice = CodiciTasto::Invio;
    EXPECT_EQ(pulsanti.keyDown(P::Suvvalente, codice).tipo, Tipo::Avvia);
}

TEST(PulsantiModo, MouseReleaseClearsOnlyTheKeyDownLatch)
{
    PulsantiModo pulsanti;
    int codice = CodiciTasto::F2;
    int carattere = CodiciTasto::Spazio;
    pulsanti.keyDown(P::Vuoto, codice);
    pulsanti.keyPress(P::Vuoto, carattere);
    pulsanti.mouseUp();
    EXPECT_FALSE(pulsanti.tastoGiu());
    EXPECT_TRUE(pulsanti.tastoPremuto());
    carattere = CodiciTasto::Spazio;
    EXPECT_EQ(pulsanti.keyPress(P::Suvvalente, carattere).tipo, Tipo::Nessuna);
    pulsanti.keyUp();
    EXPECT_FALSE(pulsanti.tastoPremuto());
}
