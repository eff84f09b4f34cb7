#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// How controls are dressed: the Arial faces of the design (fontconfig maps Arial to Liberation
// Sans) and plain background and text colours set through the palette, not style sheets.
namespace Aspetto {
// The house pinks: the light one is every form's ground and a button at rest, the deep one a
// button with the focus, the curtain and the decorations.
inline const QColor rosaChiaro{255, 192, 255};
inline const QColor rosa{255, 128, 255};

QFont arial(double punti, bool grassetto = true);
void coloraSfondo(QWidget *widget, const QColor &colore);
void coloraTesto(QWidget *widget, const QColor &colore);
} // namespace Aspetto
