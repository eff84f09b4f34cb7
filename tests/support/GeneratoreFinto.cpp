#include "support/GeneratoreFinto.h"

GeneratoreFinto::GeneratoreFinto(std::uint64_t seme)
    : GeneratoreCasuale(seme)
{
}

void GeneratoreFinto::semina(double)
{
    ++m_semine;
}

double GeneratoreFinto::prossimo()
{
    ++m_estrazioni;
    if (m_coda.empty())
        return GeneratoreCasuale::prossimo();
    const double r = m_coda.front();
    m_coda.pop_front();
    return r;
}

void GeneratoreFinto::accoda(const std::vector<double> &valori)
{
    m_coda.insert(m_coda.end(), valori.begin(), valori.end());
}

void GeneratoreFinto::accodaIntero(int valore, int k, int base)
{
    // The middle of the interval that floor(k * r) maps to valore - base.
    m_coda.push_back((valore - base + 0.5) / k);
}
