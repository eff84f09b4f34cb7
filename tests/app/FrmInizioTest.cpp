#include "app/FrmAutore.h"
#include "app/FrmInizio.h"
#include "comune/ScalaturaModulo.h"
#include "exercises/FrmOperativo.h"
#include "platform/Twips.h"
#include "support/ContestoDiProva.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "support/Righe.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

const QColor coloreFuoco(255, 128, 255);
const QColor coloreNormale(255, 192, 255);

// Every window still open is closed and deleted, so each test starts from nothing.
void chiudiTutto()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every table row carries a readable name, used for printing and for the case name.
using righe::PrintTo;

template<class T>
int quanti()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<T *>(w))
            ++n;
    return n;
}

class FrmInizioProva : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<FrmInizio>(*contesto, *contesto.dialogo);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void TearDown() override { chiudiTutto(); }

    void attiva()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void clientInPixel(QSize dimensione)
    {
        form->resize(form->size() + (dimensione - form->client()->size()));
        ASSERT_EQ(form->client()->size(), dimensione);
    }

    // Sizes the window so that its outer width, frame included, is this many twips.
    void larghezzaEsterna(double twipsEsterni)
    {
        const int cornice = form->frameGeometry().width() - form->width();
        form->resize(twips.inPixelInteri(twipsEsterni) - cornice, form->height());
        ASSERT_DOUBLE_EQ(twips.daPixel(form->frameGeometry().width()), twipsEsterni);
    }

    void premi(int indice, Qt::Key tasto, const QString &testo, bool ripetuto = false,
               Qt::KeyboardModifiers modificatori = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyPress, tasto, modificatori, testo, ripetuto);
        QApplication::sendEvent(form->Option1(indice), &e);
    }

    void rilascia(int indice, Qt::Key tasto, const QString &testo, bool ripetuto = false,
                  Qt::KeyboardModifiers modificatori = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyRelease, tasto, modificatori, testo, ripetuto);
        QApplication::sendEvent(form->Option1(indice), &e);
    }

    int indiceConFuoco() const
    {
        for (int i = 0; i < PulsantiModo::numeroPulsanti; ++i)
            if (form->focusWidget() == form->Option1(i))
                return i;
        return -1;
    }

    QColor coloreDi(int indice) const
    {
        const QImage immagine = form->Option1(indice)->grab().toImage();
        // Just inside the border, above the caption.
        return immagine.pixelColor(immagine.width() / 2, 4);
    }

    QRect progettoInPixel(double l, double t, double w, double h) const
    {
        return twips.rettangoloInPixel(QRectF(l, t, w, h));
    }

    ContestoDiProva contesto;
    std::unique_ptr<FrmInizio> form;
    Twips twips = Twips::schermo();
};

} // namespace

// --- Design and scaling -------------------------------------------------------------------

TEST_F(FrmInizioProva, LoadSetsCaptionVersionAndNotice)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("BRISUOLA"));
    EXPECT_EQ(form->lblVersione()->text(), QStringLiteral("Vers. 1.0.0"));
    EXPECT_EQ(form->Label2()->text(), QStringLiteral("SOLO    MOUSE    PER UN CORRETTO FUNZIONAMENTO"));
    EXPECT_TRUE(form->Label2()->isVisible());
    EXPECT_EQ(form->Option1(0)->text(), QStringLiteral("da: INSIEME VUOTO ( O )") + QString(14, u' '));
    EXPECT_EQ(form->Option1(2)->text(), QStringLiteral("da: INSIEMI PIU' POTENTE (-)") + QString(5, u' '));
}

