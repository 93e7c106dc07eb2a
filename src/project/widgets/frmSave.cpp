#include "project/widgets/frmSave.h"

#include "base/widgets/WidgetKit.h"
#include "project/SaveDialog.h"
#include "ui_frmSave.h"

frmSave::frmSave(SaveDialog &dialog, QWidget *parent)
    : PathDialog(parent), m_dialog(dialog), m_ui(std::make_unique<Ui::frmSave>())
{
    m_ui->setupUi(this);
    Kit::useDialogFrame(*this);
    m_ui->txtSave->setText(m_dialog.txtSave);
    m_ui->txtSave->setFocus();

    connect(m_ui->txtSave, &QLineEdit::textChanged, this, [this](const QString &text) { m_dialog.txtSave = text; });
    connect(m_ui->cmdOpen, &QPushButton::clicked, this, [this] { acceptWith(m_dialog.cmdOpen_Click()); });
}

frmSave::~frmSave() = default;
