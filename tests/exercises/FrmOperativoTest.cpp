#include "BancoOperativo.h"
#include "comune/ScalaturaModulo.h"
#include "comune/Galleria.h"
#include "comune/TipoEsercizio.h"
#include "support/Righe.h"

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
constexpr int no = 1; // on the help panel

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

// The second set as the exercise starts, and again after the child refuses help.
struct CasoInizio
{
    const char *nome;
    TipoEsercizio tipo;
    std::vector<int> caselle;
    int m;
    int elementiDAttesi;
    int pressioniAggiungi; // then the wrong verdict that offers help
    int pressioniTogli;
};

using righe::PrintTo;

using InizioEsercizio = ::testing::TestWithParam<CasoInizio>;

TEST_P(InizioEsercizio, ShowsTheSetsAndRefusingHelpShowsTheStartAgain)
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

    const std::vector<int> allInizio = b.caselleConFigura(true);
    for (int i = 0; i < c.pressioniAggiungi; ++i)
        b.clic(f.Option1(aggiungi));
    for (int i = 0; i < c.pressioniTogli; ++i)
        b.clic(f.Option1(togli));
    b.clic(f.Option1(verifica));
    ASSERT_EQ(f.LblEsito()->text(), QStringLiteral("E r r a t o"));
    b.prova.orologio.secondi += 40;
    b.clic(f.Option3(no));
    EXPECT_EQ(b.caselleConFigura(true), allInizio);
    EXPECT_EQ(b.stato.ElementiD, c.elementiDAttesi);
    EXPECT_TRUE(b.invarianteSecondoInsieme());
    EXPECT_FLOAT_EQ(b.stato.InizioTempo, static_cast<float>(b.prova.orologio.secondi));
    EXPECT_TRUE(f.LblEsito()->text().isEmpty());
    EXPECT_EQ(b.pannelloDavanti(), f.fraTastierino());
    EXPECT_EQ(b.tastoConFuoco(), aggiungi);
    EXPECT_FALSE(f.Option1(verifica)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Tipi, InizioEsercizio,
    ::testing::Values(
        CasoInizio{"EmptySecondSet_EightElements", InsiemeVuoto, {3, 14, 1, 8, 15, 6, 11, 2}, 0, 0, 5, 0},
        CasoInizio{"SmallerSecondSetAfterAdding", Suvvalente, {1, 5, 9, 10}, 2, 2, 4, 0},
        CasoInizio{"SmallerSecondSetAfterRemoving", Suvvalente, {1, 5, 9, 10}, 3, 3, 0, 2},
        CasoInizio{"LargerSecondSetAfterRemoving", Prevalente, {4, 8}, 7, 7, 0, 6},
        CasoInizio{"LargerSecondSetAfterAdding", Prevalente, {7, 4, 12}, 9, 9, 2, 0},
        CasoInizio{"LargerSecondSetOfTen", Prevalente, {1, 2, 3, 4, 5, 6, 7, 8}, 10, 10, 0, 1}),
    righe::perNome);

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

// ---- What a run of button clicks leaves ----

constexpr int chiudi = -1; // the window's close control rather than a keypad button

struct CasoPulsanti
{
    const char *nome;
    TipoEsercizio tipo;
    std::vector<int> caselle;
    int m;
    std::vector<int> pulsanti; // clicked in order; the second set is checked after each
    int elementiD;
    std::vector<bool> abilitati; // empty once the form has closed
    const char *esito;
    const char *operazione;
    int esatte;
    int errate;
    int fuoco = -2; // the button with the focus at the end, when the row is about it
};

std::vector<int> volte(int n, int pulsante)
{
    return std::vector<int>(static_cast<std::size_t>(n), pulsante);
}

