#include "platform/TocchiComeClic.h"

#include <QApplication>
#include <QPointingDevice>
#include <QTouchEvent>
#include <QWidget>
#include <QWindow>

// Qt's own entry for a mouse event coming from the window system, in the window's logical
// coordinates; exported for Qt's test library, which injects its mouse clicks through it too.
extern Q_GUI_EXPORT void qt_handleMouseEvent(QWindow *window, const QPointF &local,
                                             const QPointF &global, Qt::MouseButtons state,
                                             Qt::MouseButton button, QEvent::Type type,
                                             Qt::KeyboardModifiers mods, int timestamp);

namespace {

QWidget *moduloDi(const QWindow *finestra)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->windowHandle() == finestra)
            return w;
    return nullptr;
}

// The control under a point: the innermost widget there, in the open popup menu when the point
// falls on it (a window system that sends every touch to the focused window sends those too).
// The bare background of a window, or a place outside it, is no control.
QWidget *controlloIn(const QWindow *finestra, const QEventPoint &punto)
{
    const QPoint globale = punto.globalPosition().toPoint();
    QWidget *popup = QApplication::activePopupWidget();
    if (popup && popup->geometry().contains(globale)) {
        QWidget *voce = popup->childAt(popup->mapFromGlobal(globale));
        return voce ? voce : popup; // a menu draws its entries itself
    }
    QWidget *modulo = moduloDi(finestra);
    return modulo ? modulo->childAt(modulo->mapFromGlobal(globale)) : nullptr;
}

} // namespace

TocchiComeClic::TocchiComeClic(QObject *parent)
    : QObject(parent)
{
}

bool TocchiComeClic::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        break;
    default:
        return false;
    }
    // Only the touch a window receives from the system: the events Qt would then hand to the
    // widgets never come, since it is taken here. A touchpad moves the pointer and stays Qt's.
    auto *finestra = qobject_cast<QWindow *>(watched);
    const auto &tocco = static_cast<const QTouchEvent &>(*event);
    if (!finestra || !tocco.pointingDevice()
        || tocco.pointingDevice()->type() != QInputDevice::DeviceType::TouchScreen)
        return false;
    if (event->type() == QEvent::TouchCancel) {
        for (auto it = m_punti.begin(); it != m_punti.end();)
            it = it->second.finestra == finestra ? m_punti.erase(it) : std::next(it);
    } else {
        segui(finestra, tocco);
    }
    event->accept();
    return true;
}

void TocchiComeClic::segui(QWindow *finestra, const QTouchEvent &tocco)
{
    const QPointer<QWindow> custode(finestra);
    for (const QEventPoint &punto : tocco.points()) {
        if (!custode)
            return; // a click closed the window the remaining points were on
        if (punto.state() == QEventPoint::State::Pressed)
            m_punti[punto.id()] = {finestra, controlloIn(finestra, punto)};
        else if (punto.state() == QEventPoint::State::Released)
            rilascia(finestra, punto, tocco.timestamp());
    }
}

void TocchiComeClic::rilascia(QWindow *finestra, const QEventPoint &punto, quint64 istante)
{
    const auto it = m_punti.find(punto.id());
    if (it == m_punti.end())
        return;
    const Punto inizio = it->second;
    // Forgotten before the click: the click may run a dialog's own event loop, where more
    // touches come.
    m_punti.erase(it);
    QWidget *controllo = inizio.controllo;
    if (!controllo || inizio.finestra != finestra || controlloIn(finestra, punto) != controllo
        || !controllo->isEnabled())
        return;
    const QPointF locale = punto.position();
    const QPointF globale = punto.globalPosition();
    const QPointer<QWindow> custode(finestra);
    const auto tasti = QGuiApplication::keyboardModifiers();
    const int ms = static_cast<int>(istante);
    qt_handleMouseEvent(finestra, locale, globale, Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, tasti, ms);
    if (custode)
        qt_handleMouseEvent(finestra, locale, globale, Qt::NoButton, Qt::LeftButton,
                            QEvent::MouseButtonRelease, tasti, ms);
}
