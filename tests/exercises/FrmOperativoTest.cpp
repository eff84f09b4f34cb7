#include "BancoOperativo.h"
#include "comune/ScalaturaModulo.h"
#include "comune/Galleria.h"
#include "comune/TipoEsercizio.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using TipoEsercizio::InsiemeVuoto;
using TipoEsercizio::Prevalente;
using TipoEsercizio::Suvvalente;

constexpr int aggiungi = 0, togli = 1, verifica = 2, avanti = 3, esci = 4;

// The colour the child sees inside the button, clear of its border and caption.
QColor coloreDi(QWidget *w)
{
    return w->grab().toImage().pixelColor(8, 8);
}

std::vector<bool> abilitati(const FrmOperativo &f)
{
    std::vector<bool> v;
    for (int i = 0; i < 5; ++i)
        v.push_back(f.Option1(i)->isEnabled());
    return v;
}

// ---- Loading and the start of each exercise ----

TEST(AperturaDelModulo, TheFirstExerciseIsReadyBeforeTheFormIsShown)
{
    BancoOperativo b(Suvvalente);
    b.accodaEsercizio(6, {15, 3, 9, 1}, 2);
    FrmOperativo f(*b.prova);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Costruisci l'insieme equipotente   "));
    EXPECT_TRUE(f.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(f.windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("1"));
    EXPECT_EQ(b.stato.ElementiS, 4);
    EXPECT_EQ(b.stato.ElementiD, 2);
    EXPECT_TRUE(f.lblRisEsatte()->text().isEmpty());
    EXPECT_TRUE(f.lblRisErrate()->text().isEmpty());
    EXPECT_TRUE(f.LblTempoParziale()->text().isEmpty());
    EXPECT_TRUE(f.LblTempoTotale()->text().isEmpty());
    EXPECT_EQ(f.scalatura().numeroControlli(), 2 + 2 * (1 + 1 + 15) + 1 + 6 + 4 + 3 + 11);
}

struct CasoInizio
{
    const char *nome;
    TipoEsercizio tipo;
    std::vector<int> caselle;
    int m;
    int elementiDAttesi;
};

class InizioEsercizio : public ::testing::TestWithParam<CasoInizio>
{
};

TEST_P(InizioEsercizio, ShowsTheFirstSetInItsSlotsAndTheSecondFromTheFirstSlot)
{
    const CasoInizio &c = GetParam();
    BancoOperativo b(c.tipo);
    b.accodaEsercizio(11, c.caselle, c.m);
    FrmOperativo &f = b.apri();
    std::vector<int> attese = c.caselle;
    std::sort(attese.begin(), attese.end());
    EXPECT_EQ(b.caselleConFigura(false), attese);
    EXPECT_EQ(b.stato.ElementiD, c.elementiDAttesi);
    EXPECT_TRUE(b.invarianteSecondoInsieme());
    const QImage figura = b.prova.contesto->galleria().Image3(11);
    for (int s : b.caselleConFigura(false))
        EXPECT_EQ(f.Image1(s)->pixmap().toImage(), figura);
    for (int s : b.caselleConFigura(true))
        EXPECT_EQ(f.Image2(s)->pixmap().toImage(), figura);
    EXPECT_EQ(b.pannelloDavanti(), f.fraTastierino());
    EXPECT_FALSE(f.fraAiuto()->isEnabled());
    EXPECT_FALSE(f.fraIntervento()->isEnabled());
    EXPECT_EQ(abilitati(f), (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(b.tastoConFuoco(), aggiungi);
    EXPECT_EQ(coloreDi(f.Option1(aggiungi)), QColor(255, 128, 255));
}

INSTANTIATE_TEST_SUITE_P(
    Tipi, InizioEsercizio,
    ::testing::Values(CasoInizio{"EmptySecondSet_EightElements", InsiemeVuoto, {3, 14, 1, 8, 15, 6, 11, 2}, 0, 0},
                      CasoInizio{"SmallerSecondSet", Suvvalente, {5, 10}, 1, 1},
                      CasoInizio{"LargerSecondSet", Prevalente, {7, 4, 12}, 9, 9},
                      CasoInizio{"LargerSecondSetOfTen", Prevalente, {1, 2, 3, 4, 5, 6, 7, 8}, 10, 10}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(NuovoEsercizio, NextDrawsAnewHidesTheOldSlotsAndCountsOn)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(2, {1, 2, 3});
    b.accodaEsercizio(9, {15});
    FrmOperativo &f = b.apri();
    for (int i = 0; i < 3; ++i)
        b.clic(f.Option1(aggiungi));
    b.clic(f.Option1(verifica));
    ASSERT_EQ(f.LblEsito()->text(), QStringLiteral("E s a t t o"));
    ASSERT_FALSE(f.LblTempoParziale()->text().isEmpty());
    b.clic(f.Option1(avanti));
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("2"));
    EXPECT_EQ(b.caselleConFigura(false), std::vector<int>{15});
    EXPECT_TRUE(b.caselleConFigura(true).empty());
    EXPECT_EQ(f.Image1(15)->pixmap().toImage(), b.prova.contesto->galleria().Image3(9));
    EXPECT_TRUE(f.LblEsito()->text().isEmpty());
    EXPECT_TRUE(f.LblTempoParziale()->text().isEmpty());
    EXPECT_FALSE(f.LblTempoTotale()->text().isEmpty()) << "the total stays in view";
    EXPECT_EQ(b.tastoConFuoco(), aggiungi);
}

TEST(NuovoEsercizio, AKindChangedWhileOpenTakesEffectAtTheNextExercise)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(2, {4, 5});
    FrmOperativo &f = b.apri();
    b.clic(f.Option1(aggiungi));
    b.clic(f.Option1(aggiungi));
    b.clic(f.Option1(verifica));
    b.stato.TipoEsercizio = Prevalente;
    f.Label2()->setText(QStringLiteral("Secondo  insieme prevalente - Devi togliere elementi"));
    EXPECT_EQ(b.caselleConFigura(true), (std::vector<int>{1, 2})) << "the exercise on display stays";
    b.accodaEsercizio(3, {9}, 6);
    b.clic(f.Option1(avanti));
    EXPECT_EQ(b.stato.ElementiD, 6);
    EXPECT_TRUE(b.invarianteSecondoInsieme());
}

// ---- Adding and removing ----

TEST(AggiungiETogli, TheDisplayFollowsEveryStep)
{
    BancoOperativo b(Suvvalente);
    b.accodaEsercizio(4, {1, 6, 11, 12, 13}, 3);
    FrmOperativo &f = b.apri();
    const int passi[] = {aggiungi, togli, togli, togli, togli, aggiungi, aggiungi, togli, aggiungi};
    for (int tasto : passi) {
        b.clic(f.Option1(tasto));
        ASSERT_TRUE(b.invarianteSecondoInsieme()) << "after button " << tasto;
    }
    EXPECT_EQ(b.stato.ElementiD, 2);
}

TEST(AggiungiETogli, RemovingFromAnEmptySetLeavesItEmptyAndCheckDisabled)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1, 2});
    FrmOperativo &f = b.apri();
    b.clic(f.Option1(togli));
    EXPECT_EQ(b.stato.ElementiD, 0);
    EXPECT_TRUE(b.caselleConFigura(true).empty());
    EXPECT_FALSE(f.Option1(verifica)->isEnabled());
    b.clic(f.Option1(aggiungi));
    EXPECT_TRUE(f.Option1(verifica)->isEnabled());
    b.clic(f.Option1(togli));
    EXPECT_FALSE(f.Option1(verifica)->isEnabled()) << "emptied again";
}