namespace {
// The first and last columns inside `zona` of a rendered widget that hold a pixel close to this
// colour; {-1, -1} if there is none.
std::pair<int, int> colonneInchiostro(QWidget *w, const QColor &colore, const QRect &zona)
{
    const QImage img = w->grab().toImage();
    const int dpr = qRound(img.devicePixelRatio());
    int prima = -1;
    int ultima = -1;
    for (int x = zona.left() * dpr; x <= zona.right() * dpr; ++x)
        for (int y = zona.top() * dpr; y <= zona.bottom() * dpr; ++y) {
            const QColor c = img.pixelColor(x, y);
            if (std::abs(c.red() - colore.red()) + std::abs(c.green() - colore.green())
                    + std::abs(c.blue() - colore.blue()) < 90) {
                if (prima < 0)
                    prima = x / dpr;
                ultima = x / dpr;
                break;
            }
        }
    return {prima, ultima};
}

struct CasoEtichetta
{
    std::string nome;
    QLabel *(FrmInizio::*etichetta)() const;
    bool centrata;
};

class Allineamento : public FrmInizioProva, public ::testing::WithParamInterface<CasoEtichetta>
{
};
} // namespace

// The notice starts at the left edge of its box; the title, credit line and version are centred.
TEST_P(Allineamento, TextStandsWhereDesigned)
{
    clientInPixel(form->scalatura().dimensioneProgettoPixel());
    QLabel *l = (form.get()->*GetParam().etichetta)();
    const auto [prima, ultima] =
        colonneInchiostro(l, l->palette().color(QPalette::WindowText), l->rect());
    ASSERT_GE(prima, 0) << "no text drawn";
    const int margineSinistro = prima;
    const int margineDestro = l->width() - 1 - ultima;
    if (GetParam().centrata) {
        EXPECT_NEAR(margineSinistro, margineDestro, 3);
    } else {
        EXPECT_LE(margineSinistro, 3);
        EXPECT_GT(margineDestro, 40);
    }
}

INSTANTIATE_TEST_SUITE_P(FrmInizio, Allineamento,
                         ::testing::Values(CasoEtichetta{"Label2Left", &FrmInizio::Label2, false},
                                           CasoEtichetta{"Label4Centred", &FrmInizio::Label4, true},
                                           CasoEtichetta{"Label5Centred", &FrmInizio::Label5, true},
                                           CasoEtichetta{"lblVersioneCentred", &FrmInizio::lblVersione, true}),
                         righe::perNome);

// The trailing blanks of the first and third captions shift their centred text to the left, so
// that the three captions start in the same column.
TEST_F(FrmInizioProva, ModeCaptionsStartInOneColumn)
{
    clientInPixel(form->scalatura().dimensioneProgettoPixel());
    std::vector<int> inizi;
    for (int i = 0; i < 3; ++i) {
        QWidget *b = form->Option1(i);
        // Inside the border and the focus frame, across the middle of the caption.
        const QRect zona = b->rect().adjusted(5, b->height() / 2 - 3, -6, -(b->height() / 2 - 3));
        const int x = colonneInchiostro(b, Qt::black, zona).first;
        ASSERT_GE(x, 0) << "no caption on button " << i;
        inizi.push_back(x + b->x());
    }
    const auto [minimo, massimo] = std::minmax_element(inizi.begin(), inizi.end());
    EXPECT_LE(*massimo - *minimo, 12) << inizi[0] << " " << inizi[1] << " " << inizi[2];
}

TEST_F(FrmInizioProva, DesignClientSizeLeavesControlsAtTheirDesignPlace)
{
    clientInPixel(form->scalatura().dimensioneProgettoPixel());
    EXPECT_EQ(form->Frame1()->geometry(), progettoInPixel(5745, 2505, 5805, 4095));
    EXPECT_EQ(form->Option1(1)->geometry(), progettoInPixel(615, 1110, 5130, 795));
    EXPECT_EQ(form->Label5()->geometry(), progettoInPixel(15, 7425, 12030, 465));
    EXPECT_EQ(form->Image1()->geometry(), progettoInPixel(120, 2610, 5400, 3495));
}

