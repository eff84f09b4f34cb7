#pragma once

#include "comune/Contesto.h"
#include "comune/StatoEsercizio.h"
#include "support/AvvisiRegistrati.h"
#include "support/GeneratoreFinto.h"
#include "support/OrologioFinto.h"
#include "support/SceltaFileFinta.h"
#include "support/StampantiFinte.h"

#include <memory>

// The run's shared objects over fakes a test can steer and read: all an exercise form needs.
struct ContestoFinto
{
    explicit ContestoFinto(QStringList stampanti = {}, QString predefinita = {});
    ~ContestoFinto();
    ContestoFinto(const ContestoFinto &) = delete;
    ContestoFinto &operator=(const ContestoFinto &) = delete;

    OrologioFinto orologio;
    GeneratoreFinto casuale;
    AvvisiRegistrati avvisi;
    SceltaFileFinta sceltaFile;
    StampantiFinte stampanti;
    StatoEsercizio esercizio;
    std::unique_ptr<Contesto> contesto;

    Contesto &operator*() { return *contesto; }
};
