#include "support/ProgrammaVero.h"
#include "support/Schede.h"
#include "support/ServerDiProva.h"
#include "support/OrologioFinto.h"
#include "support/StrumentiPdf.h"
#include "platform/InSottofondo.h"
#include "platform/Interruzione.h"
#include "platform/StampantiSistema.h"
#include "platform/SuperficieStampa.h"
#include "worksheets/FrmStampante.h"
#include "worksheets/ModuloScheda.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

using Schede::etichetta;
using Schede::lista;
using Schede::scegli;
using Schede::Tipo;

namespace {

// The private CUPS server of this program, for these tests and the printer-name ones.
[[maybe_unused]] const auto *registrato = ::testing::AddGlobalTestEnvironment(new ServerDiProva);

const QString problema = QStringLiteral("Problema di stampa nella stampante utilizzata.");

// A print's time allowed runs on the test's clock, which stands still: a print on a failing
// printer ends only by the fault's own answer, and one that waits on the server instead never
// ends (Schede::attendiStampa reports it).
class GuastiCups : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cups = serverDiProva();
        SENZA_SERVER_DI_PROVA_SALTA_O_FALLISCI();
        ASSERT_TRUE(cups->riavviaDemone());
        ASSERT_TRUE(cups->soloCode({"A", "B", "C"}, QStringLiteral("B")));
    }
    void TearDown() override
    {
        if (cups && cups->avviato()) {
            cups->riprendiDemone();
            cups->riavviaDemone();
        }
    }

    static inline CupsPrivato *cups = nullptr;

    // The print that follows a repaired fault gives one job and one single-page PDF on coda.
    static void unaPaginaSu(const QString &titolo, const QString &coda)
    {
        const QString pdf = cups->attendiPdf(titolo);
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_EQ(StrumentiPdf::pagine(pdf), 1);
        EXPECT_EQ(cups->codeDeiLavori(titolo), QStringList{coda});
        EXPECT_EQ(cups->pdfConTitolo(titolo), 1);
    }
};

// A fault on the chosen queue or on the server, and how it is undone.
struct CasoGuasto
{
    const char *nome;
    Tipo tipo;
    std::function<bool(CupsPrivato &, const QString &)> guasta;
    std::function<bool(CupsPrivato &, const QString &)> ripara;
};

using righe::PrintTo;

class GuastoTraSceltaEStampa : public GuastiCups, public ::testing::WithParamInterface<CasoGuasto>
{
};

} // namespace

TEST_P(GuastoTraSceltaEStampa, UnAvvisoNienteStampatoEIlModuloVaAvanti)
{
    const CasoGuasto &caso = GetParam();
    ProgrammaVero programma;
    Schede::Aperto modulo(programma.contesto, programma.dialogo, caso.tipo);
    Schede::generaTutti(*modulo);
    ASSERT_TRUE(Schede::dialogoDalMenu(*modulo, programma.dialogo,
                                       [](FrmStampante &d) { scegli(d, 2); }));
    ASSERT_EQ(programma.contesto.stampanteCorrente(), QStringLiteral("C"));
    const ContenutoPagina prima = modulo->contenutoPagina();

    ASSERT_TRUE(caso.guasta(*cups, QStringLiteral("C")));
    Schede::premiStampa(*modulo);
    EXPECT_EQ(programma.avvisi.messaggi, QStringList{problema});

    ASSERT_TRUE(caso.ripara(*cups, QStringLiteral("C")));
    EXPECT_TRUE(cups->codeDeiLavori(programma.titolo()).isEmpty());
    EXPECT_EQ(cups->pdfConTitolo(programma.titolo()), 0);
    // Sets, flags and the printer choice are as they were.
    EXPECT_EQ(programma.contesto.stampanteCorrente(), QStringLiteral("C"));
    EXPECT_TRUE(modulo->contenutoPagina().sinistra == prima.sinistra);
    EXPECT_TRUE(modulo->contenutoPagina().destra == prima.destra);

    // Once the printer is back, one more press prints one page, and says nothing.
    Schede::premiStampa(*modulo);
    EXPECT_EQ(programma.avvisi.messaggi.size(), 1);
    unaPaginaSu(programma.titolo(), QStringLiteral("C"));
}

