#pragma once

#include <QLineF>
#include <QPointF>
#include <array>
#include <vector>

// Where the worksheet page puts what it draws, in twips from the printable area's corner, as the
// sheet in the child's hands has to show it. Every test that looks at a page reads its places
// here, so a change of the page is one change in the tests.
namespace GeometriaPagina {

// The two heading lines: the name at 14 points, the instruction at 12 below it.
constexpr QPointF nome{1000, 1000};
constexpr QPointF istruzione{1000, 1500};
constexpr double puntiNome = 14, puntiIstruzione = 12;
constexpr int spessoreLinea = 3;

// Four rows of two boxes; their top edges, and the left edges of the left and right box.
constexpr std::array<double, 4> alti{2000, 5500, 9000, 12500};
constexpr std::array<double, 2> sinistri{500, 6000};
constexpr double larghezza = 5000, altezza = 3100;
// The bottom edge of the last row: the lowest line of a page without its mark.
constexpr double fondo = alti[3] + altezza;

// Fifteen cells a box, five across and three down.
constexpr double passoX = 800, passoY = 950;
constexpr std::array<double, 2> primaColonna{830, 6830};
constexpr double margineY = 200;

// lato: 0 for the left box, 1 for the right one.
constexpr QPointF angoloCella(int lato, int riga, int cella)
{
    return {primaColonna[lato] + passoX * (cella % 5), alti[riga] + margineY + passoY * (cella / 5)};
}

// A box's four lines in the order the page draws them: top, left, right, bottom.
inline std::vector<QLineF> bordi(int lato, int riga)
{
    const double l = sinistri[lato], r = l + larghezza, t = alti[riga], b = t + altezza;
    return {{l, t, r, t}, {l, t, l, b}, {r, t, r, b}, {l, b, r, b}};
}

} // namespace GeometriaPagina
