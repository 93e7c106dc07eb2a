#pragma once
#include <QDialog>

// Fixed tips on writing task lines; Close or Esc closes it.
class frmTips : public QDialog {
    Q_OBJECT
public:
    explicit frmTips(QWidget *parent = nullptr);
};
