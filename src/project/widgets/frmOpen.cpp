#include "project/widgets/frmOpen.h"

#include <QEvent>
#include <QSignalBlocker>

#include "base/widgets/WidgetKit.h"
#include "component/FileNames.h"
#include "project/OpenDialog.h"
#include "ui_frmOpen.h"

frmOpen::frmOpen(OpenDialog &dialog, QWidget *parent)
      : PathDialog(parent), m_dialog(dialog), m_ui(std::make_unique<Ui::frmOpen>())
{
    m_ui->setupUi(this);
    Kit::useDialogFrame(*this);
    m_ui->File1->setFocus();

    // The pick is the selected entry, not the keyboard's current one, which
    // the list sets by itself when it takes the focus.
    connect(m_ui->File1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = m_ui->File1->selectedItems();
        m_dialog.File1_ListIndex = selected.isEmpty() ? -1 : m_ui->File1->row(selected.first());
    });
    connect(m_ui->File1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { acceptWith(m_dialog.File1_DblClick(m_ui->File1->row(item))); });
    connect(m_ui->cmdOpen, &QPushButton::clicked, this, [this] { acceptWith(m_dialog.cmdOpen_Click()); });
    activate();
}

frmOpen::~frmOpen() = default;

void frmOpen::activate()
{
    m_dialog.Form_Activate();
    const QSignalBlocker block(m_ui->File1);
    m_ui->File1->clear();
    for (const QString &name : m_dialog.File1)
        m_ui->File1->addItem(FileNames::forDisplay(name));
    if (m_dialog.File1_ListIndex >= 0)
        m_ui->File1->setCurrentRow(m_dialog.File1_ListIndex);
}

void frmOpen::showEvent(QShowEvent *event)
{
    PathDialog::showEvent(event);
    activate();
}

void frmOpen::changeEvent(QEvent *event)
{
    PathDialog::changeEvent(event);
    // Files may have come or gone while another window had the focus.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activate();
}
