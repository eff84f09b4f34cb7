#include "platform/ModuloVoce.h"

#include "platform/Parlatore.h"

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QPointer>
#include <QThread>

namespace {
// On the way out the engine gets this long to let go of the speech service; a service that does
// not answer must not hold up the end of the program.
constexpr int attesaChiusuraMs = 500;
} // namespace

ModuloVoce::ModuloVoce()
    : m_filo(new QThread)
    , m_parlatore(new Parlatore)
{
    m_filo->setObjectName(QStringLiteral("voce"));
    m_parlatore->moveToThread(m_filo);
    m_filo->start();
}

ModuloVoce::~ModuloVoce()
{
    // The engine is destroyed on its own thread, which then ends.
    QMetaObject::invokeMethod(m_parlatore, [p = m_parlatore] {
        delete p;
        QThread::currentThread()->quit();
    }, Qt::QueuedConnection);
    if (m_filo->wait(QDeadlineTimer(attesaChiusuraMs))) {
        delete m_filo;
        return;
    }
    // The speech service holds the thread: it goes on without us and is freed once it lets go.
    // A thread that ended just now has said so already, so that case is looked at after the
    // connection is made.
    QObject::connect(m_filo, &QThread::finished, m_filo, &QObject::deleteLater);
    if (m_filo->isFinished())
        m_filo->deleteLater();
}

void ModuloVoce::avvia(const QString &motore, QObject *contesto, Esito esito)
{
    const QPointer<QObject> destinatario(contesto);
    const auto rispondi = [destinatario, esito](const QString &motivo) {
        if (destinatario)
            QMetaObject::invokeMethod(destinatario, [esito, motivo] { esito(motivo); },
                                      Qt::QueuedConnection);
    };
    connect(m_parlatore, &Parlatore::pronto, m_parlatore, rispondi, Qt::DirectConnection);
    connect(m_parlatore, &Parlatore::guasto, m_parlatore, rispondi, Qt::DirectConnection);
    QMetaObject::invokeMethod(m_parlatore, [p = m_parlatore, motore] { p->avvia(motore); },
                              Qt::QueuedConnection);
}

void ModuloVoce::dici(const QString &testo)
{
    QMutexLocker blocco(&m_guardia);
    m_prossimo = testo;
    if (m_consegnaInCoda)
        return; // the engine's thread has not taken the previous sentence yet: this one replaces it
    m_consegnaInCoda = true;
    QMetaObject::invokeMethod(m_parlatore, [this] { consegna(); }, Qt::QueuedConnection);
}

void ModuloVoce::taci()
{
    {
        QMutexLocker blocco(&m_guardia);
        m_prossimo.clear();
    }
    QMetaObject::invokeMethod(m_parlatore, [p = m_parlatore] { p->taci(); }, Qt::QueuedConnection);
}

// On the engine's thread.
void ModuloVoce::consegna()
{
    QString testo;
    {
        QMutexLocker blocco(&m_guardia);
        testo = std::move(m_prossimo);
        m_prossimo.clear();
        m_consegnaInCoda = false;
    }
    if (!testo.isEmpty())
        m_parlatore->dici(testo);
}
