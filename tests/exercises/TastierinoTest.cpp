#include "exercises/Tastierino.h"
#include "platform/CodiciTasto.h"
#include "support/Righe.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using Tasto = Tastierino::Tasto;
using Aiuto = Tastierino::Aiuto;
using Tipo = Tastierino::Azione::Tipo;
using TipoAiuto = Tastierino::AzioneAiuto::Tipo;

using righe::PrintTo;

// ---- Keypad key-downs ----

struct CasoTasto
{
    std::string nome;
    bool dopoRisposta; // the keypad in its "next" state rather than editing
    Tasto su;
    int codice;
    Tipo tipo;
    Tasto tasto;
    bool accettato; // latches
};

using KeyDownTastierino = ::testing::TestWithParam<CasoTasto>;

TEST_P(KeyDownTastierino, ActionLatchAndCode)
{
    const CasoTasto &c = GetParam();
    Tastierino t;
    int codice = c.codice;
    t.imposta(c.dopoRisposta ? Tastierino::avanti : Tastierino::modifica);
    const Tastierino::Azione a = t.keyDown(c.su, codice);
    EXPECT_EQ(a.tipo, c.tipo);
    if (c.tipo != Tipo::Nessuna) {
        EXPECT_EQ(a.tasto, c.tasto);
    }
    EXPECT_EQ(t.tastoGiu(), c.accettato);
    EXPECT_EQ(t.tastoGiuAiuto(), c.accettato) << "an acting key holds the other panels too";
}

INSTANTIATE_TEST_SUITE_P(
    Tastierino, KeyDownTastierino,
    ::testing::Values(
        CasoTasto{"Digit1FocusesAdd", false, Tasto::Esci, CodiciTasto::Cifra1, Tipo::Fuoco, Tasto::Aggiungi, true},
        CasoTasto{"Digit2FocusesRemove", false, Tasto::Aggiungi, CodiciTasto::Cifra2, Tipo::Fuoco, Tasto::Togli, true},
        CasoTasto{"Digit4OnDisabledNextOnlyLatches", false, Tasto::Aggiungi, CodiciTasto::Cifra4, Tipo::Nessuna,
                  Tasto::Aggiungi, true},
        CasoTasto{"Digit4FocusesNextAfterAnswer", true, Tasto::Esci, CodiciTasto::Cifra4, Tipo::Fuoco, Tasto::Avanti,
                  true},
        CasoTasto{"Digit5FocusesExit", true, Tasto::Avanti, CodiciTasto::Cifra5, Tipo::Fuoco, Tasto::Esci, true},
        CasoTasto{"EnterActsOnItsButton", false, Tasto::Togli, CodiciTasto::Invio, Tipo::Esegui, Tasto::Togli, true},
        CasoTasto{"KeypadDigitSwallowed", false, Tasto::Aggiungi, CodiciTasto::Tastierino2, Tipo::Nessuna,
                  Tasto::Aggiungi, false},
        CasoTasto{"TabSwallowed", false, Tasto::Aggiungi, CodiciTasto::Tab, Tipo::Nessuna, Tasto::Aggiungi, false},
        CasoTasto{"Digit3OnDisabledCheckOnlyLatches", false, Tasto::Togli, CodiciTasto::Cifra3, Tipo::Nessuna,
                  Tasto::Aggiungi, true},
        CasoTasto{"SpaceCodeSwallowed", false, Tasto::Aggiungi, CodiciTasto::Spazio, Tipo::Nessuna, Tasto::Aggiungi,
                  false},
        CasoTasto{"LetterSwallowed", true, Tasto::Avanti, CodiciTasto::LetteraS, Tipo::Nessuna, Tasto::Aggiungi,
                  false}),
    righe::perNome);

// ---- Space on the keypad ----

struct CasoSpazio
{
    std::string nome;
    Tastierino::Abilitazioni abilitati;
    Tasto da;
    Tasto a;
};

using SpazioTastierino = ::testing::TestWithParam<CasoSpazio>;

