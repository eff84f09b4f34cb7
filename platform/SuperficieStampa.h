#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

// The printing surface a worksheet page is drawn on: coordinates in twips from the top-left
// corner of the printable area, font sizes in points, line widths in printer dots.
// Every operation reports whether the printer accepted it; after a failure the document is
// abandoned with annulla(). The document opens with the first output and ends with
// fineDocumento(), which releases it to the printer: one page, or as many as nuovaPagina() began.
class SuperficieStampa
{
public:
    virtual ~SuperficieStampa() = default;

    virtual bool impostaDimensioneCarattere(double punti) = 0;
    virtual bool impostaPosizione(double xTwips, double yTwips) = 0;
    // Prints the text as one line at the current position, which then moves to the next line.
    virtual bool stampaRiga(const QString &testo) = 0;
    virtual bool impostaSpessoreLinea(int punti) = 0;
    virtual bool linea(double x1, double y1, double x2, double y2) = 0;
    // Draws the picture at its natural size (96 logical pixels to the inch, whatever its device
    // pixel ratio: a sharper copy fills the same box) with its top-left corner there.
    virtual bool immagine(double xTwips, double yTwips, const QImage &figura) = 0;
    // The page's drawing reaches this far from the printable area's top-left corner, in twips.
    // Called before anything is drawn: a paper whose printable area is smaller (Letter, a
    // printer with wide margins) gets the whole page scaled down to fit, rather than cut off.
    virtual void adatta(QSizeF estensioneTwips) { (void)estensioneTwips; }
    // Ends the page drawn so far and begins the next one of the same document, with the same
    // font size, line width and scaling. A surface that holds a single page refuses.
    virtual bool nuovaPagina() { return false; }
    virtual bool fineDocumento() = 0;
    virtual void annulla() = 0;
};
