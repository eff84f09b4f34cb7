#pragma once

#include "worksheets/ContenutoPagina.h"

#include <array>

class Contesto;
class QWidget;

// Prints one worksheet page on the program's current printer: the check that all four sets
// were prepared, the heading, the four rows of boxes with their pictures, the end of the document.
class StampaScheda
{
public:
    enum class Esito { Incompleta, Stampata, Fallita };

    explicit StampaScheda(Contesto &contesto);

    Esito stampa(QWidget *genitore, const std::array<bool, 4> &mostrati,
                 const QString &messaggioIncompleta, const ContenutoPagina &pagina);

private:
    Contesto &m_contesto;
};
