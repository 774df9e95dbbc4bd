#pragma once

#include <algorithm>
#include <functional>
#include <vector>

namespace quorrin::bench {

inline double medianMs(std::vector<double> runs)
{
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

// Runs `prepare` (not timed), then times `act` with `nowMs`, as many times as asked; the median.
inline double timeIt(int runs, double (*nowMs)(), const std::function<void()>& prepare,
                     const std::function<void()>& act)
{
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        prepare();
        const double from = nowMs();
        act();
        ms.push_back(nowMs() - from);
    }
    return medianMs(ms);
}

} // namespace quorrin::bench
