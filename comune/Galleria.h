#pragma once

#include "comune/FiguraNitida.h"

#include <QImage>
#include <QString>
#include <array>

// The picture gallery as plain image data: entries Image3(0) .. Image3(17), loaded from the
// program's built-in resources. Entry 0 is the blank picture, 1..12 the element pictures, 15
// the empty box; 14, 16 and 17 hold nothing. No window is needed to read a picture.
// Image3 is the picture at its natural size; screens with more pixels to the point and the
// printed page draw the same picture, in the same place and size, from its sharper copies.
class Galleria
{
public:
    static constexpr int numeroFigure = 18;
    static constexpr int figuraVuota = 0;
    static constexpr int primaFiguraElemento = 1;
    static constexpr int ultimaFiguraElemento = 12;

    Galleria();

    // The picture of entry i, a null image for the entries without one or out of range.
    const QImage &Image3(int i) const;
    // The picture for a device with this pixel ratio, carrying that ratio.
    const QImage &perSchermo(int i, qreal rapporto) const;
    // The sharpest copy, for the printed page and the saved document.
    const QImage &perStampa(int i) const;
    // Entry i with all its copies, for a widget that draws it at whatever ratio its screen has;
    // nothing at every resolution for the entries without a picture.
    const FiguraNitida &figura(int i) const;

    // What entry i shows, in Italian as a child would say it ("gatto", "ciliegie"), for the
    // screen reader; empty for the blank picture and the entries without one.
    static QString soggetto(int i);
    // How many copies of entry i a set holds, in words: "1 gatto", "5 gatti", "nessun elemento".
    static QString quantita(int i, int copie);

private:
    std::array<FiguraNitida, numeroFigure> m_figure;
};
