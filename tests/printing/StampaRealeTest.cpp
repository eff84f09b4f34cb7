#include "PaginaDiProva.h"
#include "support/Schede.h"
#include "support/StrumentiPdf.h"
#include "VerificaPagina.h"
#include "comune/Contesto.h"
#include "comune/StatoEsercizio.h"
#include "platform/StampantiSistema.h"
#include "platform/SuperficieStampa.h"
#include "support/AvvisiRegistrati.h"
#include "support/CupsPrivato.h"
#include "support/LavoriNuovi.h"
#include "support/GeneratoreFinto.h"
#include "support/OrologioFinto.h"
#include "support/ProgrammaVero.h"
#include "support/ServerDiProva.h"
#include "worksheets/FrmStampante.h"
#include "worksheets/StampaScheda.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

#include <optional>
#include <string>

using Schede::apriEChiudi;
using Schede::etichetta;
using Schede::lista;
using Schede::scegli;
using Esito = StampaScheda::Esito;

namespace {

[[maybe_unused]] const auto *registrato = ::testing::AddGlobalTestEnvironment(new ServerDiProva);


class StampantiVere : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SENZA_SERVER_DI_PROVA_SALTA_O_FALLISCI();
        cups = serverDiProva();
        ASSERT_TRUE(cups->soloCode({"A", "B", "C"}, QStringLiteral("B")));
        lavori.emplace(*cups, QStringList{"A", "B", "C"});
    }

    // Jobs each queue finished since the test began.
    int nuovi(const char *coda) { return lavori->su(QString::fromLatin1(coda)); }

    CupsPrivato *cups = nullptr;
    std::optional<LavoriNuovi> lavori;
};

} // namespace

