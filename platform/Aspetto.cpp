#include "platform/Aspetto.h"

#include <QPalette>
#include <QWidget>

namespace Aspetto {

QFont arial(double punti, bool grassetto)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    return font;
}

void coloraSfondo(QWidget *widget, const QColor &colore)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colore);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void coloraTesto(QWidget *widget, const QColor &colore)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colore);
    widget->setPalette(p);
}

} // namespace Aspetto
