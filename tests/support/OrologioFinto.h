#pragma once

#include "platform/Orologio.h"

#include <atomic>

// A clock that stands still until the test moves it. Its steady time may be read and moved
// from any thread, and it counts how often it was read.
class OrologioFinto : public Orologio
{
public:
    double secondiDallaMezzanotte() const override { return secondi; }
    QDate oggi() const override { return giorno; }
    std::chrono::steady_clock::time_point istante() const override
    {
        ++letture;
        return std::chrono::steady_clock::time_point(std::chrono::milliseconds(trascorso.load()));
    }
    void avanza(std::chrono::milliseconds quanto) { trascorso.fetch_add(quanto.count()); }

    double secondi = 36000.0;
    QDate giorno{2026, 12, 9};
    mutable std::atomic<int> letture{0};

private:
    std::atomic<std::chrono::milliseconds::rep> trascorso{0};
};