TEST_P(SpazioTastierino, MovesToTheNextEnabledButtonOnce)
{
    Tastierino t;
    t.imposta({GetParam().abilitati, GetParam().da});
    int carattere = CodiciTasto::Spazio;
    const Tastierino::Azione a = t.keyPress(GetParam().da, carattere);
    EXPECT_EQ(a.tipo, Tipo::Passa);
    EXPECT_EQ(a.tasto, GetParam().a);
    carattere = CodiciTasto::Spazio;
    EXPECT_EQ(t.keyPress(GetParam().a, carattere).tipo, Tipo::Nessuna) << "held";
    t.keyUp();
    EXPECT_EQ(t.keyPress(GetParam().a, carattere).tipo, Tipo::Passa);
}

INSTANTIATE_TEST_SUITE_P(
    Tastierino, SpazioTastierino,
    ::testing::Values(CasoSpazio{"AddToRemove", Tastierino::modifica.abilitati, Tasto::Aggiungi, Tasto::Togli},
                      CasoSpazio{"RemoveWrapsToAdd", Tastierino::modifica.abilitati, Tasto::Togli, Tasto::Aggiungi},
                      CasoSpazio{"RemoveToCheck", {true, true, true, false, false}, Tasto::Togli, Tasto::Verifica},
                      CasoSpazio{"NextToExit", Tastierino::avanti.abilitati, Tasto::Avanti, Tasto::Esci},
                      CasoSpazio{"ExitWrapsToNext", Tastierino::avanti.abilitati, Tasto::Esci, Tasto::Avanti},
                      CasoSpazio{"AloneStays", {false, false, false, false, true}, Tasto::Esci, Tasto::Esci}),
    righe::perNome);

// ---- Help panel keys ----

struct CasoAiuto
{
    std::string nome;
    Aiuto su;
    int codice;
    TipoAiuto tipo;
    Aiuto risposta;
    bool accettato;
};

using KeyDownAiuto = ::testing::TestWithParam<CasoAiuto>;

TEST_P(KeyDownAiuto, ActionLatchAndCode)
{
    const CasoAiuto &c = GetParam();
    Tastierino t;
    int codice = c.codice;
    const Tastierino::AzioneAiuto a = t.keyDownAiuto(c.su, codice);
    EXPECT_EQ(a.tipo, c.tipo);
    if (c.tipo != TipoAiuto::Nessuna) {
        EXPECT_EQ(a.risposta, c.risposta);
    }
    EXPECT_EQ(t.tastoGiuAiuto(), c.accettato);
    EXPECT_EQ(t.tastoGiu(), c.accettato);
}

INSTANTIATE_TEST_SUITE_P(
    Aiuto, KeyDownAiuto,
    ::testing::Values(CasoAiuto{"LetterSFocusesYes", Aiuto::No, CodiciTasto::LetteraS, TipoAiuto::Fuoco, Aiuto::Si, true},
                      CasoAiuto{"Digit1FocusesYes", Aiuto::No, CodiciTasto::Cifra1, TipoAiuto::Fuoco, Aiuto::Si, true},
                      CasoAiuto{"Keypad1FocusesYes", Aiuto::No, CodiciTasto::Tastierino1, TipoAiuto::Fuoco, Aiuto::Si, true},
                      CasoAiuto{"LetterNFocusesNo", Aiuto::Si, CodiciTasto::LetteraN, TipoAiuto::Fuoco, Aiuto::No, true},
                      CasoAiuto{"Digit2FocusesNo", Aiuto::Si, CodiciTasto::Cifra2, TipoAiuto::Fuoco, Aiuto::No, true},
                      CasoAiuto{"Keypad2FocusesNo", Aiuto::Si, CodiciTasto::Tastierino2, TipoAiuto::Fuoco, Aiuto::No, true},
                      CasoAiuto{"EnterChoosesYes", Aiuto::Si, CodiciTasto::Invio, TipoAiuto::Scegli, Aiuto::Si, true},
                      CasoAiuto{"EnterChoosesNo", Aiuto::No, CodiciTasto::Invio, TipoAiuto::Scegli, Aiuto::No, true},
                      CasoAiuto{"Digit3Swallowed", Aiuto::Si, CodiciTasto::Cifra3, TipoAiuto::Nessuna, Aiuto::Si, false},
                      CasoAiuto{"SpaceCodeSwallowed", Aiuto::Si, CodiciTasto::Spazio, TipoAiuto::Nessuna, Aiuto::Si,
                                false}),
    righe::perNome);