TEST_F(StampantiVere, ElencoNellOrdineDelSistemaEPredefinita)
{
    StampantiSistema sistema;
    EXPECT_EQ(sistema.nomi(), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(sistema.predefinita(), QStringLiteral("B"));
}

TEST_F(StampantiVere, LaSceltaDelDialogoRiceveLaPagina)
{
    ProgrammaVero programma;
    FrmStampante &dialogo = programma.dialogo.modulo();
    EXPECT_EQ(etichetta(dialogo, "Label1")->text(), QStringLiteral("La stampante predefinita è \nB"));
    ASSERT_TRUE(apriEChiudi(dialogo, [&dialogo] { scegli(dialogo, 2); }));
    EXPECT_EQ(programma.contesto.stampanteCorrente(), QStringLiteral("C"));

    const ContenutoPagina pagina = PaginaDiProva::crea(OrdinePagina::SinistraEDestra, 7);
    EXPECT_EQ(StampaScheda::stampa(programma.stampanti, programma.contesto.stampanteCorrente(), pagina),
              Esito::Stampata);
    const QString pdf = cups->attendiPdf(programma.stampanti.titoloLavoro());
    verificaPaginaStampata(pdf, pagina, 7);
    EXPECT_EQ(nuovi("C"), 1);
    EXPECT_EQ(nuovi("B"), 0);
    EXPECT_EQ(nuovi("A"), 0);

    EXPECT_TRUE(apriEChiudi(dialogo, [&dialogo] {
        EXPECT_EQ(lista(dialogo)->currentText(), QStringLiteral("C"));
        EXPECT_EQ(etichetta(dialogo, "Label2")->text(), QStringLiteral("La stampante scelta è \nC"));
        EXPECT_EQ(etichetta(dialogo, "Label1")->text(), QStringLiteral("La stampante predefinita è \nB"));
    }));
}

TEST_F(StampantiVere, PaginaDelDisegnoSullaPredefinita)
{
    ProgrammaVero programma;
    const ContenutoPagina pagina = PaginaDiProva::crea(OrdinePagina::SoloSinistra, 12);
    EXPECT_EQ(StampaScheda::stampa(programma.stampanti, programma.contesto.stampanteCorrente(), pagina),
              Esito::Stampata);
    verificaPaginaStampata(cups->attendiPdf(programma.stampanti.titoloLavoro()), pagina, 12);
    EXPECT_EQ(nuovi("B"), 1);
}

TEST_F(StampantiVere, SenzaStampantiIlProgrammaVaAvanti)
{
    ASSERT_TRUE(cups->rimuoviTutte());
    ProgrammaVero programma;
    EXPECT_TRUE(programma.contesto.stampanteCorrente().isEmpty());
    FrmStampante &dialogo = programma.dialogo.modulo();
    EXPECT_TRUE(apriEChiudi(dialogo));
    EXPECT_EQ(lista(dialogo)->count(), 0);
    const ContenutoPagina pagina = PaginaDiProva::crea(OrdinePagina::SoloSinistra, 3);
    EXPECT_EQ(StampaScheda::stampa(programma.stampanti, programma.contesto.stampanteCorrente(), pagina), Esito::Fallita);
    EXPECT_FALSE(cups->lavoriInCorso());
}

TEST_F(StampantiVere, StampanteToltaDopoLElenco)
{
    ProgrammaVero programma;
    FrmStampante &dialogo = programma.dialogo.modulo();
    Schede::attendiRisposte(dialogo);
    ASSERT_TRUE(cups->rimuoviCoda(QStringLiteral("C")));
    scegli(dialogo, 2);
    EXPECT_EQ(programma.contesto.stampanteCorrente(), QStringLiteral("B"));
    EXPECT_EQ(etichetta(dialogo, "Label2")->text(), QStringLiteral("La stampante scelta è \nB"));
}

TEST_F(StampantiVere, StampanteToltaDopoLaScelta)
{
    ProgrammaVero programma;
    FrmStampante &dialogo = programma.dialogo.modulo();
    scegli(dialogo, 2);
    ASSERT_TRUE(cups->rimuoviCoda(QStringLiteral("C")));
    const ContenutoPagina pagina = PaginaDiProva::crea(OrdinePagina::SoloSinistra, 3);
    EXPECT_EQ(StampaScheda::stampa(programma.stampanti, programma.contesto.stampanteCorrente(), pagina), Esito::Fallita);
    // Not quietly sent to the default printer instead.
    EXPECT_EQ(nuovi("B"), 0);
    EXPECT_EQ(nuovi("A"), 0);
}

// A queue that refuses jobs takes none; a paused one holds the page (the fault tests follow it).
TEST_F(StampantiVere, CodaCheRifiutaLavori)
{
    ProgrammaVero programma;
    FrmStampante &dialogo = programma.dialogo.modulo();
    scegli(dialogo, 2);
    ASSERT_EQ(programma.contesto.stampanteCorrente(), QStringLiteral("C"));
    ASSERT_TRUE(cups->rifiutaLavori(QStringLiteral("C")));
    const ContenutoPagina pagina = PaginaDiProva::crea(OrdinePagina::SinistraEDestra, 3);
    EXPECT_EQ(StampaScheda::stampa(programma.stampanti, programma.contesto.stampanteCorrente(), pagina), Esito::Fallita);
    EXPECT_EQ(nuovi("C"), 0);
    EXPECT_EQ(nuovi("B"), 0);
    EXPECT_FALSE(cups->lavoriInCorso());
    ASSERT_TRUE(cups->riattivaCoda(QStringLiteral("C")));
}

TEST_F(StampantiVere, NomeSconosciutoNonVaSullaPredefinita)
{
    StampantiSistema sistema;
    EXPECT_EQ(sistema.apriDocumento(QStringLiteral("Z")), nullptr);
    EXPECT_EQ(sistema.apriDocumento(QString()), nullptr);
}

TEST_F(StampantiVere, UnaStampaUnLavoro)
{
    ProgrammaVero programma;
    const ContenutoPagina pagina = PaginaDiProva::crea(OrdinePagina::SinistraEDestra, 1);
    ASSERT_EQ(StampaScheda::stampa(programma.stampanti, programma.contesto.stampanteCorrente(), pagina), Esito::Stampata);
    ASSERT_EQ(StampaScheda::stampa(programma.stampanti, programma.contesto.stampanteCorrente(), pagina), Esito::Stampata);
    EXPECT_EQ(nuovi("B"), 2);
}
