// A seeded monkey soak over the whole program: random user events on every form, the program's
// invariants checked after each event. A failure prints its seed and the shortest event list
// found that repeats it.
//
// Environment (all optional):
//   TANDORINO_SOAK_SEMI      seeds, separated by blanks or commas (default: the fixed CI seed)
//   TANDORINO_SOAK_EVENTI    events per seed (default 10000)
//   TANDORINO_SOAK_SCELTI    play only these event numbers of the seed, e.g. "0-40,97,1200"
//   TANDORINO_SOAK_REALI     documents per run that go to a private CUPS cups-pdf queue (default 3)
//   TANDORINO_SOAK_RIDUZIONE seconds the reduction of a failure may take (default 300)
//   TANDORINO_SOAK_DESCRIVI  1: print every event as it was played
//   TANDORINO_SOAK_RIDUCI_CRASH  1: reduce a crashing run by playing candidates in child processes

#include "Eventi.h"
#include "Partita.h"
#include "Riduzione.h"
#include "support/CupsPrivato.h"
#include "support/LavoriNuovi.h"
#include "support/ServerDiProva.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <numeric>
#include <optional>
#include <set>
#include <unistd.h>

namespace {

using righe::PrintTo;

// A seed whose run reaches every part the checks below ask for; a new menu entry or control
// changes what a seed plays, so the seed may have to change with it.
constexpr std::uint64_t semeFisso = 20240616;
constexpr int eventiPredefiniti = 10000;
constexpr int stampeRealiPredefinite = 3;
constexpr int riduzionePredefinitaSecondi = 300;
const QString codaPdf = QStringLiteral("PDF");

// A private CUPS server with a cups-pdf queue, unless no document is to go to CUPS (the child
// processes of a crash reduction run without one).
const bool senzaCups = qEnvironmentVariableIsSet("TANDORINO_SOAK_REALI")
    && qEnvironmentVariableIntValue("TANDORINO_SOAK_REALI") == 0;
[[maybe_unused]] const auto *registrato
    = senzaCups ? nullptr : ::testing::AddGlobalTestEnvironment(new ServerDiProva({codaPdf}));

// ---- Lists of event numbers as text: "0-40,97,1200" ----

std::string comeTesto(const std::vector<int> &numeri)
{
    std::string s;
    for (std::size_t i = 0; i < numeri.size();) {
        std::size_t j = i;
        while (j + 1 < numeri.size() && numeri[j + 1] == numeri[j] + 1)
            ++j;
        if (!s.empty())
            s += ',';
        s += std::to_string(numeri[i]);
        if (j > i)
            s += '-' + std::to_string(numeri[j]);
        i = j + 1;
    }
    return s;
}

std::vector<int> daTesto(const QString &testo)
{
    std::vector<int> numeri;
    for (const QString &parte : testo.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList estremi = parte.trimmed().split(QLatin1Char('-'));
        const int da = estremi.first().toInt();
        const int a = estremi.size() > 1 ? estremi.at(1).toInt() : da;
        for (int n = da; n <= a; ++n)
            numeri.push_back(n);
    }
    return numeri;
}

std::vector<std::uint64_t> semi()
{
    const QString testo = qEnvironmentVariable("TANDORINO_SOAK_SEMI");
    std::vector<std::uint64_t> elenco;
    for (const QString &s : testo.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts))
        elenco.push_back(s.toULongLong());
    if (elenco.empty())
        elenco.push_back(semeFisso);
    return elenco;
}

int intero(const char *variabile, int predefinito)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(variabile, &ok);
    return ok ? v : predefinito;
}

// ---- A crash cannot be reduced in the process that crashed: it tells what to run instead ----

volatile std::sig_atomic_t semeInCorso = 0;

void scrivi(const char *s)
{
    [[maybe_unused]] const auto n = ::write(STDERR_FILENO, s, std::strlen(s));
}

void scriviNumero(long long n)
{
    char cifre[24];
    int i = sizeof cifre - 1;
    cifre[i] = '\0';
    if (n < 0) {
        scrivi("-");
        n = -n;
    }
    do {
        cifre[--i] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0 && i > 0);
    scrivi(cifre + i);
}

void rapportoCrash()
{
    if (eventoSoakInCorso < 0)
        return;
    scrivi("\nSOAK: il programma si e' fermato all'evento ");
    scriviNumero(eventoSoakInCorso);
    scrivi(" del seme ");
    scriviNumero(semeInCorso);
    scrivi(".\nPer ripeterlo:  TANDORINO_SOAK_SEMI=");
    scriviNumero(semeInCorso);
    scrivi(" TANDORINO_SOAK_EVENTI=");
    scriviNumero(eventoSoakInCorso + 1);
    scrivi(" scripts/soak.sh\nPer ridurlo:    TANDORINO_SOAK_RIDUCI_CRASH=1 TANDORINO_SOAK_SEMI=");
    scriviNumero(semeInCorso);
    scrivi(" TANDORINO_SOAK_EVENTI=");
    scriviNumero(eventoSoakInCorso + 1);
    scrivi(" scripts/soak.sh\n");
    eventoSoakInCorso = -1;
}

