#include "app/FrmInizio.h"
#include "exercises/FrmOperativo.h"
#include "platform/Voce.h"
#include "support/ContestoDiProva.h"
#include "support/SvegliaFinta.h"
#include "support/Righe.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <link.h>
#include <memory>
#include <string>

namespace {

const QString esatto = QStringLiteral("Esatto!");
const QString errato = QStringLiteral("Errato. Ti aiuto?");
const QString intervento = QStringLiteral("Intervengo io.");
const std::array<QString, 3> istruzioni = {
    QStringLiteral("Secondo insieme vuoto. Devi inserire elementi."),
    QStringLiteral("Secondo insieme suvvalente. Devi aggiungere elementi."),
    QStringLiteral("Secondo insieme prevalente. Devi togliere elementi."),
};
const QString titoloScheda = QStringLiteral("Scheda: costruire l'insieme equipotente. ");

enum class Tasto { Aggiungi = 0, Verifica = 2, Avanti = 3 };
constexpr int rispostaNo = 1;

// Whether a shared object whose path holds `frammento` is mapped into this process.
bool mappata(const char *frammento)
{
    struct Cerca
    {
        const char *frammento;
        bool trovata = false;
    } cerca{frammento};
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *dati) {
            auto *c = static_cast<Cerca *>(dati);
            if (info->dlpi_name && std::string(info->dlpi_name).find(c->frammento) != std::string::npos)
                c->trovata = true;
            return 0;
        },
        &cerca);
    return cerca.trovata;
}

// How long a speech service may take to answer before it is given up.
constexpr std::chrono::seconds limiteMotore{10};

// Said by the test itself: once the engine has said it, it has dealt with every sentence asked
// before.
const QString segnale = QStringLiteral("(segnale della prova)");

void clic(QWidget *controllo)
{
    QTest::mousePress(controllo, Qt::LeftButton);
    QTest::mouseRelease(controllo, Qt::LeftButton);
}

// The start screen on a test context, its voice on the recording engine.
class VoceProva : public ::testing::Test
{
public:
    void SetUp() override { prepara(QStringLiteral("tandorino-prova"), {QStringLiteral(CARTELLA_MODULO)}); }

    void prepara(const QString &motore, const QStringList &cartelle)
    {
        QCoreApplication::addLibraryPath(QStringLiteral(CARTELLA_PLUGIN_DI_PROVA));
        ASSERT_TRUE(cartellaRegistro.isValid());
        registro = cartellaRegistro.filePath(QStringLiteral("detto.txt"));
        qputenv("TANDORINO_PROVA_VOCE_REGISTRO", registro.toUtf8());
        via = cartellaRegistro.filePath(QStringLiteral("via"));
        qputenv("TANDORINO_PROVA_VOCE_VIA", via.toUtf8());
        inizio.reset();
        auto finta = std::make_unique<SvegliaFinta>();
        sveglia = finta.get();
        voce = std::make_unique<Voce>(motore, cartelle, std::move(finta));
        prova.contesto->impostaVoce(*voce);
        inizio = std::make_unique<FrmInizio>(*prova, *prova.dialogo);
        inizio->show();
    }