TEST_F(FrmInizioProva, Frame1AtFifteenThousandByTenThousandTwips)
{
    // Frame1's entry: the one whose ratios are its design place over the design client.
    const auto &tabella = form->scalatura().proporzioni().tabella();
    const auto voce = std::find_if(tabella.begin(), tabella.end(), [](const ProporzioniControllo &c) {
        return c.Sinistra == static_cast<float>(5745.0 / 11910) && c.Alto == static_cast<float>(2505.0 / 8280)
            && c.Larghezza == static_cast<float>(5805.0 / 11910);
    });
    ASSERT_NE(voce, tabella.end());
    const auto i = static_cast<std::size_t>(voce - tabella.begin());
    const auto p = form->scalatura().proporzioni().posizione(i, 15000, 10000);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->sinistra, 7235.516, 1e-3);
    EXPECT_NEAR(p->alto, 3025.3623, 1e-3);
    EXPECT_NEAR(p->larghezza, 7311.083, 1e-3);
    EXPECT_NEAR(p->altezza, 4945.652, 1e-3);

    // On screen the same place, rounded to the pixel grid of the client actually given.
    const QSize client(twips.inPixelInteri(15000), twips.inPixelInteri(10000));
    clientInPixel(client);
    const auto q = form->scalatura().proporzioni().posizione(i, twips.daPixel(client.width()),
                                                             twips.daPixel(client.height()));
    ASSERT_TRUE(q);
    EXPECT_EQ(form->Frame1()->geometry(),
              twips.rettangoloInPixel(QRectF(q->sinistra, q->alto, q->larghezza, q->altezza)));
}

TEST_F(FrmInizioProva, ButtonInsideFrameKeepsItsRelativePlace)
{
    clientInPixel(QSize(1500, 700));
    const QRect frame = form->Frame1()->geometry();
    const QRect pulsante = form->Option1(3)->geometry();
    EXPECT_NEAR(double(pulsante.x()) / frame.width(), 615.0 / 5805, 2.0 / frame.width());
    EXPECT_NEAR(double(pulsante.y()) / frame.height(), 3000.0 / 4095, 2.0 / frame.height());
    EXPECT_NEAR(double(pulsante.width()) / frame.width(), 5115.0 / 5805, 2.0 / frame.width());
}

TEST_F(FrmInizioProva, ManyResizesNeverDrift)
{
    const QSize progetto = form->scalatura().dimensioneProgettoPixel();
    clientInPixel(progetto);
    const std::vector<QWidget *> controlli = {form->frmTitolo(), form->Label4(), form->Frame1(),
                                              form->Option1(0), form->Option1(3), form->Label2(),
                                              form->Image1(), form->Label5(), form->lblVersione()};
    std::vector<QRect> prima;
    for (QWidget *c : controlli)
        prima.push_back(c->geometry());

    for (int i = 0; i < 60; ++i)
        clientInPixel(QSize(300 + 37 * i, 200 + 23 * (i % 17)));
    clientInPixel(progetto);

    for (std::size_t i = 0; i < controlli.size(); ++i)
        EXPECT_EQ(controlli[i]->geometry(), prima[i]) << "control " << i;
}

TEST_F(FrmInizioProva, FontsAreNotScaled)
{
    const double pulsante = form->Option1(0)->font().pointSizeF();
    const double titolo = form->Label4()->font().pointSizeF();
    clientInPixel(QSize(1600, 1000));
    clientInPixel(QSize(400, 300));
    EXPECT_DOUBLE_EQ(form->Option1(0)->font().pointSizeF(), pulsante);
    EXPECT_DOUBLE_EQ(form->Label4()->font().pointSizeF(), titolo);
    EXPECT_DOUBLE_EQ(pulsante, 15.75);
}

// The timer, the menu and its four entries each have an entry, and it is empty.
TEST_F(FrmInizioProva, TimerAndMenuItemsHaveEmptyEntries)
{
    const auto &tabella = form->scalatura().proporzioni().tabella();
    const auto vuote = std::count_if(tabella.begin(), tabella.end(), [](const ProporzioniControllo &p) {
        return p.Larghezza == 0.0F && p.Altezza == 0.0F && p.Alto == 0.0F && p.Sinistra == 0.0F;
    });
    EXPECT_EQ(vuote, 6);
}

namespace {
struct CasoZero
{
    std::string nome;
    QSize client;
};

class ClientVuoto : public FrmInizioProva, public ::testing::WithParamInterface<CasoZero>
{
};
} // namespace

