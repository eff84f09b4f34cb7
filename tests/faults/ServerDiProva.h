#pragma once

#include "support/CupsPrivato.h"
#include "support/ProgrammaVero.h"



// The private CUPS server this test program prints on, started before anything asks for
// printers and stopped when the program ends; nullptr outside the tests.
CupsPrivato *serverDiProva();
