#include "ContaOggetti.h"
#include "support/Schede.h"
#include "app/FrmAutore.h"
#include "app/FrmInizio.h"
#include "exercises/FrmOperativo.h"
#include "support/ContestoDiProva.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

constexpr int volte = 1000;

// What the event loop would do before the user's next action: deliver what was posted and
// delete what closed windows left for deletion.
void eliminaRinviati()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The start screen over a test context: every form is opened from it as the user opens it.
struct Banco
{
    Banco()
        : prova({QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("A"))
        , inizio(*prova, *prova.dialogo)
    {
        inizio.show();
    }

    ContestoDiProva prova;
    FrmInizio inizio;
    int giro = 0;
};

// Mode button, then the window's close control ("ESCI" waits for a verdict).
void esercizio(Banco &b)
{
    QTest::mouseClick(b.inizio.Option1(b.giro % 3), Qt::LeftButton);
    FrmOperativo *modulo = b.inizio.operativo();
    ASSERT_NE(modulo, nullptr);
    modulo->close();
    eliminaRinviati();
    ASSERT_EQ(b.inizio.operativo(), nullptr);
}

// Menu entry, then "ESCI" on the worksheet form.
void scheda(QAction *voce, const std::function<ModuloScheda *()> &aperto)
{
    voce->trigger();
    ModuloScheda *modulo = aperto();
    ASSERT_NE(modulo, nullptr);
    Schede::premiEsci(*modulo);
    eliminaRinviati();
    ASSERT_EQ(aperto(), nullptr);
}

void schedaDisegno(Banco &b)
{
    scheda(b.inizio.MnuVuoto(), [&b] { return b.inizio.schedaVuoto(); });
}

void schedaAggiungi(Banco &b)
{
    scheda(b.inizio.mnuAggiungi(), [&b] { return b.inizio.schedaAggiungi(); });
}

void schedaTogli(Banco &b)
{
    scheda(b.inizio.mnuTogli(), [&b] { return b.inizio.schedaTogli(); });
}

// Menu entry "About", then its close button, pressed from inside the modal dialog.
void autore(Banco &b)
{
    bool chiuso = false;
    QTimer dentro;
    dentro.setSingleShot(true);
    QObject::connect(&dentro, &QTimer::timeout, &dentro, [&chiuso] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *dialogo = qobject_cast<FrmAutore *>(w); dialogo && dialogo->isVisible()) {
                QTest::mouseClick(dialogo->Command1(), Qt::LeftButton);
                chiuso = true;
            }
        }
    });
    dentro.start(0);
    b.inizio.mnuInfo()->trigger();
    ASSERT_TRUE(chiuso);
    eliminaRinviati();
}

// The printer dialog from the menu of a worksheet form that stays open.
void dialogoStampante(Banco &b)
{
    if (!b.inizio.schedaAggiungi())
        b.inizio.mnuAggiungi()->trigger();
    ASSERT_TRUE(Schede::dialogoDalMenu(*b.inizio.schedaAggiungi(), *b.prova.dialogo,
                                       [&b](FrmStampante &) { ++b.giro; }));
    eliminaRinviati();
}

struct CasoApertura
{
    const char *nome;
    void (*ciclo)(Banco &);
};

using righe::PrintTo;

using MilleAperture = ::testing::TestWithParam<CasoApertura>;

} // namespace

TEST_P(MilleAperture, NienteRestaIndietro)
{
    Banco banco;
    const auto ciclo = GetParam().ciclo;
    // The first round creates what lives for the whole run (the gallery, the printer dialog,
    // style and font caches); only what comes after has to go away again.
    ciclo(banco);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    ++banco.giro;

    const ContaOggetti oggetti;
    const qsizetype widgetPrima = QApplication::allWidgets().size();
    for (int i = 0; i < volte && !::testing::Test::HasFatalFailure(); ++i, ++banco.giro)
        ciclo(banco);
    EXPECT_EQ(QApplication::allWidgets().size(), widgetPrima);
    if (oggetti.disponibile()) {
        EXPECT_EQ(oggetti.viventi(), 0);
    }
    EXPECT_EQ(banco.prova.avvisi.messaggi, QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Moduli, MilleAperture,
    ::testing::Values(CasoApertura{"Esercizio", &esercizio},
                      CasoApertura{"SchedaDisegno", &schedaDisegno},
                      CasoApertura{"SchedaAggiungi", &schedaAggiungi},
                      CasoApertura{"SchedaTogli", &schedaTogli},
                      CasoApertura{"Autore", &autore},
                      CasoApertura{"DialogoStampante", &dialogoStampante}),
    righe::perNome);
