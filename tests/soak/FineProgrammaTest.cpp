// Every way a user ends the program, with each form open and the focus on each kind of
// control it has. The random soak ends the program too, but only where its seed leads; these
// rows reach every pairing. The program's end is played as main plays it: the start screen
// asks to finish, the forms closed on the way are deleted, then the start screen itself.
// While a modal dialog is up it is all the user can reach (the start screen's close button does
// nothing then), so the end begins by closing the dialog: with Alt+F4 as any window, otherwise
// with its own button.
#include "app/FrmInizio.h"
#include "exercises/FrmOperativo.h"
#include "support/ContestoDiProva.h"
#include "support/Schede.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <functional>
#include <memory>

namespace {

enum class Modo { EsciSullInizio, ChiusuraInizio, AltF4 };

struct Scena
{
    const char *nome;
    // Opens what the row wants and answers the control that is to hold the focus.
    std::function<QWidget *(FrmInizio &, ContestoDiProva &)> prepara;
    // For a modal dialog: opens it, and returns once it has closed; prepara then runs while it
    // is up and answers one of its controls.
    std::function<void(FrmInizio &)> apriDialogo = {};
    // The dialog's own button that closes it.
    std::function<QPushButton *(QWidget &)> chiudeDialogo = {};
};

void svuota()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget &dialogo()
{
    return *QApplication::activeModalWidget();
}

// The printer dialog, from a worksheet form's menu.
void apriStampante(FrmInizio &inizio)
{
    inizio.MnuVuoto()->trigger();
    EXPECT_TRUE(Schede::premiVoce(*inizio.schedaVuoto(),
                                  QString::fromUtf8(Schede::testi(Schede::Tipo::Disegno).voceStampante)));
}

QPushButton *chiudeStampante(QWidget &dialogo)
{
    return dialogo.findChild<QPushButton *>(QStringLiteral("Command2"));
}

// The about window has one button, the one that closes it.
QPushButton *chiudeAutore(QWidget &dialogo)
{
    return dialogo.findChild<QPushButton *>();
}

FrmOperativo &esercizio(FrmInizio &inizio)
{
    QTest::mouseClick(inizio.Option1(0), Qt::LeftButton);
    return *inizio.operativo();
}

// One element too many for the first set: the verdict is wrong and the help panel comes up.
FrmOperativo &aiuto(FrmInizio &inizio, ContestoDiProva &prova)
{
    FrmOperativo &op = esercizio(inizio);
    for (int i = 0; i <= prova.esercizio.ElementiS; ++i)
        QTest::mouseClick(op.Option1(0), Qt::LeftButton);
    QTest::mouseClick(op.Option1(2), Qt::LeftButton);
    return op;
}

const Scena scene[] = {
    {"InizioSulPulsanteDiModo", [](FrmInizio &i, ContestoDiProva &) { return i.Option1(1); }},
    {"InizioSuEsci", [](FrmInizio &i, ContestoDiProva &) { return i.Option1(3); }},
    {"EsercizioSulTastierino",
     [](FrmInizio &i, ContestoDiProva &) -> QWidget * { return esercizio(i).Option1(1); }},
    {"EsercizioSullAiuto",
     [](FrmInizio &i, ContestoDiProva &p) -> QWidget * { return aiuto(i, p).Option3(1); }},
    {"SchedaDisegnoSulPulsanteGrafico",
     [](FrmInizio &i, ContestoDiProva &) -> QWidget * {
         i.MnuVuoto()->trigger();
         return i.schedaVuoto()->CmdInsieme(2);
     }},
    {"SchedaAggiungiSulPulsanteComune",
     [](FrmInizio &i, ContestoDiProva &) -> QWidget * {
         i.mnuAggiungi()->trigger();
         return i.schedaAggiungi()->Command2();
     }},
    {"SchedaTogliSuEsci",
     [](FrmInizio &i, ContestoDiProva &) -> QWidget * {
         i.mnuTogli()->trigger();
         return i.schedaTogli()->CmdFine();
     }},
    {"AutoreSulPulsante", [](FrmInizio &, ContestoDiProva &) { return chiudeAutore(dialogo()); },
     [](FrmInizio &i) { i.mnuInfo()->trigger(); }, chiudeAutore},
    {"StampanteSullElenco", [](FrmInizio &, ContestoDiProva &) { return dialogo().findChild<QComboBox *>(); },
     apriStampante, chiudeStampante},
    {"StampanteSulPulsante", [](FrmInizio &, ContestoDiProva &) { return chiudeStampante(dialogo()); },
     apriStampante, chiudeStampante},
};

// Gives `fuoco` the focus in its window, made the active one.
void fuocoSu(QWidget *fuoco, const char *riga)
{
    ASSERT_NE(fuoco, nullptr) << riga;
    QWidget *finestra = fuoco->window();
    finestra->activateWindow();
    QApplication::setActiveWindow(finestra);
    fuoco->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fuoco->hasFocus(); })) << riga;
}

