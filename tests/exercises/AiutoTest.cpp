#include "BancoOperativo.h"
#include "comune/TipoEsercizio.h"
#include "support/Righe.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using righe::PrintTo;

using TipoEsercizio::InsiemeVuoto;
using TipoEsercizio::Prevalente;
using TipoEsercizio::Suvvalente;

constexpr int aggiungi = 0, togli = 1, verifica = 2, avanti = 3;
constexpr int si = 0, no = 1;

// Makes the second set wrong by the mouse, the way the child would, and asks for the verdict.
void rispostaErrata(BancoOperativo &b)
{
    FrmOperativo &f = b.f();
    if (b.stato.ElementiD >= b.stato.ElementiS + 2) {
        b.clic(f.Option1(togli));
    } else {
        do
            b.clic(f.Option1(aggiungi));
        while (b.stato.ElementiD <= b.stato.ElementiS);
    }
    b.clic(f.Option1(verifica));
}

void rispostaEsatta(BancoOperativo &b)
{
    FrmOperativo &f = b.f();
    while (b.stato.ElementiD < b.stato.ElementiS)
        b.clic(f.Option1(aggiungi));
    while (b.stato.ElementiD > b.stato.ElementiS)
        b.clic(f.Option1(togli));
    if (!f.Option1(verifica)->isEnabled()) { // the set already had the right size
        b.clic(f.Option1(aggiungi));
        b.clic(f.Option1(togli));
    }
    b.clic(f.Option1(verifica));
}

// A wrong answer and "No" to the help it offers, `volte` times over.
void rifiutaAiuto(BancoOperativo &b, int volte = 1)
{
    for (int i = 0; i < volte; ++i) {
        rispostaErrata(b);
        b.clic(b.f().Option3(no));
    }
}

// ---- The wrong verdict ----

TEST(RispostaErrata, CountsItAndOffersHelpWithoutMovingTheFocusToIt)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(5, {3, 4});
    FrmOperativo &f = b.apri();
    b.premi(Qt::Key_Return);
    b.premi(Qt::Key_3);
    b.premi(Qt::Key_Return);
    EXPECT_EQ(f.LblEsito()->text(), QStringLiteral("E r r a t o"));
    EXPECT_EQ(f.lblRisErrate()->text(), QStringLiteral("1"));
    EXPECT_TRUE(f.lblRisEsatte()->text().isEmpty());
    EXPECT_EQ(b.pannelloDavanti(), f.fraAiuto());
    EXPECT_TRUE(f.fraAiuto()->isEnabled());
    EXPECT_FALSE(f.fraTastierino()->isEnabled());
    EXPECT_FALSE(f.Option3(si)->hasFocus());
    EXPECT_FALSE(f.Option3(no)->hasFocus());
    b.premi(Qt::Key_Return);
    EXPECT_EQ(b.stato.RisposteErrate, 1) << "nothing acts until a help button is chosen";
    EXPECT_EQ(b.pannelloDavanti(), f.fraAiuto());
}

// ---- Accepting help ----

TEST(AccettaAiuto, TheSecondSetShowsAsManyAsTheFirstAndTheCountsStay)
{
    BancoOperativo b(Prevalente);
    b.accodaEsercizio(8, {2, 7, 13, 15}, 9);
    FrmOperativo &f = b.apri();
    rispostaErrata(b);
    const int esatte = b.stato.RisposteEsatte, errate = b.stato.RisposteErrate;
    b.clic(f.Option3(si));
    EXPECT_EQ(b.caselleConFigura(true), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(b.stato.RisposteEsatte, esatte);
    EXPECT_EQ(b.stato.RisposteErrate, errate);
    EXPECT_TRUE(f.LblEsito()->text().isEmpty());
    EXPECT_EQ(b.pannelloDavanti(), f.fraTastierino());
    EXPECT_EQ(b.tastoConFuoco(), avanti);
    b.premi(Qt::Key_Return);
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("2"));
}

// ---- Refusing help ----

// What "No" restores, kind by kind, is a row of the exercise start's table in FrmOperativoTest.

TEST(RifiutoAiuto, ThreeRefusalsOverTwoExercisesBringTheIntervention)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(1, {1, 2});
    b.accodaEsercizio(2, {3, 4, 5});
    FrmOperativo &f = b.apri();
    rifiutaAiuto(b, 2);
    rispostaEsatta(b);
    b.clic(f.Option1(avanti));
    ASSERT_EQ(b.stato.RifiutiAiuto, 2);
    rifiutaAiuto(b);
    EXPECT_EQ(b.pannelloDavanti(), f.fraIntervento());
    EXPECT_EQ(f.lblIntervento()->text(), QStringLiteral("Intervengo io"));
    EXPECT_TRUE(f.optOK()->hasFocus());
    EXPECT_FALSE(f.fraTastierino()->isEnabled());
    EXPECT_FALSE(f.fraAiuto()->isEnabled());
    b.clic(f.optOK(), Qt::RightButton);
    EXPECT_EQ(b.caselleConFigura(true), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(b.tastoConFuoco(), avanti);
    b.clic(f.Option1(avanti));
    rifiutaAiuto(b);
    EXPECT_EQ(b.pannelloDavanti(), f.fraTastierino()) << "the count started again";
}

