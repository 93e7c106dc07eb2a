#pragma once
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Watches one file and the folder it lies in, and says when either may
// have changed. A file replaced by a rename (how Tarvo and sync tools
// save) drops out of the watcher; it is watched again whenever it is
// there. What changed is for the listener to find out: events are hints,
// the content is what counts. Bursts of events come as one.
class DiskWatch : public QObject {
    Q_OBJECT
public:
    explicit DiskWatch(QObject *parent = nullptr);

    // "" stops watching.
    void watch(const QString &file);
    const QString &file() const { return m_file; }

    static constexpr int kSettleMs = 150;   // a sync tool's writes of one change

signals:
    void changed();

private:
    void rearm();

    QFileSystemWatcher m_watcher;
    QString m_file;
    QTimer m_settle;
};
