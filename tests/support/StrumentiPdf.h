#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>

#include <ostream>

// Reading back a printed page with poppler's tools: the words with their boxes in points, the
// page rendered at 144 dpi (ten twips a pixel), and the pictures it holds.
namespace StrumentiPdf {

struct Parola
{
    QString testo;
    QRectF riquadro; // points from the page's top-left corner
};

QString testo(const QString &pdf);
QList<Parola> parole(const QString &pdf);
QImage pagina(const QString &pdf);
int pagine(const QString &pdf);
int figure(const QString &pdf);
// Pixel sizes of the pictures in the order the page draws them.
QList<QSize> dimensioniFigure(const QString &pdf);
// Writes bytes to a temporary file that lives as long as the test program.
QString salvaTemporaneo(const QByteArray &dati);

// Twips on the page to pixels of the rendering.
inline double pixel(double twips) { return twips / 10.0; }
// Whether something was printed there: a pixel within one of that point is clearly grey.
bool scuro(const QImage &immagine, double xTwips, double yTwips);

} // namespace StrumentiPdf

// Readable sizes in test failures.
inline void PrintTo(const QSize &dimensione, std::ostream *os)
{
    *os << dimensione.width() << "x" << dimensione.height();
}
