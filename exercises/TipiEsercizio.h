#pragma once

// The exercise kinds as TipoEsercizio holds them: how the second set starts.
namespace TipiEsercizio {
constexpr int InsiemeVuoto = 0; // empty: the child inserts elements
constexpr int Suvvalente = 1;   // smaller than the first set: the child adds elements
constexpr int Prevalente = 2;   // larger than the first set: the child removes elements
} // namespace TipiEsercizio
