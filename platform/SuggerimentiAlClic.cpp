#include "platform/SuggerimentiAlClic.h"

#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

SuggerimentiAlClic::SuggerimentiAlClic(QObject *parent)
    : QObject(parent)
{
}

bool SuggerimentiAlClic::eventFilter(QObject *watched, QEvent *event)
{
    // The release of a click, seen once: by the control it landed on, not again by the
    // containers it may travel up to.
    if (event->type() != QEvent::MouseButtonRelease || !watched->isWidgetType())
        return false;
    auto *controllo = static_cast<QWidget *>(watched);
    const auto *clic = static_cast<const QMouseEvent *>(event);
    if (controllo->toolTip().isEmpty() || controllo->isWindow()
        || !controllo->rect().contains(clic->position().toPoint()))
        return false;
    // Once the click is over: a tooltip hides itself at every mouse press and release.
    const QPoint dove = clic->globalPosition().toPoint();
    QMetaObject::invokeMethod(
        controllo, [controllo, dove] { QToolTip::showText(dove, controllo->toolTip(), controllo); },
        Qt::QueuedConnection);
    return false;
}