TEST_P(ClientVuoto, ZeroClientCollapsesControlsAndTheNextPassRestoresThem)
{
    const QSize progetto = form->scalatura().dimensioneProgettoPixel();
    clientInPixel(progetto);
    const QRect frame = form->Frame1()->geometry();
    const QRect pulsante = form->Option1(2)->geometry();

    form->client()->resize(GetParam().client);
    if (GetParam().client.width() == 0) {
        EXPECT_EQ(form->Frame1()->width(), 0);
    }
    if (GetParam().client.height() == 0) {
        EXPECT_EQ(form->Option1(2)->height(), 0);
    }

    form->client()->resize(progetto);
    EXPECT_EQ(form->Frame1()->geometry(), frame);
    EXPECT_EQ(form->Option1(2)->geometry(), pulsante);
}

INSTANTIATE_TEST_SUITE_P(FrmInizio, ClientVuoto,
                         ::testing::Values(CasoZero{"ZeroByZero", QSize(0, 0)},
                                           CasoZero{"ZeroWidth", QSize(0, 552)},
                                           CasoZero{"ZeroHeight", QSize(794, 0)}),
                         righe::perNome);

// --- Curtain --------------------------------------------------------------------------------

TEST_F(FrmInizioProva, EveryResizeClosesTheCurtainOverTheWholeClient)
{
    clientInPixel(QSize(900, 600));
    const double meta = twips.daPixel(form->frameGeometry().width()) / 2;
    EXPECT_TRUE(form->timerTendine()->isActive());
    EXPECT_EQ(form->Picture1()->geometry(), QRect(0, 0, twips.inPixelInteri(meta), 600));
    EXPECT_EQ(form->Picture2()->geometry(),
              QRect(900 - twips.inPixelInteri(meta), 0, twips.inPixelInteri(meta), 600));
    // Closed, the panels lie over everything, the frames included.
    const QPoint centroPulsante = form->Option1(0)->mapTo(form->client(), form->Option1(0)->rect().center());
    QWidget *visto = form->client()->childAt(centroPulsante);
    EXPECT_TRUE(visto == form->Picture1() || visto == form->Picture2());
}

TEST_F(FrmInizioProva, ResizingWhileOpeningStartsAgainFromClosed)
{
    clientInPixel(QSize(900, 600));
    for (int i = 0; i < 20; ++i)
        form->timerTendine_Timer();
    ASSERT_LT(form->tendine().larghezzaSinistra(), twips.daPixel(form->frameGeometry().width()) / 2);
    clientInPixel(QSize(700, 500));
    EXPECT_DOUBLE_EQ(form->tendine().larghezzaSinistra(), twips.daPixel(form->frameGeometry().width()) / 2);
    EXPECT_DOUBLE_EQ(form->tendine().larghezzaDestra(), twips.daPixel(form->frameGeometry().width()) / 2);
    EXPECT_TRUE(form->timerTendine()->isActive());
}

TEST_F(FrmInizioProva, OuterWidth12000OpensFullyAndStops)
{
    larghezzaEsterna(12000);
    EXPECT_EQ(form->Picture1()->width(), twips.inPixelInteri(6000));
    for (int i = 0; i < 80; ++i) {
        ASSERT_TRUE(form->timerTendine()->isActive()) << "tick " << i;
        form->timerTendine_Timer();
    }
    EXPECT_EQ(form->Picture1()->width(), 0);
    EXPECT_EQ(form->Picture2()->width(), 0);
    EXPECT_FALSE(form->timerTendine()->isActive());
    const QPoint centroPulsante = form->Option1(0)->mapTo(form->client(), form->Option1(0)->rect().center());
    EXPECT_EQ(form->client()->childAt(centroPulsante), form->Option1(0));
}

namespace {
struct CasoLarghezza
{
    std::string nome;
    double esternaTwips;
    int passi; // the tick on which the curtain has opened
};

class TendinaAperta : public FrmInizioProva, public ::testing::WithParamInterface<CasoLarghezza>
{
};
} // namespace

