#include "app/widgets/frmTips.h"

#include "base/widgets/WidgetKit.h"
#include "ui_frmTips.h"

frmTips::frmTips(QWidget *parent) : QDialog(parent)
{
    Ui::frmTips ui;
    ui.setupUi(this);
    Kit::useDialogFrame(*this);
    Kit::centreOnScreen(*this);
}
