#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "base/Ask.h"
#include "base/Output.h"
#include "events/Plan.h"

// What a scripted user action in a dialog leads to: the dialog stays open,
// or it closes with its answer (a path, or nothing for Cancel).
struct DialogStep {
    bool ends = false;
    std::optional<QString> result;
};
inline DialogStep staysOpen() { return {}; }
inline DialogStep cancelled() { return {true, std::nullopt}; }
// Closes with the path a button gave; a button that gave none keeps it open.
inline DialogStep closesWith(std::optional<QString> path) { return path ? DialogStep{true, path} : DialogStep{}; }

// Both seams answered in advance: each message box takes the next queued
// answer, each dialog runs the next queued user action, and every request
// and every output is recorded so tests can check the exact texts.
class ScriptedModals : public Ask, public Output {
public:
    struct Asked {
        QString text, title;
        MsgStyle style;
    };

    QList<MsgAnswer> answers;                                    // next message-box answers
    QList<std::function<DialogStep(OpenDialog &)>> openActions;  // what the user does in "Open Project"
    QList<std::function<DialogStep(SaveDialog &)>> saveActions;  // what the user does in "Save Project"
    // Next answers of the save-file dialog; a name without the suffix gets
    // it, as the real dialog adds it.
    QList<std::optional<QString>> saveFileNames;
    bool folderOpens = true;                                     // whether a file browser starts
    PrintOutcome printOutcome = PrintOutcome::Printed;   // what the print dialog comes to

    QList<Asked> asked;
    int unanswered = 0;            // boxes shown with no queued answer
    int tipsShown = 0;
    QStringList foldersOpened;
    QStringList saveFileAsked;     // "title|proposed name|filter" of each save-file dialog
    QList<QStringList> printed;
    QList<Plan> plansPrinted;      // each plan the print dialog printed
    QList<Plan> plansWritten;      // each plan written as a PDF ...
    QStringList pdfPaths;          // ... and where
    QList<Plan> timelinesWritten;  // each plan whose timeline was written as a picture ...
    QStringList picturePaths;      // ... where ...
    QList<PictureFormat> pictureFormats;   // ... and as what
    QString clipboard;

    // Convenience for the common case.
    void answer(MsgAnswer a) { answers.append(a); }
    QString lastText() const { return asked.isEmpty() ? QString() : asked.last().text; }

    MsgAnswer MsgBox(const QString &text, const QString &title, MsgStyle style) override;
    std::optional<QString> showOpenDialog(OpenDialog &dialog) override;
    std::optional<QString> showSaveDialog(SaveDialog &dialog) override;
    void showTips() override { ++tipsShown; }
    std::optional<QString> getSaveFileName(const QString &title, const QString &proposedName,
                                           const QString &filter, const QString &suffix) override;
    bool openFolder(const QString &path) override;
    PrintOutcome printLines(const QStringList &lines, QString *error) override;
    bool printPlan(const Plan &plan, QString *target, QString *error) override;
    // Writes the project's name to the path, so a path that cannot be
    // written fails as it would for a real PDF.
    bool writePlanPdf(const Plan &plan, const QString &path, QString *error) override;
    // The same for a timeline's picture.
    bool writeTimelinePicture(const Plan &plan, const QString &path, PictureFormat format, QString *error) override;
    void setClipboardText(const QString &text) override { clipboard = text; }
};

// Queued dialog actions that cover most tests.
std::function<DialogStep(SaveDialog &)> typeAndSave(const QString &name);
std::function<DialogStep(SaveDialog &)> cancelSave();
std::function<DialogStep(OpenDialog &)> pickAndOpen(const QString &fileName);
std::function<DialogStep(OpenDialog &)> cancelOpen();