INSTANTIATE_TEST_SUITE_P(
    Guasti, GuastoTraSceltaEStampa,
    ::testing::Values(
        CasoGuasto{"CodaTolta", Tipo::Disegno, &CupsPrivato::rimuoviCoda,
                   &CupsPrivato::aggiungiCoda},
        CasoGuasto{"CodaRifiutaLavori", Tipo::Togli, &CupsPrivato::rifiutaLavori,
                   &CupsPrivato::riattivaCoda},
        CasoGuasto{"ServerFermato", Tipo::Disegno,
                   [](CupsPrivato &c, const QString &) { return c.fermaDemone(); },
                   [](CupsPrivato &c, const QString &) { return c.riavviaDemone(); }}),
    righe::perNome);

namespace {

// The server gone (its socket with it) or frozen (holding its socket, answering nothing).
struct CasoServer
{
    const char *nome;
    bool (CupsPrivato::*guasta)();
    bool (CupsPrivato::*ripara)();
};

class ServerAssente : public GuastiCups, public ::testing::WithParamInterface<CasoServer>
{
};

} // namespace

TEST_P(ServerAssente, IlDialogoSiApreELaStampaAvvisa)
{
    ProgrammaVero programma;
    Schede::Aperto modulo(programma.contesto, programma.dialogo, Tipo::Aggiungi);
    Schede::generaTutti(*modulo);
    ASSERT_TRUE((cups->*GetParam().guasta)());

    // First opened with no server to ask: nothing to choose from, the default still named.
    EXPECT_TRUE(Schede::dialogoDalMenu(*modulo, programma.dialogo, [](FrmStampante &d) {
        EXPECT_EQ(lista(d)->count(), 0);
        EXPECT_FALSE(lista(d)->isEnabled());
        EXPECT_EQ(etichetta(d, "Label1")->text(),
                  QStringLiteral("La stampante predefinita è \nB"));
        EXPECT_EQ(etichetta(d, "Label2")->text(), QString());
    }));
    EXPECT_EQ(programma.contesto.stampanteCorrente(), QStringLiteral("B"));
    Schede::premiStampa(*modulo);
    EXPECT_EQ(programma.avvisi.messaggi, QStringList{problema});

    ASSERT_TRUE((cups->*GetParam().ripara)());
    EXPECT_TRUE(cups->codeDeiLavori(programma.titolo()).isEmpty());
    Schede::premiStampa(*modulo);
    EXPECT_EQ(programma.avvisi.messaggi.size(), 1);
    unaPaginaSu(programma.titolo(), QStringLiteral("B"));
}

INSTANTIATE_TEST_SUITE_P(
    Server, ServerAssente,
    ::testing::Values(CasoServer{"Fermato", &CupsPrivato::fermaDemone, &CupsPrivato::riavviaDemone}),
    righe::perNome);

namespace {

// A server that has stopped answering while it holds its socket, as a driverless printer's first
// job or a swamped server can: for a few seconds, or until the user gives up.
struct CasoSospeso
{
    const char *nome;
    int sospensioneMs; // 0: until "Annulla"
};

class ServerSospeso : public GuastiCups, public ::testing::WithParamInterface<CasoSospeso>
{
};

} // namespace

