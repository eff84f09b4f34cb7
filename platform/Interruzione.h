#pragma once

#include <atomic>
#include <chrono>

class Orologio;

// A way to give up on a slow exchange with the printers, from another thread: the user cancels,
// or the time allowed runs out. Work on a background thread makes one current for its exchanges
// with an Ambito; the printer layer asks attiva() whether to go on waiting for a silent server.
class Interruzione
{
public:
    // The time allowed runs on `orologio`, which must outlive the interruption; by default on
    // the system's.
    explicit Interruzione(std::chrono::milliseconds tempoConcesso);
    Interruzione(std::chrono::milliseconds tempoConcesso, const Orologio &orologio);

    void annulla() { m_annullata.store(true, std::memory_order_relaxed); }
    bool annullata() const { return m_annullata.load(std::memory_order_relaxed); }
    bool scaduta() const;
    bool continua() const { return !annullata() && !scaduta(); }

    // The interruption the exchanges of the calling thread obey; nullptr when none.
    static const Interruzione *attiva();

    // Makes an interruption the calling thread's for as long as it lives.
    class Ambito
    {
    public:
        explicit Ambito(const Interruzione &interruzione);
        ~Ambito();
        Ambito(const Ambito &) = delete;
        Ambito &operator=(const Ambito &) = delete;

    private:
        const Interruzione *m_precedente;
    };

private:
    std::atomic<bool> m_annullata{false};
    const Orologio &m_orologio;
    std::chrono::steady_clock::time_point m_scadenza;
};
