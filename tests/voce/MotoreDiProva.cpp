#include "MotoreDiProva.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {

// Holds the engine's thread until the test opens the way: the file named by
// TANDORINO_PROVA_VOCE_VIA exists. A test that never opens it fails by its own time limit; this
// one only keeps the thread from outliving a failed test for good.
void attendiVia()
{
    const QString via = qEnvironmentVariable("TANDORINO_PROVA_VOCE_VIA");
    constexpr int pausaMs = 5;
    QDeadlineTimer limite(std::chrono::minutes(5));
    while (!via.isEmpty() && !QFile::exists(via) && !limite.hasExpired())
        QThread::msleep(pausaMs);
}

} // namespace

MotoreDiProva::MotoreDiProva(QObject *parent)
    : QTextToSpeechEngine(parent)
    , m_modo(qEnvironmentVariable("TANDORINO_PROVA_VOCE_MODO", QStringLiteral("italiano")))
    , m_lingua(QLocale::English, QLocale::UnitedStates)
{
    if (m_modo == QLatin1String("guasto"))
        m_stato = QTextToSpeech::Error;
    else if (m_modo == QLatin1String("lento"))
        attendiVia();
}

MotoreDiProva::~MotoreDiProva()
{
    if (m_modo == QLatin1String("tenace"))
        attendiVia();
    registra(QStringLiteral("fine"));
}

QList<QLocale> MotoreDiProva::availableLocales() const
{
    if (m_modo == QLatin1String("inglese"))
        return {QLocale(QLocale::English, QLocale::UnitedStates)};
    return {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Italian, QLocale::Switzerland),
            QLocale(QLocale::Italian, QLocale::Italy)};
}

QList<QVoice> MotoreDiProva::availableVoices() const
{
    return {};
}

void MotoreDiProva::say(const QString &text)
{
    // The language is part of the line, so a test sees that Italy's Italian was chosen.
    registra(QStringLiteral("say %1 %2").arg(m_lingua.name(), text));
    cambiaStato(QTextToSpeech::Speaking);
}

void MotoreDiProva::stop(QTextToSpeech::BoundaryHint)
{
    registra(QStringLiteral("stop"));
    cambiaStato(QTextToSpeech::Ready);
}

void MotoreDiProva::pause(QTextToSpeech::BoundaryHint)
{
    cambiaStato(QTextToSpeech::Paused);
}

void MotoreDiProva::resume()
{
    cambiaStato(QTextToSpeech::Speaking);
}

bool MotoreDiProva::setLocale(const QLocale &locale)
{
    m_lingua = locale;
    return true;
}

QTextToSpeech::ErrorReason MotoreDiProva::errorReason() const
{
    return m_stato == QTextToSpeech::Error ? QTextToSpeech::ErrorReason::Initialization
                                           : QTextToSpeech::ErrorReason::NoError;
}

QString MotoreDiProva::errorString() const
{
    return m_stato == QTextToSpeech::Error ? QStringLiteral("nessun servizio di prova") : QString();
}

void MotoreDiProva::registra(const QString &riga)
{
    QFile registro(qEnvironmentVariable("TANDORINO_PROVA_VOCE_REGISTRO"));
    if (registro.fileName().isEmpty() || !registro.open(QIODevice::Append | QIODevice::Text))
        return;
    registro.write(riga.toUtf8() + '\n');
}

void MotoreDiProva::cambiaStato(QTextToSpeech::State stato)
{
    if (stato == m_stato)
        return;
    m_stato = stato;
    Q_EMIT stateChanged(stato);
}
