#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>

#include "base/Ask.h"
#include "base/Output.h"

// Both seams answered by real windows: message boxes, the project dialogs,
// the tips window and the file dialogs; the desktop's file browser, the
// printer, PDF files and the clipboard.
class QtModals : public Ask, public Output {
public:
    explicit QtModals(QString appFolder) : m_appFolder(std::move(appFolder)) {}
    void setParentWindow(QWidget *parent) { m_parent = parent; }

    MsgAnswer MsgBox(const QString &text, const QString &title, MsgStyle style) override;
    std::optional<QString> showOpenDialog(OpenDialog &dialog) override;
    std::optional<QString> showSaveDialog(SaveDialog &dialog) override;
    void showTips() override;
    std::optional<QString> getSaveFileName(const QString &title, const QString &proposedName,
                                           const QString &filter, const QString &suffix) override;
    bool openFolder(const QString &path) override;
    PrintOutcome printLines(const QStringList &lines, QString *error) override;
    bool printPlan(const Plan &plan, QString *target, QString *error) override;
    bool writePlanPdf(const Plan &plan, const QString &path, QString *error) override;
    bool writeTimelinePicture(const Plan &plan, const QString &path, PictureFormat format, QString *error) override;
    void setClipboardText(const QString &text) override;

private:
    QString m_appFolder;
    QPointer<QWidget> m_parent;
};
