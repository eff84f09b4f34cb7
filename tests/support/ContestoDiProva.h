#pragma once

#include "comune/Contesto.h"
#include "comune/StatoEsercizio.h"
#include "support/AvvisiRegistrati.h"
#include "support/GeneratoreFinto.h"
#include "support/OrologioFinto.h"
#include "support/SceltaFileFinta.h"
#include "support/StampantiFinte.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/FrmStampante.h"

#include <memory>

// Everything a form needs, with fakes a test can steer and read.
struct ContestoDiProva
{
    explicit ContestoDiProva(QStringList stampanti = {}, QString predefinita = {});
    ~ContestoDiProva();
    ContestoDiProva(const ContestoDiProva &) = delete;
    ContestoDiProva &operator=(const ContestoDiProva &) = delete;

    OrologioFinto orologio;
    GeneratoreFinto casuale;
    AvvisiRegistrati avvisi;
    SceltaFileFinta sceltaFile;
    StampantiFinte stampanti;
    StatoEsercizio esercizio;
    std::unique_ptr<Contesto> contesto;
    std::unique_ptr<DialogoStampante> dialogo;

    FrmStampante &dialogoStampante() { return dialogo->modulo(); }

    Contesto &operator*() { return *contesto; }
};
