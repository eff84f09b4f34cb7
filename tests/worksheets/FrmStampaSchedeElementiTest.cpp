#include "support/ContestoDiProva.h"
#include "comune/Galleria.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/CorniceInsieme.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "support/Schede.h"
#include "support/Righe.h"

#include <QAccessible>
#include <algorithm>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Tipo = FrmStampaSchedeElementi::Tipo;

const QString secondaParte = QStringLiteral("Visualizza la seconda parte");
const QString primaParte = QStringLiteral("Visualizza la prima parte");

struct Testi
{
    const char *nome;
    Tipo tipo;
    const char *titolo;
    const char *sottotitolo;
    const char *voceMenu;
    const char *istruzione;
};

const Testi aggiungi{"aggiungi", Tipo::Aggiungi, "VISUALIZZAZIONE SCHEDA         ",
                     " situazione iniziale: secondo  insieme suvvalente", "Seleziona  stampante",
                     "Nel riquadro accanto aggiungi elementi per rendere l'insieme consecutivo maggiore"};
const Testi togli{"togli", Tipo::Togli, "VISUALIZZAZIONE SCHEDA          ",
                  " situazione iniziale: secondo insieme prevalente", "Selezione stampante",
                  "Nel riquadro accanto togli elementi per rendere l'insieme consecutivo maggiore"};


using righe::PrintTo;

class ModuloElementi : public ::testing::TestWithParam<Testi>
{
protected:
    ModuloElementi()
        : modulo(new FrmStampaSchedeElementi(*prova, *prova.dialogo, GetParam().tipo))
    {
        modulo->show();
    }
    ~ModuloElementi() override { delete modulo.data(); }

    void premi(const QString &testo)
    { Schede::premi(modulo, testo); }
    void premiEsercizio(int e) { premi(QStringLiteral("VISUALIZZA %1° ESERCIZIO").arg(e)); }

    const QImage &galleria(int i) { return prova.contesto->galleria().Image3(i); }

    // Slots (relative to the exercise's base) of one array holding the given picture.
    std::vector<int> slotConFigura(CasellaFigura *(FrmStampaSchedeElementi::*array)(int) const,
                                   int esercizio, int figura)
    {
        std::vector<int> slot;
        for (int k = 0; k < 15; ++k)
            if (((*modulo).*array)(15 * (esercizio - 1) + k)->figura() == galleria(figura))
                slot.push_back(k);
        return slot;
    }

    ContestoDiProva prova;
    QPointer<FrmStampaSchedeElementi> modulo;
};

TEST_P(ModuloElementi, OpensOnTheFirstHalfWithTheKindsTexts)
{
    const Testi &testi = GetParam();
    EXPECT_EQ(modulo->windowTitle(), QString::fromUtf8(testi.titolo));
    EXPECT_TRUE(modulo->windowState() & Qt::WindowMaximized);
    const auto etichette = modulo->findChildren<QLabel *>();
    QStringList testiEtichette;
    for (const QLabel *l : etichette)
        testiEtichette << l->text();
    EXPECT_TRUE(testiEtichette.contains(QStringLiteral(" SCHEDA: COSTRUIRE L'INSIEME EQUIPOTENTE")));
    EXPECT_TRUE(testiEtichette.contains(QString::fromUtf8(testi.sottotitolo)));
    QStringList voci;
    for (const QAction *voce : modulo->menuBar()->actions())
        voci << voce->text();
    EXPECT_EQ(voci, QStringList({QString::fromUtf8(testi.voceMenu),
                                 QStringLiteral("Salva come PDF…"),
                                 QStringLiteral("Schede per la classe…")}));
    EXPECT_EQ(modulo->focusWidget(), modulo->CmdInsieme(1));

    EXPECT_TRUE(modulo->Frame3()->isVisible());
    EXPECT_FALSE(modulo->Frame4()->isVisible());
    EXPECT_EQ(modulo->Command2()->text(), secondaParte);
    EXPECT_TRUE(modulo->mostrato(1));
    for (int e = 2; e <= 4; ++e)
        EXPECT_FALSE(modulo->mostrato(e));

    // Exercise 1 has both sets; exercise 2 and the second half show nothing.
    const EsercizioElementi &es = modulo->modello().esercizioElementi(1);
    EXPECT_EQ(slotConFigura(&FrmStampaSchedeElementi::Image1, 1, es.figura).size(),
              static_cast<std::size_t>(es.elementiPrimo));
    EXPECT_EQ(slotConFigura(&FrmStampaSchedeElementi::Image2, 1, es.figura).size(),
              static_cast<std::size_t>(es.elementiSecondo()));
    for (int i = 15; i < FrmStampaSchedeElementi::numeroCaselle; ++i) {
        EXPECT_TRUE(modulo->Image1(i)->figura().isNull()) << i;
        EXPECT_TRUE(modulo->Image2(i)->figura().isNull()) << i;
    }
}

