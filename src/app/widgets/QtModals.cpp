#include "app/widgets/QtModals.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

#include "app/widgets/frmTips.h"
#include "events/widgets/Printing.h"
#include "project/widgets/frmOpen.h"
#include "project/widgets/frmSave.h"

int QtModals::MsgBox(const QString &text, const QString &title, int style)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (style & 0xF0) {
    case Msg::Information: box.setIcon(QMessageBox::Information); break;
    case 32: box.setIcon(QMessageBox::Question); break;
    case Msg::Critical: box.setIcon(QMessageBox::Critical); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (style & 0x0F) {
    case 4:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case 3:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Msg::Yes;
    case QMessageBox::No: return Msg::No;
    case QMessageBox::Cancel: return Msg::Cancel;
    default: return (style & 0x0F) == 3 ? Msg::Cancel : Msg::Ok;
    }
}

void QtModals::showOpenDialog(OpenDialog &dialog)
{
    frmOpen window(dialog, m_appFolder, m_parent);
    window.exec();
}

void QtModals::showSaveDialog(SaveDialog &dialog)
{
    frmSave window(dialog, m_appFolder, m_parent);
    window.exec();
}

void QtModals::showTips()
{
    frmTips window(m_appFolder, m_parent);
    window.exec();
}

bool QtModals::openFolder(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtModals::printLines(const QStringList &lines, QString *error)
{
    return printLinesOnDefaultPrinter(lines, error);
}

void QtModals::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtModals::DoEvents()
{
    QCoreApplication::processEvents();
}
