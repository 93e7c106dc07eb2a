#include "project/Recovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/Ask.h"
#include "base/Texts.h"
#include "component/FileNames.h"
#include "project/BaseCopy.h"
#include "project/GoalKeys.h"
#include "project/GpjFormat.h"
#include "project/IniIndex.h"
#include "project/Problems.h"
#include "project/ProjectDocument.h"
#include "project/TaskFiles.h"
#include "project/TmpFolder.h"

namespace {

// A project file with one more section: the file the project belongs to,
// as the bytes of its name, so a name that is not UTF-8 comes back as itself.
QByteArray snapshotBytes(const Project &project, const QString &file)
{
    QString text = Gpj::write(project);
    const QByteArray name = FileNames::toNative(file).toPercentEncoding("/");
    text += QStringLiteral("[Recovery]\r\nFile=") + QString::fromLatin1(name) + QStringLiteral("\r\n");
    return text.toUtf8();
}

QString fileOf(const IniIndex &index)
{
    return FileNames::fromNative(QByteArray::fromPercentEncoding(index.value(u"RECOVERY", u"File").toUtf8()));
}

// A free name in tmp/: "<stem>.gpj", else "<stem>-2.gpj", "<stem>-3.gpj" ...
QString freeName(const QString &appFolder, const QString &stem)
{
    const QString tmp = appFolder + QStringLiteral("/tmp/");
    QString path = tmp + stem + QStringLiteral(".gpj");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = tmp + stem + u'-' + QString::number(n) + QStringLiteral(".gpj");
    return path;
}

} // namespace

Recovery::Recovery(const Folders &folders, TmpFolder &tmp, ProjectDocument &document, Problems &problems)
    : m_folders(folders), m_tmp(tmp), m_document(document), m_problems(problems), m_path(snapshotPath(folders.app()))
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Recovery::update);
    if (QCoreApplication::instance())   // a timer needs the event loop of a program
        m_timer.start();
}

QString Recovery::snapshotPath(const QString &appFolder)
{
    return appFolder + QStringLiteral("/tmp/.recovery.gpj");
}

void Recovery::keepAside(const QString &appFolder)
{
    const QString snapshot = snapshotPath(appFolder);
    const QString base = BaseCopy::copyPath(appFolder);
    if (!QFileInfo(snapshot).isFile()) {
        QFile::remove(base);   // a base without unsaved work is no one's
        return;
    }
    const QString kept = freeName(appFolder, QStringLiteral(".recovery-kept"));
    if (QFile::rename(snapshot, kept) && QFileInfo(base).isFile())
        QFile::rename(base, basePartner(kept));
}

QString Recovery::basePartner(const QString &kept)
{
    QFileInfo info(kept);
    return info.path() + u'/' + info.fileName().replace(QStringLiteral(".recovery-kept"), QStringLiteral(".base-kept"));
}

QStringList Recovery::keptCopies(const QString &appFolder)
{
    QDir tmp(appFolder + QStringLiteral("/tmp"));
    const QFileInfoList kept = tmp.entryInfoList({QStringLiteral(".recovery-kept*.gpj")}, QDir::Files | QDir::Hidden,
                                                 QDir::Time);
    QStringList paths;
    for (const QFileInfo &info : kept)
        paths.append(info.filePath());
    return paths;
}

QString Recovery::offerRestore(Ask &ask, TaskFiles &taskFiles, const KestrelTools &tools)
{
    for (const QString &kept : keptCopies(m_folders.app())) {
        const std::optional<bool> restored = offer(kept, ask, taskFiles, tools);
        if (!restored)
            return {};   // kept for the next start
        if (*restored)
            return kept;
        QFile::remove(basePartner(kept));   // thrown away, or put aside unreadable
    }
    return {};
}

std::optional<bool> Recovery::offer(const QString &kept, Ask &ask, TaskFiles &taskFiles, const KestrelTools &tools)
{
    IniIndex index;
    QString error;
    const bool read = index.load(kept, &error);
    Gpj::ReadResult snapshot = Gpj::read(index);
    if (!read || snapshot.noProjectSections) {
        // Nothing in it reads as a project: kept under another name, so it
        // is not asked about again, and the user learns where.
        const QString aside = freeName(m_folders.app(), QStringLiteral(".recovery-unreadable"));
        QFile::rename(kept, aside);
        ask.MsgBox(Texts::recoveryUnreadable(aside), Texts::restoreTitle(), Msg::Information);
        return false;
    }
    if (ask.MsgBox(Texts::restoreQuestion(), Texts::restoreTitle(), Msg::YesNoQuestion) == Msg::No) {
        QFile::remove(kept);
        return false;
    }
    // A copy may have been made by anything: its keys pass the checks an
    // opened project's do.
    GoalKeys::makeSafe(snapshot.project, tools, m_folders);
    if (!taskFiles.writeAll(snapshot.project, &error)) {
        ask.MsgBox(Texts::notRestored(error), Texts::restoreTitle(), Msg::Critical);
        return std::nullopt;   // stays aside for the next start
    }
    m_document.assign(snapshot.project, DocumentChange::Cause::Restore);
    m_document.setFilePath(fileOf(index));
    // The restored work is on the device again before the copy it came from goes.
    writeNow();
    if (m_problems.text(Problems::Source::Recovery).isEmpty())
        QFile::remove(kept);
    return true;
}

void Recovery::update()
{
    QString why;
    // The lock is looked after while Tarvo runs, whether or not there is
    // anything to write: a tmp/ taken away is made again at once.
    if (m_tmp.guardsLock() && !m_tmp.ready(&why)) {
        m_problems.set(Problems::Source::Lock, why);
        return;
    }
    m_problems.set(Problems::Source::Lock, QString());
    takeWriteResult();
    if (!m_document.isModified()) {
        if (m_kept)
            discard();
        return;
    }
    const bool failed = !m_problems.text(Problems::Source::Recovery).isEmpty();
    if (!failed && m_kept && m_keptRevision == m_document.revision() && m_keptFile == m_document.filePath())
        return;
    if (!m_tmp.ready(&why)) {
        m_problems.set(Problems::Source::Recovery, Texts::recoveryNotWritten(m_path, why));
        return;
    }
    m_kept = true;
    m_keptRevision = m_document.revision();
    m_keptFile = m_document.filePath();
    m_writer.write(m_path, [project = m_document.project(), file = m_keptFile] { return snapshotBytes(project, file); },
                   KestrelFile::Durability::Flushed, KestrelFile::AtLink::Replace);
}

void Recovery::takeWriteResult()
{
    // A copy that did not reach the device is said, and written again.
    if (const std::optional<QString> result = m_writer.takeResult(m_path))
        m_problems.set(Problems::Source::Recovery, result->isEmpty() ? QString() : Texts::recoveryNotWritten(m_path, *result));
}

void Recovery::writeNow()
{
    update();
    waitUntilIdle();
    takeWriteResult();
}

void Recovery::discard()
{
    m_kept = false;
    m_keptFile.clear();
    m_problems.set(Problems::Source::Recovery, QString());
    m_writer.remove(m_path);
}
