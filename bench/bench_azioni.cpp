// Every action a user takes, through the real widgets, timed many times: the medians must stay
// under a millisecond. Then a page of each worksheet kind drawn into a PDF through the printing
// surface, a class set saved and printed, and a check that nothing runs while nobody does
// anything.
#include "Misuratore.h"
#include "SerieDaBanco.h"

#include "comune/Contesto.h"
#include "app/FrmInizio.h"
#include "exercises/FrmOperativo.h"
#include "comune/StatoEsercizio.h"
#include "platform/Avvisi.h"
#include "platform/GeneratoreCasuale.h"
#include "platform/Orologio.h"
#include "platform/Stampanti.h"
#include "platform/SuperficieStampaQt.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "worksheets/PaginaScheda.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPageLayout>
#include <QPageSize>
#include <QPixmapCache>
#include <QPushButton>
#include <QResizeEvent>
#include <QSet>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int ripetizioni = 300;
constexpr int ripetizioniApertura = 60;
constexpr double obiettivoAzioneMs = 1.0;
constexpr double obiettivoStampaMs = 100.0;
constexpr int dpiStampa = 300;

// Message boxes would wait for a click; the benchmark only counts them.
class AvvisiMuti : public Avvisi
{
public:
    void mostra(QWidget *, const QString &) override { ++conteggio; }
    int conteggio = 0;
};

// Two printers that make the page into a PDF in memory: one at once, one after the two
// seconds a driverless printer can take over its first job.
class StampantiDaBanco : public Stampanti
{
public:
    static inline const QString veloce = QStringLiteral("Veloce");
    static inline const QString lenta = QStringLiteral("Lenta");
    QStringList nomi() const override { return {veloce, lenta}; }
    QString predefinita() const override { return veloce; }
    std::unique_ptr<SuperficieStampa> apriDocumento(const QString &nome) override
    {
        if (nome == lenta)
            QThread::msleep(2000);
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
        return std::make_unique<SuperficieStampaQt>(a4, 300, QStringLiteral("bench"),
                                                    [](const QByteArray &dati) { return !dati.isEmpty(); });
    }
};

void premi(QWidget *w)
{
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

void chiudi(QWidget *w)
{
    if (w)
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template<typename T>
T *trova()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *f = qobject_cast<T *>(w); f && f->isVisible())
            return f;
    return nullptr;
}

class Banco
{
public:
    Banco()
        : contesto(orologio, casuale, avvisi, stampanti, esercizio)
        , dialogo(contesto)
        , inizio(contesto, dialogo)
    {
        casuale.semina(1.0);
        inizio.resize(1920, 1080);
        inizio.show();
        if (!QTest::qWaitForWindowExposed(&inizio))
            std::fprintf(stderr, "the start screen was never shown\n");
    }

    FrmOperativo *apriEsercizio(int tipo)
    {
        premi(inizio.Option1(tipo));
        return trova<FrmOperativo>();
    }

    // Presses "AGGIUNGI (+)" or "TOGLI (-)" until the second set is as large as the first.
    void pareggia(FrmOperativo *f)
    {
        while (esercizio.ElementiD < esercizio.ElementiS)
            premi(f->Option1(0));
        while (esercizio.ElementiD > esercizio.ElementiS)
            premi(f->Option1(1));
    }

    // Back to an exercise in its editing state.
    void nuovoEsercizio(FrmOperativo *f)
    {
        if (!f->Option1(3)->isEnabled()) {
            pareggia(f);
            premi(f->Option1(2));
        }
        premi(f->Option1(3));
    }

    Orologio orologio;
    GeneratoreCasuale casuale;
    AvvisiMuti avvisi;
    StampantiDaBanco stampanti;
    StatoEsercizio esercizio;
    Contesto contesto;
    DialogoStampante dialogo;
    FrmInizio inizio;
};

