#include "project/OpenDialog.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Ask.h"
#include "base/Texts.h"
#include "component/FileNames.h"

OpenDialog::OpenDialog(QString projectsFolder, Ask &ask)
    : m_projectsFolder(std::move(projectsFolder)), m_ask(ask)
{
}

QStringList OpenDialog::listProjects(const QString &folder)
{
    // A missing folder simply lists nothing; only the folder shortcut and
    // the first save create it. Only regular files are listed (links to
    // them too): a device or a pipe named ".gpj" is no project. Names are
    // taken as bytes, so one that is not valid UTF-8 still opens.
    struct Entry {
        QString name;
        qint64 changed;   // ns since the epoch
    };
    QList<Entry> entries;
    const QByteArray native = FileNames::toNative(folder);
    DIR *dir = ::opendir(native.constData());
    if (!dir)
        return {};
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.') || name.size() < 5 || name.right(4).toLower() != ".gpj")
            continue;
        struct stat info;
        if (::stat((native + '/' + name).constData(), &info) == 0 && S_ISREG(info.st_mode)
            && ::access((native + '/' + name).constData(), R_OK) == 0)
            entries.append({FileNames::fromNative(name), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec});
    }
    ::closedir(dir);
    // The project saved last comes first: the files' times are the memory
    // of what the user worked on, no setting is kept.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (a.changed != b.changed)
            return a.changed > b.changed;
        const int c = a.name.compare(b.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.name < b.name;
    });
    QStringList names;
    for (const Entry &e : entries)
        names.append(e.name);
    return names;
}

void OpenDialog::Form_Activate()
{
    // Keep the selection across a refresh when its file is still there, so
    // that coming back to the dialog does not lose the user's pick.
    const QString selected = File1.value(File1_ListIndex);
    File1 = listProjects(m_projectsFolder);
    File1_ListIndex = selected.isEmpty() ? -1 : int(File1.indexOf(selected));
    // Ctrl+O then Enter opens the plan saved last.
    if (File1_ListIndex < 0 && !m_activated && !File1.isEmpty())
        File1_ListIndex = 0;
    m_activated = true;
}

std::optional<QString> OpenDialog::cmdOpen_Click()
{
    if (File1_ListIndex < 0 || File1_ListIndex >= File1.size()) {
        m_ask.MsgBox(Texts::selectAFile(), Texts::missingInfoTitle(), Msg::Information);
        return std::nullopt;
    }
    return m_projectsFolder + File1.at(File1_ListIndex);
}

std::optional<QString> OpenDialog::File1_DblClick(int index)
{
    File1_ListIndex = index;
    return cmdOpen_Click();
}
