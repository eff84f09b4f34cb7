#pragma once

#include "app/Contesto.h"
#include "exercises/StatoEsercizio.h"
#include "support/AvvisiRegistrati.h"
#include "support/GeneratoreFinto.h"
#include "support/OrologioFinto.h"
#include "support/StampantiFinte.h"

#include <memory>

// Everything a form needs, with fakes a test can steer and read.
struct ContestoDiProva
{
    explicit ContestoDiProva(QStringList stampanti = {}, QString predefinita = {});

    OrologioFinto orologio;
    GeneratoreFinto casuale;
    AvvisiRegistrati avvisi;
    StampantiFinte stampanti;
    StatoEsercizio esercizio;
    std::unique_ptr<Contesto> contesto;

    Contesto &operator*() { return *contesto; }
};
