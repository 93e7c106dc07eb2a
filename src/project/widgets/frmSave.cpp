#include "project/widgets/frmSave.h"

#include <QLabel>
#include <limits>
#include <QLineEdit>
#include <QPushButton>

#include "project/SaveDialog.h"
#include "project/widgets/DialogFrame.h"

using namespace DialogFrame;

frmSave::frmSave(SaveDialog &dialog, const QString &appFolder, QWidget *parent)
    : QDialog(parent), m_dialog(dialog)
{
    Q_UNUSED(appFolder);   // the dialog knows the projects folder
    setUp(*this, "frmSave", QStringLiteral("Save Project"), 9540, 3480);

    Label2 = new QLabel(QStringLiteral("Name your project file:"), this);
    place(Label2, "Label2", 945, 810, 5730, 375);
    Label2->setFont(verdana(11.25, true));

    txtSave = new QLineEdit(m_dialog.txtSave, this);
    place(txtSave, "txtSave", 945, 1305, 5910, 510);
    txtSave->setFont(verdana(11.25));
    txtSave->setMaxLength(std::numeric_limits<int>::max());   // no length limit of its own

    Label1 = new QLabel(QStringLiteral(".gpj"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(verdana(9.75));
    Label1->move(px(7110), px(1395));
    Label1->adjustSize();

    Label3 = new QLabel(QStringLiteral("Please don't use spaces or special characters."), this);
    place(Label3, "Label3", 945, 1980, 6000, 240);
    Label3->setFont(verdana(9));

    cmdOpen = new QPushButton(QStringLiteral("Save"), this);
    place(cmdOpen, "cmdOpen", 2880, 2520, 1815, 510);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    place(cmdCancel, "cmdCancel", 4995, 2520, 1815, 510);
    // Enter anywhere presses "Save", never the focused "Cancel".
    cmdCancel->setAutoDefault(false);
    cmdOpen->setDefault(true);

    setTabOrder(txtSave, cmdOpen);
    setTabOrder(cmdOpen, cmdCancel);
    txtSave->setFocus();

    connect(txtSave, &QLineEdit::textChanged, this, [this](const QString &text) { m_dialog.txtSave = text; });
    connect(cmdOpen, &QPushButton::clicked, this, [this] {
        m_dialog.cmdOpen_Click();
        closeWhenUnloaded();
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        m_dialog.cmdCancel_Click();
        closeWhenUnloaded();
    });
}

void frmSave::closeWhenUnloaded()
{
    if (m_dialog.unloaded)
        done(m_dialog.accepted ? Accepted : Rejected);
}

void frmSave::reject()
{
    if (!m_dialog.unloaded)
        m_dialog.cmdCancel_Click();
    QDialog::reject();
}

void frmSave::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centre(*this);
    txtSave->setFocus();
}
