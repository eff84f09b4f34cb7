#include "support/LavoriNuovi.h"
#include "support/ProgrammaVero.h"
#include "support/Schede.h"
#include "support/ServerDiProva.h"
#include "support/StrumentiPdf.h"
#include "support/VerificaCornice.h"
#include "platform/StampantiSistema.h"
#include "platform/SuperficieStampa.h"
#include "worksheets/FrmStampante.h"
#include "worksheets/ModuloScheda.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QMap>
#include <QTest>

#include <functional>
#include <string>

using Schede::etichetta;
using Schede::lista;
using Schede::Tipo;

// Printers set up as teachers' machines have them rather than as the other tests make them:
// no default at all, the user's own default and saved option sets, a paused queue, a
// driverless network printer. Each is met through the form: the printer the dialog names at
// start-up, "STAMPA", and what the server and the printer did with the job. The server is the
// one GuastiStampanteTest.cpp registers for this program.

namespace {

const QString problema = QStringLiteral("Problema di stampa nella stampante utilizzata.");

QStringList elencoDelDialogo(FrmStampante &dialogo)
{
    QStringList voci;
    for (int i = 0; i < lista(dialogo)->count(); ++i)
        voci.append(lista(dialogo)->itemText(i));
    return voci;
}

class StampanteDelMaestro : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cups = serverDiProva();
        SENZA_SERVER_DI_PROVA_SALTA_O_FALLISCI();
        ASSERT_TRUE(cups->riavviaDemone());
        ASSERT_TRUE(cups->dimenticaOpzioniUtente());
    }
    void TearDown() override
    {
        if (cups && cups->avviato())
            cups->dimenticaOpzioniUtente();
    }

    // The program as it starts on this set-up, a finished worksheet on screen.
    void avvia(Tipo tipo)
    {
        programma = std::make_unique<ProgrammaVero>();
        modulo = std::make_unique<Schede::Aperto>(programma->contesto, programma->dialogo, tipo);
        Schede::generaTutti(**modulo);
    }

    // The printer the dialog names, and the printers it lists.
    std::pair<QString, QStringList> dialogo()
    {
        QString nominata;
        QStringList elenco;
        EXPECT_TRUE(Schede::dialogoDalMenu(**modulo, programma->dialogo, [&](FrmStampante &d) {
            nominata = etichetta(d, "Label1")->text();
            elenco = elencoDelDialogo(d);
        }));
        return {nominata, elenco};
    }

    static inline CupsPrivato *cups = nullptr;
    std::unique_ptr<ProgrammaVero> programma;
    std::unique_ptr<Schede::Aperto> modulo;
};

// A set-up, the printer the program should start on, and the job that printer should get.
struct CasoImpostazione
{
    const char *nome;
    Tipo tipo;
    std::function<bool(CupsPrivato &)> prepara;
    const char *corrente;            // as the list and the dialog name it
    QStringList elenco;
    const char *coda;                // the queue the job lands on
    QMap<QString, QString> opzioni;  // job attributes; an empty value: the job has none
};

using righe::PrintTo;

class Impostazione : public StampanteDelMaestro,
                     public ::testing::WithParamInterface<CasoImpostazione>
{
};

const QStringList abc = {"A", "B", "C"};

} // namespace

TEST_P(Impostazione, LaStampanteNominataAllAvvioRiceveLaPaginaConLeSueOpzioni)
{
    const CasoImpostazione &caso = GetParam();
    ASSERT_TRUE(caso.prepara(*cups));
    const LavoriNuovi lavori(*cups, abc);
    avvia(caso.tipo);

    const QString corrente = QString::fromUtf8(caso.corrente);
    EXPECT_EQ(programma->contesto.stampanteCorrente(), corrente);
    const auto [nominata, elenco] = dialogo();
    EXPECT_EQ(nominata, QStringLiteral("La stampante predefinita è \n") + corrente);
    EXPECT_EQ(elenco, caso.elenco);
    EXPECT_EQ(programma->contesto.stampanteCorrente(), corrente);

    Schede::premiStampa(**modulo);
    EXPECT_TRUE(programma->avvisi.messaggi.isEmpty())
        << programma->avvisi.messaggi.join(u'|').toStdString();
    const QString pdf = cups->attendiPdf(programma->titolo());
    ASSERT_FALSE(pdf.isEmpty());
    VerificaCornice::intestazione(pdf, QString::fromUtf8(Schede::testi(caso.tipo).istruzione));
    for (const QString &coda : abc)
        EXPECT_EQ(lavori.su(coda), coda == QString::fromUtf8(caso.coda) ? 1 : 0) << coda.toStdString();

    const QMap<QString, QString> sulLavoro
        = cups->attributiLavoro(programma->titolo(), caso.opzioni.keys());
    for (auto o = caso.opzioni.cbegin(); o != caso.opzioni.cend(); ++o)
        EXPECT_EQ(sulLavoro.value(o.key()), o.value()) << o.key().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Macchine, Impostazione,
    ::testing::Values(
        // Printers installed, none made the default: the first in the list stands in.
        CasoImpostazione{"NessunaPredefinita", Tipo::Aggiungi,
                         [](CupsPrivato &c) { return c.soloCode(abc, QString()); },
                         "A", abc, "A", {{"sides", ""}}},
        // The server's default, options saved for it: the job carries them.
        CasoImpostazione{"OpzioniSalvateSullaPredefinita", Tipo::Disegno,
                         [](CupsPrivato &c) {
                             return c.soloCode(abc, QStringLiteral("B"))
                                 && c.salvaOpzioniUtente(QStringLiteral("B"),
                                                         {QStringLiteral("sides=two-sided-long-edge"),
                                                          QStringLiteral("job-priority=80")});
                         },
                         "B", abc, "B",
                         {{"sides", "two-sided-long-edge"}, {"job-priority", "80"}}},
        // The user's own default over the server's.
        CasoImpostazione{"PredefinitaDellUtente", Tipo::Togli,
                         [](CupsPrivato &c) {
                             return c.soloCode(abc, QStringLiteral("B"))
                                 && c.impostaPredefinitaUtente(QStringLiteral("C"));
                         },
                         "C", abc, "C", {{"sides", ""}}},
        // An instance as the user's default: listed after its queue, its options on the job,
        // the queue's own saved options under them.
        CasoImpostazione{"IstanzaPredefinita", Tipo::Disegno,
                         [](CupsPrivato &c) {
                             return c.soloCode(abc, QStringLiteral("A"))
                                 && c.salvaOpzioniUtente(QStringLiteral("B"),
                                                         {QStringLiteral("job-priority=20"),
                                                          QStringLiteral("sides=two-sided-short-edge")})
                                 && c.salvaOpzioniUtente(QStringLiteral("B/fronteretro"),
                                                         {QStringLiteral("sides=two-sided-long-edge")})
                                 && c.impostaPredefinitaUtente(QStringLiteral("B/fronteretro"));
                         },
                         "B/fronteretro", {"A", "B", "B/fronteretro", "C"}, "B",
                         {{"sides", "two-sided-long-edge"}, {"job-priority", "20"}}}),
    righe::perNome);

