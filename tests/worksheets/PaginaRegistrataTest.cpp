#include "worksheets/PaginaScheda.h"
#include "support/ContestoDiProva.h"
#include "support/GeometriaPagina.h"
#include "support/OperazioniRegistrate.h"
#include "support/Schede.h"
#include "comune/Galleria.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/FrmStampante.h"

#include "platform/InSottofondo.h"

#include <QScopeGuard>
#include <QSemaphore>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>

// The page each worksheet kind prints when its "STAMPA" button is pressed, as recorded by the
// test's printers: every operation in order, against the page routine's drawing of the model.
namespace {

using Schede::Tipo;
using Schede::testi;
using Op = SuperficieRegistrata::Operazione;
using TipoOp = SuperficieRegistrata::Tipo;

const QStringList stampanti{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};

// What the form shows: every slot's picture, the switch caption, the half and the flags.
struct Aspetto
{
    std::vector<QImage> figure;
    QString didascalia;
    std::vector<bool> metaVisibili;
    std::vector<bool> mostrati;
    bool operator==(const Aspetto &) const = default;
};

class PaginaRegistrata : public ::testing::TestWithParam<Tipo>
{
protected:
    PaginaRegistrata()
        : modulo(Schede::apri(*prova, *prova.dialogo, GetParam()))
    {
    }

    void premi(const QString &testo)
    { Schede::premi(modulo.get(), testo); }
    void premiInsieme(int s) { premi(QString::fromUtf8(testi(GetParam()).pulsanteInsieme).arg(s)); }
    void completa()
    {
        for (int s : {3, 2, 4})
            premiInsieme(s);
    }

