#include "PaginaDiProva.h"
#include "support/GeometriaPagina.h"
#include "support/StrumentiPdf.h"
#include "VerificaPagina.h"
#include "platform/SuperficieStampaQt.h"
#include "worksheets/PaginaScheda.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <QPageSize>

#include <algorithm>

namespace {

using righe::PrintTo;

struct CasoPagina
{
    const char *nome;
    OrdinePagina ordine;
    int pieni;
    double margineSinistroMm;
    double margineAltoMm;
    int dpi;
};

using PaginaInPdf = ::testing::TestWithParam<CasoPagina>;

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
                      CasoPagina{"AggiungiConMargini600", OrdinePagina::SinistraEDestra, 15, 6, 8, 600},
                      CasoPagina{"TogliConMargini150", OrdinePagina::SinistraEDestra, 3, 5, 15, 150}),
    righe::perNome);

// Letter paper is shorter than the A4 the page is designed for: the whole page is scaled down to
// the printable area instead of losing its last row of boxes.
TEST(PaginaSuCartaPiuPiccola, EntraTuttaInScala)
{
    const double margineMm = 6.35;
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                             QMarginsF(margineMm, margineMm, margineMm, margineMm), QPageLayout::Millimeter);
    const QSizeF area = letter.paintRect(QPageLayout::Inch).size() * 1440;
    namespace G = GeometriaPagina;
    const QSizeF disegno(G::sinistri[1] + G::larghezza, G::fondo);
    ASSERT_LT(area.height(), disegno.height()) << "at full size the last row would be cut off";
    const double f = std::min(area.width() / disegno.width(), area.height() / disegno.height());

    QByteArray consegnato;
    SuperficieStampaQt superficie(letter, 300, QStringLiteral("prova"), [&consegnato](const QByteArray &pdf) {
        consegnato = pdf;
        return true;
    });
    const ContenutoPagina pagina = PaginaDiProva::crea(OrdinePagina::SinistraEDestra, 15);
    ASSERT_TRUE(PaginaScheda::intestazione(superficie, pagina.istruzione));
    ASSERT_TRUE(PaginaScheda::corpo(superficie, pagina));
    const QString pdf = StrumentiPdf::salvaTemporaneo(consegnato);
    const QImage immagine = StrumentiPdf::pagina(pdf);
    ASSERT_FALSE(immagine.isNull());
    const double m = twipsDaMm(margineMm);
    for (const double l : G::sinistri) {
        // Top of the first row and bottom of the last, where the scaled page puts them.
        const double x = l + G::larghezza / 2;
        EXPECT_TRUE(StrumentiPdf::scuro(immagine, m + x * f, m + G::alti[0] * f)) << x;
        EXPECT_TRUE(StrumentiPdf::scuro(immagine, m + x * f, m + G::fondo * f)) << x;
        EXPECT_FALSE(StrumentiPdf::scuro(immagine, m + x * f, m + G::fondo * f + 60)) << x;
    }
    EXPECT_EQ(StrumentiPdf::figure(pdf), 120);
}

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
