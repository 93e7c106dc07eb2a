#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "component/KestrelFile.h"

// Writes files on a thread of its own, so the window never waits for the
// device. Jobs for one path run in the order given; a job for a path that
// has not started yet is replaced by a newer one for the same path, so only
// the newest content is written.
class BackgroundWriter {
public:
    BackgroundWriter();
    ~BackgroundWriter();   // finishes what is queued
    BackgroundWriter(const BackgroundWriter &) = delete;
    BackgroundWriter &operator=(const BackgroundWriter &) = delete;

    // make gives the bytes; it runs on the writer's thread.
    void write(const QString &path, std::function<QByteArray()> make, KestrelFile::Durability durability,
               KestrelFile::AtLink atLink = KestrelFile::AtLink::Follow);
    // The text in UTF-8. The text is shared, not copied, and encoded in
    // small pieces as it is written.
    void writeText(const QString &path, const QString &text, KestrelFile::Durability durability);
    void remove(const QString &path);
    // Returns once every queued job has finished. The caller does not sit
    // idle meanwhile: it takes on queued jobs for other paths itself.
    void waitUntilIdle();
    // How the last finished write of path went: "" when it was written,
    // else the reason; nothing when none has finished since the last ask.
    std::optional<QString> takeResult(const QString &path);

private:
    struct Job {
        QString path;
        std::function<void(const PieceWriter::ByteSink &)> produce;   // empty: remove the file
        KestrelFile::Durability durability = KestrelFile::Durability::Scratch;
        KestrelFile::AtLink atLink = KestrelFile::AtLink::Follow;
    };
    void queue(Job job);
    void run();
    // The first queued job whose path no one is writing now, taken out of
    // the queue; none when there is no such job. Under m_mutex.
    std::optional<Job> takeJob();
    void perform(Job &job);
    // Performs the jobs it can take, waiting while others are written,
    // until done() holds with nothing to take. Under m_mutex.
    void work(std::unique_lock<std::mutex> &lock, const std::function<bool()> &done);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    QHash<QString, QString> m_results;
    QList<QString> m_inFlight;   // the paths being written now
    bool m_stop = false;
    std::thread m_thread;
};
