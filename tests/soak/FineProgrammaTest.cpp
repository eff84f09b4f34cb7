// Every way a user ends the program, with each form open and the focus on each kind of
// control it has. The random soak ends the program too, but only where its seed leads; these
// rows reach every pairing. The program's end is played as main plays it: the start screen
// asks to finish, the forms closed on the way are deleted, then the start screen itself.
#include "app/FrmInizio.h"
#include "exercises/FrmOperativo.h"
#include "support/ContestoDiProva.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

namespace {

enum class Modo { EsciSullInizio, ChiusuraInizio, AltF4 };

struct Scena
{
    const char *nome;
    // Opens what the row wants and answers the control that is to hold the focus.
    std::function<QWidget *(FrmInizio &, ContestoDiProva &)> prepara;
};

void svuota()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
};

class FineProgramma : public ::testing::TestWithParam<std::tuple<Modo, int>>
{
};

TEST_P(FineProgramma, EveryFormGoesAndNothingRunsOnAFormBeingDestroyed)
{
    const auto [modo, riga] = GetParam();
    ContestoDiProva prova({QStringLiteral("A")}, QStringLiteral("A"));
    auto inizio = std::make_unique<FrmInizio>(*prova, *prova.dialogo);
    bool finito = false;
    QObject::connect(inizio.get(), &FrmInizio::programmaFinito, inizio.get(), [&finito] { finito = true; });
    inizio->show();
    svuota();

    QWidget *fuoco = scene[riga].prepara(*inizio, prova);
    ASSERT_NE(fuoco, nullptr);
    QWidget *finestra = fuoco->window();
    finestra->activateWindow();
    QApplication::setActiveWindow(finestra);
    fuoco->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fuoco->hasFocus(); })) << scene[riga].nome;

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