// Half widths that are not a whole number of steps: the last step would go below zero.
TEST_P(TendinaAperta, OpensFullyAndStops)
{
    larghezzaEsterna(GetParam().esternaTwips);
    for (int i = 1; i < GetParam().passi; ++i)
        form->timerTendine_Timer();
    ASSERT_TRUE(form->timerTendine()->isActive());
    ASSERT_GT(form->Picture1()->width(), 0);
    form->timerTendine_Timer();
    EXPECT_FALSE(form->timerTendine()->isActive());
    EXPECT_EQ(form->Picture1()->width(), 0);
    EXPECT_EQ(form->Picture2()->width(), 0);
    for (int x : {0, form->client()->width() - 1})
        EXPECT_EQ(form->client()->childAt(x, form->client()->height() / 2), nullptr) << "column " << x;
}

INSTANTIATE_TEST_SUITE_P(FrmInizio, TendinaAperta,
                         ::testing::Values(CasoLarghezza{"Outer12030Twips", 12030, 81},
                                           CasoLarghezza{"Outer1366Pixels", 1366 * 15.0, 137}),
                         righe::perNome);

TEST_F(FrmInizioProva, MinimisingAndRestoringReplayTheCurtain)
{
    while (form->timerTendine()->isActive())
        form->timerTendine_Timer();
    const double meta = twips.daPixel(form->frameGeometry().width()) / 2;
    const Qt::WindowStates prima = form->windowState();
    for (const bool minimizza : {true, false}) {
        form->setWindowState(minimizza ? prima | Qt::WindowMinimized : prima);
        EXPECT_TRUE(form->timerTendine()->isActive()) << (minimizza ? "minimised" : "restored");
        EXPECT_DOUBLE_EQ(form->tendine().larghezzaSinistra(), meta);
        EXPECT_DOUBLE_EQ(form->tendine().larghezzaDestra(), meta);
        EXPECT_EQ(form->Picture1()->width(), twips.inPixelInteri(meta));
        while (form->timerTendine()->isActive())
            form->timerTendine_Timer();
    }
}

// --- Mode buttons: keys, mouse, focus ---------------------------------------------------------

namespace {
struct CasoTasto
{
    std::string nome;
    int da;
    Qt::Key tasto;
    QString testo;
    Qt::KeyboardModifiers modificatori;
    int fuocoAtteso;
};

class TastiPulsanti : public FrmInizioProva, public ::testing::WithParamInterface<CasoTasto>
{
};
} // namespace

TEST_P(TastiPulsanti, KeyMovesFocusOrIsSwallowed)
{
    const CasoTasto &caso = GetParam();
    attiva();
    form->Option1(caso.da)->setFocus();
    premi(caso.da, caso.tasto, caso.testo, false, caso.modificatori);
    rilascia(indiceConFuoco(), caso.tasto, caso.testo, false, caso.modificatori);
    EXPECT_EQ(indiceConFuoco(), caso.fuocoAtteso);
    EXPECT_EQ(form->operativo(), nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->pulsantiModo().tastoGiu());
}

INSTANTIATE_TEST_SUITE_P(
    FrmInizio, TastiPulsanti,
    ::testing::Values(
        CasoTasto{"Digit2", 0, Qt::Key_2, "2", Qt::NoModifier, 1},
        CasoTasto{"Keypad1", 3, Qt::Key_1, "1", Qt::KeypadModifier, 0},
        CasoTasto{"Digit4DoesNothing", 1, Qt::Key_4, "4", Qt::NoModifier, 1},
        CasoTasto{"SpaceThirdToFirst", 2, Qt::Key_Space, " ", Qt::NoModifier, 0},
        CasoTasto{"SpaceExitToFirst", 3, Qt::Key_Space, " ", Qt::NoModifier, 0},
        CasoTasto{"LetterSwallowed", 1, Qt::Key_A, "a", Qt::NoModifier, 1},
        CasoTasto{"ArrowDownSwallowed", 1, Qt::Key_Down, "", Qt::KeypadModifier, 1},
        CasoTasto{"TabStays", 0, Qt::Key_Tab, "\t", Qt::NoModifier, 0}),
    righe::perNome);

