#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {
constexpr double dpiPredefinito = 96.0;
}

Twips::Twips(double dotsPerInch)
    : m_dpi(dotsPerInch > 0 ? dotsPerInch : dpiPredefinito)
{
}

Twips Twips::schermo()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return Twips(screen ? screen->logicalDotsPerInchX() : dpiPredefinito);
}

int Twips::inPixelInteri(double twips) const
{
    return static_cast<int>(std::lround(inPixel(twips)));
}

QRect Twips::rettangoloInPixel(const QRectF &twips) const
{
    const int left = inPixelInteri(twips.left());
    const int top = inPixelInteri(twips.top());
    const int right = inPixelInteri(twips.left() + twips.width());
    const int bottom = inPixelInteri(twips.top() + twips.height());
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}
