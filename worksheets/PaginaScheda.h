#pragma once

#include "worksheets/ContenutoPagina.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <vector>

class SuperficieStampa;

// The worksheet page: its geometry in twips and the one routine that draws it on any printing
// surface (a printer, a PDF in a test, a recorder). It knows nothing of forms or messages.
class PaginaScheda
{
public:
    enum class Lato { Sinistro, Destro };

    static constexpr double nomeX = 1000, nomeY = 1000, nomePunti = 14;
    static constexpr double istruzioneX = 1000, istruzioneY = 1500, istruzionePunti = 12;
    static constexpr int spessoreLinea = 3;
    static constexpr double primaRigaY = 2000, passoRighe = 3500, altezzaRiquadro = 3100;
    static constexpr double sinistroX = 500, destroX = 6000, larghezzaRiquadro = 5000;
    // Picture columns start 830 twips right of the left box's edge and 6830 in the right box:
    // the right box's pictures are the left box's moved across by 6000.
    static constexpr double primaColonnaSinistra = 830, primaColonnaDestra = 6830;
    static constexpr double margineCellaY = 200;
    static constexpr double passoCellaX = 800, passoCellaY = 950;

    // The foot of a class set's page, under the last right-hand box: "Scheda 3 di 25", small.
    static constexpr double segnoX = 9400, segnoY = 15800, segnoPunti = 8;
    // How far the mark's line reaches down: the page of a set is fitted to the paper with it.
    static constexpr double fondoSegno = 16100;

    static inline const QString testoNome = QStringLiteral("Nome e Cognome   ");

    // Top edge of row riga (0..3).
    static double alto(int riga);
    static double sinistra(Lato lato);
    // Top-left corner of the picture in cell (0..14) of a box.
    static QPointF angoloCella(Lato lato, int riga, int cella);

    // How far the drawing reaches from the printable area's corner, with or without the mark.
    static QSizeF estensione(bool conSegno);

    // The heading: the name line and the instruction line. False at the first operation the
    // printer refused; what was already drawn stays on the page.
    static bool intestazione(SuperficieStampa &superficie, const QString &istruzione,
                             bool conSegno = false);
    // The line width, the four rows of boxes with their pictures in the kind's order, and the
    // end of the document. False at the first operation the printer refused.
    static bool corpo(SuperficieStampa &superficie, const ContenutoPagina &pagina);

    static QString testoSegno(int numero, int totale);
    // A class set in one document: page after page, each the very page "STAMPA" prints plus
    // its mark, then the end of the document. Each page is drawn and let go before the next.
    // False at the first operation the printer refused, or when the thread's interruption
    // gives up the work between two pages; the caller then abandons the document.
    static bool serie(SuperficieStampa &superficie, const std::vector<ContenutoPagina> &pagine);

private:
    static bool righe(SuperficieStampa &superficie, const ContenutoPagina &pagina);
    static bool riquadro(SuperficieStampa &superficie, Lato lato, int riga);
    static bool figure(SuperficieStampa &superficie, Lato lato, int riga,
                       const ContenutoPagina::Riquadro &celle);
};
