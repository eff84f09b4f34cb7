#pragma once

#include "platform/MotoreVoce.h"

#include <QMutex>
#include <QObject>
#include <QString>

class Parlatore;
class QThread;

// The speaking module's entry: the program loads it at run time and talks to it through
// MotoreVoce. Qt's speech engine lives on a thread of its own, because starting it may wait
// for the speech service; only the latest sentence asked for is handed to it.
class ModuloVoce : public QObject, public MotoreVoce
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MotoreVoce_iid)
    Q_INTERFACES(MotoreVoce)

public:
    ModuloVoce();
    ~ModuloVoce() override;

    void avvia(const QString &motore, QObject *contesto, Esito esito) override;
    void dici(const QString &testo) override;
    void taci() override;

private:
    void consegna();

    QThread *m_filo = nullptr;
    Parlatore *m_parlatore = nullptr;
    QMutex m_guardia;
    // The sentence waiting to be said, and whether the engine's thread has been asked for it.
    QString m_prossimo;
    bool m_consegnaInCoda = false;
};
