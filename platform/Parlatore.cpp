#include "platform/Parlatore.h"

#include <QLocale>
#include <QTextToSpeech>

namespace {

QString motivoErrore(const QTextToSpeech &sintesi)
{
    const QString dettaglio = sintesi.errorString();
    return dettaglio.isEmpty()
        ? QObject::tr("Il servizio di sintesi vocale non risponde.")
        : QObject::tr("Il servizio di sintesi vocale non risponde: %1").arg(dettaglio);
}

} // namespace

void Parlatore::avvia(const QString &motore)
{
    if (!motore.isEmpty() && !QTextToSpeech::availableEngines().contains(motore)) {
        Q_EMIT pronto(tr("Manca il motore di sintesi vocale \"%1\" di Qt.").arg(motore));
        return;
    }
    m_sintesi = new QTextToSpeech(motore, this);
    if (m_sintesi->state() == QTextToSpeech::Error) {
        const QString motivo = motivoErrore(*m_sintesi);
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
        Q_EMIT pronto(tr("Il servizio di sintesi vocale non ha una voce italiana."));
        return;
    }
    m_sintesi->setLocale(scelta);
    connect(m_sintesi, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State stato) {
        if (stato == QTextToSpeech::Error)
            Q_EMIT guasto(motivoErrore(*m_sintesi));
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
