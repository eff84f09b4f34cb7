#pragma once

#include <QObject>
#include <QString>

class QTextToSpeech;

// Qt's speech engine on the speaking module's thread, set to an Italian voice. Each sentence
// stops the one before, so nothing queues up behind fast clicks.
class Parlatore : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Creates the engine `motore` (empty: the system's own); the answer comes by `pronto`.
    void avvia(const QString &motore);
    void dici(const QString &testo);
    void taci();

Q_SIGNALS:
    // Empty when the engine can speak Italian, otherwise why it cannot.
    void pronto(const QString &motivo);
    // The engine broke down after it had started.
    void guasto(const QString &motivo);

private:
    void rinuncia();

    QTextToSpeech *m_sintesi = nullptr;
};
