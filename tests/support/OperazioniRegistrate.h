#pragma once

#include "platform/SuperficieRegistrata.h"

#include <vector>

// Two recorded runs of printing operations, compared one operation at a time: every operation
// that differs is told, with both sides.
void confrontaOperazioni(const std::vector<SuperficieRegistrata::Operazione> &trovate,
                         const std::vector<SuperficieRegistrata::Operazione> &attese);
