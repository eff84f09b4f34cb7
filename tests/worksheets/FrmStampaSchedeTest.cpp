#include "support/ContestoDiProva.h"
#include "comune/Galleria.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/CorniceInsieme.h"
#include "worksheets/FrmStampaSchede.h"
#include "support/Schede.h"
#include "support/Righe.h"

#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString secondaParte = QStringLiteral("Visualizza la seconda parte");

class ModuloDisegno : public ::testing::Test
{
protected:
    ModuloDisegno()
        : modulo(new FrmStampaSchede(*prova, *prova.dialogo))
    {
        modulo->show();
    }
    ~ModuloDisegno() override { delete modulo.data(); }

    void premi(const QString &testo)
    { Schede::premi(modulo, testo); }
    void premiInsieme(int s) { premi(QStringLiteral("VISUALIZZA %1° INSIEME").arg(s)); }

    const QImage &galleria(int i) { return prova.contesto->galleria().Image3(i); }

    // Slots of set s (base b) holding the element picture, relative to the base.
    std::vector<int> slotConFigura(int base, int figura)
    {
        std::vector<int> slot;
        for (int k = 0; k < 15; ++k)
            if (modulo->Image1(base + k)->figura() == galleria(figura))
                slot.push_back(k);
        return slot;
    }

    ContestoDiProva prova;
    QPointer<FrmStampaSchede> modulo;
};

