#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <utility>

// Work that must not hold the user-interface thread (every exchange with the printers) runs
// here: `lavoro` on a worker thread, then `consegna` with its result in the user-interface
// thread's event loop, but only if `destinatario` still exists by then. The worker touches no
// widget; whatever it needs it gets by value, or from objects that outlive the run's workers.
class InSottofondo
{
public:
    template<typename Lavoro, typename Consegna>
    static void esegui(QObject *destinatario, Lavoro lavoro, Consegna consegna)
    {
        QPointer<QObject> guardia(destinatario);
        pool().start([guardia, lavoro = std::move(lavoro), consegna = std::move(consegna)]() mutable {
            auto risultato = lavoro();
            // The guard is read back on the user-interface thread, where the object would die.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [guardia, consegna = std::move(consegna), risultato = std::move(risultato)]() mutable {
                    if (guardia)
                        consegna(std::move(risultato));
                },
                Qt::QueuedConnection);
        });
    }

    // Waits until every piece of work has finished; the run calls it before the objects the
    // workers use go away.
    static void attendiTutti();

private:
    static QThreadPool &pool();
};
