#pragma once

#include <array>
#include <vector>

class GeneratoreCasuale;
class Orologio;

// The random sets of the worksheets, as plain logic: the worksheet model keeps the result.
// Slot numbers are the forms' own (a set's fifteen slots run from its base b to b + 14); the
// per-slot tables are indexed 0..14 from the base and hold a gallery index, 0 being the blank picture.
using FigureInsieme = std::array<int, 15>;

// One set of the draw worksheet: one picture repeated at distinct random slots.
struct InsiemeDaDisegnare
{
    int figura = 0;              // gallery index 1..12
    int elementi = 0;            // 2..10
    std::vector<int> posizioni;  // accepted slots b..b+14, in the order drawn, all distinct
    FigureInsieme slot{};        // what each of the fifteen slots shows
};

// One exercise of the add and remove worksheets: a scattered first set of n elements and a
// second set filling the first d + 1 slots in order, with 3 <= d + 1 <= n.
struct EsercizioElementi
{
    int figura = 0;              // gallery index 1..12
    int elementiPrimo = 0;       // n, 3..9
    int elementiD = 0;           // d, 2..n - 1; the second set has d + 1 elements
    std::vector<int> posizioni;  // slots of the first set, b..b+14, all distinct
    FigureInsieme primo{};
    FigureInsieme secondo{};

    int elementiSecondo() const { return elementiD + 1; }
};

class GeneratoreSchede
{
public:
    static constexpr int slotPerInsieme = 15;

    GeneratoreSchede(GeneratoreCasuale &casuale, const Orologio &orologio);

    // A set of the draw worksheet whose first slot is base.
    InsiemeDaDisegnare insiemeDaDisegnare(int base);

    // Exercise numero (1..4) of the add and remove worksheets, first slot base.
    EsercizioElementi esercizioElementi(int numero, int base);

private:
    GeneratoreCasuale &m_casuale;
    const Orologio &m_orologio;
};
