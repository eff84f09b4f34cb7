#pragma once

#include <cstdint>
#include <vector>

class Orologio;

// The program's one random generator: uniform draws in [0, 1), seeded from the time of day.
// Seeding folds the clock value into the current state instead of replacing it, so seeding
// twice within the same clock second still yields fresh numbers (the redraw loops depend on it).
// Tests derive from it to fix every draw.
class GeneratoreCasuale
{
public:
    explicit GeneratoreCasuale(std::uint64_t statoIniziale = 0x5DEECE66DULL);
    virtual ~GeneratoreCasuale() = default;
    GeneratoreCasuale(const GeneratoreCasuale &) = delete;
    GeneratoreCasuale &operator=(const GeneratoreCasuale &) = delete;

    virtual void semina(double secondiDallaMezzanotte);
    virtual double prossimo();

    // Every draw sequence of the program begins by seeding from the time of day.
    void seminaDallOrologio(const Orologio &orologio);

    // floor(k * r) + base, the way every whole-number draw of the program is made.
    int intero(int k, int base);
    // `quanti` different draws of intero(k, base), in the order drawn: a value drawn again is
    // drawn again until it is new.
    std::vector<int> distinti(int quanti, int k, int base);

private:
    std::uint64_t passo();
    std::uint64_t m_stato;
};
