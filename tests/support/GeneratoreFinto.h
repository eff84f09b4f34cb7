#pragma once

#include "platform/GeneratoreCasuale.h"

#include <deque>
#include <vector>

// A generator whose draws the test lays out in advance; once they run out it goes on with a
// fixed-seed sequence, so a long test stays repeatable. Seeds are counted, not used.
class GeneratoreFinto : public GeneratoreCasuale
{
public:
    explicit GeneratoreFinto(std::uint64_t seme = 12345);

    void semina(double secondiDallaMezzanotte) override;
    double prossimo() override;

    // Queues draws r in [0, 1).
    void accoda(const std::vector<double> &valori);
    // Queues the draw that makes floor(k * r) + base give this whole number.
    void accodaIntero(int valore, int k, int base);

    int semine() const { return m_semine; }
    int estrazioni() const { return m_estrazioni; }
    std::size_t inCoda() const { return m_coda.size(); }

private:
    std::deque<double> m_coda;
    int m_semine = 0;
    int m_estrazioni = 0;
};
