#include "platform/EventiControllo.h"

#include "platform/CodiciTasto.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {
constexpr int nessunIndice = -1;
// Longer than the gap between a repeat's release and press, shorter than a keystroke.
constexpr int attesaRilascioX11Ms = 25;
} // namespace

EventiControllo::EventiControllo(QObject *parent)
    : QObject(parent)
    , m_attesaRilascio(QGuiApplication::platformName() == QLatin1String("xcb") ? attesaRilascioX11Ms
                                                                                : 0)
{
    m_timerRilascio.setSingleShot(true);
    connect(&m_timerRilascio, &QTimer::timeout, this, &EventiControllo::consegnaRilascio);
}

void EventiControllo::consegnaRilascio()
{
    m_timerRilascio.stop();
    if (!m_rilascioSospeso)
        return;
    const int indice = m_rilascioSospeso->indice;
    m_rilascioSospeso.reset();
    Q_EMIT keyUp(indice);
}

void EventiControllo::aggiungi(QWidget *controllo, int indice)
{
    m_controlli.push_back({controllo, indice});
    controllo->installEventFilter(this);
}

int EventiControllo::indiceDi(QObject *oggetto) const
{
    for (const Voce &v : m_controlli)
        if (v.controllo == oggetto)
            return v.indice;
    return nessunIndice;
}

bool EventiControllo::eventFilter(QObject *watched, QEvent *event)
{
    const int indice = indiceDi(watched);
    if (indice == nessunIndice)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *tasto = static_cast<QKeyEvent *>(event);
        if (m_rilascioSospeso) {
            // The twin of a pending release: the key never went up, this is a repeat.
            const bool ripetizione = m_rilascioSospeso->tasto == tasto->key()
                                     && m_rilascioSospeso->istante == tasto->timestamp();
            if (ripetizione) {
                m_rilascioSospeso.reset();
                m_timerRilascio.stop();
            } else {
                consegnaRilascio();
            }
        }
        Q_EMIT keyDown(indice, CodiciTasto::daEvento(*tasto));
        const int carattere = CodiciTasto::carattere(*tasto);
        if (carattere != CodiciTasto::Nessuno)
            Q_EMIT keyPress(indice, carattere);
        return true;
    }
    case QEvent::KeyRelease: {
        const auto *tasto = static_cast<QKeyEvent *>(event);
        if (tasto->isAutoRepeat())
            return true;
        consegnaRilascio(); // an earlier pending release is real by now
        m_rilascioSospeso = Rilascio{indice, tasto->key(), tasto->timestamp()};
        if (m_attesaRilascio > 0)
            m_timerRilascio.start(m_attesaRilascio);
        else
            consegnaRilascio();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Q_EMIT mouseDown(indice, static_cast<QMouseEvent *>(event)->button());
        return true;
    case QEvent::MouseButtonRelease:
        Q_EMIT mouseUp(indice, static_cast<QMouseEvent *>(event)->button());
        return true;
    case QEvent::FocusIn:
        Q_EMIT gotFocus(indice);
        break;
    case QEvent::FocusOut:
        Q_EMIT lostFocus(indice);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
