#include "platform/SuperficieRegistrata.h"
#include "support/GeometriaPagina.h"
#include "support/OperazioniRegistrate.h"
#include "worksheets/PaginaScheda.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <QColor>

using Tipo = SuperficieRegistrata::Tipo;
using Operazione = SuperficieRegistrata::Operazione;

namespace G = GeometriaPagina;

namespace {

using righe::PrintTo;

// Every cell gets a picture of its own, so a picture found on the page tells where it came from.
QImage figuraDi(int lato, int riga, int cella)
{
    QImage figura(10 + cella, 10 + riga, QImage::Format_RGB32);
    figura.fill(QColor(lato * 100, riga * 50, cella * 10));
    return figura;
}

ContenutoPagina contenuto(OrdinePagina ordine)
{
    ContenutoPagina pagina;
    pagina.istruzione = QStringLiteral("Nel riquadro accanto togli elementi");
    pagina.ordine = ordine;
    for (int riga = 0; riga < 4; ++riga) {
        for (int cella = 0; cella < 15; ++cella) {
            pagina.sinistra[riga][cella] = figuraDi(0, riga, cella);
            pagina.destra[riga][cella] = figuraDi(1, riga, cella);
        }
    }
    return pagina;
}

std::vector<Operazione> disegna(const ContenutoPagina &pagina)
{
    SuperficieRegistrata superficie;
    EXPECT_TRUE(PaginaScheda::intestazione(superficie, pagina.istruzione));
    EXPECT_TRUE(PaginaScheda::corpo(superficie, pagina));
    return superficie.operazioni();
}

struct CasoOrdine
{
    const char *nome;
    OrdinePagina ordine;
    int figure;
    // What one row draws, in order: L for a line, S/D for a picture of the left/right box.
    std::string riga;
};

using OrdineDellaPagina = ::testing::TestWithParam<CasoOrdine>;

std::string sequenzaRiga(const std::vector<Operazione> &ops, std::size_t da, std::size_t quante)
{
    std::string s;
    for (std::size_t i = da; i < da + quante && i < ops.size(); ++i) {
        if (ops[i].tipo == Tipo::Linea)
            s += 'L';
        else if (ops[i].tipo == Tipo::Immagine)
            s += ops[i].x1 < G::sinistri[1] ? 'S' : 'D';
        else
            s += '?';
    }
    return s;
}

} // namespace

TEST(IntestazioneDellaPagina, NomeEIstruzioneConPosizioneEDimensione)
{
    const auto ops = disegna(contenuto(OrdinePagina::SoloSinistra));
    ASSERT_GE(ops.size(), 7u);
    confrontaOperazioni(
        {ops.begin(), ops.begin() + 7},
        {{.tipo = Tipo::Posizione, .x1 = G::nome.x(), .y1 = G::nome.y()},
         {.tipo = Tipo::Carattere, .valore = G::puntiNome},
         {.tipo = Tipo::Riga, .testo = QStringLiteral("Nome e Cognome   ")},
         {.tipo = Tipo::Posizione, .x1 = G::istruzione.x(), .y1 = G::istruzione.y()},
         {.tipo = Tipo::Carattere, .valore = G::puntiIstruzione},
         {.tipo = Tipo::Riga, .testo = QStringLiteral("Nel riquadro accanto togli elementi")},
         {.tipo = Tipo::Spessore, .valore = G::spessoreLinea}});
}

TEST_P(OrdineDellaPagina, RigheNellOrdineDelTipoEUnaSolaFine)
{
    const auto &caso = GetParam();
    const auto ops = disegna(contenuto(caso.ordine));
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](auto &o) { return o.tipo == Tipo::Linea; }), 32);
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](auto &o) { return o.tipo == Tipo::Immagine; }),
              caso.figure);
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](auto &o) { return o.tipo == Tipo::Riga; }), 2);
    ASSERT_EQ(ops.size(), 7 + 4 * caso.riga.size() + 1);
    for (int riga = 0; riga < 4; ++riga)
        EXPECT_EQ(sequenzaRiga(ops, 7 + riga * caso.riga.size(), caso.riga.size()), caso.riga)
            << "riga " << riga + 1;
    EXPECT_EQ(ops.back().tipo, Tipo::Fine);
}

TEST_P(OrdineDellaPagina, RiquadriComeQuattroLineeSeparate)
{
    const auto ops = disegna(contenuto(GetParam().ordine));
    std::vector<QLineF> linee;
    for (const auto &o : ops) {
        if (o.tipo == Tipo::Linea)
            linee.emplace_back(o.x1, o.y1, o.x2, o.y2);
    }
    std::vector<QLineF> attese;
    for (int riga = 0; riga < 4; ++riga) {
        for (int lato = 0; lato < 2; ++lato) {
            for (const QLineF &l : G::bordi(lato, riga))
                attese.push_back(l);
        }
    }
    EXPECT_EQ(linee, attese);
}

