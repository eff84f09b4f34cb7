#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// How controls are dressed: the Arial faces of the design (fontconfig maps Arial to Liberation
// Sans) and plain background and text colours set through the palette, not style sheets.
namespace Aspetto {
QFont arial(double punti, bool grassetto = true);
void coloraSfondo(QWidget *widget, const QColor &colore);
void coloraTesto(QWidget *widget, const QColor &colore);
} // namespace Aspetto
