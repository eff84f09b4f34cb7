#include "platform/CodiciTasto.h"

#include <QKeyEvent>

namespace CodiciTasto {

namespace {
constexpr int codiceSconosciuto = 255;
constexpr int primaF = 112; // F1
}

int daEvento(const QKeyEvent &event)
{
    const int key = event.key();
    const bool tastierino = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (tastierino ? Tastierino0 : Cifra0) + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // Qt's letter keys carry the upper-case code already
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return primaF + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Invio;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Tab;
    case Qt::Key_Space:
        return Spazio;
    default:
        return codiceSconosciuto;
    }
}

int carattere(const QKeyEvent &event)
{
    const QString testo = event.text();
    if (testo.isEmpty())
        return Nessuno;
    return testo.at(0).unicode();
}

} // namespace CodiciTasto