TEST_P(OrdineDellaPagina, OgniCellaDisegnaLaSuaFiguraAlSuoAngolo)
{
    const auto &caso = GetParam();
    const auto ops = disegna(contenuto(caso.ordine));
    std::vector<std::pair<QPointF, QImage>> attese;
    for (int riga = 0; riga < 4; ++riga) {
        for (int cella = 0; cella < 15; ++cella)
            attese.push_back({G::angoloCella(0, riga, cella), figuraDi(0, riga, cella)});
        if (caso.ordine == OrdinePagina::SinistraEDestra) {
            for (int cella = 0; cella < 15; ++cella)
                attese.push_back({G::angoloCella(1, riga, cella), figuraDi(1, riga, cella)});
        }
    }
    std::vector<std::pair<QPointF, QImage>> trovate;
    for (const auto &o : ops) {
        if (o.tipo == Tipo::Immagine)
            trovate.push_back({{o.x1, o.y1}, o.figura});
    }
    ASSERT_EQ(trovate.size(), attese.size());
    for (std::size_t i = 0; i < attese.size(); ++i) {
        EXPECT_EQ(trovate[i].first, attese[i].first) << "figura " << i;
        EXPECT_TRUE(trovate[i].second == attese[i].second) << "figura " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tipi, OrdineDellaPagina,
    ::testing::Values(
        CasoOrdine{"Disegna", OrdinePagina::SoloSinistra, 60, "LLLLLLLL" + std::string(15, 'S')},
        CasoOrdine{"AggiungiETogli", OrdinePagina::SinistraEDestra, 120,
                   "LLLL" + std::string(15, 'S') + "LLLL" + std::string(15, 'D')}),
    righe::perNome);

TEST(CelleDellaPagina, Cella11DellaRiga2NeiDueRiquadri)
{
    const auto ops = disegna(contenuto(OrdinePagina::SinistraEDestra));
    const QImage sinistra = figuraDi(0, 1, 11);
    const QImage destra = figuraDi(1, 1, 11);
    int viste = 0;
    for (const auto &o : ops) {
        if (o.tipo != Tipo::Immagine)
            continue;
        if (o.figura == sinistra) {
            EXPECT_EQ(QPointF(o.x1, o.y1), G::angoloCella(0, 1, 11));
            ++viste;
        }
        if (o.figura == destra) {
            EXPECT_EQ(QPointF(o.x1, o.y1), G::angoloCella(1, 1, 11));
            ++viste;
        }
    }
    EXPECT_EQ(viste, 2);
}

TEST(CelleDellaPagina, IlDisegnoNonStampaIRiquadriDestri)
{
    const auto ops = disegna(contenuto(OrdinePagina::SoloSinistra));
    for (const auto &o : ops) {
        if (o.tipo == Tipo::Immagine) {
            EXPECT_LT(o.x1, G::sinistri[0] + G::larghezza);
        }
    }
}

struct CasoGuasto
{
    const char *nome;
    int operazione; // the first operation the printer refuses
    bool intestazione;
};

using GuastoDellaPagina = ::testing::TestWithParam<CasoGuasto>;

TEST_P(GuastoDellaPagina, SiFermaAlPrimoRifiuto)
{
    const auto &caso = GetParam();
    SuperficieRegistrata superficie;
    superficie.falliscaDa(caso.operazione);
    const bool intestazione = PaginaScheda::intestazione(superficie, QStringLiteral("x"));
    const bool corpo = PaginaScheda::corpo(superficie, contenuto(OrdinePagina::SinistraEDestra));
    EXPECT_EQ(intestazione, caso.intestazione);
    EXPECT_FALSE(corpo);
    // After the heading's failure the page is still attempted once, then nothing more is tried.
    EXPECT_EQ(superficie.operazioni().size(), static_cast<std::size_t>(caso.operazione));
    EXPECT_EQ(superficie.conta(Tipo::Fine), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Operazioni, GuastoDellaPagina,
    ::testing::Values(CasoGuasto{"PrimaPosizione", 0, false}, CasoGuasto{"RigaDelNome", 2, false},
                      CasoGuasto{"Istruzione", 5, false}, CasoGuasto{"Spessore", 6, true},
                      CasoGuasto{"PrimaLinea", 7, true}, CasoGuasto{"PrimaFigura", 11, true},
                      CasoGuasto{"UltimaFigura", 7 + 4 * 38 - 1, true},
                      CasoGuasto{"FineDocumento", 7 + 4 * 38, true}),
    righe::perNome);