// The add kind previews the second set on the left; the remove kind on the right.
TEST_P(ModuloElementi, PreviewColumnsFollowTheKind)
{
    const bool secondoASinistra = GetParam().tipo == Tipo::Aggiungi;
    for (int e = 1; e <= 4; ++e) {
        CorniceInsieme *primo = modulo->cornicePrimo(e);
        CorniceInsieme *secondo = modulo->corniceSecondo(e);
        EXPECT_EQ(secondo->x() < primo->x(), secondoASinistra) << "exercise " << e;
        EXPECT_EQ(primo->y(), secondo->y()) << "exercise " << e;
        QWidget *meta = e <= 2 ? modulo->Frame3() : modulo->Frame4();
        EXPECT_EQ(primo->parentWidget(), meta);
        EXPECT_EQ(secondo->parentWidget(), meta);
        for (int k = 0; k < 15; ++k) {
            EXPECT_EQ(modulo->Image1(15 * (e - 1) + k)->parentWidget(), primo);
            EXPECT_EQ(modulo->Image2(15 * (e - 1) + k)->parentWidget(), secondo);
        }
    }
    EXPECT_LT(modulo->cornicePrimo(1)->y(), modulo->cornicePrimo(2)->y());
    EXPECT_LT(modulo->cornicePrimo(3)->y(), modulo->cornicePrimo(4)->y());
}

TEST_P(ModuloElementi, SlotsFormAFiveByThreeGrid)
{
    modulo->showNormal();
    modulo->resize(1100, 900);
    QCoreApplication::processEvents();
    for (auto array : {&FrmStampaSchedeElementi::Image1, &FrmStampaSchedeElementi::Image2}) {
        for (int base = 0; base < FrmStampaSchedeElementi::numeroCaselle; base += 15)
            EXPECT_TRUE(Schede::grigliaCinquePerTre([&](int i) { return ((*modulo).*array)(i); }, base));
    }
}

struct Passo
{
    int esercizio; // 0 = press the switch
    bool secondaMetaVisibile;
    const char *didascalia;
};

struct CasoMeta
{
    const char *nome;
    std::vector<Passo> passi;
};

using MetaElementi = ::testing::TestWithParam<std::tuple<Testi, CasoMeta>>;

TEST_P(MetaElementi, SwitchAndGenerationWriteTheirOwnCaptions)
{
    ContestoDiProva prova;
    FrmStampaSchedeElementi modulo(*prova, *prova.dialogo, std::get<0>(GetParam()).tipo);
    modulo.show();
    int numero = 0;
    for (const Passo &passo : std::get<1>(GetParam()).passi) {
        ++numero;
        QPushButton *p = passo.esercizio == 0 ? modulo.Command2() : modulo.CmdInsieme(passo.esercizio);
        QTest::mouseClick(p, Qt::LeftButton);
        EXPECT_EQ(modulo.Frame4()->isVisible(), passo.secondaMetaVisibile) << "step " << numero;
        EXPECT_EQ(modulo.Frame3()->isVisible(), !passo.secondaMetaVisibile) << "step " << numero;
        EXPECT_EQ(modulo.Command2()->text(), QString::fromUtf8(passo.didascalia)) << "step " << numero;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequenze, MetaElementi,
    ::testing::Combine(
        ::testing::Values(aggiungi, togli),
        ::testing::Values(
            CasoMeta{"terzo_poi_scambi",
                     {{3, true, "Visualizza la prima parte"},
                      {0, false, "Visualizza la seconda parte"},
                      {0, true, "Visualiza la prima parte"},
                      {0, false, "Visualizza la seconda parte"}}},
            CasoMeta{"scambio_poi_quarto_poi_primo",
                     {{0, true, "Visualiza la prima parte"},
                      {4, true, "Visualizza la prima parte"},
                      {1, false, "Visualizza la seconda parte"}}},
            CasoMeta{"scambio_poi_secondo",
                     {{0, true, "Visualiza la prima parte"},
                      {2, false, "Visualizza la seconda parte"}}})),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).nome) + "_" + std::get<1>(info.param).nome;
    });

TEST_P(ModuloElementi, RegeneratingAnExerciseClearsAllItsThirtySlots)
{
    Schede::accodaEsercizio(prova.casuale, 6, 30, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 8);
    premiEsercizio(3);
    ASSERT_EQ(prova.casuale.inCoda(), 0U);
    EXPECT_EQ(slotConFigura(&FrmStampaSchedeElementi::Image1, 3, 6),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(slotConFigura(&FrmStampaSchedeElementi::Image2, 3, 6),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));

    Schede::accodaEsercizio(prova.casuale, 6, 30, {14, 12, 13}, 2);
    premiEsercizio(3);
    ASSERT_EQ(prova.casuale.inCoda(), 0U);
    EXPECT_EQ(slotConFigura(&FrmStampaSchedeElementi::Image1, 3, 6), (std::vector<int>{12, 13, 14}));
    EXPECT_EQ(slotConFigura(&FrmStampaSchedeElementi::Image2, 3, 6), (std::vector<int>{0, 1, 2}));
    for (int i = 30; i < 45; ++i) {
        const QImage &uno = modulo->Image1(i)->figura();
        const QImage &due = modulo->Image2(i)->figura();
        EXPECT_TRUE(uno == galleria(6) || uno == galleria(0)) << i;
        EXPECT_TRUE(due == galleria(6) || due == galleria(0)) << i;
    }
}

