#pragma once

#include <QString>
#include <functional>
#include <vector>

// Times an action many times and prints one table row: median, 90th percentile, goal.
// What the action posts (layout, repaint) is processed after each call, outside the timing.
class Misuratore
{
public:
    // preparazione runs before each timed call and is not counted.
    static double mediana(const QString &nome, int ripetizioni, double obiettivoMs,
                          const std::function<void()> &azione,
                          const std::function<void()> &preparazione = {});
    static void intestazione(const char *titolo);
    static bool tuttiEntroObiettivo() { return s_entroObiettivo; }

private:
    static inline bool s_entroObiettivo = true;
};