TEST(AggiungiETogli, TheSecondSetStopsAtTenAndTwoRemovalsMatchEight)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1, 2, 3, 4, 5, 6, 7, 8});
    FrmOperativo &f = b.apri();
    for (int i = 0; i < 13; ++i)
        b.clic(f.Option1(aggiungi));
    EXPECT_EQ(b.stato.ElementiD, 10);
    EXPECT_TRUE(b.invarianteSecondoInsieme());
    b.clic(f.Option1(togli));
    b.clic(f.Option1(togli));
    b.clic(f.Option1(verifica));
    EXPECT_EQ(f.LblEsito()->text(), QStringLiteral("E s a t t o"));
}

TEST(AggiungiETogli, ALargerSecondSetBroughtDownToSizeIsRight)
{
    BancoOperativo b(Prevalente);
    b.accodaEsercizio(7, {2, 9, 14}, 8);
    FrmOperativo &f = b.apri();
    EXPECT_FALSE(f.Option1(verifica)->isEnabled());
    for (int i = 0; i < 5; ++i)
        b.clic(f.Option1(togli));
    EXPECT_TRUE(f.Option1(verifica)->isEnabled());
    EXPECT_TRUE(b.invarianteSecondoInsieme());
    b.clic(f.Option1(verifica));
    EXPECT_EQ(f.LblEsito()->text(), QStringLiteral("E s a t t o"));
    EXPECT_EQ(f.lblRisEsatte()->text(), QStringLiteral("1"));
    EXPECT_EQ(abilitati(f), (std::vector<bool>{false, false, false, true, true}));
    EXPECT_EQ(b.tastoConFuoco(), avanti);
}

// ---- One action per press ----

TEST(UnaAzionePerPressione, HoldingEnterOnAddAddsExactlyOne)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1, 2, 3});
    b.apri();
    b.tieni(Qt::Key_Return, 8);
    EXPECT_EQ(b.stato.ElementiD, 1);
    b.tieni(Qt::Key_Return, 3);
    EXPECT_EQ(b.stato.ElementiD, 2) << "released and pressed again adds another";
}

TEST(UnaAzionePerPressione, AnyMouseButtonActsAtThePress)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1, 2, 3});
    FrmOperativo &f = b.apri();
    QTest::mousePress(f.Option1(aggiungi), Qt::RightButton);
    EXPECT_EQ(b.stato.ElementiD, 1) << "before the release";
    QTest::mouseRelease(f.Option1(aggiungi), Qt::RightButton);
    b.clic(f.Option1(aggiungi), Qt::MiddleButton);
    EXPECT_EQ(b.stato.ElementiD, 2);
}