// A paused queue still takes jobs: the page waits in it, and comes out once the queue is started.
TEST_F(StampanteDelMaestro, LaCodaInPausaTieneLaPaginaFinoAllaRipresa)
{
    ASSERT_TRUE(cups->soloCode(abc, QStringLiteral("B")));
    ASSERT_TRUE(cups->fermaCoda(QStringLiteral("B")));
    avvia(Tipo::Togli);
    Schede::premiStampa(**modulo);
    EXPECT_TRUE(programma->avvisi.messaggi.isEmpty())
        << programma->avvisi.messaggi.join(u'|').toStdString();
    EXPECT_EQ(cups->codeDeiLavori(programma->titolo()), QStringList{"B"});
    // A later page on a running queue comes out: the server has been through its jobs since,
    // and has held this one.
    StampantiSistema altra(CupsPrivato::titoloUnico());
    {
        const auto documento = altra.apriDocumento(QStringLiteral("A"));
        ASSERT_TRUE(documento && documento->impostaPosizione(0, 0)
                    && documento->stampaRiga(QStringLiteral("dopo")) && documento->fineDocumento());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return cups->pdfConTitolo(altra.titoloLavoro()) == 1; }, 60000));
    EXPECT_EQ(cups->attributiLavoro(programma->titolo(), {"job-state"}).value("job-state"),
              QStringLiteral("pending"));
    EXPECT_EQ(cups->pdfConTitolo(programma->titolo()), 0);

    ASSERT_TRUE(cups->riattivaCoda(QStringLiteral("B")));
    const QString pdf = cups->attendiPdf(programma->titolo());
    ASSERT_FALSE(pdf.isEmpty());
    VerificaCornice::intestazione(pdf, QString::fromUtf8(Schede::testi(Tipo::Togli).istruzione));
    EXPECT_EQ(cups->pdfConTitolo(programma->titolo()), 1);
    EXPECT_EQ(programma->avvisi.messaggi.size(), 0);
}

// A driverless queue (the "everywhere" model, from what a real IPP printer says of itself):
// the page goes through the server to the printer, which gets one PDF of one page.
TEST_F(StampanteDelMaestro, LaCodaSenzaDriverStampaSullaStampanteDiRete)
{
    ASSERT_TRUE(cups->soloCode(abc, QStringLiteral("A")));
    ASSERT_TRUE(cups->aggiungiCodaIpp(QStringLiteral("Rete"))) << cups->errore().toStdString();
    const QStringList giaRicevuti = cups->documentiIpp();
    const LavoriNuovi lavori(*cups, {"A", "Rete"});
    avvia(Tipo::Aggiungi);
    ASSERT_TRUE(Schede::dialogoDalMenu(**modulo, programma->dialogo, [](FrmStampante &d) {
        ASSERT_EQ(elencoDelDialogo(d), (QStringList{"A", "B", "C", "Rete"}));
        Schede::scegli(d, 3);
    }));
    ASSERT_EQ(programma->contesto.stampanteCorrente(), QStringLiteral("Rete"));

    Schede::premiStampa(**modulo);
    EXPECT_TRUE(programma->avvisi.messaggi.isEmpty())
        << programma->avvisi.messaggi.join(u'|').toStdString();
    EXPECT_EQ(lavori.su(QStringLiteral("Rete")), 1);
    EXPECT_EQ(lavori.su(QStringLiteral("A")), 0);
    QStringList ricevuti = cups->documentiIpp();
    for (const QString &vecchio : giaRicevuti)
        ricevuti.removeAll(vecchio);
    ASSERT_EQ(ricevuti.size(), 1);
    EXPECT_EQ(StrumentiPdf::pagine(ricevuti.first()), 1);
    EXPECT_TRUE(StrumentiPdf::testo(ricevuti.first())
                    .simplified()
                    .contains(QString::fromUtf8(Schede::testi(Tipo::Aggiungi).istruzione).simplified()))
        << StrumentiPdf::testo(ricevuti.first()).toStdString();
}