void azioniEsercizio(Banco &b)
{
    Misuratore::intestazione("exercise form (real widgets)");
    Misuratore::mediana(QStringLiteral("open the exercise form"), ripetizioniApertura,
                        obiettivoAzioneMs, [&b] { b.apriEsercizio(0); },
                        [] { chiudi(trova<FrmOperativo>()); });
    FrmOperativo *f = b.apriEsercizio(1);
    Misuratore::mediana(QStringLiteral("AGGIUNGI (+)"), ripetizioni, obiettivoAzioneMs,
                        [f] { premi(f->Option1(0)); }, [&b, f] {
                            if (b.esercizio.ElementiD >= 9)
                                b.nuovoEsercizio(f);
                        });
    Misuratore::mediana(QStringLiteral("TOGLI (-)"), ripetizioni, obiettivoAzioneMs,
                        [f] { premi(f->Option1(1)); }, [f] { premi(f->Option1(0)); });
    Misuratore::mediana(QStringLiteral("VERIFICA (right)"), ripetizioni, obiettivoAzioneMs,
                        [f] { premi(f->Option1(2)); }, [&b, f] {
                            b.nuovoEsercizio(f);
                            b.pareggia(f);
                        });
    Misuratore::mediana(QStringLiteral("AVANTI  >>"), ripetizioni, obiettivoAzioneMs,
                        [f] { premi(f->Option1(3)); }, [&b, f] {
                            b.pareggia(f);
                            premi(f->Option1(2));
                        });
    // A wrong answer, then help accepted: verdict, help panel, solution.
    Misuratore::mediana(QStringLiteral("help round (VERIFICA wrong, SI)"), ripetizioni,
                        obiettivoAzioneMs,
                        [f] {
                            premi(f->Option1(2));
                            premi(f->Option3(0));
                        },
                        [&b, f] {
                            b.nuovoEsercizio(f);
                            b.pareggia(f);
                            premi(f->Option1(b.esercizio.ElementiD < 10 ? 0 : 1));
                        });
    chiudi(f);
}

template<typename Modulo>
void azioniScheda(const QString &nome, QAction *voce)
{
    Misuratore::intestazione(qPrintable(QStringLiteral("worksheet \"%1\"").arg(nome)));
    Misuratore::mediana(QStringLiteral("open the worksheet"), ripetizioniApertura,
                        obiettivoAzioneMs, [voce] { voce->trigger(); },
                        [] { chiudi(trova<Modulo>()); });
    Modulo *m = trova<Modulo>();
    int insieme = 0;
    Misuratore::mediana(QStringLiteral("regenerate a set"), ripetizioni, obiettivoAzioneMs,
                        [m, &insieme] { premi(m->CmdInsieme(insieme % 4 + 1)); },
                        [&insieme] { ++insieme; });
    Misuratore::mediana(QStringLiteral("switch halves"), ripetizioni, obiettivoAzioneMs,
                        [m] { premi(m->Command2()); });

    // The page as "STAMPA" would print it, drawn into a PDF kept in memory.
    for (int i = 1; i <= 4; ++i)
        premi(m->CmdInsieme(i));
    const ContenutoPagina pagina = m->contenutoPagina();
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    Misuratore::mediana(QStringLiteral("print the page into a PDF"), 40, obiettivoStampaMs,
                        [&pagina, &a4] {
                            SuperficieStampaQt pdf(a4, dpiStampa, QStringLiteral("bench"),
                                                   [](const QByteArray &dati) {
                                                       return !dati.isEmpty();
                                                   });
                            PaginaScheda::intestazione(pdf, pagina.istruzione);
                            PaginaScheda::corpo(pdf, pagina);
                        });
    chiudi(m);
}

// The longest the user-interface thread goes without turning its event loop while "STAMPA"
// sends a page, from the press to the end of the print: the exchange with the printer and the
// drawing of the page are on a worker, so only the form's own bookkeeping may show here.
bool stampaSenzaFermarsi(Banco &b)
{
    std::printf("\n| printing from the worksheet form | longest gap between event-loop turns | goal | |\n"
                "|---|---|---|---|\n");
    b.inizio.mnuAggiungi()->trigger();
    auto *m = trova<FrmStampaSchedeElementi>();
    for (int i = 1; i <= 4; ++i)
        premi(m->CmdInsieme(i));
    bool ok = true;
    for (const QString &stampante : {StampantiDaBanco::veloce, StampantiDaBanco::lenta}) {
        b.contesto.impostaStampanteCorrente(stampante);
        qint64 massimo = 0;
        for (int volta = 0; volta < 5; ++volta) {
            QElapsedTimer battito;
            QTimer sonda;
            sonda.setInterval(1);
            QObject::connect(&sonda, &QTimer::timeout, &sonda, [&battito, &massimo] {
                massimo = std::max(massimo, battito.restart());
            });
            QTimer::singleShot(0, m, [m] { premi(m->Command1()); });
            battito.start();
            sonda.start();
            QTest::qWait(5);
            if (!QTest::qWaitFor([m] { return !m->stampaInCorso(); }, 10000))
                massimo = std::numeric_limits<qint64>::max(); // never ended: a failure
            massimo = std::max(massimo, battito.elapsed());
        }
        const bool entro = massimo < 50;
        ok = ok && entro;
        std::printf("| %s printer (5 prints) | %lld ms | < 50 ms | %s |\n", qPrintable(stampante),
                    static_cast<long long>(massimo), entro ? "ok" : "MISSED");
    }
    chiudi(m);
    return ok;
}

