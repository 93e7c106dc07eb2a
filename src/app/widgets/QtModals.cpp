#include "app/widgets/QtModals.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "app/widgets/frmTips.h"
#include "events/widgets/Printing.h"
#include "events/widgets/PlanPrint.h"
#include "project/widgets/frmOpen.h"
#include "project/widgets/frmSave.h"

MsgAnswer QtModals::MsgBox(const QString &text, const QString &title, MsgStyle style)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (iconOf(style)) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (buttonsOf(style)) {
    case MsgButtons::YesNo:
        // Esc and the close box must not answer No, the answer that may
        // drop work: they press a Cancel that is not shown, and the caller
        // treats it as not answered.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->hide();
        // A question whose Yes replaces something waits for Yes on purpose.
        box.setDefaultButton(style == MsgStyle::YesNoQuestionNoFirst ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return buttonsOf(style) == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

std::optional<QString> QtModals::showOpenDialog(OpenDialog &dialog)
{
    frmOpen window(dialog, m_parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.chosen();
}

std::optional<QString> QtModals::showSaveDialog(SaveDialog &dialog)
{
    frmSave window(dialog, m_parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.chosen();
}

void QtModals::showTips()
{
    frmTips window(m_parent);
    window.exec();
}

std::optional<QString> QtModals::getSaveFileName(const QString &title, const QString &proposedName,
                                                 const QString &filter, const QString &suffix)
{
    // The dialog adds the suffix to a name typed without one before it asks
    // about replacing a file, so the question is about the file written.
    QFileDialog dialog(m_parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtModals::openFolder(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

PrintOutcome QtModals::printLines(const QStringList &lines, QString *error)
{
    return printLinesThroughDialog(m_parent, lines, error);
}

bool QtModals::printPlan(const Plan &plan, QString *target, QString *error)
{
    return printPlanWithPreview(plan, m_parent, target, error);
}

bool QtModals::writePlanPdf(const Plan &plan, const QString &path, QString *error)
{
    return ::writePlanPdf(plan, path, error);
}

bool QtModals::writeTimelinePicture(const Plan &plan, const QString &path, PictureFormat format, QString *error)
{
    return ::writeTimelinePicture(plan, path, format, error);
}

void QtModals::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}