    void TearDown() override
    {
        apriVia();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != inizio.get())
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        inizio.reset();
        qunsetenv("TANDORINO_PROVA_VOCE_MODO");
    }

    // Lets an engine held by the test go on.
    void apriVia() const
    {
        QFile file(via);
        if (!file.exists()) {
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    // Waits until the engine has said everything asked of it so far.
    void assesta()
    {
        voce->dici(segnale);
        ASSERT_TRUE(QTest::qWaitFor([&] { return detti().value(detti().size() - 1) == inItaliano(segnale); }));
    }

    // Ends the run as the program does, and waits until the engine is gone: whatever it was asked
    // before has been done by then.
    void finisci()
    {
        inizio.reset();
        voce.reset();
        ASSERT_TRUE(QTest::qWaitFor([&] { return righe().contains(QStringLiteral("fine")); }));
    }

    QAction *leggi() const
    {
        for (QAction *a : inizio->menuBar()->findChildren<QAction *>())
            if (a->text() == QLatin1String("Leggi ad alta voce"))
                return a;
        return nullptr;
    }

    // Every call the engine got, in order.
    QStringList righe() const
    {
        QFile f(registro);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QStringList detti() const { return righe().filter(QRegularExpression(QStringLiteral("^say "))); }
    static QString inItaliano(const QString &frase) { return QStringLiteral("say it_IT ") + frase; }

    void modo(int tipo) { clic(inizio->Option1(tipo)); }
    FrmOperativo &operativo() const { return *inizio->operativo(); }
    void tasto(Tasto t) { clic(operativo().Option1(static_cast<int>(t))); }
    // Adds elements until the second set has as many as the first, or one more.
    void componi(bool giusto)
    {
        const StatoEsercizio &s = prova.esercizio;
        const int obiettivo = giusto ? s.ElementiS : s.ElementiS + 1;
        while (s.ElementiD < obiettivo)
            tasto(Tasto::Aggiungi);
    }
    void rifiutaAiuto()
    {
        componi(false);
        tasto(Tasto::Verifica);
        clic(operativo().Option3(rispostaNo));
    }

    ContestoDiProva prova;
    QTemporaryDir cartellaRegistro;
    QString registro;
    QString via;
    SvegliaFinta *sveglia = nullptr;
    std::unique_ptr<Voce> voce;
    std::unique_ptr<FrmInizio> inizio;
};

struct Momento
{
    const char *nome;
    std::function<void(VoceProva &)> prima;
    std::function<void(VoceProva &)> azione;
    QString detto;
};

using righe::PrintTo;

class MomentiProva : public VoceProva, public ::testing::WithParamInterface<Momento>
{
};

} // namespace

// Every sentence is said at its moment, in Italy's Italian, and not before.
TEST_P(MomentiProva, LaFraseArrivaConLAzione)
{
    const Momento &m = GetParam();
    leggi()->trigger();
    ASSERT_TRUE(leggi()->isChecked());
    m.prima(*this);
    assesta();
    const int prima = static_cast<int>(detti().size());
    m.azione(*this);
    ASSERT_TRUE(QTest::qWaitFor([&] { return detti().size() > prima; })) << "nothing said";
    finisci();
    EXPECT_EQ(detti().mid(prima), QStringList{inItaliano(m.detto)});
}

namespace {
const auto niente = [](VoceProva &) {};
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Voce, MomentiProva,
    ::testing::Values(
        Momento{"esercizio_vuoto", niente, [](VoceProva &p) { p.modo(0); }, istruzioni[0]},
        Momento{"esercizio_suvvalente", niente, [](VoceProva &p) { p.modo(1); }, istruzioni[1]},
        Momento{"esercizio_prevalente", niente, [](VoceProva &p) { p.modo(2); }, istruzioni[2]},
        Momento{"cambio_di_tipo", [](VoceProva &p) { p.modo(0); },
                [](VoceProva &p) { p.modo(2); }, istruzioni[2]},
        Momento{"avanti",
                [](VoceProva &p) {
                    p.modo(1);
                    p.modo(0); // the next exercise is of the kind chosen last
                    p.componi(true);
                    p.tasto(Tasto::Verifica);
                },
                [](VoceProva &p) { p.tasto(Tasto::Avanti); }, istruzioni[0]},
        Momento{"esatto",
                [](VoceProva &p) {
                    p.modo(0);
                    p.componi(true);
                },
                [](VoceProva &p) { p.tasto(Tasto::Verifica); }, esatto},
        Momento{"errato_e_aiuto",
                [](VoceProva &p) {
                    p.modo(0);
                    p.componi(false);
                },
                [](VoceProva &p) { p.tasto(Tasto::Verifica); }, errato},
        Momento{"intervento",
                [](VoceProva &p) {
                    p.modo(0);
                    p.rifiutaAiuto();
                    p.rifiutaAiuto();
                    p.componi(false);
                    p.tasto(Tasto::Verifica);
                },
                [](VoceProva &p) { clic(p.operativo().Option3(rispostaNo)); }, intervento},
        Momento{"scheda_disegno", niente, [](VoceProva &p) { p.inizio->MnuVuoto()->trigger(); },
                titoloScheda + QStringLiteral("Situazione iniziale: secondo insieme vuoto.")},
        Momento{"scheda_aggiungi", niente, [](VoceProva &p) { p.inizio->mnuAggiungi()->trigger(); },
                titoloScheda + QStringLiteral("Situazione iniziale: secondo insieme suvvalente.")},
        Momento{"scheda_togli", niente, [](VoceProva &p) { p.inizio->mnuTogli()->trigger(); },
                titoloScheda + QStringLiteral("Situazione iniziale: secondo insieme prevalente.")}),
    righe::perNome);

// Off, as every run starts: a whole road through the forms says nothing and never even maps the
// speaking module or Qt's speech library.
TEST_F(VoceProva, SpentaNonCaricaNienteENonDiceNiente)
{
    ASSERT_NE(leggi(), nullptr);
    EXPECT_TRUE(leggi()->isCheckable());
    EXPECT_FALSE(leggi()->isChecked());
    EXPECT_TRUE(leggi()->isEnabled());

    modo(0);
    rifiutaAiuto();
    rifiutaAiuto();
    rifiutaAiuto();
    modo(2);
    inizio->MnuVuoto()->trigger();
    inizio->mnuAggiungi()->trigger();
    inizio->mnuTogli()->trigger();

    EXPECT_FALSE(voce->moduloCaricato());
    EXPECT_FALSE(mappata("libtandorino_voce"));
    EXPECT_FALSE(mappata("libQt6TextToSpeech"));
    EXPECT_FALSE(QFile::exists(registro));
}

// A child's fast clicks: each sentence stops the one before, and the last one is what is said.
TEST_F(VoceProva, ClicVelociLascianoSoloLUltimaFrase)
{
    leggi()->trigger();
    for (int giro = 0; giro < 5; ++giro)
        for (int tipo = 0; tipo < 3; ++tipo)
            modo(tipo);
    modo(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return detti().value(detti().size() - 1) == inItaliano(istruzioni[1]); }));
    EXPECT_TRUE(mappata("libtandorino_voce"));

    // Switched off, it falls silent at once and says nothing more.
    leggi()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return righe().value(righe().size() - 1) == QLatin1String("stop"); }));
    const qsizetype finQui = righe().size();
    modo(2);
    finisci();
    const QStringList tutte = righe();
    EXPECT_EQ(detti().value(detti().size() - 1), inItaliano(istruzioni[1]));
    EXPECT_EQ(tutte.mid(finQui).filter(QRegularExpression(QStringLiteral("^say "))), QStringList{});
    for (int i = 0; i < tutte.size(); ++i) {
        if (tutte[i].startsWith(QLatin1String("say "))) {
            EXPECT_TRUE(i > 0 && tutte[i - 1] == QLatin1String("stop")) << "line " << i << " not after a stop";
        }
    }
}