TEST_F(FrmInizioProva, HeldSpaceMovesTheFocusOnce)
{
    attiva();
    premi(0, Qt::Key_Space, " ");
    ASSERT_EQ(indiceConFuoco(), 1);
    for (int i = 0; i < 5; ++i) {
        rilascia(1, Qt::Key_Space, " ", true);
        premi(1, Qt::Key_Space, " ", true);
    }
    EXPECT_EQ(indiceConFuoco(), 1);
    rilascia(1, Qt::Key_Space, " ");
    premi(1, Qt::Key_Space, " ");
    EXPECT_EQ(indiceConFuoco(), 2);
}

TEST_F(FrmInizioProva, EnterOnSecondButtonOpensTheAddExercise)
{
    premi(1, Qt::Key_Return, "\r");
    ASSERT_NE(form->operativo(), nullptr);
    EXPECT_TRUE(form->operativo()->isVisible());
    EXPECT_EQ(contesto.esercizio.TipoEsercizio, TipoEsercizio::Suvvalente);
    EXPECT_EQ(form->operativo()->Label2()->text(),
              QStringLiteral("Secondo  insieme suvvalente - Devi aggiungere elementi"));
    EXPECT_TRUE(form->isVisible()) << "the start screen stays behind the exercise";
}

TEST_F(FrmInizioProva, AfterEnterTheFirstKeyOnReturnIsIgnoredAndItsReleaseClearsTheLatch)
{
    attiva();
    form->Option1(1)->setFocus();
    premi(1, Qt::Key_Return, "\r"); // the release goes to the exercise form
    ASSERT_NE(form->operativo(), nullptr);
    attiva();
    premi(1, Qt::Key_3, "3");
    EXPECT_EQ(indiceConFuoco(), 1);
    rilascia(1, Qt::Key_3, "3");
    premi(1, Qt::Key_3, "3");
    EXPECT_EQ(indiceConFuoco(), 2);
}

TEST_F(FrmInizioProva, MousePressActsDespiteTheLatchAndItsReleaseClearsIt)
{
    premi(0, Qt::Key_4, "4"); // accepted, latched, never released here
    QTest::mousePress(form->Option1(2), Qt::LeftButton);
    ASSERT_NE(form->operativo(), nullptr);
    EXPECT_EQ(contesto.esercizio.TipoEsercizio, TipoEsercizio::Prevalente);
    QTest::mouseRelease(form->Option1(2), Qt::LeftButton);
    EXPECT_FALSE(form->pulsantiModo().tastoGiu());
    EXPECT_FALSE(form->Option1(2)->isDown());
}

TEST_F(FrmInizioProva, FocusColourFollowsTheFocusedButton)
{
    attiva();
    EXPECT_EQ(coloreDi(0), coloreFuoco);
    EXPECT_EQ(coloreDi(1), coloreNormale);
    premi(0, Qt::Key_3, "3");
    rilascia(2, Qt::Key_3, "3");
    EXPECT_EQ(coloreDi(2), coloreFuoco);
    EXPECT_EQ(coloreDi(0), coloreNormale);

    // Another window taking over leaves the button this form's focus, in its colour.
    QWidget altra;
    altra.show();
    altra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&altra));
    EXPECT_EQ(coloreDi(2), coloreFuoco);
}

// --- Exercise form ------------------------------------------------------------------------------

namespace {
struct CasoModo
{
    std::string nome;
    int tipo;
    QString istruzione;
};

class ModiEsercizio : public FrmInizioProva, public ::testing::WithParamInterface<CasoModo>
{
};
} // namespace

TEST_P(ModiEsercizio, MousePressOpensTheExerciseWithItsInstruction)
{
    QTest::mousePress(form->Option1(GetParam().tipo), Qt::LeftButton);
    QTest::mouseRelease(form->Option1(GetParam().tipo), Qt::LeftButton);
    ASSERT_NE(form->operativo(), nullptr);
    EXPECT_EQ(contesto.esercizio.TipoEsercizio, static_cast<TipoEsercizio>(GetParam().tipo));
    EXPECT_EQ(form->operativo()->Label2()->text(), GetParam().istruzione);
}

