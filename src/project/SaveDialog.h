#pragma once
#include <QString>

class WorkingState;

// The "Save Project" dialog's behaviour; frmSave shows it.
class SaveDialog {
public:
    explicit SaveDialog(WorkingState &state);

    QString txtSave;            // the typed name, without extension
    bool unloaded = false;      // the dialog has closed itself
    bool accepted = false;      // it closed with a name chosen, not by Cancel

    void cmdOpen_Click();       // "Save"
    void cmdCancel_Click();

    enum class NameProblem {
        None,
        Empty,              // "Missing Info"
        RefusedCharacter,   // "Invalid Name": a character that may not be in a name
        TooLong,            // "Invalid Name": longer than a file name may be
    };
    // Whether a typed name may become "<name>.gpj" in the projects folder.
    static NameProblem nameProblem(const QString &name);
    // The characters refused in a name, in the order they are tested; the
    // control characters are refused as well.
    static const QString &refusedCharacters();
    // The longest file name the file systems we run on accept, in bytes.
    static constexpr int kMaxFileNameBytes = 255;

private:
    WorkingState &m_state;
};
