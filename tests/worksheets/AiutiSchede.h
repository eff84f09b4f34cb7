#pragma once

#include "support/GeneratoreFinto.h"

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <vector>

// Small helpers shared by the worksheet tests: finding a button as the user would, by its
// caption, and laying out the draws that make a chosen set.
namespace aiuti {

inline QPushButton *pulsante(const QWidget *modulo, const QString &testo)
{
    const auto pulsanti = modulo->findChildren<QPushButton *>();
    for (QPushButton *p : pulsanti)
        if (p->text() == testo)
            return p;
    return nullptr;
}

// The draws of one draw-worksheet set: picture, count, then the slots (relative to the base).
inline void accodaInsieme(GeneratoreFinto &g, int figura, int base, const std::vector<int> &slot)
{
    g.accodaIntero(figura, 12, 1);
    g.accodaIntero(static_cast<int>(slot.size()), 9, 2);
    for (int s : slot)
        g.accodaIntero(base + s, 15, base);
}

// The draws of one add/remove exercise: picture, n, the first set's slots, then d.
inline void accodaEsercizio(GeneratoreFinto &g, int figura, int base, const std::vector<int> &slot,
                            int d)
{
    g.accodaIntero(figura, 12, 1);
    g.accodaIntero(static_cast<int>(slot.size()), 9, 1);
    for (int s : slot)
        g.accodaIntero(base + s, 15, base);
    g.accodaIntero(d, 9, 2);
}

} // namespace aiuti
