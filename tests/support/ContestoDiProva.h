#pragma once

#include "support/ContestoFinto.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/FrmStampante.h"

#include <memory>

// The fakes' context with the run's one printer dialog, as whoever opens worksheets has it.
struct ContestoDiProva : ContestoFinto
{
    explicit ContestoDiProva(QStringList stampanti = {}, QString predefinita = {});
    ~ContestoDiProva();

    std::unique_ptr<DialogoStampante> dialogo;

    FrmStampante &dialogoStampante() { return dialogo->modulo(); }
};
