#pragma once
#include <QString>
#include <QStringList>
#include <optional>

class OpenDialog;
class SaveDialog;
struct Plan;

// Message-box styles: an icon and a set of buttons. The values are the old
// style codes (icon code plus button code) that the program's messages are
// written in.
enum class MsgStyle : int {
    OkOnly = 0,                 // no icon, OK
    Critical = 16,              // error icon, OK
    YesNoCancelQuestion = 35,   // question icon, Yes, No and Cancel
    YesNoQuestion = 36,         // question icon, Yes and No
    Information = 64,           // information icon, OK
};
enum class MsgAnswer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

enum class MsgIcon { None, Critical, Question, Information };
enum class PrintOutcome { Printed, Cancelled, Failed };
enum class MsgButtons { Ok, YesNo, YesNoCancel };

constexpr MsgIcon iconOf(MsgStyle style)
{
    switch (style) {
    case MsgStyle::Critical: return MsgIcon::Critical;
    case MsgStyle::YesNoCancelQuestion:
    case MsgStyle::YesNoQuestion: return MsgIcon::Question;
    case MsgStyle::Information: return MsgIcon::Information;
    case MsgStyle::OkOnly: break;
    }
    return MsgIcon::None;
}

constexpr MsgButtons buttonsOf(MsgStyle style)
{
    switch (style) {
    case MsgStyle::YesNoCancelQuestion: return MsgButtons::YesNoCancel;
    case MsgStyle::YesNoQuestion: return MsgButtons::YesNo;
    default: return MsgButtons::Ok;
    }
}

// Short names for the code that asks: Msg::Information, Msg::Yes ...
namespace Msg {
using enum MsgStyle;
using enum MsgAnswer;
} // namespace Msg

// Everything that waits on the user or reaches outside the program goes
// through this one seam. The window layer answers with real dialogs; tests
// answer in advance and read back what was asked.
class Modals {
public:
    virtual ~Modals() = default;

    // A modal message box; returns the answer.
    virtual MsgAnswer MsgBox(const QString &text, const QString &title, MsgStyle style) = 0;

    // Run the dialog modally; the chosen project file's path, or nothing
    // when the user cancelled.
    virtual std::optional<QString> showOpenDialog(OpenDialog &dialog) = 0;
    virtual std::optional<QString> showSaveDialog(SaveDialog &dialog) = 0;
    virtual void showTips() = 0;
    // A file to write to, chosen by the user in a save-file dialog that
    // proposes proposedName (with its suffix); nothing when cancelled.
    // filter is in the file dialog's form, e.g. "Calendar files (*.csv)".
    virtual std::optional<QString> getSaveFileName(const QString &title, const QString &proposedName,
                                                   const QString &filter) = 0;

    // Starts the desktop's file browser on a folder; false when none started.
    virtual bool openFolder(const QString &path) = 0;

    // Prints plain lines on the printer the user picks in the print dialog;
    // Failed comes with the reason.
    virtual PrintOutcome printLines(const QStringList &lines, QString *error) = 0;
    // Shows the print dialog with a preview of the plan and prints it where
    // the user chooses. True when it printed or the user cancelled; false
    // when it failed, with the printer or file in *target and the reason.
    virtual bool printPlan(const Plan &plan, QString *target, QString *error) = 0;
    // Writes the plan as a PDF file, replacing it whole; false, with the
    // reason, when it could not.
    virtual bool writePlanPdf(const Plan &plan, const QString &path, QString *error) = 0;

    virtual void setClipboardText(const QString &text) = 0;
};
