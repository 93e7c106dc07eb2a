#pragma once
#include <QString>
#include <QStringList>
#include <optional>

class Ask;

// The "Open Project" dialog's behaviour; frmOpen shows it. It only picks a
// file: the Open command loads it.
class OpenDialog {
public:
    OpenDialog(QString projectsFolder, Ask &ask);

    QStringList File1;          // file names in the projects folder matching *.gpj
    int File1_ListIndex = -1;   // selected entry; -1 = none

    void Form_Activate();       // a fresh listing on every activation; the first selects the newest
    // The chosen file's path; nothing, after saying why, while no file is
    // selected (the dialog then stays open).
    std::optional<QString> cmdOpen_Click();
    std::optional<QString> File1_DblClick(int index);

    // The *.gpj files of a folder, the one changed last first; none when
    // the folder is missing.
    static QStringList listProjects(const QString &folder);

private:
    bool m_activated = false;   // the first listing selects the newest file
    QString m_projectsFolder;
    Ask &m_ask;
};