// The scaling pass of a form's client, at each screen size.
void scalatura(const QString &nome, QWidget *finestra, QWidget *client)
{
    for (const QSize schermo : {QSize(1920, 1080), QSize(3840, 2160)}) {
        // Each timed resize alternates between the full and a smaller size, so every pass really
        // moves every control.
        finestra->resize(schermo);
        const QSize ridotto = schermo * 3 / 4;
        int passo = 0;
        Misuratore::mediana(QStringLiteral("%1 at %2 x %3").arg(nome).arg(schermo.width()).arg(schermo.height()),
                            ripetizioni, obiettivoAzioneMs, [client, schermo, ridotto, &passo] {
                                ++passo;
                                client->resize(passo % 2 ? ridotto : schermo);
                            });
    }
}

void passiScalatura(Banco &b)
{
    Misuratore::intestazione("scaling pass");
    scalatura(QStringLiteral("start screen"), &b.inizio, b.inizio.client());
    FrmOperativo *f = b.apriEsercizio(2);
    scalatura(QStringLiteral("exercise form"), f, f);
    chiudi(f);
    b.inizio.MnuVuoto()->trigger();
    auto *disegno = trova<FrmStampaSchede>();
    scalatura(QStringLiteral("draw worksheet"), disegno, disegno->centralWidget());
    chiudi(disegno);
    b.inizio.mnuAggiungi()->trigger();
    auto *aggiungi = trova<FrmStampaSchedeElementi>();
    scalatura(QStringLiteral("add worksheet"), aggiungi, aggiungi->centralWidget());
    chiudi(aggiungi);
}

// Counts timer events anywhere in the program while nothing happens.
class ContaTimer : public QObject
{
public:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Timer) {
            ++conteggio;
            ricevitori.insert(QString::fromLatin1(o->metaObject()->className()) + QLatin1Char(' ')
                              + o->objectName());
        }
        return QObject::eventFilter(o, e);
    }
    int conteggio = 0;
    QSet<QString> ricevitori;
};

bool inattivo(Banco &b)
{
    std::printf("\n| idle (start screen, exercise form and worksheet open, 1 s) | timer events | |\n|---|---|---|\n");
    bool tutto = true;
    // Outer widths at 96 DPI: 1920 pixels, a whole number of curtain steps on each side, and
    // 1366 pixels (a common laptop screen), whose half leaves a rest smaller than one step.
    for (const int esterna : {1920, 1366}) {
        const int bordo = b.inizio.frameGeometry().width() - b.inizio.width();
        b.inizio.resize(esterna - bordo, 768);
        QTest::qWait(3000); // the curtain opens fully: at most 192 steps of 10 ms
        FrmOperativo *f = b.apriEsercizio(0);
        b.inizio.MnuVuoto()->trigger();
        QTest::qWait(200);
        // Qt's pixmap cache ages its entries on a timer of its own while it holds any; emptied,
        // it stops, and what is left to count is the program's.
        QPixmapCache::clear();
        ContaTimer conta;
        qApp->installEventFilter(&conta);
        QTest::qWait(1000);
        qApp->removeEventFilter(&conta);
        // qWait's own wake-ups are not timer events; any counted here would be the program's.
        const bool ok = conta.conteggio == 0 && !b.inizio.timerTendine()->isActive()
            && b.inizio.Picture1()->width() == 0 && b.inizio.Picture2()->width() == 0;
        std::printf("| after the curtain has opened, outer width %d px | %d | %s |\n", esterna,
                    conta.conteggio, ok ? "ok" : "MISSED");
        for (const QString &r : conta.ricevitori)
            std::printf("|   timer events went to %s | | |\n", qPrintable(r));
        chiudi(trova<FrmStampaSchede>());
        chiudi(f);
        tutto = tutto && ok;
    }
    return tutto;
}

} // namespace

// The offscreen platform warns about every raise(); the table is what matters here.
void soloErrori(QtMsgType tipo, const QMessageLogContext &, const QString &testo)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(testo));
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(soloErrori);
    QApplication app(argc, argv);
    Banco banco;
    azioniEsercizio(banco);
    azioniScheda<FrmStampaSchede>( QStringLiteral("insieme vuoto"), banco.inizio.MnuVuoto());
    azioniScheda<FrmStampaSchedeElementi>( QStringLiteral("aggiungi elementi"),
                                          banco.inizio.mnuAggiungi());
    azioniScheda<FrmStampaSchedeElementi>( QStringLiteral("togli elementi"),
                                          banco.inizio.mnuTogli());
    passiScalatura(banco);
    const bool fluido = stampaSenzaFermarsi(banco);
    const bool classe = serieDellaClasse(banco.contesto, banco.inizio.mnuAggiungi());
    const bool quieto = inattivo(banco);
    return Misuratore::tuttiEntroObiettivo() && fluido && classe && quieto ? 0 : 3;
}
