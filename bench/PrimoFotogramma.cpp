#include "PrimoFotogramma.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

PrimoFotogramma::PrimoFotogramma(QWidget *finestra)
    : QObject(finestra)
{
    finestra->installEventFilter(this);
}

bool PrimoFotogramma::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        // Let this paint finish and reach the screen, then report.
        QMetaObject::invokeMethod(
            this,
            [] {
                std::puts("PRONTO");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
        watched->removeEventFilter(this);
    }
    return QObject::eventFilter(watched, event);
}