// A speech service slow to start holds up nothing: the entry answers, the exercise opens while
// the engine is still held (a program that waited for it would never get here), and the
// instruction is said once the engine is up.
TEST_F(VoceProva, ServizioLentoNonFermaIlProgramma)
{
    qputenv("TANDORINO_PROVA_VOCE_MODO", "lento");
    leggi()->trigger();
    modo(1);
    EXPECT_TRUE(leggi()->isChecked());
    EXPECT_NE(inizio->operativo(), nullptr);
    EXPECT_TRUE(detti().isEmpty());
    apriVia();
    EXPECT_TRUE(QTest::qWaitFor([&] { return detti() == QStringList{inItaliano(istruzioni[1])}; }));
}

// A speech service that does not answer is given up at the limit and not before; its late answer
// changes nothing.
TEST_F(VoceProva, ServizioMutoAbbandonatoAlLimite)
{
    using std::chrono::milliseconds;
    qputenv("TANDORINO_PROVA_VOCE_MODO", "lento");
    leggi()->trigger();
    sveglia->avanza(milliseconds(limiteMotore) - milliseconds(1));
    EXPECT_TRUE(voce->disponibile());
    EXPECT_TRUE(leggi()->isChecked());

    sveglia->avanza(milliseconds(1));
    EXPECT_FALSE(voce->disponibile());
    EXPECT_FALSE(leggi()->isEnabled());
    EXPECT_TRUE(voce->motivo().startsWith(QStringLiteral("Il servizio di sintesi vocale non risponde. ")))
        << voce->motivo().toStdString();
    const QString motivo = voce->motivo();

    // The engine starts at last and answers; the stop it was sent on the give-up comes after
    // that answer, so once the stop is written down the answer is on its way to the voice.
    apriVia();
    ASSERT_TRUE(QTest::qWaitFor([&] { return righe().contains(QStringLiteral("stop")); }));
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(voce->disponibile());
    EXPECT_EQ(voce->motivo(), motivo);
    EXPECT_FALSE(leggi()->isEnabled());
    modo(1);
    finisci();
    EXPECT_TRUE(detti().isEmpty());
}

