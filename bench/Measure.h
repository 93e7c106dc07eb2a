#pragma once
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Each case runs beside its floor inside one benchmark iteration, the two
// taking turns at going first, so that both see the same state of this
// noisy machine. Every sample is kept; the table shows medians.
namespace measure {

using Clock = std::chrono::steady_clock;
inline double nsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

struct Samples {
    std::vector<double> value;   // ns, or kB for memory
    std::vector<double> floor;   // ns; empty when the case has none
};
std::map<std::string, Samples> &samples();
double median(std::vector<double> v);   // NaN when empty

// Wrong results found by a case: the program ends with a failure.
QStringList &failures();
// Records the fault and marks the benchmark as failed; returns false.
bool check(benchmark::State &state, bool ok, const QString &what);

// Runs the benchmark loop: prepare (untimed), then run and floor in turns.
void paired(benchmark::State &state, const std::string &name, const std::function<void()> &prepare,
            const std::function<void()> &run, const std::function<void()> &floor);

// The floors' disk work, done the way Tarvo does it: one atomic replace
// (a temporary file beside the target, renamed over it), and for a project
// file the flushes of the file before the rename and of its folder after.
bool writeScratch(const QString &path, const QByteArray &bytes);
bool writeFlushed(const QString &path, const QByteArray &bytes);
QByteArray readWhole(const QString &path);

// Resident memory of this process, in kB (VmRSS).
long long residentKb(long long pid = 0);

} // namespace measure
