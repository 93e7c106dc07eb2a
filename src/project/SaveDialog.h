#pragma once
#include <QString>
#include <optional>

class KestrelTools;
class Ask;

// The "Save Project" dialog's behaviour; frmSave shows it. It only checks
// the name: the Save As command writes the file.
class SaveDialog {
public:
    SaveDialog(QString projectsFolder, Ask &ask, const KestrelTools &tools);

    QString txtSave;            // the typed name, without extension

    // What the dialog proposes: the name of the project's file, or for a
    // project without one its name, with what a name may not hold put right.
    static QString proposedName(const QString &filePath, const QString &projectName);

    // "Save": the project file's path for a name that passes; nothing,
    // after saying why, while the name is refused (the dialog stays open).
    std::optional<QString> cmdOpen_Click();

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
    QString m_projectsFolder;
    Ask &m_ask;
    const KestrelTools &m_tools;
};
