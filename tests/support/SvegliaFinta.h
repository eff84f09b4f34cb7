#pragma once

#include "platform/Sveglia.h"

#include <utility>

// An alarm on a time of its own that stands still until the test moves it on.
class SvegliaFinta : public Sveglia
{
public:
    void punta(std::chrono::milliseconds tra, std::function<void()> suona) override
    {
        m_scadenza = m_ora + tra;
        m_suona = std::move(suona);
    }
    void ferma() override { m_suona = nullptr; }
    bool puntata() const override { return static_cast<bool>(m_suona); }

    // Rings, once, if the time set has now passed.
    void avanza(std::chrono::milliseconds quanto)
    {
        m_ora += quanto;
        if (m_suona && m_ora >= m_scadenza)
            std::exchange(m_suona, nullptr)();
    }

private:
    std::chrono::milliseconds m_ora{0};
    std::chrono::milliseconds m_scadenza{0};
    std::function<void()> m_suona;
};