TEST_P(ServerSospeso, LaFinestraRestaVivaEAnnullaRitiraLaStampa)
{
    const CasoSospeso &caso = GetParam();
    ProgrammaVero programma;
    Schede::Aperto modulo(programma.contesto, programma.dialogo, Tipo::Togli);
    Schede::generaTutti(*modulo);
    ASSERT_TRUE(cups->sospendiDemone());
    // What the print had come to when the server answered again.
    bool inCorsoAllaRipresa = false;
    int pdfAllaRipresa = -1;
    if (caso.sospensioneMs > 0) {
        QTimer::singleShot(caso.sospensioneMs, Qt::PreciseTimer, modulo.get(),
                           [&modulo, &programma, &inCorsoAllaRipresa, &pdfAllaRipresa] {
            inCorsoAllaRipresa = modulo->stampaInCorso();
            pdfAllaRipresa = cups->pdfConTitolo(programma.titolo());
            cups->riprendiDemone();
        });
    }
    QTest::mouseClick(Schede::pulsante(modulo.get(), QStringLiteral("STAMPA")), Qt::LeftButton);
    ASSERT_TRUE(modulo->stampaInCorso());
    // The form takes no other press meanwhile: "ESCI" neither closes it nor ends the print.
    QTest::mouseClick(Schede::pulsante(modulo.get(), QStringLiteral("ESCI")), Qt::LeftButton);
    EXPECT_TRUE(modulo->isVisible());
    // The window comes only once the print has taken a while, not with the press.
    EXPECT_EQ(modulo->finestraStampaInCorso(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&modulo] { return modulo->finestraStampaInCorso(); }, 5000));
    EXPECT_TRUE(modulo->stampaInCorso());

    if (caso.sospensioneMs > 0) {
        // Merely slow: the print waits through the silence, and the page goes out once the
        // server answers, with no message.
        Schede::attendiStampa(modulo.get());
        EXPECT_TRUE(inCorsoAllaRipresa);
        EXPECT_EQ(pdfAllaRipresa, 0);
        EXPECT_TRUE(programma.avvisi.messaggi.isEmpty());
        unaPaginaSu(programma.titolo(), QStringLiteral("B"));
        return;
    }

    auto *annulla = modulo->finestraStampaInCorso()->findChild<QPushButton *>(QStringLiteral("Annulla"));
    ASSERT_NE(annulla, nullptr);
    EXPECT_EQ(annulla->text(), QStringLiteral("Annulla"));
    QTest::mouseClick(annulla, Qt::LeftButton);
    EXPECT_FALSE(modulo->stampaInCorso());
    EXPECT_EQ(modulo->finestraStampaInCorso(), nullptr);
    EXPECT_EQ(programma.avvisi.messaggi, QStringList{problema});

    // Once the server is back nothing of the withdrawn page comes out, and the next press prints.
    ASSERT_TRUE(cups->riprendiDemone());
    InSottofondo::attendiTutti();
    Schede::premiStampa(*modulo);
    EXPECT_EQ(programma.avvisi.messaggi.size(), 1);
    unaPaginaSu(programma.titolo(), QStringLiteral("B"));
}

INSTANTIATE_TEST_SUITE_P(Server, ServerSospeso,
                         ::testing::Values(CasoSospeso{"CinqueSecondi", 5000},
                                           CasoSospeso{"FinoAdAnnulla", 0}),
                         righe::perNome);

// The limit a print is given: a server that never answers is given up when it runs out, not
// after the minutes the CUPS client would wait, and not before.
TEST_F(GuastiCups, UnServerMutoSiAbbandonaAlLimite)
{
    using std::chrono::milliseconds;
    constexpr milliseconds tempoConcesso{5000};
    // The silent server is asked again every fifth of a second; this many askings outlast the
    // two seconds an exchange outside a print may stay silent.
    constexpr int domandeOltreIlSilenzioConcesso = 15;
    StampantiSistema sistema;
    OrologioFinto orologio;
    const Interruzione limite(tempoConcesso, orologio);
    ASSERT_TRUE(cups->sospendiDemone());
    std::atomic<bool> finita{false};
    bool stampato = true;
    std::thread stampa([&] {
        const Interruzione::Ambito ambito(limite);
        auto documento = sistema.apriDocumento(QStringLiteral("B"));
        stampato = documento && documento->impostaPosizione(0, 0)
            && documento->stampaRiga(QStringLiteral("prova")) && documento->fineDocumento();
        finita = true;
    });
    const auto attendiDomande = [&orologio](int quante) {
        const int finora = orologio.letture;
        return QTest::qWaitFor([&] { return orologio.letture >= finora + quante; }, 30000);
    };

    EXPECT_TRUE(attendiDomande(domandeOltreIlSilenzioConcesso));
    EXPECT_FALSE(finita);
    orologio.avanza(tempoConcesso - milliseconds(1));
    EXPECT_TRUE(attendiDomande(2));
    EXPECT_FALSE(finita);

    orologio.avanza(milliseconds(1));
    EXPECT_TRUE(QTest::qWaitFor([&finita] { return finita.load(); }, 30000));
    // Also lets a print that ignores its limit come to an end.
    EXPECT_TRUE(cups->riprendiDemone());
    stampa.join();
    EXPECT_FALSE(stampato);
}