TEST(RifiutoAiuto, AcceptedHelpStartsTheRefusalsAgain)
{
    BancoOperativo b(InsiemeVuoto);
    FrmOperativo &f = b.apri();
    rifiutaAiuto(b, 2);
    rispostaErrata(b);
    b.clic(f.Option3(si));
    b.clic(f.Option1(avanti));
    for (int i = 0; i < 2; ++i) {
        rifiutaAiuto(b);
        EXPECT_EQ(b.pannelloDavanti(), f.fraTastierino());
    }
}

// ---- Keys on the help and intervention panels ----

struct CasoTastoAiuto
{
    const char *nome;
    Qt::Key tasto;
    Qt::KeyboardModifiers modificatori;
    int fuocoAtteso;
};

using TastiCheSpostanoIlFuoco = ::testing::TestWithParam<CasoTastoAiuto>;

TEST_P(TastiCheSpostanoIlFuoco, LettersAndDigitsOnlyMoveTheFocus)
{
    const CasoTastoAiuto &c = GetParam();
    BancoOperativo b(InsiemeVuoto);
    FrmOperativo &f = b.apri();
    rispostaErrata(b);
    b.premi(Qt::Key_Tab); // the keyboard reaches the panel in front
    ASSERT_TRUE(f.Option3(si)->hasFocus());
    b.premi(Qt::Key_Space);
    ASSERT_TRUE(f.Option3(no)->hasFocus());
    b.premi(Qt::Key_Space);
    ASSERT_TRUE(f.Option3(si)->hasFocus());
    if (c.fuocoAtteso == si)
        f.Option3(no)->setFocus();
    b.premi(c.tasto, c.modificatori);
    EXPECT_TRUE(f.Option3(c.fuocoAtteso)->hasFocus());
    EXPECT_EQ(b.pannelloDavanti(), f.fraAiuto());
    EXPECT_EQ(b.stato.RifiutiAiuto, 0);
    EXPECT_EQ(f.LblEsito()->text(), QStringLiteral("E r r a t o"));
}

INSTANTIATE_TEST_SUITE_P(
    Tasti, TastiCheSpostanoIlFuoco,
    ::testing::Values(CasoTastoAiuto{"S", Qt::Key_S, Qt::NoModifier, si},
                      CasoTastoAiuto{"One", Qt::Key_1, Qt::NoModifier, si},
                      CasoTastoAiuto{"KeypadOne", Qt::Key_1, Qt::KeypadModifier, si},
                      CasoTastoAiuto{"N", Qt::Key_N, Qt::NoModifier, no},
                      CasoTastoAiuto{"Two", Qt::Key_2, Qt::NoModifier, no},
                      CasoTastoAiuto{"KeypadTwo", Qt::Key_2, Qt::KeypadModifier, no}),
    righe::perNome);

TEST(TastiAiuto, EnterRunsTheFocusedHelpButton)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(3, {6, 7});
    FrmOperativo &f = b.apri();
    rispostaErrata(b);
    b.premi(Qt::Key_Tab);
    b.premi(Qt::Key_N);
    b.premi(Qt::Key_Return);
    EXPECT_EQ(b.stato.RifiutiAiuto, 1);
    EXPECT_EQ(b.pannelloDavanti(), f.fraTastierino());
    rispostaErrata(b);
    b.premi(Qt::Key_Tab);
    b.premi(Qt::Key_Return);
    EXPECT_EQ(b.caselleConFigura(true), (std::vector<int>{1, 2}));
    EXPECT_EQ(b.stato.RifiutiAiuto, 0);
}

// A key still held after it acted must not act again on the panel that comes to the front.
TEST(TastiAiuto, HoldingEnterOnNoRefusesOnceAndAddsNothing)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(3, {6, 7});
    FrmOperativo &f = b.apri();
    rispostaErrata(b);
    b.premi(Qt::Key_Tab);
    b.premi(Qt::Key_N);
    b.tieni(Qt::Key_Return, 6);
    EXPECT_EQ(b.stato.RifiutiAiuto, 1);
    EXPECT_EQ(b.stato.ElementiD, 0);
    EXPECT_EQ(b.tastoConFuoco(), aggiungi);
    b.premi(Qt::Key_Return);
    EXPECT_EQ(b.stato.ElementiD, 1) << "the next press acts";
    (void)f;
}

TEST(TastiAiuto, HoldingEnterOnYesShowsTheSolutionAndStaysThere)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(3, {6, 7});
    FrmOperativo &f = b.apri();
    rispostaErrata(b);
    b.premi(Qt::Key_Tab);
    b.tieni(Qt::Key_Return, 6);
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("1"));
    EXPECT_EQ(b.caselleConFigura(true), (std::vector<int>{1, 2}));
    EXPECT_EQ(b.tastoConFuoco(), avanti);
}