TEST_P(ModiEsercizio, ChoosingAModeWhileTheExerciseIsOpenDoesNotReloadIt)
{
    const int altro = (GetParam().tipo + 1) % 3;
    form->ContinuaKeyDown1(altro);
    QPointer<FrmOperativo> aperto = form->operativo();
    ASSERT_NE(aperto, nullptr);

    form->ContinuaKeyDown1(GetParam().tipo);
    EXPECT_EQ(form->operativo(), aperto.data());
    EXPECT_EQ(quanti<FrmOperativo>(), 1);
    EXPECT_EQ(contesto.esercizio.TipoEsercizio, static_cast<TipoEsercizio>(GetParam().tipo));
    EXPECT_EQ(aperto->Label2()->text(), GetParam().istruzione);
}

INSTANTIATE_TEST_SUITE_P(
    FrmInizio, ModiEsercizio,
    ::testing::Values(
        CasoModo{"Empty", 0, QStringLiteral("Secondo  insieme vuoto - Devi inserire elementi")},
        CasoModo{"Add", 1, QStringLiteral("Secondo  insieme suvvalente - Devi aggiungere elementi")},
        CasoModo{"Remove", 2, QStringLiteral("Secondo  insieme prevalente - Devi togliere elementi")}),
    righe::perNome);

// --- Worksheets menu ------------------------------------------------------------------------------

namespace {
struct CasoScheda
{
    std::string nome;
    std::function<QAction *(FrmInizio &)> voce;
    std::function<QWidget *(FrmInizio &)> aperta;
};

class MenuSchede : public FrmInizioProva, public ::testing::WithParamInterface<CasoScheda>
{
};
} // namespace

TEST_P(MenuSchede, OpensOnceAndComesForwardWhenChosenAgain)
{
    GetParam().voce(*form)->trigger();
    QPointer<QWidget> scheda = GetParam().aperta(*form);
    ASSERT_NE(scheda, nullptr);
    EXPECT_TRUE(scheda->isVisible());
    scheda->setWindowState(Qt::WindowMinimized);

    GetParam().voce(*form)->trigger();
    EXPECT_EQ(GetParam().aperta(*form), scheda.data());
    EXPECT_FALSE(scheda->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(scheda.data()));
}

TEST_P(MenuSchede, WorksheetAskingForTheStartScreenBringsItForward)
{
    GetParam().voce(*form)->trigger();
    QWidget *scheda = GetParam().aperta(*form);
    ASSERT_NE(scheda, nullptr);
    scheda->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(scheda));
    if (auto *s = qobject_cast<FrmStampaSchede *>(scheda))
        Q_EMIT s->tornaInizio();
    else
        Q_EMIT qobject_cast<FrmStampaSchedeElementi *>(scheda)->tornaInizio();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

INSTANTIATE_TEST_SUITE_P(
    FrmInizio, MenuSchede,
    ::testing::Values(
        CasoScheda{"EmptySet", [](FrmInizio &f) { return f.MnuVuoto(); },
                   [](FrmInizio &f) -> QWidget * { return f.schedaVuoto(); }},
        CasoScheda{"AddElements", [](FrmInizio &f) { return f.mnuAggiungi(); },
                   [](FrmInizio &f) -> QWidget * { return f.schedaAggiungi(); }},
        CasoScheda{"RemoveElements", [](FrmInizio &f) { return f.mnuTogli(); },
                   [](FrmInizio &f) -> QWidget * { return f.schedaTogli(); }}),
    righe::perNome);

// --- Ending the program -------------------------------------------------------------------------------

namespace {

// Stands for a worksheet's own closing step, which asks for the start screen again.
class ChiedeInizioAllaChiusura : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Close) {
            if (auto *s = qobject_cast<FrmStampaSchede *>(oggetto))
                Q_EMIT s->tornaInizio();
            if (auto *s = qobject_cast<FrmStampaSchedeElementi *>(oggetto))
                Q_EMIT s->tornaInizio();
        }
        return false;
    }
};

struct CasoFine
{
    std::string nome;
    std::function<void(FrmInizio &)> chiudi;
    bool conTipoUscita;
};

class FineProgramma : public FrmInizioProva, public ::testing::WithParamInterface<CasoFine>
{
};

} // namespace

