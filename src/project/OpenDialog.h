#pragma once
#include <QString>
#include <QStringList>

class WorkingState;

// The "Open Project" dialog's behaviour; frmOpen shows it.
class OpenDialog {
public:
    explicit OpenDialog(WorkingState &state);

    QStringList File1;          // file names in the projects folder matching *.gpj
    int File1_ListIndex = -1;   // selected entry; -1 = none
    bool unloaded = false;      // the dialog has closed itself
    bool accepted = false;      // it closed with a file chosen, not by Cancel

    void Form_Activate();       // a fresh listing on every activation
    void cmdOpen_Click();
    void File1_DblClick(int index);
    void cmdCancel_Click();

    // The *.gpj files of a folder by name, in name order; none when the
    // folder is missing.
    static QStringList listProjects(const QString &folder);

private:
    WorkingState &m_state;
};
