// SPDX-License-Identifier: MIT
#pragma once

// What the in-process benchmarks share: letting windows come and go, reading
// the resident memory, and printing figures as "name value" lines that
// tools/bench.sh reads.

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

namespace bench {

/// Lets windows map, paint and go, as the event loop does between two clicks.
inline void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// The resident memory now, in KiB.
inline long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4; // 4 KiB pages
}

/// Makes the round trips and prints the resident memory after the first 100
/// and after all of them, and what each trip after the 100th added.
inline void measureTrips(long trips, const std::function<void()> &trip)
{
    long after100 = 0;
    for (long i = 1; i <= trips; ++i) {
        trip();
        if (i == 100)
            after100 = residentKilobytes();
    }
    const long afterAll = residentKilobytes();
    std::printf("rss_after_100_kib %ld\nrss_after_all_kib %ld\n", after100, afterAll);
    if (trips > 100)
        std::printf("growth_per_trip_bytes %.0f\n", double(afterAll - after100) * 1024 / double(trips - 100));
}

/// Times each call of what on its own, with prepare (untimed) before each,
/// and prints the median and the 10th and 90th percentiles in microseconds.
inline void measureCalls(
    const char *name, int calls, const std::function<void()> &prepare, const std::function<void()> &what)
{
    std::vector<double> micros;
    QElapsedTimer timer;
    for (int i = 0; i < calls; ++i) {
        prepare();
        timer.start();
        what();
        micros.push_back(double(timer.nsecsElapsed()) / 1e3);
        settle(); // paints, untimed
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[std::size_t(q * double(micros.size() - 1))]; };
    std::printf("%s_us %.1f %.1f %.1f\n", name, at(0.5), at(0.1), at(0.9));
}

} // namespace bench