TEST_F(ModuloDisegno, OpensOnTheFirstHalfWithOnlyTheFirstSetShown)
{
    EXPECT_EQ(modulo->windowTitle(), QStringLiteral("VISUALIZZAZIONE SCHEDA          "));
    EXPECT_TRUE(modulo->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(modulo->Frame3()->isHidden());
    EXPECT_TRUE(modulo->Frame4()->isHidden());
    EXPECT_EQ(modulo->Command2()->text(), secondaParte);
    EXPECT_TRUE(modulo->mostrato(1));
    for (int s = 2; s <= 4; ++s)
        EXPECT_FALSE(modulo->mostrato(s)) << "set " << s;

    const int figura = modulo->modello().insiemeDaDisegnare(1).figura;
    const std::size_t elementi = slotConFigura(0, figura).size();
    EXPECT_GE(elementi, 2U);
    EXPECT_LE(elementi, 10U);
    for (int k = 0; k < 15; ++k) {
        const QImage &f = modulo->Image1(k)->figura();
        EXPECT_TRUE(f == galleria(figura) || f == galleria(0)) << "slot " << k;
    }
    // Set 2, the blank frames and the second half show nothing yet.
    for (int i = 15; i < FrmStampaSchede::numeroCaselle; ++i)
        EXPECT_TRUE(modulo->Image1(i)->figura().isNull()) << "slot " << i;
}

TEST_F(ModuloDisegno, FramesMenuAndFocusAreAsTheUserSeesThem)
{
    const std::map<int, QString> didascalie = {
        {0, QStringLiteral("Primo Insieme")}, {1, QStringLiteral("Secondo insieme")},
        {6, QStringLiteral("Terzo insieme")}, {7, QStringLiteral("Quarto insieme")},
        {2, QString()}, {3, QString()}, {4, QString()}, {5, QString()}};
    for (const auto &[i, testo] : didascalie)
        EXPECT_EQ(modulo->FraSfondoS(i)->didascalia(), testo) << "frame " << i;
    for (int i : {0, 1, 2, 3})
        EXPECT_EQ(modulo->FraSfondoS(i)->parentWidget(), modulo->Frame3()) << "frame " << i;
    for (int i : {4, 5, 6, 7})
        EXPECT_EQ(modulo->FraSfondoS(i)->parentWidget(), modulo->Frame4()) << "frame " << i;

    QStringList voci;
    for (const QAction *voce : modulo->menuBar()->actions())
        voci << voce->text();
    EXPECT_EQ(voci, QStringList({QStringLiteral("Seleziona stampante"),
                                 QStringLiteral("Salva come PDF…"),
                                 QStringLiteral("Schede per la classe…")}));

    EXPECT_EQ(modulo->focusWidget(), modulo->CmdInsieme(1));
    const std::vector<QWidget *> attesi = {modulo->CmdInsieme(1), modulo->CmdFine(),
                                          modulo->Command1(),    modulo->CmdInsieme(2),
                                          modulo->CmdInsieme(3), modulo->CmdInsieme(4),
                                          modulo->Command2()};
    std::vector<QWidget *> ordine = {modulo->CmdInsieme(1)};
    for (QWidget *w = modulo->CmdInsieme(1)->nextInFocusChain(); w != modulo->CmdInsieme(1);
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            ordine.push_back(w);
    }
    EXPECT_EQ(ordine, attesi);
}

// Slot b + k of a set frame sits in column k mod 5 and row k div 5, before and after scaling.
TEST_F(ModuloDisegno, SlotsOfEveryFrameFormAFiveByThreeGrid)
{
    auto verifica = [this](const char *quando) {
        for (int base = 0; base < FrmStampaSchede::numeroCaselle; base += 15)
            EXPECT_TRUE(Schede::grigliaCinquePerTre([this](int i) { return modulo->Image1(i); }, base))
                << quando;
    };
    verifica("al caricamento");
    modulo->showNormal();
    modulo->resize(1500, 1000);
    QCoreApplication::processEvents();
    verifica("dopo il ridimensionamento");

    // The sets sit where the page expects them: bases 0, 15, 90, 105 in the captioned frames.
    const std::vector<std::pair<int, int>> setECornice = {{0, 0}, {15, 1}, {90, 6}, {105, 7}};
    for (const auto &[base, cornice] : setECornice)
        EXPECT_EQ(modulo->Image1(base)->parentWidget(), modulo->FraSfondoS(cornice));
}

TEST_F(ModuloDisegno, ASmallWindowNeverCropsAPicture)
{
    modulo->showNormal();
    modulo->resize(400, 300);
    QCoreApplication::processEvents();
    for (int k = 0; k < 15; ++k) {
        const CasellaFigura *casella = modulo->Image1(k);
        EXPECT_GE(casella->width(), casella->figura().width()) << "slot " << k;
        EXPECT_GE(casella->height(), casella->figura().height()) << "slot " << k;
    }
}

struct Passo
{
    enum Tipo { Insieme, Scambia } tipo;
    int insieme; // for Insieme
    bool secondaMetaVisibile;
    const char *didascalia;
};

struct CasoMeta
{
    const char *nome;
    std::vector<Passo> passi;
};

using righe::PrintTo;

class MetaDisegno : public ModuloDisegno, public ::testing::WithParamInterface<CasoMeta>
{
};

TEST_P(MetaDisegno, TheSwitchNamesTheHalfItWillShow)
{
    int numero = 0;
    for (const Passo &passo : GetParam().passi) {
        ++numero;
        if (passo.tipo == Passo::Insieme)
            premiInsieme(passo.insieme);
        else
            QTest::mouseClick(modulo->Command2(), Qt::LeftButton);
        EXPECT_EQ(modulo->Frame4()->isVisible(), passo.secondaMetaVisibile) << "step " << numero;
        EXPECT_EQ(modulo->Frame3()->isVisible(), !passo.secondaMetaVisibile) << "step " << numero;
        EXPECT_EQ(modulo->Command2()->text(), QString::fromUtf8(passo.didascalia)) << "step " << numero;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequenze, MetaDisegno,
    ::testing::Values(
        CasoMeta{"terzo_poi_scambio_avanti_e_indietro",
                 {{Passo::Insieme, 3, true, "Visualizza la prima parte"},
                  {Passo::Scambia, 0, false, "Visualizza la seconda parte"},
                  {Passo::Scambia, 0, true, "Visualizza la prima parte"},
                  {Passo::Scambia, 0, false, "Visualizza la seconda parte"}}},
        CasoMeta{"quarto_poi_secondo",
                 {{Passo::Insieme, 4, true, "Visualizza la prima parte"},
                  {Passo::Insieme, 2, false, "Visualizza la seconda parte"}}},
        CasoMeta{"scambio_poi_primo",
                 {{Passo::Scambia, 0, true, "Visualizza la prima parte"},
                  {Passo::Insieme, 1, false, "Visualizza la seconda parte"}}},
        CasoMeta{"scambio_poi_terzo_resta_sulla_seconda",
                 {{Passo::Scambia, 0, true, "Visualizza la prima parte"},
                  {Passo::Insieme, 3, true, "Visualizza la prima parte"}}}),
    righe::perNome);

TEST_F(ModuloDisegno, SwitchingNeverTouchesTheSets)
{
    premiInsieme(3);
    const ContenutoPagina prima = modulo->contenutoPagina();
    QTest::mouseClick(modulo->Command2(), Qt::LeftButton);
    QTest::mouseClick(modulo->Command2(), Qt::LeftButton);
    const ContenutoPagina dopo = modulo->contenutoPagina();
    EXPECT_EQ(prima.sinistra, dopo.sinistra);
}

TEST_F(ModuloDisegno, RegeneratingASetClearsAllItsFifteenSlots)
{
    Schede::accodaInsieme(prova.casuale, 3, 15, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    premiInsieme(2);
    EXPECT_EQ(slotConFigura(15, 3), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    Schede::accodaInsieme(prova.casuale, 3, 15, {14, 12});
    premiInsieme(2);
    EXPECT_EQ(slotConFigura(15, 3), (std::vector<int>{12, 14}));
    for (int k = 0; k < 15; ++k) {
        if (k != 12 && k != 14) {
            EXPECT_EQ(modulo->Image1(15 + k)->figura(), galleria(0)) << "slot " << 15 + k;
        }
    }
}

TEST_F(ModuloDisegno, ASetLeavesTheOtherSetsAlone)
{
    premiInsieme(2);
    premiInsieme(3);
    premiInsieme(4);
    const ContenutoPagina prima = modulo->contenutoPagina();
    premiInsieme(3);
    const ContenutoPagina dopo = modulo->contenutoPagina();
    for (int r : {0, 1, 3})
        EXPECT_EQ(prima.sinistra[r], dopo.sinistra[r]) << "row " << r;
    for (int i = 30; i < 90; ++i)
        EXPECT_TRUE(modulo->Image1(i)->figura().isNull()) << "blank frame slot " << i;
}

class ClickCornice : public ModuloDisegno, public ::testing::WithParamInterface<int>
{
};

TEST_P(ClickCornice, OnTheFreeAreaRegeneratesTheFirstSetAndShowsTheFirstHalf)
{
    const int indice = GetParam();
    premiInsieme(4); // the second half is on screen
    if (modulo->FraSfondoS(indice)->parentWidget() == modulo->Frame3())
        QTest::mouseClick(modulo->Command2(), Qt::LeftButton);
    CorniceInsieme *cornice = modulo->FraSfondoS(indice);
    ASSERT_TRUE(cornice->isVisible());

    Schede::accodaInsieme(prova.casuale, 11, 0, {13, 2, 7});
    // Bottom right corner: outside every slot.
    QTest::mouseClick(cornice, Qt::LeftButton, {}, QPoint(cornice->width() - 4, cornice->height() - 4));

    EXPECT_EQ(prova.casuale.inCoda(), 0U);
    EXPECT_EQ(slotConFigura(0, 11), (std::vector<int>{2, 7, 13}));
    EXPECT_TRUE(modulo->Frame3()->isVisible());
    EXPECT_FALSE(modulo->Frame4()->isVisible());
    EXPECT_EQ(modulo->Command2()->text(), secondaParte);
}

INSTANTIATE_TEST_SUITE_P(Cornici, ClickCornice, ::testing::Range(0, 8),
                         [](const auto &info) { return "FraSfondoS" + std::to_string(info.param); });

TEST_F(ModuloDisegno, AClickOnASlotIsNotAClickOnTheFrame)
{
    const ContenutoPagina prima = modulo->contenutoPagina();
    const int semine = prova.casuale.semine();
    QTest::mouseClick(modulo->Image1(7), Qt::LeftButton);
    EXPECT_EQ(prova.casuale.semine(), semine);
    EXPECT_EQ(modulo->contenutoPagina().sinistra, prima.sinistra);
}

TEST_F(ModuloDisegno, PrintingChangesNothingAndTwoPressesReadTheSamePage)
{
    premiInsieme(2);
    premiInsieme(4);
    premiInsieme(3);
    QTest::mouseClick(modulo->Command2(), Qt::LeftButton);
    const ContenutoPagina prima = modulo->contenutoPagina();
    const QString didascalia = modulo->Command2()->text();

    premi(QStringLiteral("STAMPA"));
    premi(QStringLiteral("STAMPA"));

    EXPECT_FALSE(prova.avvisi.messaggi.contains(QStringLiteral("Completa la scheda ")));
    const ContenutoPagina dopo = modulo->contenutoPagina();
    EXPECT_EQ(dopo.sinistra, prima.sinistra);
    EXPECT_EQ(dopo.istruzione, prima.istruzione);
    EXPECT_EQ(modulo->Command2()->text(), didascalia);
    EXPECT_TRUE(modulo->Frame3()->isVisible());
    for (int s = 1; s <= 4; ++s)
        EXPECT_TRUE(modulo->mostrato(s));
}

TEST_F(ModuloDisegno, EsciCallsTheStartScreenOnceAndCloses)
{
    int richieste = 0;
    QObject::connect(modulo, &FrmStampaSchede::tornaInizio, modulo, [&] {
        ++richieste;
        modulo->close(); // a second request while closing must change nothing
    });
    premi(QStringLiteral("ESCI"));
    EXPECT_EQ(richieste, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(modulo.isNull());
}

TEST_F(ModuloDisegno, ClosingTheWindowAlsoCallsTheStartScreen)
{
    int richieste = 0;
    QObject::connect(modulo, &FrmStampaSchede::tornaInizio, modulo, [&] { ++richieste; });
    modulo->close();
    EXPECT_EQ(richieste, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(modulo.isNull());
}

} // namespace
