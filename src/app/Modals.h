#pragma once
#include <QString>
#include <QStringList>

class OpenDialog;
class SaveDialog;

// Message-box styles and answers, as the program's messages name them.
namespace Msg {
constexpr int OkOnly = 0;
constexpr int Information = 64;       // information icon, OK
constexpr int YesNoQuestion = 36;     // question icon, Yes and No
constexpr int YesNoCancelQuestion = 35; // question icon, Yes, No and Cancel
constexpr int Critical = 16;          // error icon, OK
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace Msg

// Everything that waits on the user or reaches outside the program goes
// through this one seam. The window layer answers with real dialogs; tests
// answer in advance and read back what was asked.
class Modals {
public:
    virtual ~Modals() = default;

    // A modal message box; returns the answer (Msg::Ok, Msg::Yes, ...).
    virtual int MsgBox(const QString &text, const QString &title, int style) = 0;

    // Runs the dialog modally until it has unloaded itself.
    virtual void showOpenDialog(OpenDialog &dialog) = 0;
    virtual void showSaveDialog(SaveDialog &dialog) = 0;
    virtual void showTips() = 0;

    // Starts the desktop's file browser on a folder; false when none started.
    virtual bool openFolder(const QString &path) = 0;

    // Prints plain lines on the default printer; false, with the reason,
    // when nothing could be printed.
    virtual bool printLines(const QStringList &lines, QString *error) = 0;

    virtual void setClipboardText(const QString &text) = 0;

    // Lets the window process its pending events.
    virtual void DoEvents() = 0;
};
