#include "project/BaseCopy.h"

#include <QFile>

#include "component/FileNames.h"
#include <utility>

namespace {

// The copy's first line names the file, percent-encoded; the bytes follow
// as they are.
QByteArray copyBytes(const QString &file, const QByteArray &bytes)
{
    return FileNames::toNative(file).toPercentEncoding() + '\n' + bytes;
}

bool readCopy(const QString &path, QString &file, QByteArray &bytes)
{
    QFile copy(path);
    if (!copy.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = copy.readAll();
    const qsizetype end = all.indexOf('\n');
    if (end <= 0)
        return false;
    file = FileNames::fromNative(QByteArray::fromPercentEncoding(all.left(end)));
    bytes = all.mid(end + 1);
    return true;
}

} // namespace

BaseCopy::BaseCopy(const Folders &folders) : m_folders(folders), m_path(copyPath(folders.app())) {}

QString BaseCopy::copyPath(const QString &appFolder)
{
    return Folders(appFolder).tmp() + QStringLiteral(".base.gpj");
}

void BaseCopy::set(const QString &file, const QByteArray &bytes)
{
    m_file = file;
    m_bytes = bytes;
    m_unwritten = true;
}

void BaseCopy::clear()
{
    m_file.clear();
    m_bytes.clear();
    m_unwritten = false;
    m_writer.remove(m_path);
}

void BaseCopy::keepForUnsavedWork()
{
    if (!std::exchange(m_unwritten, false) || m_file.isEmpty())
        return;
    Folders::ensure(m_folders.tmp());
    m_writer.write(m_path, [file = m_file, bytes = m_bytes] { return copyBytes(file, bytes); },
                   KestrelFile::Durability::Flushed, KestrelFile::AtLink::Replace);
}

void BaseCopy::takeKept(const QString &kept, const QString &restoredFile)
{
    QString file;
    QByteArray bytes;
    if (readCopy(kept, file, bytes) && !file.isEmpty() && file == restoredFile) {
        set(file, bytes);
        keepForUnsavedWork();
    }
    QFile::remove(kept);
}