TEST_P(FineProgramma, ClosesEveryFormAndAsksToEnd)
{
    form->ContinuaKeyDown1(1);
    form->MnuVuoto()->trigger();
    form->mnuTogli()->trigger();
    ChiedeInizioAllaChiusura chiede;
    form->schedaVuoto()->installEventFilter(&chiede);
    form->schedaTogli()->installEventFilter(&chiede);
    QSignalSpy fine(form.get(), &FrmInizio::programmaFinito);

    GetParam().chiudi(*form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(form->operativo(), nullptr);
    EXPECT_EQ(form->schedaVuoto(), nullptr);
    EXPECT_EQ(form->schedaTogli(), nullptr);
    EXPECT_EQ(quanti<FrmOperativo>(), 0);
    EXPECT_FALSE(form->isVisible()) << "the worksheets' requests must not bring it back";
    EXPECT_EQ(fine.count(), 1);
    if (GetParam().conTipoUscita) {
        EXPECT_EQ(contesto.esercizio.TipoEsercizio, TipoEsercizio::Finito);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FrmInizio, FineProgramma,
    ::testing::Values(CasoFine{"ExitButtonPressed",
                               [](FrmInizio &f) { QTest::mousePress(f.Option1(3), Qt::LeftButton); },
                               true},
                      CasoFine{"EnterOnExitButton",
                               [](FrmInizio &f) {
                                   QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
                                   QApplication::sendEvent(f.Option1(3), &e);
                               },
                               true},
                      CasoFine{"StartScreenClosed", [](FrmInizio &f) { f.close(); }, false}),
    righe::perNome);

TEST_F(FrmInizioProva, EventLoopEndsWithHiddenWindowsStillAround)
{
    // As main() wires it, but without Qt's own quit on the last window, which would hide a miss.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(form.get(), &FrmInizio::programmaFinito, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    (*contesto).galleria(); // created hidden, as the exercises do
    form->ContinuaKeyDown1(0);
    form->mnuAggiungi()->trigger();
    QTimer::singleShot(0, form.get(), [this] { form->ContinuaKeyDown1(3); });
    QTimer guardia;
    guardia.setSingleShot(true);
    QObject::connect(&guardia, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guardia.start(20000);
    const int esito = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(true);
    EXPECT_EQ(esito, 0);
}

// --- Notice line and about dialog ------------------------------------------------------------------

TEST_F(FrmInizioProva, CreditLineShowsTheNoticeOnlyWhileHeld)
{
    ASSERT_TRUE(form->Label2()->isVisible());
    QTest::mousePress(form->Label5(), Qt::LeftButton);
    EXPECT_TRUE(form->Label2()->isVisible());
    QTest::mouseRelease(form->Label5(), Qt::LeftButton);
    EXPECT_FALSE(form->Label2()->isVisible());
    QTest::mousePress(form->Label5(), Qt::LeftButton);
    EXPECT_TRUE(form->Label2()->isVisible());
    QTest::mouseRelease(form->Label5(), Qt::LeftButton);
    EXPECT_FALSE(form->Label2()->isVisible());
}

TEST_F(FrmInizioProva, AboutOpensAFreshModalDialogEachTime)
{
    int visti = 0;
    int distrutti = 0;
    const auto chiudiDialogo = [&] {
        auto *dialogo = qobject_cast<FrmAutore *>(QApplication::activeModalWidget());
        if (!dialogo)
            return;
        ++visti;
        EXPECT_TRUE(dialogo->isVisible());
        EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Autore"));
        QObject::connect(dialogo, &QObject::destroyed, qApp, [&distrutti] { ++distrutti; });
        QTest::mouseClick(dialogo->Command1(), Qt::LeftButton);
    };
    for (int volta = 1; volta <= 2; ++volta) {
        QTimer::singleShot(0, form.get(), chiudiDialogo);
        form->mnuInfo()->trigger(); // returns once the dialog is closed
        EXPECT_EQ(visti, volta);
        EXPECT_EQ(distrutti, volta) << "each dialog is gone when the menu call returns";
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