// On the way out an engine that does not let go of the speech service does not hold up the end
// of the program (a wait without end would hang this case): the voice is gone while the engine
// is still there, and the engine ends once it lets go.
TEST_F(VoceProva, MotoreCheNonLasciaNonFermaLaFine)
{
    qputenv("TANDORINO_PROVA_VOCE_MODO", "tenace");
    leggi()->trigger();
    modo(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !detti().isEmpty(); }));
    inizio.reset();
    voce.reset();
    EXPECT_FALSE(righe().contains(QStringLiteral("fine")));
    apriVia();
    EXPECT_TRUE(QTest::qWaitFor([&] { return righe().contains(QStringLiteral("fine")); }));
}

struct Mancanza
{
    const char *nome;
    const char *motore;
    const char *modo;
    bool moduloPresente;
    bool pluginDelSistema; // Qt's speech plugins of the system are found too
    const char *perche; // part of the reason: what to do
};

using righe::PrintTo;

class MancanzeProva : public VoceProva, public ::testing::WithParamInterface<Mancanza>
{
protected:
    void SetUp() override
    {
        const Mancanza &m = GetParam();
        qputenv("TANDORINO_PROVA_VOCE_MODO", m.modo);
        if (!m.pluginDelSistema)
            QCoreApplication::setLibraryPaths({});
        ASSERT_TRUE(vuota.isValid());
        prepara(QString::fromUtf8(m.motore),
                {m.moduloPresente ? QStringLiteral(CARTELLA_MODULO) : vuota.path()});
    }
    QAction *perche() const
    {
        for (QAction *a : inizio->menuBar()->findChildren<QAction *>())
            if (a->text() == QStringLiteral("Perché la voce non funziona?"))
                return a;
        return nullptr;
    }
    QTemporaryDir vuota;
};

// Without what it needs the entry goes back off and disabled, the program goes on without a
// word, and the entry below it, which a click or a tap reaches, tells what to do.
TEST_P(MancanzeProva, VoceDisabilitataConIlMotivo)
{
    const Mancanza &m = GetParam();
    ASSERT_NE(perche(), nullptr);
    EXPECT_FALSE(perche()->isVisible());
    leggi()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !leggi()->isEnabled(); }));
    EXPECT_FALSE(leggi()->isChecked());
    EXPECT_TRUE(leggi()->toolTip().contains(QString::fromUtf8(m.perche))) << leggi()->toolTip().toStdString();
    // Off for good: the form still opens, and what it hands the voice is dropped.
    EXPECT_FALSE(voce->accesa());
    modo(0);
    EXPECT_NE(inizio->operativo(), nullptr);

    ASSERT_TRUE(perche()->isVisible());
    ASSERT_TRUE(perche()->isEnabled());
    perche()->trigger();
    ASSERT_EQ(prova.avvisi.messaggi.size(), 1);
    EXPECT_TRUE(prova.avvisi.messaggi[0].contains(QString::fromUtf8(m.perche)))
        << prova.avvisi.messaggi[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Voce, MancanzeProva,
    ::testing::Values(
        Mancanza{"modulo_assente", "tandorino-prova", "italiano", false, true,
                 "(manca libtandorino_voce.so): reinstallare il pacchetto tandorino."},
        Mancanza{"motore_assente", "nessuno", "italiano", true, true, "Manca il motore di sintesi vocale"},
        Mancanza{"plugin_di_qt_assente", "speechd", "italiano", true, false,
                 "installare il pacchetto qt6-speech-speechd-plugin."},
        Mancanza{"nessuna_voce_italiana", "tandorino-prova", "inglese", true, true, "non ha una voce italiana"},
        Mancanza{"nessun_servizio", "tandorino-prova", "guasto", true, true,
                 "non risponde (nessun servizio di prova). Chiudere e riaprire Tandorino"}),
    righe::perNome);