TEST_F(GuastiCups, SceltaAServerFermatoLasciaLaStampanteDiPrima)
{
    ProgrammaVero programma;
    Schede::Aperto modulo(programma.contesto, programma.dialogo, Tipo::Togli);
    Schede::generaTutti(*modulo);
    ASSERT_TRUE(Schede::dialogoDalMenu(*modulo, programma.dialogo,
                                       [](FrmStampante &d) { scegli(d, 0); }));
    ASSERT_EQ(programma.contesto.stampanteCorrente(), QStringLiteral("A"));
    ASSERT_TRUE(cups->fermaDemone());

    // The list was filled while the server was there; a choice that cannot be confirmed now
    // leaves the printer as it was and the label says which one that is.
    EXPECT_TRUE(Schede::dialogoDalMenu(*modulo, programma.dialogo, [](FrmStampante &d) {
        EXPECT_EQ(lista(d)->count(), 3);
        scegli(d, 2);
        EXPECT_EQ(etichetta(d, "Label2")->text(), QStringLiteral("La stampante scelta è \nA"));
    }));
    EXPECT_EQ(programma.contesto.stampanteCorrente(), QStringLiteral("A"));
    Schede::premiStampa(*modulo);
    EXPECT_EQ(programma.avvisi.messaggi, QStringList{problema});

    ASSERT_TRUE(cups->riavviaDemone());
    ASSERT_TRUE(Schede::dialogoDalMenu(*modulo, programma.dialogo,
                                       [](FrmStampante &d) { scegli(d, 2); }));
    EXPECT_EQ(programma.contesto.stampanteCorrente(), QStringLiteral("C"));
    Schede::premiStampa(*modulo);
    EXPECT_EQ(programma.avvisi.messaggi.size(), 1);
    unaPaginaSu(programma.titolo(), QStringLiteral("C"));
}

namespace {

struct CasoSenzaStampanti
{
    const char *nome;
    bool (CupsPrivato::*prepara)();
};

class SenzaStampanti : public GuastiCups, public ::testing::WithParamInterface<CasoSenzaStampanti>
{
};

} // namespace

TEST_P(SenzaStampanti, IlProgrammaAvvisaEResta)
{
    ASSERT_TRUE((cups->*GetParam().prepara)());
    ProgrammaVero programma;
    EXPECT_TRUE(programma.contesto.stampanteCorrente().isEmpty());
    Schede::Aperto modulo(programma.contesto, programma.dialogo, Tipo::Disegno);
    Schede::generaTutti(*modulo);
    EXPECT_TRUE(Schede::dialogoDalMenu(*modulo, programma.dialogo, [](FrmStampante &d) {
        EXPECT_EQ(lista(d)->count(), 0);
        EXPECT_EQ(etichetta(d, "Label1")->text(), QStringLiteral("Nessuna stampante installata."));
    }));
    Schede::premiStampa(*modulo);
    EXPECT_EQ(programma.avvisi.messaggi, QStringList{problema});
    // The form is still there and answers: "ESCI" closes it.
    Schede::premiEsci(*modulo);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(modulo.modulo.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SenzaStampanti,
    ::testing::Values(CasoSenzaStampanti{"NessunaCoda", &CupsPrivato::rimuoviTutte},
                      CasoSenzaStampanti{"ServerFermatoAllAvvio", &CupsPrivato::fermaDemone}),
    righe::perNome);
