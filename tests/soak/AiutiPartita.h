#pragma once

#include <QString>
#include <Qt>

#include <array>
#include <string>

class QObject;
class QWidget;

// What the run loop, the events and the checks of a soak run share.
namespace soak {

// ---- Words for what happened ----
inline std::string testo(const QString &s)
{
    return s.toStdString();
}

std::string nomeWidget(const QObject *o);

std::string numero(int n);

// ---- The keys a child may press ----

struct Tasto
{
    Qt::Key tasto;
    Qt::KeyboardModifiers modificatori;
    const char *testo;
    const char *nome;
};
extern const std::array<Tasto, 26> tasti;

// The place of a window in the fixed order the windows are listed in.
int rango(const QWidget *w);

// Moves on the time stamp of the next input by `ms`.
void avanzaIstante(int ms);

} // namespace soak
