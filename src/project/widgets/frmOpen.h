#pragma once
#include <QDialog>

class OpenDialog;
class QLabel;
class QListWidget;
class QPushButton;

// "Open Project": shows OpenDialog and forwards the user's actions to it.
class frmOpen : public QDialog {
    Q_OBJECT
public:
    frmOpen(OpenDialog &dialog, const QString &appFolder, QWidget *parent = nullptr);

    void reject() override;   // Esc and the close box act as Cancel

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void activate();          // a fresh listing
    void showListing();
    void closeWhenUnloaded();

    OpenDialog &m_dialog;
    QLabel *Label1 = nullptr;
    QListWidget *File1 = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdCancel = nullptr;
};