    Aspetto aspetto() const
    {
        Aspetto a;
        for (auto *c : modulo->findChildren<CasellaFigura *>())
            a.figure.push_back(c->figura());
        // The switch button, whichever of its captions it shows.
        for (const char *nome : {"Visualizza la seconda parte", "Visualizza la prima parte",
                                 "Visualiza la prima parte"})
            if (Schede::pulsante(modulo.get(), QString::fromUtf8(nome)))
                a.didascalia += QString::fromUtf8(nome);
        for (auto *w : modulo->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            a.metaVisibili.push_back(w->isVisible());
        for (int s = 1; s <= 4; ++s)
            a.mostrati.push_back(modulo->mostrato(s));
        return a;
    }

    // The printers took one document, whole: not withdrawn and ended once, with no message.
    ::testing::AssertionResult unDocumentoIntero() const
    {
        if (!prova.avvisi.messaggi.isEmpty())
            return ::testing::AssertionFailure() << prova.avvisi.messaggi.join(u'|').toStdString();
        if (prova.stampanti.documenti.size() != 1)
            return ::testing::AssertionFailure() << prova.stampanti.documenti.size() << " documents";
        const SuperficieRegistrata &d = *prova.stampanti.documenti[0].superficie;
        if (d.annullato() || d.conta(TipoOp::Fine) != 1)
            return ::testing::AssertionFailure() << "withdrawn or not ended once";
        return ::testing::AssertionSuccess();
    }

    const std::vector<Op> &documento(std::size_t i) const
    {
        return prova.stampanti.documenti.at(i).superficie->operazioni();
    }

    ContestoDiProva prova{stampanti, QStringLiteral("B")};
    std::unique_ptr<ModuloScheda> modulo;
};

// The page the form should print: the page routine's drawing of what the form's model holds.
// Where each thing stands is the page routine's rule and what each cell holds the model's;
// here, that the form prints just that page.
std::vector<Op> paginaAttesa(const ModelloScheda &modello, const Galleria &galleria)
{
    SuperficieRegistrata attesa;
    const ContenutoPagina contenuto = modello.contenutoPagina(galleria);
    EXPECT_TRUE(PaginaScheda::intestazione(attesa, contenuto.istruzione));
    EXPECT_TRUE(PaginaScheda::corpo(attesa, contenuto));
    return attesa.operazioni();
}

TEST_P(PaginaRegistrata, StampaPrintsTheModelsPageOnTheCurrentPrinter)
{
    completa();
    // The half on screen plays no part.
    QTest::mouseClick(Schede::pulsante(modulo.get(), QStringLiteral("Visualizza la prima parte")),
                      Qt::LeftButton);
    premi(QStringLiteral("STAMPA"));

    ASSERT_TRUE(unDocumentoIntero());
    EXPECT_EQ(prova.stampanti.documenti[0].stampante, QStringLiteral("B"));
    const SuperficieRegistrata &pagina = *prova.stampanti.documenti[0].superficie;
    EXPECT_EQ(pagina.conta(TipoOp::Linea), 32);
    EXPECT_EQ(pagina.conta(TipoOp::Immagine), testi(GetParam()).dueRiquadri ? 120 : 60);
    confrontaOperazioni(pagina.operazioni(), paginaAttesa(modulo->modello(), (*prova).galleria()));
}

TEST_P(PaginaRegistrata, TwoPressesGiveTheSamePageAndLeaveTheFormAsItWas)
{
    completa();
    const Aspetto prima = aspetto();
    const int estrazioni = prova.casuale.estrazioni();
    const int semine = prova.casuale.semine();

    premi(QStringLiteral("STAMPA"));
    premi(QStringLiteral("STAMPA"));

    ASSERT_EQ(prova.stampanti.documenti.size(), 2u);
    confrontaOperazioni(documento(1), documento(0));
    EXPECT_TRUE(aspetto() == prima);
    EXPECT_EQ(prova.casuale.estrazioni(), estrazioni);
    EXPECT_EQ(prova.casuale.semine(), semine);
    EXPECT_EQ((*prova).stampanteCorrente(), QStringLiteral("B"));
    EXPECT_TRUE(prova.avvisi.messaggi.isEmpty());
}

TEST_P(PaginaRegistrata, ThePrinterMenuOpensTheDialogAndItsChoiceTakesTheNextPage)
{
    completa();
    premi(QStringLiteral("STAMPA"));
    const Aspetto prima = aspetto();

    ASSERT_TRUE(Schede::dialogoDalMenu(*modulo, *prova.dialogo,
                                       [](FrmStampante &d) { Schede::scegli(d, 2); }));
    EXPECT_EQ((*prova).stampanteCorrente(), QStringLiteral("C"));
    EXPECT_TRUE(aspetto() == prima);
    premi(QStringLiteral("STAMPA"));

    ASSERT_EQ(prova.stampanti.documenti.size(), 2u);
    EXPECT_EQ(prova.stampanti.documenti[0].stampante, QStringLiteral("B"));
    EXPECT_EQ(prova.stampanti.documenti[1].stampante, QStringLiteral("C"));
    confrontaOperazioni(documento(1), documento(0));
}

TEST_P(PaginaRegistrata, ClosingThePrinterDialogWithoutAChoiceKeepsThePrinter)
{
    completa();
    ASSERT_TRUE(Schede::dialogoDalMenu(*modulo, *prova.dialogo));
    premi(QStringLiteral("STAMPA"));
    ASSERT_EQ(prova.stampanti.documenti.size(), 1u);
    EXPECT_EQ(prova.stampanti.documenti[0].stampante, QStringLiteral("B"));
}

// The pages of a recorded class set: the gallery index of every picture in drawing order (-2
// for a picture not the gallery's), the number of lines, the last text and its height.
struct PaginaSerie
{
    std::vector<int> figure;
    int linee = 0;
    QString segno;
    double ySegno = 0;
};

std::vector<PaginaSerie> pagineSerie(const std::vector<Op> &ops, const Galleria &galleria)
{
    std::vector<PaginaSerie> pagine(1);
    for (const Op &op : ops) {
        if (op.tipo == TipoOp::Pagina)
            pagine.emplace_back();
        PaginaSerie &p = pagine.back();
        p.linee += op.tipo == TipoOp::Linea;
        p.ySegno = op.tipo == TipoOp::Posizione ? op.y1 : p.ySegno;
        p.segno = op.tipo == TipoOp::Riga ? op.testo : p.segno;
        if (op.tipo == TipoOp::Immagine)
            p.figure.push_back(-2);
        for (int g = Galleria::figuraVuota; g <= Galleria::ultimaFiguraElemento; ++g)
            if (op.tipo == TipoOp::Immagine && op.figura.cacheKey() == galleria.perStampa(g).cacheKey())
                p.figure.back() = g;
    }
    return pagine;
}

TEST_P(PaginaRegistrata, AClassSetIsOneDocumentOfDifferentMarkedPagesByTheKindsRules)
{
    // Only the first set is made: a class set needs nothing of the sheet on screen.
    const Aspetto prima = aspetto();
    ASSERT_TRUE(Schede::serieDalMenu(*modulo, 5, QStringLiteral("Annulla")));
    EXPECT_TRUE(prova.stampanti.documenti.empty());

    ASSERT_TRUE(Schede::serieDalMenu(*modulo, 5, QStringLiteral("Stampa")));
    ASSERT_TRUE(unDocumentoIntero());
    const SuperficieRegistrata &documento = *prova.stampanti.documenti[0].superficie;
    EXPECT_TRUE(aspetto() == prima);

    const auto pagine = pagineSerie(documento.operazioni(), (*prova).galleria());
    const long lati = testi(GetParam()).dueRiquadri ? 2 : 1;
    ASSERT_EQ(pagine.size(), 5u);
    for (std::size_t i = 0; i < pagine.size(); ++i) {
        const PaginaSerie &p = pagine[i];
        EXPECT_EQ(p.linee, 32);
        EXPECT_EQ(p.segno, QStringLiteral("Scheda %1 di 5").arg(i + 1));
        EXPECT_GT(p.ySegno, GeometriaPagina::fondo) << "the mark stands below the last row";
        EXPECT_EQ(std::count_if(pagine.begin(), pagine.end(), [&p](const auto &q) { return q.figure == p.figure; }), 1);
        ASSERT_EQ(p.figure.size(), static_cast<std::size_t>(60 * lati));
        // Each row as the kind's "VISUALIZZA" press makes it: left box, then right box.
        for (auto sx = p.figure.begin(); sx != p.figure.end(); sx += 15 * lati) {
            const auto dx = sx + 15;
            const int f = *std::max_element(sx, sx + 15);
            const auto n = std::count(sx, sx + 15, f);
            EXPECT_EQ(std::count(sx, sx + 15, 0) + n, 15);
            if (lati == 1) {
                EXPECT_TRUE(f >= 1 && n >= 2 && n <= 10) << f << " x " << n;
                continue;
            }
            const auto m = std::count(dx, dx + 15, f);
            EXPECT_TRUE(f >= 1 && n >= 3 && n <= 9 && m >= 3 && m <= n) << f << ": " << n << ", " << m;
            EXPECT_TRUE(std::all_of(dx, dx + m, [f](int g) { return g == f; })
                        && std::all_of(dx + m, dx + 15, [](int g) { return g == 0; }));
        }
    }
}

// "Annulla" in the window of a set on its way withdraws the whole job, not just what is left.
TEST_P(PaginaRegistrata, AnnullaMidSetWithdrawsTheWholeJob)
{
    QSemaphore avanti;
    // However the test ends, the worker goes on and is done before the printers go.
    const auto libera = qScopeGuard([&avanti] {
        avanti.release(5);
        InSottofondo::attendiTutti();
    });
    prova.stampanti.primaDiOgniPagina = [&avanti] { avanti.tryAcquire(1, 60000); };
    ASSERT_TRUE(Schede::serieDalMenu(*modulo, 5, QStringLiteral("Stampa"), false));
    ASSERT_TRUE(QTest::qWaitFor([this] { return modulo->finestraStampaInCorso(); }, 5000));
    QTest::mouseClick(modulo->finestraStampaInCorso()->findChild<QPushButton *>(QStringLiteral("Annulla")),
                      Qt::LeftButton);
    EXPECT_FALSE(modulo->stampaInCorso());
    EXPECT_EQ(prova.avvisi.messaggi,
              QStringList{QStringLiteral("Problema di stampa nella stampante utilizzata.")});

    avanti.release(5);
    InSottofondo::attendiTutti();
    ASSERT_EQ(prova.stampanti.documenti.size(), 1u);
    const SuperficieRegistrata &documento = *prova.stampanti.documenti[0].superficie;
    EXPECT_TRUE(documento.annullato());
    EXPECT_EQ(documento.conta(TipoOp::Fine), 0);
    EXPECT_LT(documento.conta(TipoOp::Pagina), 4);
}

INSTANTIATE_TEST_SUITE_P(Tipi, PaginaRegistrata,
                         ::testing::ValuesIn(Schede::tutti),
                         Schede::nomeCaso);

// Exercise 2 of the add and remove kinds: cell 11 of its sets is cell 11 of row 2 of the page.
class RigaDueElementi : public PaginaRegistrata
{
};

TEST_P(RigaDueElementi, Cell11OfRowTwoPrintsTheModelsCellInBothBoxes)
{
    // A first set of nine with slot 11 among them, a second set of m = 8 in slots 0..7.
    Schede::accodaEsercizio(prova.casuale, 5, 15, {11, 0, 2, 4, 6, 8, 10, 12, 14}, 7);
    premiInsieme(2);
    premiInsieme(3);
    premiInsieme(4);
    const QImage &elemento = (*prova).galleria().perStampa(5);
    const QImage &bianca = (*prova).galleria().perStampa(0);
    ASSERT_EQ(modulo->modello().figura(2, ModelloScheda::Insieme::Primo, 11), 5);
    ASSERT_EQ(modulo->modello().figura(2, ModelloScheda::Insieme::Secondo, 11), 0);
    premi(QStringLiteral("STAMPA"));
    ASSERT_EQ(prova.stampanti.documenti.size(), 1u);

    auto figureA = [&](QPointF angolo) {
        std::vector<QImage> trovate;
        for (const Op &op : documento(0))
            if (op.tipo == TipoOp::Immagine && QPointF(op.x1, op.y1) == angolo)
                trovate.push_back(op.figura);
        return trovate;
    };
    EXPECT_EQ(figureA(GeometriaPagina::angoloCella(0, 1, 11)), std::vector<QImage>{elemento});
    EXPECT_EQ(figureA(GeometriaPagina::angoloCella(1, 1, 11)), std::vector<QImage>{bianca});
    // m = 8: the whole top row and the first three cells of the middle row of the right box.
    for (int k = 0; k < 15; ++k)
        EXPECT_EQ(figureA(GeometriaPagina::angoloCella(1, 1, k)),
                  std::vector<QImage>{k < 8 ? elemento : bianca})
            << "cella " << k;
}

INSTANTIATE_TEST_SUITE_P(Tipi, RigaDueElementi,
                         ::testing::Values(Tipo::Aggiungi, Tipo::Togli),
                         Schede::nomeCaso);

} // namespace
