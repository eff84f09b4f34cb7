#pragma once

#include <QObject>
#include <QPointer>
#include <map>

class QEventPoint;
class QTouchEvent;
class QWidget;
class QWindow;

// Touch as an input of its own, for classroom touch displays. Installed on the application, it
// takes every touch-screen event before a window sees it, follows each touch point on its own,
// and when a point lifts over the enabled control it began on, clicks that control once with
// the mouse: a press and a release that travel the whole way a real click travels (focus,
// popups, modal blocking, the forms' own handlers), so nothing after it can tell a finger from
// the mouse. A finger may slide while it stays on the control; lifted elsewhere, or put down on
// no control, it clicks nothing. Other points resting on the screen change nothing, and two
// fingers lifted from two controls click both, in the order they lift.
// Qt would turn only the first point of a touch into mouse input, and only when no one takes
// the touch; taking every touch here means that never happens, so no tap counts twice.
class TocchiComeClic : public QObject
{
    Q_OBJECT

public:
    explicit TocchiComeClic(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void segui(QWindow *finestra, const QTouchEvent &tocco);
    void rilascia(QWindow *finestra, const QEventPoint &punto, quint64 istante);

    struct Punto
    {
        QPointer<QWindow> finestra;
        QPointer<QWidget> controllo; // null when the point began on no control
    };
    std::map<int, Punto> m_punti; // by touch point id
};
