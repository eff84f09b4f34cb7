#pragma once

#include "worksheets/ContenutoPagina.h"

#include <QColor>

// A page whose pictures are plain squares of one colour, easy to find again on paper.
namespace PaginaDiProva {

// Side of the squares in pixels: at 15 twips a pixel they cover 300 twips.
constexpr int latoFigura = 20;
const QColor coloreFigura(220, 0, 0);

// Cells with a square: in every box the first `pieni` cells, the others a blank white picture.
ContenutoPagina crea(OrdinePagina ordine, int pieni);

} // namespace PaginaDiProva