TEST(UnaAzionePerPressione, ASecondButtonPressedBeforeTheReleaseDoesNothing)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1, 2, 3});
    FrmOperativo &f = b.apri();
    QTest::mousePress(f.Option1(aggiungi), Qt::LeftButton);
    QTest::mousePress(f.Option1(aggiungi), Qt::RightButton);
    EXPECT_EQ(b.stato.ElementiD, 1);
    QTest::mouseRelease(f.Option1(aggiungi), Qt::RightButton);
    b.clic(f.Option1(aggiungi));
    EXPECT_EQ(b.stato.ElementiD, 2);
}

TEST(UnaAzionePerPressione, AfterARightVerdictByMouseTheNextButtonActsAtOnce)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1});
    FrmOperativo &f = b.apri();
    b.clic(f.Option1(aggiungi));
    b.clic(f.Option1(verifica)); // disabled by its own press
    b.clic(f.Option1(avanti));
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("2"));
}

TEST(UnaAzionePerPressione, ADisabledButtonDoesNotAct)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1, 2});
    FrmOperativo &f = b.apri();
    b.clic(f.Option1(verifica));
    b.clic(f.Option1(avanti));
    b.clic(f.Option1(esci));
    EXPECT_TRUE(f.LblEsito()->text().isEmpty());
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("1"));
    EXPECT_TRUE(f.isVisible());
}

// ---- Keys that move the focus ----

TEST(TastiDelTastierino, DigitFourReachesNextOnlyWhenEnabledAndNeverActs)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1});
    FrmOperativo &f = b.apri();
    b.premi(Qt::Key_4);
    EXPECT_EQ(b.tastoConFuoco(), aggiungi) << "next is disabled while editing";
    b.premi(Qt::Key_Return);
    b.premi(Qt::Key_3);
    b.premi(Qt::Key_Return);
    ASSERT_EQ(f.LblEsito()->text(), QStringLiteral("E s a t t o"));
    b.premi(Qt::Key_5);
    EXPECT_EQ(b.tastoConFuoco(), esci);
    b.premi(Qt::Key_4);
    EXPECT_EQ(b.tastoConFuoco(), avanti);
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("1")) << "the digit only moves the focus";
    b.premi(Qt::Key_Return);
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("2"));
}

TEST(TastiDelTastierino, KeypadDigitsAndOtherKeysAreIgnored)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1});
    FrmOperativo &f = b.apri();
    b.premi(Qt::Key_Return);
    b.premi(Qt::Key_2, Qt::KeypadModifier);
    b.premi(Qt::Key_Tab);
    b.premi(Qt::Key_Right);
    b.premi(Qt::Key_A);
    EXPECT_EQ(b.tastoConFuoco(), aggiungi);
    EXPECT_EQ(b.stato.ElementiD, 1);
    EXPECT_TRUE(f.LblEsito()->text().isEmpty());
}

// Where Space goes in each keypad state is the Tastierino's rule; here, that the form hands the
// rules the state the verdict left.
TEST(TastiDelTastierino, SpaceFollowsTheKeypadStateTheVerdictLeft)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1});
    FrmOperativo &f = b.apri();
    b.premi(Qt::Key_Return);
    b.premi(Qt::Key_3);
    b.premi(Qt::Key_Return);
    for (int atteso : {esci, avanti, esci}) {
        b.premi(Qt::Key_Space);
        EXPECT_EQ(b.tastoConFuoco(), atteso);
    }
    EXPECT_EQ(f.LblOperazione()->text(), QStringLiteral("1"));
}

TEST(TastiDelTastierino, HeldSpaceMovesTheFocusOnce)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1});
    b.apri();
    b.tieni(Qt::Key_Space, 5);
    EXPECT_EQ(b.tastoConFuoco(), togli);
}

TEST(TastiDelTastierino, TheFocusedButtonShowsItsColour)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1});
    FrmOperativo &f = b.apri();
    b.premi(Qt::Key_Space);
    EXPECT_EQ(coloreDi(f.Option1(togli)), QColor(255, 128, 255));
    EXPECT_EQ(coloreDi(f.Option1(aggiungi)), QColor(255, 192, 255));
}

// ---- Leaving ----

TEST(Uscita, ExitClosesTheFormAndKeepsTheCounts)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1});
    FrmOperativo &f = b.apri();
    b.clic(f.Option1(aggiungi));
    b.clic(f.Option1(verifica));
    b.clic(f.Option1(esci));
    EXPECT_FALSE(f.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(b.form.isNull());
    EXPECT_EQ(b.stato.RisposteEsatte, 1);
}

TEST(Uscita, TheWindowsCloseControlWorksWhileEditing)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1, 2});
    FrmOperativo &f = b.apri();
    b.clic(f.Option1(aggiungi));
    b.clic(f.Option1(verifica));
    ASSERT_EQ(b.stato.RisposteErrate, 1);
    EXPECT_TRUE(f.close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(b.form.isNull());
    EXPECT_EQ(b.stato.RisposteErrate, 1);
}

} // namespace
