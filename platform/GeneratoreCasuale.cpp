#include "platform/GeneratoreCasuale.h"

#include <algorithm>

#include "platform/Orologio.h"

#include <bit>
#include <cmath>

namespace {
constexpr std::uint64_t incrementoSplitMix = 0x9E3779B97F4A7C15ULL;
constexpr int bitMantissa = 53;
}

GeneratoreCasuale::GeneratoreCasuale(std::uint64_t statoIniziale)
    : m_stato(statoIniziale)
{
}

void GeneratoreCasuale::semina(double secondiDallaMezzanotte)
{
    // Mixing rather than assigning: an unchanged clock still moves the sequence on.
    m_stato ^= std::bit_cast<std::uint64_t>(secondiDallaMezzanotte);
    m_stato = passo();
}

double GeneratoreCasuale::prossimo()
{
    return static_cast<double>(passo() >> (64 - bitMantissa)) * std::ldexp(1.0, -bitMantissa);
}

int GeneratoreCasuale::intero(int k, int base)
{
    return static_cast<int>(std::floor(k * prossimo())) + base;
}

std::uint64_t GeneratoreCasuale::passo()
{
    // splitmix64: small, fast and well distributed, enough for picking pictures and slots.
    std::uint64_t z = (m_stato += incrementoSplitMix);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

void GeneratoreCasuale::seminaDallOrologio(const Orologio &orologio)
{
    semina(orologio.secondiDallaMezzanotte());
}

std::vector<int> GeneratoreCasuale::distinti(int quanti, int k, int base)
{
    std::vector<int> presi;
    presi.reserve(static_cast<std::size_t>(std::max(quanti, 0)));
    for (int i = 0; i < quanti; ++i) {
        int p = intero(k, base);
        while (std::find(presi.begin(), presi.end(), p) != presi.end())
            p = intero(k, base);
        presi.push_back(p);
    }
    return presi;
}