TEST(TastiAiuto, EnterOnOkShowsTheSolutionOtherKeysDoNothing)
{
    BancoOperativo b(Suvvalente);
    b.accodaEsercizio(3, {6, 7, 8}, 1);
    FrmOperativo &f = b.apri();
    rifiutaAiuto(b, 3);
    ASSERT_TRUE(f.optOK()->hasFocus());
    b.premi(Qt::Key_Space);
    b.premi(Qt::Key_S);
    EXPECT_EQ(b.pannelloDavanti(), f.fraIntervento());
    b.tieni(Qt::Key_Return, 4);
    EXPECT_EQ(b.caselleConFigura(true), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(b.pannelloDavanti(), f.fraTastierino());
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("1"));
    EXPECT_EQ(b.tastoConFuoco(), avanti);
}

TEST(TastiAiuto, TheFocusedHelpButtonShowsItsColour)
{
    BancoOperativo b(InsiemeVuoto);
    FrmOperativo &f = b.apri();
    rispostaErrata(b);
    b.premi(Qt::Key_Tab);
    EXPECT_EQ(f.Option3(si)->grab().toImage().pixelColor(8, 8), QColor(255, 192, 128));
    EXPECT_EQ(f.Option3(no)->grab().toImage().pixelColor(8, 8), QColor(255, 224, 192));
}

// ---- The results panel ----

TEST(PannelloRisultati, CountsGoOnAcrossExercisesAndOpenings)
{
    BancoOperativo b(InsiemeVuoto);
    FrmOperativo &primo = b.apri();
    rispostaEsatta(b);
    b.clic(primo.Option1(avanti));
    rispostaErrata(b);
    b.clic(primo.Option3(si));
    b.clic(primo.Option1(avanti));
    rispostaEsatta(b);
    EXPECT_EQ(primo.lblRisEsatte()->text(), QStringLiteral("2"));
    EXPECT_EQ(primo.lblRisErrate()->text(), QStringLiteral("1"));
    EXPECT_EQ(primo.LblOperazione()->text(), QStringLiteral("3"));
    b.clic(primo.Option1(4));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(b.form.isNull());

    FrmOperativo &secondo = b.apri();
    EXPECT_EQ(secondo.LblOperazione()->text(), QStringLiteral("1"));
    EXPECT_TRUE(secondo.lblRisEsatte()->text().isEmpty());
    EXPECT_TRUE(secondo.lblRisErrate()->text().isEmpty()) << "empty until this opening's first wrong answer";
    EXPECT_TRUE(secondo.LblTempoTotale()->text().isEmpty());
    rispostaErrata(b);
    EXPECT_EQ(secondo.lblRisErrate()->text(), QStringLiteral("2"));
    EXPECT_TRUE(secondo.lblRisEsatte()->text().isEmpty());
    b.clic(secondo.Option3(si));
    b.clic(secondo.Option1(avanti));
    rispostaEsatta(b);
    EXPECT_EQ(secondo.lblRisEsatte()->text(), QStringLiteral("3"));
}

// How the seconds are counted, across midnight too, is RegoleEsercizio's rule; here, that every
// verdict shows them and that the fields never show more than they hold.
struct CasoTempi
{
    const char *nome;
    double inizio;
    std::vector<double> risposte; // clock at each verdict
    const char *parziale;
    const char *totale;
};

using CampiTempo = ::testing::TestWithParam<CasoTempi>;

TEST_P(CampiTempo, EveryVerdictShowsThePartialAndTheRunningTotal)
{
    const CasoTempi &c = GetParam();
    BancoOperativo b(InsiemeVuoto);
    b.prova.orologio.secondi = c.inizio;
    FrmOperativo &f = b.apri();
    for (std::size_t i = 0; i < c.risposte.size(); ++i) {
        b.prova.orologio.secondi = c.risposte[i];
        if (i + 1 < c.risposte.size()) {
            rispostaErrata(b);
            b.clic(f.Option3(no)); // shows the second set again: the next partial starts here
        } else {
            rispostaEsatta(b);
        }
    }
    EXPECT_EQ(f.LblTempoParziale()->text(), QString::fromLatin1(c.parziale));
    EXPECT_EQ(f.LblTempoTotale()->text(), QString::fromLatin1(c.totale));
}

INSTANTIATE_TEST_SUITE_P(
    Casi, CampiTempo,
    ::testing::Values(CasoTempi{"OneAnswer", 1000.0, {1012.6}, "12", "12"},
                      CasoTempi{"TwoAttempts", 1000.0, {1010.0, 1035.5}, "25", "35"},
                      CasoTempi{"LongAnswerShows999", 1000.0, {3000.0}, "999", "999"},
                      CasoTempi{"LargeTotalShows999", 1000.0, {1998.0, 2000.0}, "2", "999"}),
    righe::perNome);

} // namespace
