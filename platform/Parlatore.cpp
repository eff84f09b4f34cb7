#include "platform/Parlatore.h"

#include <QLocale>
#include <QStandardPaths>
#include <QTextToSpeech>

namespace {

// What a teacher can do about each thing that keeps the system's engine (speech-dispatcher,
// through Qt's plugin) from speaking: the Debian package to install, or that the service does
// not answer. Other engines get the plain reason.
const QString motoreDelSistema = QStringLiteral("speechd");

bool delSistema(const QString &motore)
{
    return motore == motoreDelSistema;
}

QString motivoErrore(const QString &motore, const QTextToSpeech &sintesi)
{
    if (delSistema(motore) && QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty())
        return QObject::tr("Manca il servizio di sintesi vocale: installare il pacchetto speech-dispatcher.");
    // The service answers but has no module that makes a voice.
    if (delSistema(motore) && sintesi.errorReason() == QTextToSpeech::ErrorReason::Configuration)
        return QObject::tr("Manca una voce italiana: installare il pacchetto speech-dispatcher-espeak-ng.");
    const QString dettaglio = sintesi.errorString();
    return QObject::tr("Il servizio di sintesi vocale non risponde%1. Chiudere e riaprire Tandorino; "
                       "se non basta, riavviare il computer.")
        .arg(dettaglio.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(dettaglio));
}

} // namespace

void Parlatore::avvia(const QString &motore)
{
    if (!motore.isEmpty() && !QTextToSpeech::availableEngines().contains(motore)) {
        Q_EMIT pronto(delSistema(motore)
                          ? tr("Manca il collegamento tra Qt e la sintesi vocale: installare il pacchetto "
                               "qt6-speech-speechd-plugin.")
                          : tr("Manca il motore di sintesi vocale \"%1\" di Qt.").arg(motore));
        return;
    }
    m_sintesi = new QTextToSpeech(motore, this);
    if (m_sintesi->state() == QTextToSpeech::Error) {
        const QString motivo = motivoErrore(motore, *m_sintesi);
        rinuncia();
        Q_EMIT pronto(motivo);
        return;
    }
    // Italy's Italian if there is one, otherwise any Italian voice.
    QLocale scelta(QLocale::C);
    const QList<QLocale> lingue = m_sintesi->availableLocales();
    for (const QLocale &lingua : lingue)
        if (lingua.language() == QLocale::Italian
            && (scelta.language() != QLocale::Italian || lingua.territory() == QLocale::Italy))
            scelta = lingua;
    if (scelta.language() != QLocale::Italian) {
        rinuncia();
        Q_EMIT pronto(delSistema(motore)
                          ? tr("Manca una voce italiana: installare il pacchetto speech-dispatcher-espeak-ng.")
                          : tr("Il servizio di sintesi vocale non ha una voce italiana."));
        return;
    }
    m_sintesi->setLocale(scelta);
    connect(m_sintesi, &QTextToSpeech::stateChanged, this, [this, motore](QTextToSpeech::State stato) {
        if (stato == QTextToSpeech::Error)
            Q_EMIT guasto(motivoErrore(motore, *m_sintesi));
    });
    Q_EMIT pronto(QString());
}

void Parlatore::dici(const QString &testo)
{
    if (!m_sintesi || m_sintesi->state() == QTextToSpeech::Error)
        return;
    m_sintesi->stop(QTextToSpeech::BoundaryHint::Immediate);
    m_sintesi->say(testo);
}

void Parlatore::taci()
{
    if (m_sintesi)
        m_sintesi->stop(QTextToSpeech::BoundaryHint::Immediate);
}

void Parlatore::rinuncia()
{
    // Without an engine ready for Italian nothing is said at all.
    delete m_sintesi;
    m_sintesi = nullptr;
}
