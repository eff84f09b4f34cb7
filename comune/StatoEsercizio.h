#pragma once

#include "comune/TipoEsercizio.h"

#include <array>
#include <cstdint>

// The exercise state the whole run shares: one copy, all zero at start. The exercise form and,
// for the kind, the start screen use it; the counts carry over from one opening of the
// exercise form to the next.
struct StatoEsercizio
{
    ::TipoEsercizio TipoEsercizio = ::TipoEsercizio::InsiemeVuoto;
    std::int16_t NumeroEsercizio = 0; // exercise of the current series, 0 before the first
    std::int16_t Figura = 0;          // gallery picture of both sets, 1..12
    int ElementiS = 0;                // size of the first set, 1..8
    std::array<std::int16_t, 11> PosizioniS{}; // accepted distinct slots, 1..N used
    std::int16_t ElementiInizialiD = 0; // size the second set starts with in kinds 1 and 2
    std::int16_t ElementiD = 0;         // current size of the second set, 0..10
    int RisposteEsatte = 0;
    int RisposteErrate = 0;
    int RifiutiAiuto = 0;  // refusals of help since help was last given, 0..2
    float InizioTempo = 0; // when the second set was last shown, seconds since midnight
    int TempoTotale = 0;   // whole seconds measured so far
};
