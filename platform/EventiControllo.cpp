#include "platform/EventiControllo.h"

#include "platform/CodiciTasto.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {
constexpr int nessunIndice = -1;
}

EventiControllo::EventiControllo(QObject *parent)
    : QObject(parent)
{
}

void EventiControllo::aggiungi(QWidget *controllo, int indice)
{
    m_controlli.push_back({controllo, indice});
    controllo->installEventFilter(this);
}

QWidget *EventiControllo::controllo(int indice) const
{
    for (const Voce &v : m_controlli)
        if (v.indice == indice)
            return v.controllo;
    return nullptr;
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
        int codice = CodiciTasto::daEvento(*tasto);
        if (keyDown)
            keyDown(indice, codice);
        int carattere = CodiciTasto::carattere(*tasto);
        // A swallowed key code does not stop the typed character, as the handlers expect.
        if (carattere != CodiciTasto::Nessuno && keyPress)
            keyPress(indice, carattere);
        return true;
    }
    case QEvent::KeyRelease: {
        const auto *tasto = static_cast<QKeyEvent *>(event);
        if (!tasto->isAutoRepeat() && keyUp)
            keyUp(indice);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mouseDown)
            mouseDown(indice, static_cast<QMouseEvent *>(event)->button());
        return true;
    case QEvent::MouseButtonRelease:
        if (mouseUp)
            mouseUp(indice, static_cast<QMouseEvent *>(event)->button());
        return true;
    case QEvent::FocusIn:
        if (gotFocus)
            gotFocus(indice);
        break;
    case QEvent::FocusOut:
        if (lostFocus)
            lostFocus(indice);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
