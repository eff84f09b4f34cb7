#pragma once

#include "worksheets/ContenutoPagina.h"

#include <QString>

// Checks a printed worksheet page read back from its PDF: one page, the two heading lines where
// they belong, the 32 box edges, and the squares of PaginaDiProva at their natural size in the
// right cells. margineX/Y: where the printable area starts on the paper, in twips.
void verificaPaginaStampata(const QString &pdf, const ContenutoPagina &pagina, int pieni,
                            double margineX = 0, double margineY = 0);
