#include "platform/SchermoIntero.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <private/qhighdpiscaling_p.h>

double SchermoIntero::fattore(QSizeF schermo, QSizeF progetto)
{
    if (schermo.isEmpty() || progetto.isEmpty())
        return 1.0;
    return std::min(schermo.width() / progetto.width(), schermo.height() / progetto.height());
}

void SchermoIntero::ingrandisci(QSizeF progetto)
{
    // The public ways to Qt's scale (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS) must be set
    // before the application exists, when no screen's size is known yet; this is the per-screen
    // entry those variables feed. The screen's size is read in its current logical pixels, and
    // the scale it already has (the user's QT_SCALE_FACTOR, the desktop's own for a dense
    // screen) is kept and multiplied: Qt's per-screen entry replaces the desktop's part and
    // multiplies with the user's, so the user's part is learnt from a first setting.
    for (QScreen *schermo : QGuiApplication::screens()) {
        const double f = fattore(QSizeF(schermo->geometry().size()), progetto);
        const double prima = QHighDpiScaling::factor(schermo);
        QHighDpiScaling::setScreenFactor(schermo, f);
        const double utente = QHighDpiScaling::factor(schermo) / f;
        QHighDpiScaling::setScreenFactor(schermo, prima / utente * f);
    }
}

void SchermoIntero::mostra(QWidget *modulo, bool schermoIntero)
{
    if (schermoIntero)
        modulo->showFullScreen();
    else
        modulo->showMaximized();
}
