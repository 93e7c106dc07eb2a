#include "project/SaveDialog.h"

#include "app/Modals.h"
#include "project/WorkingState.h"

SaveDialog::SaveDialog(WorkingState &state) : m_state(state) {}

const QString &SaveDialog::refusedCharacters()
{
    // First the characters the dialog has always refused, in their order;
    // then those that would make the save fail or leave the projects folder.
    static const QString refused = QStringLiteral(" .;'?@\"$") + QStringLiteral("/\\:*<>|");
    return refused;
}

SaveDialog::NameProblem SaveDialog::nameProblem(const QString &name)
{
    if (name.isEmpty())
        return NameProblem::Empty;
    for (QChar c : refusedCharacters()) {
        if (name.contains(c))
            return NameProblem::RefusedCharacter;
    }
    for (qsizetype i = 0; i < name.size(); ++i) {
        // Control characters (C0, DEL, C1) and lone surrogate halves, which
        // no file name can hold faithfully.
        const QChar c = name.at(i);
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            return NameProblem::RefusedCharacter;
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return NameProblem::RefusedCharacter;
    }
    if ((name + QStringLiteral(".gpj")).toUtf8().size() > kMaxFileNameBytes)
        return NameProblem::TooLong;
    return NameProblem::None;
}

void SaveDialog::cmdOpen_Click()
{
    Modals &modals = m_state.modals();
    switch (nameProblem(txtSave)) {
    case NameProblem::None:
        break;
    case NameProblem::Empty:
        modals.MsgBox(QStringLiteral("Please enter a name for the file."), QStringLiteral("Missing Info"),
                      Msg::Information);
        return;
    case NameProblem::RefusedCharacter:
    case NameProblem::TooLong:
        modals.MsgBox(QStringLiteral("Please remove any spaces and/or special characters."),
                      QStringLiteral("Invalid Name"), Msg::Information);
        return;
    }

    const QString path = m_state.projectsFolder() + txtSave + QStringLiteral(".gpj");
    if (m_state.KestrelTools1.PathExists(path, false)
        && modals.MsgBox(QStringLiteral("File already exists. Want to overwrite it?"),
                         QStringLiteral("File Already Exists"), Msg::YesNoQuestion) != Msg::Yes)
        return;

    m_state.CurrentProjectFile = path;
    m_state.lblFilename = path;
    m_state.lblFilename_ToolTip = path;
    accepted = true;
    unloaded = true;
}

void SaveDialog::cmdCancel_Click()
{
    unloaded = true;
}