TEST(Aiuto, SpaceSwapsTheAnswersOncePerPressAndOtherCharactersDoNothing)
{
    Tastierino t;
    int c = 's';
    EXPECT_EQ(t.keyPressAiuto(Aiuto::Si, c).tipo, TipoAiuto::Nessuna);
    EXPECT_FALSE(t.tastoPremutoAiuto());
    for (const auto &[da, a] : {std::pair{Aiuto::Si, Aiuto::No}, std::pair{Aiuto::No, Aiuto::Si}}) {
        c = CodiciTasto::Spazio;
        const Tastierino::AzioneAiuto azione = t.keyPressAiuto(da, c);
        EXPECT_EQ(azione.tipo, TipoAiuto::Passa);
        EXPECT_EQ(azione.risposta, a);
        EXPECT_EQ(t.keyPressAiuto(a, c).tipo, TipoAiuto::Nessuna) << "held";
        t.keyUp();
    }
}

// ---- Latches across panels and events ----

TEST(Fermi, AKeyThatActedOnTheKeypadDoesNothingOnTheOtherPanelsUntilReleased)
{
    Tastierino t;
    t.abilitaVerifica(true);
    int codice = CodiciTasto::Invio;
    ASSERT_EQ(t.keyDown(Tasto::Verifica, codice).tipo, Tipo::Esegui);
    codice = CodiciTasto::Invio;
    EXPECT_EQ(t.keyDownAiuto(Aiuto::Si, codice).tipo, TipoAiuto::Nessuna);
    EXPECT_FALSE(t.keyDownOK(codice));
    codice = CodiciTasto::LetteraS;
    t.keyDownAiuto(Aiuto::No, codice);
    t.keyUp();
    codice = CodiciTasto::Invio;
    EXPECT_TRUE(t.keyDownOK(codice));
    EXPECT_TRUE(t.tastoGiu()) << "OK holds the keypad it brings back";
    codice = CodiciTasto::Invio;
    t.imposta(Tastierino::avanti);
    EXPECT_EQ(t.keyDown(Tasto::Avanti, codice).tipo, Tipo::Nessuna);
}

TEST(Fermi, OkAcceptsOnlyEnter)
{
    Tastierino t;
    for (int tasto : {CodiciTasto::Spazio, CodiciTasto::LetteraS, CodiciTasto::Cifra1}) {
        int codice = tasto;
        EXPECT_FALSE(t.keyDownOK(codice));
    }
    EXPECT_FALSE(t.tastoGiuAiuto());
}

TEST(Fermi, AMousePressActsOnceOnAnEnabledButtonAndOnlyAMouseOrKeyReleaseFreesIt)
{
    Tastierino t;
    EXPECT_EQ(t.mouseDown(Tasto::Verifica).tipo, Tipo::Nessuna);
    EXPECT_FALSE(t.mouseGiu()) << "a disabled button does not latch";
    t.usa(Tastierino::Pannello::Aiuto);
    EXPECT_EQ(t.mouseDown(Tasto::Aggiungi).tipo, Tipo::Nessuna) << "the keypad is not in use";
    EXPECT_FALSE(t.mouseGiu());
    t.usa(Tastierino::Pannello::Tastierino);
    const Tastierino::Azione a = t.mouseDown(Tasto::Aggiungi);
    EXPECT_EQ(a.tipo, Tipo::Esegui);
    EXPECT_EQ(a.tasto, Tasto::Aggiungi);
    EXPECT_EQ(t.mouseDown(Tasto::Togli).tipo, Tipo::Nessuna) << "a second button before the release";
    int codice = CodiciTasto::Invio;
    EXPECT_EQ(t.keyDown(Tasto::Aggiungi, codice).tipo, Tipo::Esegui)
        << "the mouse does not hold the keys";
    t.mouseUp();
    EXPECT_FALSE(t.mouseGiu());
    EXPECT_TRUE(t.tastoGiu()) << "a mouse release leaves the key latch";
    t.mouseDown(Tasto::Togli);
    t.keyUp();
    EXPECT_FALSE(t.mouseGiu()) << "a key release frees everything";
    EXPECT_FALSE(t.tastoGiu());
}

} // namespace
