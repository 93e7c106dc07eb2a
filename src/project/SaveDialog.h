#pragma once
#include <QString>

class WorkingState;

// The "Save Project" dialog's behaviour; frmSave shows it.
class SaveDialog {
public:
    explicit SaveDialog(WorkingState &state);

    QString txtSave;            // the typed name, without extension
    bool unloaded = false;      // the dialog has closed itself

    void cmdOpen_Click();       // "Save"
    void cmdCancel_Click();

private:
    WorkingState &m_state;
};
