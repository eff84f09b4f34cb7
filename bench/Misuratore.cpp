#include "Misuratore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

void Misuratore::intestazione(const char *titolo)
{
    std::printf("\n| %s | median | p90 | goal | |\n|---|---|---|---|---|\n", titolo);
}

double Misuratore::mediana(const QString &nome, int ripetizioni, double obiettivoMs,
                           const std::function<void()> &azione,
                           const std::function<void()> &preparazione)
{
    std::vector<double> tempi;
    tempi.reserve(static_cast<std::size_t>(ripetizioni));
    QElapsedTimer cronometro;
    for (int i = 0; i < ripetizioni; ++i) {
        if (preparazione)
            preparazione();
        cronometro.start();
        azione();
        tempi.push_back(static_cast<double>(cronometro.nsecsElapsed()) / 1e6);
        // As the event loop would between two presses: layout, repaint, deferred deletes.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(tempi.begin(), tempi.end());
    const double med = tempi[tempi.size() / 2];
    const double p90 = tempi[tempi.size() * 9 / 10];
    const bool ok = med < obiettivoMs;
    s_entroObiettivo = s_entroObiettivo && ok;
    std::printf("| %s | %.3f ms | %.3f ms | < %g ms | %s |\n", qPrintable(nome), med, p90,
                obiettivoMs, ok ? "ok" : "MISSED");
    std::fflush(stdout);
    return med;
}