void segnale(int numero)
{
    rapportoCrash();
    std::signal(numero, SIG_DFL);
    std::raise(numero);
}

} // namespace

extern "C" void __sanitizer_set_death_callback(void (*)(void)) __attribute__((weak));

namespace {

QtMessageHandler gestoreQt = nullptr;

// The offscreen platform says, thousands of times a run, that it cannot raise a window.
void messaggioQt(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    if (testo.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (gestoreQt)
        gestoreQt(tipo, contesto, testo);
    else
        std::cerr << qFormatLogMessage(tipo, contesto, testo).toStdString() << '\n';
}

void preparaRapportoCrash()
{
    if (!gestoreQt)
        gestoreQt = qInstallMessageHandler(messaggioQt);
    for (int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(s, segnale);
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(rapportoCrash);
}

// Whether the candidate list still fails when played by a fresh copy of this test program.
bool fallisceInUnFiglio(std::uint64_t seme, int eventi, const std::vector<int> &scelti)
{
    QProcess figlio;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("TANDORINO_SOAK_SEMI"), QString::number(seme));
    ambiente.insert(QStringLiteral("TANDORINO_SOAK_EVENTI"), QString::number(eventi));
    ambiente.insert(QStringLiteral("TANDORINO_SOAK_SCELTI"), QString::fromStdString(comeTesto(scelti)));
    ambiente.insert(QStringLiteral("TANDORINO_SOAK_RIDUZIONE"), QStringLiteral("0"));
    ambiente.insert(QStringLiteral("TANDORINO_SOAK_REALI"), QStringLiteral("0"));
    ambiente.remove(QStringLiteral("TANDORINO_SOAK_RIDUCI_CRASH"));
    ambiente.remove(QStringLiteral("TANDORINO_SOAK_DESCRIVI"));
    figlio.setProcessEnvironment(ambiente);
    figlio.setProcessChannelMode(QProcess::MergedChannels);
    figlio.setStandardOutputFile(QProcess::nullDevice());
    figlio.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=Soak.SemeFisso")});
    figlio.waitForFinished(-1);
    return figlio.exitStatus() != QProcess::NormalExit || figlio.exitCode() != 0;
}

void stampaConti(std::uint64_t seme, const EsitoPartita &esito, double secondi)
{
    const auto &c = esito.conti;
    std::cout << "soak seme " << seme << ": " << c.eventi << " eventi in " << secondi << " s; "
              << c.esercizi << " esercizi, " << c.verdettiEsatti << " esatte, " << c.verdettiErrati
              << " errate, " << c.interventi << " interventi; " << c.schedeAperte << " schede aperte, "
              << c.insiemiSchede << " insiemi generati, " << c.stampe << " stampe (" << c.stampeReali
              << " su CUPS, " << c.stampeRealiRiuscite << " riuscite), " << c.stampeRifiutate
              << " rifiutate; " << c.dialoghiStampante << " dialoghi stampante, " << c.sceltaStampante
              << " scelte; " << c.dialoghiAutore << " dialoghi autore; " << c.fineProgramma
              << " fini del programma; " << c.ridimensionamenti << " ridimensionamenti; "
              << c.ripetizioniTasto << " ripetizioni di tasti\n";
}

// Plays the run of one seed; on a failure reduces it and reports how to repeat it.
void soak(std::uint64_t seme)
{
    const int quanti = intero("TANDORINO_SOAK_EVENTI", eventiPredefiniti);
    const std::vector<Evento> eventi = generaEventi(seme, static_cast<std::size_t>(quanti));
    std::vector<int> scelti;
    if (qEnvironmentVariableIsSet("TANDORINO_SOAK_SCELTI"))
        scelti = daTesto(qEnvironmentVariable("TANDORINO_SOAK_SCELTI"));
    else {
        scelti.resize(eventi.size());
        std::iota(scelti.begin(), scelti.end(), 0);
    }
    scelti.erase(std::remove_if(scelti.begin(), scelti.end(), [quanti](int n) { return n < 0 || n >= quanti; }),
                 scelti.end());
    const auto tempoRiduzione = std::chrono::seconds(intero("TANDORINO_SOAK_RIDUZIONE", riduzionePredefinitaSecondi));

    if (qEnvironmentVariableIntValue("TANDORINO_SOAK_RIDUCI_CRASH") == 1) {
        ASSERT_TRUE(fallisceInUnFiglio(seme, quanti, scelti)) << "il seme " << seme << " non fallisce";
        const std::vector<int> minimi = riduci(
            scelti, [&](const std::vector<int> &prova) { return fallisceInUnFiglio(seme, quanti, prova); },
            tempoRiduzione);
        ADD_FAILURE() << "seme " << seme << ": " << minimi.size() << " eventi ripetono il guasto.\n"
                      << "Per vederli:  TANDORINO_SOAK_DESCRIVI=1 TANDORINO_SOAK_SEMI=" << seme
                      << " TANDORINO_SOAK_EVENTI=" << quanti << " TANDORINO_SOAK_SCELTI=" << comeTesto(minimi)
                      << " scripts/soak.sh";
        return;
    }

    CupsPrivato *cups = serverDiProva();
    OpzioniPartita opzioni;
    opzioni.seme = seme;
    opzioni.cups = cups;
    opzioni.stampeRealiMassime = cups && cups->avviato()
        ? intero("TANDORINO_SOAK_REALI", stampeRealiPredefinite)
        : 0;
    opzioni.descrivi = qEnvironmentVariableIntValue("TANDORINO_SOAK_DESCRIVI") == 1;
    semeInCorso = static_cast<std::sig_atomic_t>(seme);

    std::optional<LavoriNuovi> lavori;
    if (cups && cups->avviato())
        lavori.emplace(*cups, QStringList{codaPdf});
    const auto inizio = std::chrono::steady_clock::now();
    const EsitoPartita esito = giocaPartita(eventi, scelti, opzioni);
    const double secondi
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    for (const std::string &riga : esito.descrizioni)
        std::cout << riga << '\n';
    stampaConti(seme, esito, secondi);

    if (!esito.fallita) {
        // The fixed run must reach every part of the program, or it proves little.
        if (!qEnvironmentVariableIsSet("TANDORINO_SOAK_SEMI") && !qEnvironmentVariableIsSet("TANDORINO_SOAK_EVENTI")
            && !qEnvironmentVariableIsSet("TANDORINO_SOAK_SCELTI")) {
            const auto &c = esito.conti;
            EXPECT_GT(c.esercizi, 0);
            EXPECT_GT(c.verdettiEsatti, 0);
            EXPECT_GT(c.verdettiErrati, 0);
            EXPECT_GT(c.interventi, 0);
            EXPECT_GT(c.schedeAperte, 0);
            EXPECT_GT(c.stampe, 0);
            EXPECT_GT(c.stampeRifiutate, 0);
            EXPECT_GT(c.dialoghiStampante, 0);
            EXPECT_GT(c.sceltaStampante, 0);
            EXPECT_GT(c.dialoghiAutore, 0);
            EXPECT_GT(c.fineProgramma, 0);
        }
        // Every page CUPS took was printed by the cups-pdf queue.
        if (lavori && esito.conti.stampeRealiRiuscite > 0) {
            EXPECT_EQ(lavori->su(codaPdf), esito.conti.stampeRealiRiuscite);
        }
        return;
    }

    // Only the events up to the failure matter.
    std::vector<int> fino;
    for (int n : scelti) {
        fino.push_back(n);
        if (n == esito.eventoFallito)
            break;
    }
    OpzioniPartita veloci = opzioni;
    veloci.descrivi = false;
    // Real prints make every try slow: left out unless the failure needs them.
    veloci.stampeRealiMassime = 0;
    if (!giocaPartita(eventi, fino, veloci).fallita)
        veloci.stampeRealiMassime = opzioni.stampeRealiMassime;
    int prove = 0;
    const std::vector<int> minimi = riduci(
        fino,
        [&](const std::vector<int> &prova) {
            ++prove;
            const EsitoPartita e = giocaPartita(eventi, prova, veloci);
            return e.fallita && e.motivo == esito.motivo;
        },
        tempoRiduzione);
    OpzioniPartita descritte = veloci;
    descritte.descrivi = true;
    const EsitoPartita ultimo = giocaPartita(eventi, minimi, descritte);

    std::ostringstream rapporto;
    rapporto << "soak fallito, seme " << seme << ", evento " << esito.eventoFallito << ": " << esito.motivo
             << "\nLista piu' corta trovata (" << minimi.size() << " eventi, da " << fino.size() << ", "
             << prove << " prove):\n";
    for (const std::string &riga : ultimo.descrizioni)
        rapporto << "  " << riga << '\n';
    rapporto << "Per ripeterla: TANDORINO_SOAK_SEMI=" << seme << " TANDORINO_SOAK_EVENTI=" << quanti
             << " TANDORINO_SOAK_SCELTI=" << comeTesto(minimi) << " scripts/soak.sh\n"
             << "Per ripetere tutto: TANDORINO_SOAK_SEMI=" << seme << " TANDORINO_SOAK_EVENTI="
             << esito.eventoFallito + 1 << " scripts/soak.sh";
    ADD_FAILURE() << rapporto.str();
}

} // namespace

TEST(Soak, SemeFisso)
{
    preparaRapportoCrash();
    for (std::uint64_t seme : semi())
        soak(seme);
}

// ---- The event generator ----

TEST(EventiSoak, UnaCorsaPiuCortaEUnPrefisso)
{
    const std::vector<Evento> lunga = generaEventi(7, 500);
    const std::vector<Evento> corta = generaEventi(7, 120);
    for (std::size_t i = 0; i < corta.size(); ++i) {
        EXPECT_EQ(corta[i].tipo, lunga[i].tipo) << i;
        EXPECT_EQ(corta[i].a, lunga[i].a) << i;
        EXPECT_EQ(corta[i].d, lunga[i].d) << i;
    }
}

TEST(EventiSoak, SemiDiversiDannoCorseDiverse)
{
    const std::vector<Evento> uno = generaEventi(1, 50);
    const std::vector<Evento> due = generaEventi(2, 50);
    int uguali = 0;
    for (std::size_t i = 0; i < uno.size(); ++i)
        uguali += uno[i].tipo == due[i].tipo && uno[i].a == due[i].a;
    EXPECT_LT(uguali, 10);
}

TEST(EventiSoak, OgniTipoDiEventoCompare)
{
    std::set<TipoEvento> visti;
    for (const Evento &e : generaEventi(semeFisso, eventiPredefiniti))
        visti.insert(e.tipo);
    EXPECT_EQ(visti.size(), 15u);
}

// ---- The reduction ----

namespace {

struct CasoRiduzione
{
    const char *nome;
    int lunghezza;
    std::function<bool(const std::vector<int> &)> fallisce;
    std::vector<int> atteso;
};

bool contieneInOrdine(const std::vector<int> &lista, const std::vector<int> &cercati)
{
    std::size_t j = 0;
    for (int n : lista)
        if (j < cercati.size() && n == cercati[j])
            ++j;
    return j == cercati.size();
}

using RiduzioneSoak = ::testing::TestWithParam<CasoRiduzione>;

} // namespace

TEST_P(RiduzioneSoak, TrovaLaListaMinima)
{
    const CasoRiduzione &caso = GetParam();
    std::vector<int> tutti(static_cast<std::size_t>(caso.lunghezza));
    std::iota(tutti.begin(), tutti.end(), 0);
    ASSERT_TRUE(caso.fallisce(tutti));
    const std::vector<int> minimi = riduci(tutti, caso.fallisce, std::chrono::seconds(60));
    EXPECT_TRUE(caso.fallisce(minimi));
    // No single event of the result can go.
    for (std::size_t i = 0; i < minimi.size(); ++i) {
        std::vector<int> senza = minimi;
        senza.erase(senza.begin() + static_cast<long>(i));
        EXPECT_FALSE(caso.fallisce(senza)) << "l'evento " << minimi[i] << " e' superfluo";
    }
    if (!caso.atteso.empty()) {
        EXPECT_EQ(minimi, caso.atteso);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, RiduzioneSoak,
    ::testing::Values(
        CasoRiduzione{"UnSoloEvento", 1000, [](const auto &l) { return contieneInOrdine(l, {613}); }, {613}},
        CasoRiduzione{"DueEventiLontani", 5000,
                      [](const auto &l) { return contieneInOrdine(l, {3, 4870}); }, {3, 4870}},
        CasoRiduzione{"TreEventiVicini", 300,
                      [](const auto &l) { return contieneInOrdine(l, {100, 101, 102}); }, {100, 101, 102}},
        CasoRiduzione{"PrimoEUltimo", 64, [](const auto &l) { return contieneInOrdine(l, {0, 63}); }, {0, 63}},
        CasoRiduzione{"BastaLaLunghezza", 200,
                      [](const auto &l) { return l.size() >= 5 && contieneInOrdine(l, {150}); },
                      {}}),
    righe::perNome);

TEST(RiduzioneSoak, IlTempoScadutoRestituisceUnaListaCheFallisce)
{
    std::vector<int> tutti(400);
    std::iota(tutti.begin(), tutti.end(), 0);
    const auto fallisce = [](const std::vector<int> &l) { return contieneInOrdine(l, {10, 390}); };
    const std::vector<int> minimi = riduci(tutti, fallisce, std::chrono::seconds(0));
    EXPECT_TRUE(fallisce(minimi));
}

TEST(ListeSoak, IntervalliAndataERitorno)
{
    const std::vector<int> lista = {0, 1, 2, 3, 7, 9, 10, 42};
    EXPECT_EQ(comeTesto(lista), "0-3,7,9-10,42");
    EXPECT_EQ(daTesto(QString::fromStdString(comeTesto(lista))), lista);
}