// Opens the row's dialog and, from within its own event loop, gives one of its controls the
// focus, tries what the user may try past it, and closes it as `modo` does; then the window
// manager gives the focus back to the window it was opened over.
void apriEChiudi(const Scena &scena, Modo modo, FrmInizio &inizio, ContestoDiProva &prova, const bool &finito)
{
    bool chiuso = false;
    QWidget *sotto = &inizio;
    QTimer dentro;
    QObject::connect(&dentro, &QTimer::timeout, &dentro, [&] {
        QWidget *aperto = QApplication::activeModalWidget();
        if (!aperto)
            return;
        dentro.stop();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() == Qt::Window && w != &inizio)
                sotto = w;
        [&] {
            ASSERT_NO_FATAL_FAILURE(fuocoSu(scena.prepara(inizio, prova), scena.nome));
            if (modo == Modo::ChiusuraInizio) {
                // The window manager's close on the start screen, as its close button sends it.
                QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
                    inizio.windowHandle());
                QCoreApplication::processEvents();
                EXPECT_FALSE(finito) << "the start screen closed past the dialog";
                EXPECT_TRUE(aperto->isVisible());
            }
            if (modo == Modo::AltF4)
                aperto->close();
            else
                QTest::mouseClick(scena.chiudeDialogo(*aperto), Qt::LeftButton);
            chiuso = !aperto->isVisible();
        }();
        // Whatever failed above, the dialog goes, so that the row ends.
        aperto->hide();
    });
    dentro.start(0);
    scena.apriDialogo(inizio);
    ASSERT_TRUE(chiuso) << scena.nome;
    svuota();
    if (QWidget *attiva = QApplication::activeWindow(); !attiva || !attiva->isVisible()) {
        sotto->activateWindow();
        QApplication::setActiveWindow(sotto);
    }
}

using FineProgramma = ::testing::TestWithParam<std::tuple<Modo, int>>;

TEST_P(FineProgramma, EveryFormGoesAndNothingRunsOnAFormBeingDestroyed)
{
    const auto [modo, riga] = GetParam();
    ContestoDiProva prova({QStringLiteral("A")}, QStringLiteral("A"));
    auto inizio = std::make_unique<FrmInizio>(*prova, *prova.dialogo);
    bool finito = false;
    QObject::connect(inizio.get(), &FrmInizio::programmaFinito, inizio.get(), [&finito] { finito = true; });
    inizio->show();
    svuota();

    const Scena &scena = scene[riga];
    if (!scena.apriDialogo) {
        ASSERT_NO_FATAL_FAILURE(fuocoSu(scena.prepara(*inizio, prova), scena.nome));
    } else {
        ASSERT_NO_FATAL_FAILURE(apriEChiudi(scena, modo, *inizio, prova, finito));
    }

    switch (modo) {
    case Modo::EsciSullInizio:
        QTest::mouseClick(inizio->Option1(3), Qt::LeftButton);
        break;
    case Modo::ChiusuraInizio:
        inizio->close();
        break;
    case Modo::AltF4:
        // The window manager closes the active window, again and again until the program ends.
        for (int volte = 0; volte < 5 && !finito; ++volte) {
            QWidget *attiva = QApplication::activeWindow();
            (attiva ? attiva : inizio.get())->close();
            svuota();
            if (!finito && QApplication::activeWindow() == nullptr)
                QApplication::setActiveWindow(inizio.get());
        }
        break;
    }
    svuota();
    ASSERT_TRUE(finito);
    inizio.reset();
    svuota();
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className() << " still on screen";
}

std::string nomeRiga(const ::testing::TestParamInfo<FineProgramma::ParamType> &info)
{
    static const char *const modi[] = {"Esci", "ChiusuraInizio", "AltF4"};
    return std::string(modi[static_cast<int>(std::get<0>(info.param))]) + "_"
           + scene[std::get<1>(info.param)].nome;
}

INSTANTIATE_TEST_SUITE_P(OgniModoOgniModulo, FineProgramma,
                         ::testing::Combine(::testing::Values(Modo::EsciSullInizio,
                                                              Modo::ChiusuraInizio, Modo::AltF4),
                                            ::testing::Range(0, static_cast<int>(std::size(scene)))),
                         nomeRiga);

} // namespace
