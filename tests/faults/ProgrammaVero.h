#pragma once

#include "app/Contesto.h"
#include "exercises/StatoEsercizio.h"
#include "platform/StampantiSistema.h"
#include "support/AvvisiRegistrati.h"
#include "support/CupsPrivato.h"
#include "support/GeneratoreFinto.h"
#include "support/OrologioFinto.h"

#include <QPointer>

class ModuloScheda;

// The private CUPS server this test program prints on, started before anything asks for
// printers and stopped when the program ends; nullptr outside the tests.
CupsPrivato *serverDiProva();

// The run's shared objects over the system's printers, as the program builds them; each run
// prints under a job title of its own.
struct ProgrammaVero
{
    ProgrammaVero()
        : stampanti(CupsPrivato::titoloUnico())
        , contesto(orologio, casuale, avvisi, stampanti, esercizio)
    {
    }
    const QString &titolo() const { return stampanti.titoloLavoro(); }

    OrologioFinto orologio;
    GeneratoreFinto casuale;
    AvvisiRegistrati avvisi;
    StampantiSistema stampanti;
    StatoEsercizio esercizio;
    Contesto contesto;
};
