#pragma once

#include "worksheets/ContenutoPagina.h"

class Stampanti;

// Prints one worksheet page on a printer: the heading, the four rows of boxes with their
// pictures, the end of the document. It runs on a worker thread while the form waits, so it
// touches no widget and shows no message: the form tells the user how it went.
class StampaScheda
{
public:
    enum class Esito { Stampata, Fallita };

    static Esito stampa(Stampanti &stampanti, const QString &stampante,
                        const ContenutoPagina &pagina);
};
