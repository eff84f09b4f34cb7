#pragma once

#include <chrono>
#include <functional>
#include <vector>

// Delta debugging of a failing event list: first the shortest failing tail of doubling
// length is kept, then chunks are taken out, halving their size down to
// single events, as long as the list still fails. The result fails, and no single event of it
// can be dropped; when the time runs out, the shortest failing list found so far is returned.
// `fallisce` plays a list of event numbers and tells whether it still fails.
std::vector<int> riduci(std::vector<int> eventi,
                        const std::function<bool(const std::vector<int> &)> &fallisce,
                        std::chrono::steady_clock::duration tempoMassimo);
