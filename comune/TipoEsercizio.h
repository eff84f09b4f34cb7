#pragma once

// The exercise kinds: how the second set starts. The start screen also records that the
// program was ended by its exit button.
enum class TipoEsercizio {
    InsiemeVuoto = 0, // empty: the child inserts elements
    Suvvalente = 1,   // smaller than the first set: the child adds elements
    Prevalente = 2,   // larger than the first set: the child removes elements
    Finito = 3,       // the program was ended from the start screen
};
