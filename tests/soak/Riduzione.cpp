#include "Riduzione.h"

#include <algorithm>

std::vector<int> riduci(std::vector<int> eventi,
                        const std::function<bool(const std::vector<int> &)> &fallisce,
                        std::chrono::steady_clock::duration tempoMassimo)
{
    const auto limite = std::chrono::steady_clock::now() + tempoMassimo;
    auto scaduto = [&limite] { return std::chrono::steady_clock::now() >= limite; };

    // A failure mostly needs only the last events before it: the shortest failing tail, found
    // by doubling, is a cheap start.
    for (std::size_t coda = 1; coda < eventi.size() && !scaduto(); coda *= 2) {
        std::vector<int> prova(eventi.end() - static_cast<long>(coda), eventi.end());
        if (fallisce(prova)) {
            eventi = std::move(prova);
            break;
        }
    }

    std::size_t blocco = std::max<std::size_t>(1, eventi.size() / 2);
    while (!eventi.empty() && !scaduto()) {
        bool tolto = false;
        // From the end backwards: late events are the likeliest to be spare, and removing
        // them first keeps every later try short.
        for (std::size_t fine = eventi.size(); fine > 0 && !scaduto();) {
            const std::size_t inizio = fine > blocco ? fine - blocco : 0;
            std::vector<int> prova;
            prova.reserve(eventi.size() - (fine - inizio));
            prova.insert(prova.end(), eventi.begin(), eventi.begin() + static_cast<long>(inizio));
            prova.insert(prova.end(), eventi.begin() + static_cast<long>(fine), eventi.end());
            if (fallisce(prova)) {
                eventi = std::move(prova);
                tolto = true;
                fine = std::min(inizio, eventi.size());
            } else {
                fine = inizio;
            }
        }
        if (blocco == 1 && !tolto)
            break; // no single event can go
        if (!tolto || blocco > 1)
            blocco = std::max<std::size_t>(1, blocco / 2);
    }
    return eventi;
}