std::vector<int> poi(std::vector<int> a, const std::vector<int> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

using SequenzaPulsanti = ::testing::TestWithParam<CasoPulsanti>;

TEST_P(SequenzaPulsanti, LeavesTheSetsTheButtonsAndTheCounts)
{
    const CasoPulsanti &c = GetParam();
    BancoOperativo b(c.tipo);
    b.accodaEsercizio(4, c.caselle, c.m);
    FrmOperativo &f = b.apri();
    for (int pulsante : c.pulsanti) {
        if (pulsante == chiudi) {
            EXPECT_TRUE(f.close());
            break;
        }
        b.clic(f.Option1(pulsante));
        if (!f.isVisible())
            break;
        ASSERT_TRUE(b.invarianteSecondoInsieme()) << "after button " << pulsante;
    }
    EXPECT_EQ(b.stato.ElementiD, c.elementiD);
    EXPECT_EQ(b.stato.RisposteEsatte, c.esatte);
    EXPECT_EQ(b.stato.RisposteErrate, c.errate);
    if (c.abilitati.empty()) {
        EXPECT_FALSE(f.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(b.form.isNull()) << "the form is gone and the counts stay";
        return;
    }
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(abilitati(f), c.abilitati);
    EXPECT_EQ(f.LblEsito()->text(), QString::fromUtf8(c.esito));
    EXPECT_EQ(f.LblOperazione()->text(), QString::fromUtf8(c.operazione));
    auto conta = [](int n) { return n ? QString::number(n) : QString(); };
    EXPECT_EQ(f.lblRisEsatte()->text(), conta(c.esatte));
    EXPECT_EQ(f.lblRisErrate()->text(), conta(c.errate));
    if (c.fuoco != -2) {
        EXPECT_EQ(b.tastoConFuoco(), c.fuoco);
    }
}

const std::vector<bool> modifica{true, true, false, false, false};
const std::vector<bool> daVerificare{true, true, true, false, false};
const std::vector<bool> dopoEsatta{false, false, false, true, true};
const std::vector<bool> chiuso{};
const char *const esatto = "E s a t t o";

INSTANTIATE_TEST_SUITE_P(
    Clic, SequenzaPulsanti,
    ::testing::Values(
        CasoPulsanti{"TheDisplayFollowsEveryStep", Suvvalente, {1, 6, 11, 12, 13}, 3,
                     {aggiungi, togli, togli, togli, togli, aggiungi, aggiungi, togli, aggiungi}, 2,
                     daVerificare, "", "1", 0, 0},
        CasoPulsanti{"RemovingFromAnEmptySetLeavesItEmpty", InsiemeVuoto, {1, 2}, 0, {togli}, 0, modifica,
                     "", "1", 0, 0},
        CasoPulsanti{"AddingEnablesCheck", InsiemeVuoto, {1, 2}, 0, {togli, aggiungi}, 1, daVerificare, "",
                     "1", 0, 0},
        CasoPulsanti{"EmptiedAgainDisablesCheck", InsiemeVuoto, {1, 2}, 0, {togli, aggiungi, togli}, 0,
                     modifica, "", "1", 0, 0},
        CasoPulsanti{"TheSecondSetStopsAtTen", InsiemeVuoto, {1, 2, 3, 4, 5, 6, 7, 8}, 0, volte(13, aggiungi),
                     10, daVerificare, "", "1", 0, 0},
        CasoPulsanti{"TwoRemovalsFromTenMatchEight", InsiemeVuoto, {1, 2, 3, 4, 5, 6, 7, 8}, 0,
                     poi(volte(13, aggiungi), {togli, togli, verifica}), 8, dopoEsatta, esatto, "1", 1, 0},
        CasoPulsanti{"ALargerSecondSetBroughtDownEnablesCheck", Prevalente, {2, 9, 14}, 8, volte(5, togli), 3,
                     daVerificare, "", "1", 0, 0},
        CasoPulsanti{"ALargerSecondSetBroughtDownToSizeIsRight", Prevalente, {2, 9, 14}, 8,
                     poi(volte(5, togli), {verifica}), 3, dopoEsatta, esatto, "1", 1, 0, avanti},
        CasoPulsanti{"ADisabledButtonDoesNotAct", InsiemeVuoto, {1, 2}, 0, {verifica, avanti, esci}, 0,
                     modifica, "", "1", 0, 0},
        CasoPulsanti{"AfterARightVerdictByMouseTheNextButtonActsAtOnce", InsiemeVuoto, {1}, 0,
                     {aggiungi, verifica, avanti}, 0, modifica, "", "2", 1, 0},
        CasoPulsanti{"ExitClosesTheFormAndKeepsTheCounts", InsiemeVuoto, {1}, 0, {aggiungi, verifica, esci}, 1,
                     chiuso, "", "", 1, 0},
        CasoPulsanti{"TheWindowsCloseControlWorksWhileEditing", InsiemeVuoto, {1, 2}, 0,
                     {aggiungi, verifica, chiudi}, 1, chiuso, "", "", 0, 1}),
    righe::perNome);

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

// ---- Keys that move the focus ----

// Which button each digit reaches in each keypad state is the Tastierino's rule; here, that a
// digit moves the focus the rules name without acting and that Enter acts where the focus is.
TEST(TastiDelTastierino, ADigitMovesTheFocusAndNeverActs)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1});
    FrmOperativo &f = b.apri();
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

// The codes the keypad swallows are the Tastierino's rows; here, that the keys Qt would move the
// focus with stay swallowed on the form.
TEST(TastiDelTastierino, FocusKeysOfTheToolkitAreIgnored)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(4, {1});
    FrmOperativo &f = b.apri();
    b.premi(Qt::Key_Return);
    b.premi(Qt::Key_Tab);
    b.premi(Qt::Key_Right);
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

} // namespace
