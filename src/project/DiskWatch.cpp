#include "project/DiskWatch.h"

#include <QCoreApplication>
#include <QFileInfo>

DiskWatch::DiskWatch(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        // The path may still be watched on the inode a rename replaced.
        if (m_watcher.files().contains(m_file))
            m_watcher.removePath(m_file);
        rearm();
        emit changed();
    });
    const auto hint = [this] {
        rearm();
        m_settle.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, hint);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, hint);
}

void DiskWatch::watch(const QString &file)
{
    if (file == m_file)
        return;
    m_settle.stop();
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_file = file;
    rearm();
}

void DiskWatch::rearm()
{
    // A watcher needs a program's event loop; a tool without one watches nothing.
    if (m_file.isEmpty() || !QCoreApplication::instance())
        return;
    const QString folder = QFileInfo(m_file).absolutePath();
    if (!m_watcher.directories().contains(folder) && QFileInfo::exists(folder))
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(m_file) && QFileInfo::exists(m_file))
        m_watcher.addPath(m_file);
}
