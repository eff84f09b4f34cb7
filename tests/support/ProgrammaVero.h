#pragma once

#include "comune/Contesto.h"
#include "comune/StatoEsercizio.h"
#include "platform/InSottofondo.h"
#include "platform/StampantiSistema.h"
#include "support/AvvisiRegistrati.h"
#include "support/CupsPrivato.h"
#include "support/GeneratoreFinto.h"
#include "support/OrologioFinto.h"
#include "worksheets/DialogoStampante.h"

// The run's shared objects over the system's printers, as main() builds them, with jobs that
// carry a title of their own so the test finds its PDF again.
struct ProgrammaVero
{
    ProgrammaVero()
        : stampanti(CupsPrivato::titoloUnico())
        , contesto(orologio, casuale, avvisi, stampanti, esercizio)
        , dialogo(contesto)
    {
        contesto.stampantePredefinitaLetta(stampanti.predefinita());
    }
    // Work a test left on a worker still uses these printers.
    ~ProgrammaVero() { InSottofondo::attendiTutti(); }
    ProgrammaVero(const ProgrammaVero &) = delete;
    ProgrammaVero &operator=(const ProgrammaVero &) = delete;
    const QString &titolo() const { return stampanti.titoloLavoro(); }

    OrologioFinto orologio;
    GeneratoreFinto casuale;
    AvvisiRegistrati avvisi;
    StampantiSistema stampanti;
    StatoEsercizio esercizio;
    Contesto contesto;
    DialogoStampante dialogo;
};
