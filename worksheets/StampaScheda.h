#pragma once

#include "worksheets/ContenutoPagina.h"

#include <vector>

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
    // A class set as one job: all its pages or nothing at all, whether the printer fails or
    // the user gives it up halfway.
    static Esito stampaSerie(Stampanti &stampanti, const QString &stampante,
                             const std::vector<ContenutoPagina> &pagine);
};
