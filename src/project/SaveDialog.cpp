#include "project/SaveDialog.h"

#include <QFileInfo>

#include "base/Ask.h"
#include "base/Texts.h"
#include "component/KestrelTools.h"

SaveDialog::SaveDialog(QString projectsFolder, Ask &ask, const KestrelTools &tools)
    : m_projectsFolder(std::move(projectsFolder)), m_ask(ask), m_tools(tools)
{
}

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

QString SaveDialog::proposedName(const QString &filePath, const QString &projectName)
{
    if (!filePath.isEmpty())
        return QFileInfo(filePath).completeBaseName();
    QString name = projectName.trimmed();
    for (QChar &c : name) {
        if (refusedCharacters().contains(c) || c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            c = u'_';
    }
    while (nameProblem(name) == NameProblem::TooLong)
        name.chop(1);
    return name;
}

std::optional<QString> SaveDialog::cmdOpen_Click()
{
    switch (nameProblem(txtSave)) {
    case NameProblem::None:
        break;
    case NameProblem::Empty:
        m_ask.MsgBox(Texts::enterAName(), Texts::missingInfoTitle(), Msg::Information);
        return std::nullopt;
    case NameProblem::RefusedCharacter:
    case NameProblem::TooLong:
        m_ask.MsgBox(Texts::invalidName(), Texts::invalidNameTitle(), Msg::Information);
        return std::nullopt;
    }

    const QString path = m_projectsFolder + txtSave + QStringLiteral(".gpj");
    if (m_tools.PathExists(path, false)
        && m_ask.MsgBox(Texts::overwriteQuestion(), Texts::overwriteTitle(), Msg::YesNoQuestionNoFirst) != Msg::Yes)
        return std::nullopt;
    return path;
}
