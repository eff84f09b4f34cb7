#pragma once

#include <chrono>
#include <functional>
#include <memory>

class QTimer;

// A one-shot alarm on the calling thread's event loop: it rings once when the time set has
// passed, unless it is stopped first. Tests derive from it to ring it when they choose.
class Sveglia
{
public:
    Sveglia();
    virtual ~Sveglia();
    Sveglia(const Sveglia &) = delete;
    Sveglia &operator=(const Sveglia &) = delete;

    // Calls `suona` once `tra` has passed, in place of any ringing still to come.
    virtual void punta(std::chrono::milliseconds tra, std::function<void()> suona);
    virtual void ferma();
    // Set and not rung yet.
    virtual bool puntata() const;

private:
    std::unique_ptr<QTimer> m_timer;
    std::function<void()> m_suona;
};
