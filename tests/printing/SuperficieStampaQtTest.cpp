#include "PaginaDiProva.h"
#include "support/StrumentiPdf.h"
#include "VerificaPagina.h"
#include "platform/SuperficieStampaQt.h"
#include "worksheets/PaginaScheda.h"

#include <gtest/gtest.h>

#include <QPageSize>

namespace {

struct CasoPagina
{
    const char *nome;
    OrdinePagina ordine;
    int pieni;
    double margineSinistroMm;
    double margineAltoMm;
    int dpi;
};

class PaginaInPdf : public ::testing::TestWithParam<CasoPagina>
{
};

double twipsDaMm(double mm)
{
    return mm / 25.4 * 1440;
}

} // namespace

TEST_P(PaginaInPdf, TuttoAlSuoPostoNellAreaStampabile)
{
    const auto &caso = GetParam();
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(caso.margineSinistroMm, caso.margineAltoMm, 5, 5),
                             QPageLayout::Millimeter);
    QByteArray consegnato;
    SuperficieStampaQt superficie(layout, caso.dpi, QStringLiteral("prova"),
                                  [&consegnato](const QByteArray &pdf) {
                                      consegnato = pdf;
                                      return true;
                                  });
    const ContenutoPagina pagina = PaginaDiProva::crea(caso.ordine, caso.pieni);
    ASSERT_TRUE(PaginaScheda::intestazione(superficie, pagina.istruzione));
    ASSERT_TRUE(PaginaScheda::corpo(superficie, pagina));
    ASSERT_FALSE(consegnato.isEmpty());

    const QString pdf = StrumentiPdf::salvaTemporaneo(consegnato);
    verificaPaginaStampata(pdf, pagina, caso.pieni, twipsDaMm(caso.margineSinistroMm),
                           twipsDaMm(caso.margineAltoMm));
    EXPECT_EQ(StrumentiPdf::figure(pdf), caso.ordine == OrdinePagina::SoloSinistra ? 60 : 120);
}

INSTANTIATE_TEST_SUITE_P(
    Pagine, PaginaInPdf,
    ::testing::Values(CasoPagina{"DisegnaSenzaMargini300", OrdinePagina::SoloSinistra, 7, 0, 0, 300},
                      CasoPagina{"AggiungiConMargini600", OrdinePagina::SinistraEDestra, 15, 12, 8, 600},
                      CasoPagina{"TogliConMargini150", OrdinePagina::SinistraEDestra, 3, 5, 15, 150}),
    [](const auto &info) { return std::string(info.param.nome); });

TEST(DocumentoInMemoria, IlRifiutoDellaStampanteEUnFallimento)
{
    SuperficieStampaQt superficie(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}),
                                  300, QStringLiteral("prova"),
                                  [](const QByteArray &) { return false; });
    ASSERT_TRUE(superficie.linea(0, 0, 100, 100));
    EXPECT_FALSE(superficie.fineDocumento());
}

TEST(DocumentoInMemoria, DopoLaFineNienteSiDisegnaEUnaSolaConsegna)
{
    int consegne = 0;
    SuperficieStampaQt superficie(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}),
                                  300, QStringLiteral("prova"), [&consegne](const QByteArray &) {
                                      ++consegne;
                                      return true;
                                  });
    ASSERT_TRUE(superficie.fineDocumento());
    EXPECT_FALSE(superficie.linea(0, 0, 100, 100));
    EXPECT_FALSE(superficie.stampaRiga(QStringLiteral("x")));
    EXPECT_FALSE(superficie.fineDocumento());
    EXPECT_EQ(consegne, 1);
}

TEST(DocumentoInMemoria, AnnullatoNonArrivaAllaStampante)
{
    int consegne = 0;
    SuperficieStampaQt superficie(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}),
                                  300, QStringLiteral("prova"), [&consegne](const QByteArray &) {
                                      ++consegne;
                                      return true;
                                  });
    ASSERT_TRUE(superficie.stampaRiga(QStringLiteral("x")));
    superficie.annulla();
    EXPECT_FALSE(superficie.fineDocumento());
    EXPECT_EQ(consegne, 0);
}
