#include "support/ContestoDiProva.h"
#include "worksheets/StampaScheda.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

using Esito = StampaScheda::Esito;
using Tipo = SuperficieRegistrata::Tipo;

namespace {

using righe::PrintTo;

ContenutoPagina pagina()
{
    ContenutoPagina p;
    p.istruzione = QStringLiteral("Nel riquadro accanto aggiungi elementi");
    p.ordine = OrdinePagina::SinistraEDestra;
    QImage figura(16, 16, QImage::Format_RGB32);
    figura.fill(Qt::red);
    for (auto &riquadro : p.sinistra)
        riquadro.fill(figura);
    for (auto &riquadro : p.destra)
        riquadro.fill(figura);
    return p;
}

} // namespace

TEST(StampaDellaScheda, UnaPaginaSullaStampanteCorrente)
{
    ContestoDiProva c({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
                      QStringLiteral("B"));
    (*c).impostaStampanteCorrente(QStringLiteral("C"));
    EXPECT_EQ(StampaScheda::stampa(c.stampanti, (*c).stampanteCorrente(), pagina()), Esito::Stampata);
    ASSERT_EQ(c.stampanti.documenti.size(), 1u);
    EXPECT_EQ(c.stampanti.documenti[0].stampante, QStringLiteral("C"));
    const auto *doc = c.stampanti.documenti[0].superficie;
    EXPECT_EQ(doc->conta(Tipo::Fine), 1);
    EXPECT_EQ(doc->conta(Tipo::Immagine), 120);
    EXPECT_FALSE(doc->annullato());
}

TEST(StampaDellaScheda, DueStampeDannoLaStessaPagina)
{
    ContestoDiProva c({QStringLiteral("A")}, QStringLiteral("A"));
    const ContenutoPagina p = pagina();
    ASSERT_EQ(StampaScheda::stampa(c.stampanti, (*c).stampanteCorrente(), p), Esito::Stampata);
    ASSERT_EQ(StampaScheda::stampa(c.stampanti, (*c).stampanteCorrente(), p), Esito::Stampata);
    ASSERT_EQ(c.stampanti.documenti.size(), 2u);
    const auto &prima = c.stampanti.documenti[0].superficie->operazioni();
    const auto &seconda = c.stampanti.documenti[1].superficie->operazioni();
    ASSERT_EQ(prima.size(), seconda.size());
    for (std::size_t i = 0; i < prima.size(); ++i) {
        EXPECT_EQ(prima[i].tipo, seconda[i].tipo);
        EXPECT_EQ(QLineF(prima[i].x1, prima[i].y1, prima[i].x2, prima[i].y2),
                  QLineF(seconda[i].x1, seconda[i].y1, seconda[i].x2, seconda[i].y2));
        EXPECT_EQ(prima[i].testo, seconda[i].testo);
    }
}

struct CasoSenzaStampante
{
    const char *nome;
    QStringList installate;
    QString corrente;
};

using StampanteAssente = ::testing::TestWithParam<CasoSenzaStampante>;

TEST_P(StampanteAssente, NienteSiStampa)
{
    const auto &caso = GetParam();
    ContestoDiProva c(caso.installate, caso.corrente);
    EXPECT_EQ(StampaScheda::stampa(c.stampanti, (*c).stampanteCorrente(), pagina()), Esito::Fallita);
    EXPECT_TRUE(c.stampanti.documenti.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casi, StampanteAssente,
    ::testing::Values(CasoSenzaStampante{"NessunaInstallata", {}, {}},
                      CasoSenzaStampante{"CorrenteRimossa", {QStringLiteral("A")}, QStringLiteral("B")},
                      CasoSenzaStampante{"NessunaPredefinita", {QStringLiteral("A")}, {}}),
    righe::perNome);

struct CasoGuasto
{
    const char *nome;
    int operazione;
};

using GuastoDuranteLaStampa = ::testing::TestWithParam<CasoGuasto>;

TEST_P(GuastoDuranteLaStampa, DocumentoAbbandonato)
{
    ContestoDiProva c({QStringLiteral("A")}, QStringLiteral("A"));
    c.stampanti.falliscaDa = GetParam().operazione;
    EXPECT_EQ(StampaScheda::stampa(c.stampanti, (*c).stampanteCorrente(), pagina()), Esito::Fallita);
    ASSERT_EQ(c.stampanti.documenti.size(), 1u);
    EXPECT_TRUE(c.stampanti.documenti[0].superficie->annullato());
    EXPECT_EQ(c.stampanti.documenti[0].superficie->conta(Tipo::Fine), 0);

    // The form goes on: the next print on a working printer succeeds.
    c.stampanti.falliscaDa.reset();
    EXPECT_EQ(StampaScheda::stampa(c.stampanti, (*c).stampanteCorrente(), pagina()), Esito::Stampata);
}

INSTANTIATE_TEST_SUITE_P(
    Operazioni, GuastoDuranteLaStampa,
    ::testing::Values(CasoGuasto{"Intestazione", 0}, CasoGuasto{"Istruzione", 5},
                      CasoGuasto{"Spessore", 6}, CasoGuasto{"Riquadro", 9},
                      CasoGuasto{"Figura", 40}, CasoGuasto{"FineDocumento", 7 + 4 * 38}),
    righe::perNome);
