#include "platform/Sveglia.h"

#include <QTimer>

Sveglia::Sveglia() = default;

Sveglia::~Sveglia() = default;

void Sveglia::punta(std::chrono::milliseconds tra, std::function<void()> suona)
{
    m_suona = std::move(suona);
    if (!m_timer) {
        m_timer = std::make_unique<QTimer>();
        m_timer->setSingleShot(true);
        QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] {
            // A copy: the call may set the alarm again and replace what it is running.
            const std::function<void()> suona = m_suona;
            suona();
        });
    }
    m_timer->start(tra);
}

void Sveglia::ferma()
{
    if (m_timer)
        m_timer->stop();
}

bool Sveglia::puntata() const
{
    return m_timer && m_timer->isActive();
}
