#pragma once

#include <functional>

class QApplication;
class QWidget;

// The program's start: the shared context, the start screen shown maximized, the event loop,
// and an orderly end. The benchmarks start the program through here too, with a probe on the
// start screen.
class Avvio
{
public:
    static int esegui(QApplication &app, const std::function<void(QWidget &)> &sonda = {});

    // A one-line reason why no graphical display can be reached, or empty when one can.
    static const char *displayMancante();
};
