#pragma once

#include <QSizeF>

class QWidget;

// Board mode, for a classroom touch display: the program draws all of itself, fonts, pictures,
// frames and dialogs alike, as one picture grown to fill the screen. It rides on Qt's own
// drawing scale (the one QT_SCALE_FACTOR sets for a whole run), chosen per screen from the
// screen's size once the screens are known. In logical units nothing changes: the forms still
// stretch their layout to the window and keep their fonts at the design's size, so a form on a
// 3840 x 2160 board looks like the same form at 1920 x 1080, only sharper, and away from board
// mode the program is exactly as it always was.
class SchermoIntero
{
public:
    // The factor that makes a design of `progetto` logical pixels fill `schermo` as far as the
    // narrower of the two directions allows; 1 for an empty size.
    static double fattore(QSizeF schermo, QSizeF progetto);

    // Scales every screen for a design of `progetto` logical pixels. Called once, before the
    // first window is made.
    static void ingrandisci(QSizeF progetto);

    // Shows a working form: full screen, without a title bar, in board mode; maximized otherwise.
    static void mostra(QWidget *modulo, bool schermoIntero);
};
