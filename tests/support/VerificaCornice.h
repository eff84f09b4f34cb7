#pragma once

#include <QImage>
#include <QString>

// Checks of the frame every printed worksheet page shares, read back from its PDF: one page,
// the two heading lines where they belong and the 32 box edges with white paper around them.
// margineX/Y: where the printable area starts on the paper, in twips.
namespace VerificaCornice {

void intestazione(const QString &pdf, const QString &istruzione, double margineX = 0,
                  double margineY = 0);
// On the page rendered by StrumentiPdf::pagina().
void riquadri(const QImage &pagina, double margineX = 0, double margineY = 0);

} // namespace VerificaCornice
