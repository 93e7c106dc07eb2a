#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "app/Modals.h"

// The modal seam answered in advance: each message box takes the next
// queued answer, each dialog runs the next queued user action, and every
// request is recorded so tests can check the exact texts.
class ScriptedModals : public Modals {
public:
    struct Asked {
        QString text, title;
        int style;
    };

    QList<int> answers;                                   // next message-box answers
    QList<std::function<void(OpenDialog &)>> openActions;  // what the user does in "Open Project"
    QList<std::function<void(SaveDialog &)>> saveActions;  // what the user does in "Save Project"
    bool folderOpens = true;                              // whether a file browser starts
    bool printerWorks = true;

    QList<Asked> asked;
    int unanswered = 0;            // boxes shown with no queued answer
    int doEventsCount = 0;
    int tipsShown = 0;
    QStringList foldersOpened;
    QList<QStringList> printed;
    QString clipboard;

    // Convenience for the common case.
    void answer(int a) { answers.append(a); }
    QString lastText() const { return asked.isEmpty() ? QString() : asked.last().text; }

    int MsgBox(const QString &text, const QString &title, int style) override;
    void showOpenDialog(OpenDialog &dialog) override;
    void showSaveDialog(SaveDialog &dialog) override;
    void showTips() override { ++tipsShown; }
    bool openFolder(const QString &path) override;
    bool printLines(const QStringList &lines, QString *error) override;
    void setClipboardText(const QString &text) override { clipboard = text; }
    void DoEvents() override { ++doEventsCount; if (onDoEvents) onDoEvents(); }

    std::function<void()> onDoEvents;
};

// Queued dialog actions that cover most tests.
std::function<void(SaveDialog &)> typeAndSave(const QString &name);
std::function<void(SaveDialog &)> cancelSave();
std::function<void(OpenDialog &)> pickAndOpen(const QString &fileName);
std::function<void(OpenDialog &)> cancelOpen();
