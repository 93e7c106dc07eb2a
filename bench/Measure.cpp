#include "Measure.h"

#include <QFile>
#include "component/KestrelFile.h"
#include <algorithm>
#include <cmath>

namespace measure {

std::map<std::string, Samples> &samples()
{
    static std::map<std::string, Samples> all;
    return all;
}

QStringList &failures()
{
    static QStringList all;
    return all;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return std::nan("");
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

bool check(benchmark::State &state, bool ok, const QString &what)
{
    if (ok)
        return true;
    const QString text = what;
    if (!failures().contains(text))
        failures().append(text);
    state.SkipWithError(text.toUtf8().constData());
    return false;
}

void paired(benchmark::State &state, const std::string &name, const std::function<void()> &prepare,
            const std::function<void()> &run, const std::function<void()> &floor)
{
    Samples &s = samples()[name];
    bool floorFirst = false;
    for (auto _ : state) {
        double tRun = 0, tFloor = 0;
        auto timeRun = [&] {
            if (prepare)
                prepare();
            const auto t = Clock::now();
            run();
            tRun = nsSince(t);
        };
        auto timeFloor = [&] {
            const auto t = Clock::now();
            floor();
            tFloor = nsSince(t);
        };
        if (floorFirst) {
            timeFloor();
            timeRun();
        } else {
            timeRun();
            timeFloor();
        }
        floorFirst = !floorFirst;
        state.SetIterationTime(tRun * 1e-9);
        s.value.push_back(tRun);
        s.floor.push_back(tFloor);
    }
}

bool writeScratch(const QString &path, const QByteArray &bytes)
{
    return KestrelFile::writeBytes(bytes, path, KestrelFile::Durability::Scratch, nullptr);
}

bool writeFlushed(const QString &path, const QByteArray &bytes)
{
    return KestrelFile::writeBytes(bytes, path, KestrelFile::Durability::Flushed, nullptr);
}

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

long long residentKb(long long pid)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace measure
