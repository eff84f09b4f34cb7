#include "support/DifferenzaImmagini.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace DifferenzaImmagini {

namespace {
int scarto(QRgb p, QRgb q)
{
    return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
}
} // namespace

double media(const QImage &a, const QImage &b)
{
    EXPECT_EQ(a.size(), b.size());
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    long somma = 0;
    for (int r = 0; r < std::min(x.height(), y.height()); ++r)
        for (int c = 0; c < std::min(x.width(), y.width()); ++c)
            somma += scarto(x.pixel(c, r), y.pixel(c, r));
    return double(somma) / (3.0 * x.width() * x.height());
}

ABlocchi aBlocchi(const QImage &a, const QImage &b, int lato)
{
    ABlocchi d;
    double totale = 0;
    for (int by = 0; by + lato <= a.height(); by += lato) {
        for (int bx = 0; bx + lato <= a.width(); bx += lato) {
            double blocco = 0;
            for (int y = by; y < by + lato; ++y)
                for (int x = bx; x < bx + lato; ++x)
                    blocco += scarto(a.pixel(x, y), b.pixel(x, y));
            totale += blocco;
            d.peggiorBlocco = std::max(d.peggiorBlocco, blocco / (lato * lato * 3));
        }
    }
    d.media = totale / (double(a.width() / lato) * (a.height() / lato) * lato * lato * 3);
    return d;
}

} // namespace DifferenzaImmagini
