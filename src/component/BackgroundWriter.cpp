#include "component/BackgroundWriter.h"

#include <QFile>

#include "component/Utf8.h"

BackgroundWriter::BackgroundWriter() : m_thread([this] { run(); }) {}

BackgroundWriter::~BackgroundWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void BackgroundWriter::write(const QString &path, std::function<QByteArray()> make, KestrelFile::Durability durability,
                             KestrelFile::AtLink atLink)
{
    auto produce = [make = std::move(make)](const PieceWriter::ByteSink &sink) mutable {
        const QByteArray bytes = make();
        make = nullptr;   // lets go of what the bytes were made from
        sink(bytes);
    };
    queue({path, std::move(produce), durability, atLink});
}

void BackgroundWriter::writeText(const QString &path, const QString &text, KestrelFile::Durability durability)
{
    // Encoded in small pieces as they are written, the bytes QString::toUtf8
    // gives: a text of 100,000 lines is never held a second time.
    auto produce = [text = QString(text)](const PieceWriter::ByteSink &sink) {
        // The readers drop one leading byte-order mark; a text that itself
        // begins with U+FEFF gets one more, so it reads back unchanged.
        if (text.startsWith(QChar(0xFEFF)))
            sink("\xEF\xBB\xBF");
        Utf8::encodeInPieces(text, sink);
    };
    queue({path, std::move(produce), durability});
}

void BackgroundWriter::remove(const QString &path)
{
    queue({path, {}, KestrelFile::Durability::Scratch});
}

void BackgroundWriter::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    work(lock, [this] { return m_jobs.empty() && m_inFlight.isEmpty(); });
}

std::optional<QString> BackgroundWriter::takeResult(const QString &path)
{
    std::lock_guard lock(m_mutex);
    const auto found = m_results.constFind(path);
    if (found == m_results.cend())
        return std::nullopt;
    return m_results.take(path);
}

void BackgroundWriter::queue(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        auto same = std::find_if(m_jobs.begin(), m_jobs.end(), [&](const Job &j) { return j.path == job.path; });
        // Replaced in its place only when nothing for another path was
        // queued after it, so the order of what is written stays as given.
        if (same != m_jobs.end() && same + 1 == m_jobs.end())
            *same = std::move(job);
        else
            m_jobs.push_back(std::move(job));
    }
    m_wake.notify_all();
}

std::optional<BackgroundWriter::Job> BackgroundWriter::takeJob()
{
    const auto free = std::find_if(m_jobs.begin(), m_jobs.end(),
                                   [this](const Job &j) { return !m_inFlight.contains(j.path); });
    if (free == m_jobs.end())
        return std::nullopt;
    // A later job for a path blocked by a running one stays behind it, and
    // an earlier job for this path would have been found first.
    Job job = std::move(*free);
    m_jobs.erase(free);
    m_inFlight.append(job.path);
    return job;
}

void BackgroundWriter::perform(Job &job)
{
    QString error;
    if (job.produce) {
        KestrelFile::writePieces(job.path, job.produce, job.durability, &error, job.atLink);
        job.produce = nullptr;   // lets go of what the bytes were made from
    } else {
        QFile::remove(job.path);
    }
    {
        std::lock_guard lock(m_mutex);
        m_results.insert(job.path, error);
        m_inFlight.removeOne(job.path);
    }
    m_wake.notify_all();
}

void BackgroundWriter::work(std::unique_lock<std::mutex> &lock, const std::function<bool()> &done)
{
    for (;;) {
        if (std::optional<Job> job = takeJob()) {
            lock.unlock();
            perform(*job);
            lock.lock();
        } else if (done()) {
            return;
        } else {
            m_wake.wait(lock);
        }
    }
}

void BackgroundWriter::run()
{
    std::unique_lock lock(m_mutex);
    work(lock, [this] { return m_stop && m_jobs.empty(); });   // stopped with nothing left to do
}
