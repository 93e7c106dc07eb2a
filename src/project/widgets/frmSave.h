#pragma once
#include <QDialog>

class SaveDialog;
class QLabel;
class QLineEdit;
class QPushButton;

// "Save Project": shows SaveDialog and forwards the user's actions to it.
class frmSave : public QDialog {
    Q_OBJECT
public:
    frmSave(SaveDialog &dialog, const QString &appFolder, QWidget *parent = nullptr);

    void reject() override;   // Esc and the close box act as Cancel

protected:
    void showEvent(QShowEvent *event) override;

private:
    void closeWhenUnloaded();

    SaveDialog &m_dialog;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *txtSave = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdCancel = nullptr;
};
