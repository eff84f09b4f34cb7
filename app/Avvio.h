#pragma once

#include <functional>

class QApplication;
class QCoreApplication;
class QWidget;

// The program's start: the shared context, the start screen shown maximized, the event loop,
// and an orderly end. The benchmarks start the program through here too, with a probe on the
// start screen.
class Avvio
{
public:
    static int esegui(QApplication &app, const std::function<void(QWidget &)> &sonda = {});

    // Qt's own dialogs and buttons (the save dialog, its question before replacing a file) in
    // Italian like the rest of the program, whatever the system's language; false when Qt's
    // Italian translations are not installed.
    static bool installaTraduzioni(QCoreApplication &app);

    // A one-line reason why no graphical display can be reached, or empty when one can.
    static const char *displayMancante();
};
