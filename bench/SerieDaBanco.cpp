#include "SerieDaBanco.h"

#include "comune/Contesto.h"
#include "platform/SceltaFile.h"
#include "platform/Stampanti.h"
#include "worksheets/DialogoSerie.h"
#include "worksheets/FrmStampaSchedeElementi.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr double obiettivoSalvataggioMs = 1000;
constexpr qint64 obiettivoPausaMs = 50;
constexpr double obiettivoMemoriaMiB = 20;

class SceltaFileDaBanco : public SceltaFile
{
public:
    QString percorsoPerSalvare(QWidget *, const QString &, const QString &, const QString &) override
    {
        return percorso;
    }
    QString percorso;
};

// The peak of the process's resident memory since the last azzeraPicco(), in MiB.
double piccoMiB()
{
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return -1;
    const auto trovato = QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+) kB"))
                             .match(QString::fromLatin1(stato.readAll()));
    return trovato.hasMatch() ? trovato.captured(1).toDouble() / 1024.0 : -1;
}

void azzeraPicco()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

struct Misura
{
    qint64 durataMs = -1;     // from the press to the end of the work; -1: it never ended
    qint64 pausaMassimaMs = 0; // the longest time the event loop did not turn meanwhile
};

// Asks the form's class-set dialog for quante sheets and presses one of its buttons.
Misura serie(ModuloScheda *modulo, QAction *voce, int quante, const QString &testo)
{
    voce->trigger();
    DialogoSerie *dialogo = nullptr;
    for (auto *d : modulo->findChildren<DialogoSerie *>())
        if (d->isVisible())
            dialogo = d;
    if (!dialogo)
        return {};
    dialogo->numero()->setValue(quante);
    QPushButton *pulsante = nullptr;
    for (auto *p : dialogo->findChildren<QPushButton *>())
        if (p->text() == testo)
            pulsante = p;
    if (!pulsante)
        return {};

    Misura misura;
    bool finita = false;
    QElapsedTimer totale, battito;
    QTimer sonda;
    sonda.setInterval(1);
    QObject::connect(&sonda, &QTimer::timeout, &sonda, [&battito, &misura] {
        misura.pausaMassimaMs = std::max(misura.pausaMassimaMs, battito.restart());
    });
    QObject::connect(modulo, &ModuloScheda::stampaConclusa, &sonda, [&] {
        finita = true;
        misura.durataMs = totale.elapsed();
    });
    QTimer::singleShot(0, pulsante, [pulsante, &totale, &battito] {
        totale.start();
        battito.start();
        pulsante->click();
    });
    sonda.start();
    if (!QTest::qWaitFor([&finita] { return finita; }, 60000))
        misura.durataMs = -1;
    misura.pausaMassimaMs = std::max(misura.pausaMassimaMs, battito.elapsed());
    return misura;
}

} // namespace

bool serieDellaClasse(Contesto &contesto, QAction *voceAggiungi)
{
    QTemporaryDir cartella;
    SceltaFileDaBanco scelta;
    SceltaFile &primaScelta = contesto.sceltaFile();
    contesto.impostaSceltaFile(scelta);
    voceAggiungi->trigger();
    FrmStampaSchedeElementi *modulo = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *f = qobject_cast<FrmStampaSchedeElementi *>(w); f && f->isVisible())
            modulo = f;
    if (!modulo)
        return false;
    bool ok = true;

    // The one-page save, with all four exercises made, as the teacher would do it today.
    for (int e = 1; e <= 4; ++e)
        modulo->CmdInsieme(e)->click();
    scelta.percorso = cartella.filePath(QStringLiteral("una.pdf"));
    // Warm-up: the pictures' sharpest copies are read the first time a page asks for them.
    modulo->mnuSalvaPdf()->trigger();
    azzeraPicco();
    modulo->mnuSalvaPdf()->trigger();
    const double piccoUna = piccoMiB();

    std::printf("\n| class set of \"aggiungi elementi\" | measured | goal | |\n|---|---|---|---|\n");
    auto riga = [&ok](const char *nome, double valore, const char *unita, double obiettivo) {
        const bool entro = valore >= 0 && valore < obiettivo;
        ok = ok && entro;
        std::printf("| %s | %.1f %s | < %g %s | %s |\n", nome, valore, unita, obiettivo, unita,
                    entro ? "ok" : "MISSED");
    };

    for (const int quante : {25, 60}) {
        scelta.percorso = cartella.filePath(QStringLiteral("classe-%1.pdf").arg(quante));
        azzeraPicco();
        const Misura salvata = serie(modulo, modulo->mnuSerie(), quante, QStringLiteral("Salva come PDF…"));
        const double picco = piccoMiB();
        const QByteArray nome = QStringLiteral("%1 pages saved to a PDF").arg(quante).toUtf8();
        if (quante == 25)
            riga(nome.constData(), static_cast<double>(salvata.durataMs), "ms", obiettivoSalvataggioMs);
        std::printf("| %s: file size | %.0f KiB | | |\n", nome.constData(),
                    static_cast<double>(QFile(scelta.percorso).size()) / 1024.0);
        std::printf("| %s: peak memory (one-page save: %.1f MiB) | %.1f MiB | | |\n",
                    nome.constData(), piccoUna, picco);
        riga(QStringLiteral("%1 pages saved: peak memory above the one-page save").arg(quante).toUtf8().constData(),
             picco - piccoUna, "MiB", obiettivoMemoriaMiB);
        riga(QStringLiteral("%1 pages saved: longest pause of the interface thread").arg(quante).toUtf8().constData(),
             static_cast<double>(salvata.pausaMassimaMs), "ms", obiettivoPausaMs);
    }
    // The printer that answers at once: what is timed is the program's own work.
    contesto.impostaStampanteCorrente(contesto.stampanti().predefinita());
    const Misura stampata = serie(modulo, modulo->mnuSerie(), 25, QStringLiteral("Stampa"));
    std::printf("| 25 pages printed (PDF in memory handed to the printer) | %lld ms | | |\n",
                static_cast<long long>(stampata.durataMs));
    riga("25 pages printed: longest pause of the interface thread",
         stampata.durataMs < 0 ? -1.0 : static_cast<double>(stampata.pausaMassimaMs), "ms",
         obiettivoPausaMs);

    modulo->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    contesto.impostaSceltaFile(primaScelta);
    return ok;
}
