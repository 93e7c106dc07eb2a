#pragma once
#include <QString>
#include <optional>

class OpenDialog;
class SaveDialog;

// Message-box styles: an icon and a set of buttons. The values are the old
// style codes (icon code plus button code) that the program's messages are
// written in.
enum class MsgStyle : int {
    OkOnly = 0,                 // no icon, OK
    Critical = 16,              // error icon, OK
    YesNoCancelQuestion = 35,   // question icon, Yes, No and Cancel
    YesNoQuestion = 36,         // question icon, Yes and No
    Information = 64,           // information icon, OK
    YesNoQuestionNoFirst = 292, // question icon, Yes and No, with No the default (the second button)
};
enum class MsgAnswer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

enum class MsgIcon { None, Critical, Question, Information };
enum class MsgButtons { Ok, YesNo, YesNoCancel };

constexpr MsgIcon iconOf(MsgStyle style)
{
    switch (style) {
    case MsgStyle::Critical: return MsgIcon::Critical;
    case MsgStyle::YesNoCancelQuestion:
    case MsgStyle::YesNoQuestion:
    case MsgStyle::YesNoQuestionNoFirst: return MsgIcon::Question;
    case MsgStyle::Information: return MsgIcon::Information;
    case MsgStyle::OkOnly: break;
    }
    return MsgIcon::None;
}

constexpr MsgButtons buttonsOf(MsgStyle style)
{
    switch (style) {
    case MsgStyle::YesNoCancelQuestion: return MsgButtons::YesNoCancel;
    case MsgStyle::YesNoQuestion:
    case MsgStyle::YesNoQuestionNoFirst: return MsgButtons::YesNo;
    default: return MsgButtons::Ok;
    }
}

// Short names for the code that asks: Msg::Information, Msg::Yes ...
namespace Msg {
using enum MsgStyle;
using enum MsgAnswer;
} // namespace Msg

// Everything that waits on the user's answer goes through this seam: the
// message boxes and the file dialogs. The window layer answers with real
// dialogs; tests answer in advance and read back what was asked.
class Ask {
public:
    virtual ~Ask() = default;

    // A modal message box; returns the answer.
    virtual MsgAnswer MsgBox(const QString &text, const QString &title, MsgStyle style) = 0;

    // Run the dialog modally; the chosen project file's path, or nothing
    // when the user cancelled.
    virtual std::optional<QString> showOpenDialog(OpenDialog &dialog) = 0;
    virtual std::optional<QString> showSaveDialog(SaveDialog &dialog) = 0;
    virtual void showTips() = 0;
    // A file to write to, chosen in a save-file dialog that proposes
    // proposedName. filter is in the file dialog's form, e.g. "Calendar
    // files (*.csv)"; suffix (without the dot) is added to a name typed
    // without one before the dialog checks it, so the question about
    // replacing a file is asked about the file that will be written.
    // Nothing when cancelled.
    virtual std::optional<QString> getSaveFileName(const QString &title, const QString &proposedName,
                                                   const QString &filter, const QString &suffix) = 0;
};
