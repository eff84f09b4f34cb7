#include "support/ContestoDiProva.h"
#include "support/Schede.h"
#include "comune/Galleria.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/ModelloScheda.h"
#include "worksheets/SerieSchede.h"

#include <gtest/gtest.h>
#include <memory>

// The worksheet model is the truth: driven without any window it holds the sets the draws
// make and the page they print; a form shows exactly what its model holds.
namespace {

using Schede::Tipo;
using Insieme = ModelloScheda::Insieme;
constexpr int nessuna = ModelloScheda::nessunaFigura;

class Modello : public ::testing::TestWithParam<Tipo>
{
protected:
    ContestoDiProva prova;
    ModelloScheda modello{Schede::tipoModello(GetParam()), (*prova).casuale(), (*prova).orologio()};
};

TEST_P(Modello, HoldsTheDrawnSetOnlyWhereItBelongsAndPrintsIt)
{
    const bool elementi = GetParam() != Tipo::Disegno;
    const Galleria &galleria = (*prova).galleria();
    modello.ricomincia();
    for (int e = 1; e <= 4; ++e) {
        EXPECT_FALSE(modello.mostrato(e)) << e;
        for (int k = 0; k < 15; ++k)
            EXPECT_EQ(modello.figura(e, Insieme::Primo, k), nessuna) << e << "/" << k;
    }

    // Exercise 3: picture 7 at cells 14, 2 and 9 of the first set; the second set of the add
    // and remove kinds (d = 2) fills its first three cells.
    if (elementi)
        Schede::accodaEsercizio(prova.casuale, 7, 30, {14, 2, 9}, 2);
    else
        Schede::accodaInsieme(prova.casuale, 7, 90, {14, 2, 9});
    modello.genera(3);
    EXPECT_EQ(prova.casuale.inCoda(), 0U);

    for (int e = 1; e <= 4; ++e)
        EXPECT_EQ(modello.mostrato(e), e == 3) << e;
    EXPECT_FALSE(modello.completa());
    EXPECT_EQ(elementi ? modello.esercizioElementi(3).figura : modello.insiemeDaDisegnare(3).figura, 7);
    for (int k = 0; k < 15; ++k) {
        const bool nelPrimo = k == 2 || k == 9 || k == 14;
        EXPECT_EQ(modello.figura(3, Insieme::Primo, k), nelPrimo ? 7 : 0) << k;
        EXPECT_EQ(modello.figura(3, Insieme::Secondo, k), elementi ? (k < 3 ? 7 : 0) : nessuna) << k;
    }

    const ContenutoPagina pagina = modello.contenutoPagina(galleria);
    EXPECT_EQ(pagina.istruzione, QString::fromUtf8(Schede::testi(GetParam()).istruzione));
    EXPECT_EQ(pagina.ordine, elementi ? OrdinePagina::SinistraEDestra : OrdinePagina::SoloSinistra);
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 15; ++k) {
            EXPECT_EQ(pagina.sinistra[r][k], galleria.perStampa(modello.figura(r + 1, Insieme::Primo, k)))
                << r << "/" << k;
            EXPECT_EQ(pagina.destra[r][k], galleria.perStampa(modello.figura(r + 1, Insieme::Secondo, k)))
                << r << "/" << k;
            // Only the generated row has pictures; a set never made prints nothing.
            EXPECT_EQ(pagina.sinistra[r][k].isNull(), r != 2) << r << "/" << k;
            EXPECT_EQ(pagina.destra[r][k].isNull(), r != 2 || !elementi) << r << "/" << k;
        }
    }
}

// Every slot of the preview shows the gallery picture its cell holds in the model, after the
// load, after all four sets and after a set made again.
TEST_P(Modello, ThePreviewShowsWhatTheModelHolds)
{
    Schede::Aperto modulo(*prova, *prova.dialogo, GetParam());
    const Galleria &galleria = (*prova).galleria();
    auto verifica = [&](const char *quando) {
        for (int e = 1; e <= 4; ++e) {
            for (Insieme insieme : {Insieme::Primo, Insieme::Secondo}) {
                for (int k = 0; k < 15; ++k) {
                    const int figura = modulo->modello().figura(e, insieme, k);
                    const CasellaFigura *c = Schede::casella(*modulo, e, insieme, k);
                    if (!c) {
                        EXPECT_EQ(figura, nessuna) << quando << " " << e << "/" << k;
                        continue;
                    }
                    EXPECT_EQ(c->figura(), galleria.Image3(figura)) << quando << " " << e << "/" << k;
                    EXPECT_EQ(c->figura().isNull(), !modulo->mostrato(e)) << quando << " " << e << "/" << k;
                }
            }
        }
    };
    verifica("al caricamento");
    Schede::generaTutti(*modulo);
    verifica("con quattro insiemi");
    Schede::premiInsieme(*modulo, 2);
    verifica("rigenerato il secondo");
}

// A class set never hands two children the same sheet: a draw equal to an earlier sheet is
// made again, set by set as the presses make it.
TEST_P(Modello, AClassSetDrawsASheetEqualToAnEarlierOneAgain)
{
    const ModelloScheda::Tipo tipo = Schede::tipoModello(GetParam());
    // Sheets of one picture in slots 0, 1 and 2 of every set; the second draw repeats the first.
    for (int figura : {4, 4, 9}) {
        for (int e = 1; e <= 4; ++e) {
            if (tipo == ModelloScheda::Tipo::Disegno)
                Schede::accodaInsieme(prova.casuale, figura, ModelloScheda::basiDisegno[e - 1], {0, 1, 2});
            else
                Schede::accodaEsercizio(prova.casuale, figura, 15 * (e - 1), {0, 1, 2}, 2);
        }
    }
    const std::vector<ModelloScheda> serie
        = SerieSchede::genera(tipo, 2, (*prova).casuale(), (*prova).orologio());
    EXPECT_EQ(prova.casuale.inCoda(), 0U);
    ASSERT_EQ(serie.size(), 2u);
    EXPECT_FALSE(SerieSchede::uguali(serie[0], serie[1]));
    for (int e = 1; e <= 4; ++e) {
        EXPECT_EQ(serie[0].figura(e, Insieme::Primo, 2), 4) << e;
        EXPECT_EQ(serie[1].figura(e, Insieme::Primo, 2), 9) << e;
        EXPECT_TRUE(serie[1].mostrato(e)) << e;
    }
}

// The half on show belongs to the model: a generated set shows its own half, the switch the other,
// and a new load the first; the form's halves follow it.
TEST_P(Modello, HoldsTheHalfOnShow)
{
    using Meta = ModelloScheda::Meta;
    modello.ricomincia();
    EXPECT_EQ(modello.meta(), Meta::Prima);
    for (const auto &[esercizio, meta] : {std::pair{3, Meta::Seconda}, std::pair{2, Meta::Prima},
                                          std::pair{4, Meta::Seconda}, std::pair{1, Meta::Prima}}) {
        modello.genera(esercizio);
        EXPECT_EQ(modello.meta(), meta) << esercizio;
    }
    modello.scambiaMeta();
    EXPECT_EQ(modello.meta(), Meta::Seconda);
    modello.scambiaMeta();
    EXPECT_EQ(modello.meta(), Meta::Prima);
    modello.scambiaMeta();
    modello.ricomincia();
    EXPECT_EQ(modello.meta(), Meta::Prima);
}

INSTANTIATE_TEST_SUITE_P(Tipi, Modello, ::testing::ValuesIn(Schede::tutti), Schede::nomeCaso);

} // namespace