TEST_P(ModuloElementi, ARegeneratedExerciseShowsItsDrawsWhicheverHalfIsOnScreen)
{
    for (int e = 2; e <= 4; ++e)
        premiEsercizio(e);
    Schede::accodaEsercizio(prova.casuale, 9, 15, {1, 3, 5, 7, 9, 11, 13}, 6);
    premiEsercizio(2);
    QTest::mouseClick(modulo->Command2(), Qt::LeftButton);

    // m = 7: the whole top row and the first two cells of the middle row, the rest blank.
    EXPECT_EQ(slotConFigura(&FrmStampaSchedeElementi::Image1, 2, 9),
              (std::vector<int>{1, 3, 5, 7, 9, 11, 13}));
    EXPECT_EQ(slotConFigura(&FrmStampaSchedeElementi::Image2, 2, 9),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    for (int k = 0; k < 15; ++k) {
        EXPECT_EQ(modulo->Image1(15 + k)->figura(), galleria(k % 2 == 1 && k < 14 ? 9 : 0)) << k;
        EXPECT_EQ(modulo->Image2(15 + k)->figura(), galleria(k < 7 ? 9 : 0)) << k;
    }
}

TEST_P(ModuloElementi, PrintingChangesNothingAndTwoPressesReadTheSamePage)
{
    for (int e : {3, 2, 4})
        premiEsercizio(e);
    const ContenutoPagina prima = modulo->contenutoPagina();
    premi(QStringLiteral("STAMPA"));
    premi(QStringLiteral("STAMPA"));
    const ContenutoPagina dopo = modulo->contenutoPagina();
    EXPECT_EQ(dopo.sinistra, prima.sinistra);
    EXPECT_EQ(dopo.destra, prima.destra);
    EXPECT_EQ(modulo->Command2()->text(), primaParte);
    EXPECT_TRUE(modulo->Frame4()->isVisible());
}

TEST_P(ModuloElementi, EsciCallsTheStartScreenOnceAndCloses)
{
    int richieste = 0;
    QObject::connect(modulo, &FrmStampaSchedeElementi::tornaInizio, modulo, [&] {
        ++richieste;
        modulo->close();
    });
    premi(QStringLiteral("ESCI"));
    EXPECT_EQ(richieste, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(modulo.isNull());
}

// A screen reader hears each slot by its picture and each set by how many of what it holds.
TEST_P(ModuloElementi, SlotsAndSetsAreNamedByWhatTheyShow)
{
    premiEsercizio(3);
    const EsercizioElementi &es = modulo->modello().esercizioElementi(3);
    const QString soggetto = Galleria::soggetto(es.figura);
    ASSERT_FALSE(soggetto.isEmpty());
    const std::vector<int> primo = slotConFigura(&FrmStampaSchedeElementi::Image1, 3, es.figura);
    const std::vector<int> secondo = slotConFigura(&FrmStampaSchedeElementi::Image2, 3, es.figura);
    for (int k = 0; k < 15; ++k) {
        QAccessibleInterface *casella = QAccessible::queryAccessibleInterface(modulo->Image1(30 + k));
        EXPECT_EQ(casella->role(), QAccessible::Graphic);
        const bool conFigura = std::find(primo.begin(), primo.end(), k) != primo.end();
        EXPECT_EQ(casella->text(QAccessible::Name), conFigura ? soggetto : QStringLiteral("casella vuota"))
            << k;
    }
    const auto nomeCornice = [](CasellaFigura *c) {
        return QAccessible::queryAccessibleInterface(c->parentWidget())->text(QAccessible::Name);
    };
    const QString primoAtteso = nomeCornice(modulo->Image1(30));
    EXPECT_TRUE(primoAtteso.startsWith(QStringLiteral("Esercizio 3, primo insieme: %1 ").arg(primo.size())))
        << primoAtteso.toStdString();
    EXPECT_TRUE(nomeCornice(modulo->Image2(30))
                    .startsWith(QStringLiteral("Esercizio 3, secondo insieme: %1 ").arg(secondo.size())));
}

INSTANTIATE_TEST_SUITE_P(Tipi, ModuloElementi, ::testing::Values(aggiungi, togli), righe::perNome);

} // namespace
