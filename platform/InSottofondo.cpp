#include "platform/InSottofondo.h"

QThreadPool &InSottofondo::pool()
{
    // A pool of its own: a print stuck on a silent server must not hold up the next exchange,
    // and nothing else of the program competes for these threads.
    static QThreadPool lavoratori;
    static const bool pronto = [] {
        lavoratori.setMaxThreadCount(8);
        lavoratori.setExpiryTimeout(5000);
        return true;
    }();
    Q_UNUSED(pronto);
    return lavoratori;
}

void InSottofondo::attendiTutti()
{
    pool().waitForDone();
}
