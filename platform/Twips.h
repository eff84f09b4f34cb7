#pragma once

#include <QRect>
#include <QRectF>

// Lengths on forms and paper are kept in twips (1440 to the inch); this is the one place
// where they meet pixels, through the logical DPI of the screen or of a paint device.
class Twips
{
public:
    static constexpr double perPollice = 1440.0;

    explicit Twips(double dotsPerInch);
    // Uses the logical DPI of the primary screen (96 when there is no screen yet).
    static Twips schermo();

    double inPixel(double twips) const { return twips * m_dpi / perPollice; }
    double daPixel(double pixel) const { return pixel * perPollice / m_dpi; }
    int inPixelInteri(double twips) const;
    // A rectangle given in twips as left, top, width, height, rounded to the pixel grid so that
    // neighbouring controls keep touching: edges are rounded, not sizes.
    QRect rettangoloInPixel(const QRectF &twips) const;

private:
    double m_dpi;
};
