#pragma once

#include <QObject>
#include <QString>
#include <QtPlugin>
#include <functional>

// What the speaking module offers the program. The module links Qt's speech library and is
// loaded only when the voice is first switched on, so a run without voice never maps it.
class MotoreVoce
{
public:
    // Called on the thread of `contesto` with an empty reason once the engine can speak
    // Italian, or with a reason to show the user when it cannot; later with a reason if the
    // engine breaks down.
    using Esito = std::function<void(const QString &motivo)>;

    virtual ~MotoreVoce() = default;

    // Starts the speech engine named `motore` (empty: the system's own) away from the calling
    // thread, which never waits on the speech service.
    virtual void avvia(const QString &motore, QObject *contesto, Esito esito) = 0;
    // Says `testo` in place of whatever is still being said; of several sentences asked for
    // while the engine is busy starting or stopping, only the last is said.
    virtual void dici(const QString &testo) = 0;
    // Stops speaking.
    virtual void taci() = 0;
};

#define MotoreVoce_iid "it.tandorino.MotoreVoce/1.0"
Q_DECLARE_INTERFACE(MotoreVoce, MotoreVoce_iid)
