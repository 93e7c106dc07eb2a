#include "project/widgets/frmOpen.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "project/OpenDialog.h"
#include "project/widgets/DialogFrame.h"

using namespace DialogFrame;

frmOpen::frmOpen(OpenDialog &dialog, const QString &appFolder, QWidget *parent)
    : QDialog(parent), m_dialog(dialog)
{
    Q_UNUSED(appFolder);   // the dialog knows the projects folder
    setUp(*this, "frmOpen", QStringLiteral("Open Project"), 10020, 7245);

    Label1 = new QLabel(QStringLiteral("Select a Project to Open:"), this);
    place(Label1, "Label1", 810, 405, 5730, 375);
    Label1->setFont(verdana(11.25, true));

    File1 = new QListWidget(this);
    place(File1, "File1", 810, 990, 8250, 4950);
    File1->setFont(verdana(11.25));
    File1->setSelectionMode(QAbstractItemView::SingleSelection);

    cmdOpen = new QPushButton(QStringLiteral("Open"), this);
    place(cmdOpen, "cmdOpen", 2970, 6435, 1815, 510);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    place(cmdCancel, "cmdCancel", 5085, 6435, 1815, 510);
    // Neither is the default button: Enter opens nothing by accident.
    cmdOpen->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    setTabOrder(File1, cmdOpen);
    setTabOrder(cmdOpen, cmdCancel);
    File1->setFocus();

    // The pick is the selected entry, not the keyboard's current one, which
    // the list sets by itself when it takes the focus.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = File1->selectedItems();
        m_dialog.File1_ListIndex = selected.isEmpty() ? -1 : File1->row(selected.first());
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_dialog.File1_DblClick(File1->row(item));
        closeWhenUnloaded();
    });
    connect(cmdOpen, &QPushButton::clicked, this, [this] {
        m_dialog.cmdOpen_Click();
        closeWhenUnloaded();
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        m_dialog.cmdCancel_Click();
        closeWhenUnloaded();
    });

    activate();
}

void frmOpen::activate()
{
    m_dialog.Form_Activate();
    showListing();
}

void frmOpen::showListing()
{
    const QSignalBlocker block(File1);
    File1->clear();
    File1->addItems(m_dialog.File1);
    if (m_dialog.File1_ListIndex >= 0)
        File1->setCurrentRow(m_dialog.File1_ListIndex);
}

void frmOpen::closeWhenUnloaded()
{
    if (m_dialog.unloaded)
        done(m_dialog.accepted ? Accepted : Rejected);
}

void frmOpen::reject()
{
    if (!m_dialog.unloaded)
        m_dialog.cmdCancel_Click();
    QDialog::reject();
}

void frmOpen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centre(*this);
    activate();
}

void frmOpen::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Files may have come or gone while another window had the focus.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activate();
}
