#pragma once
#include <memory>

#include "project/widgets/PathDialog.h"

class OpenDialog;
namespace Ui { class frmOpen; }

// "Open Project": shows OpenDialog and forwards the user's actions to it.
// Accepted with the chosen file; Cancel, Esc and the close box reject.
class frmOpen : public PathDialog {
    Q_OBJECT
public:
    explicit frmOpen(OpenDialog &dialog, QWidget *parent = nullptr);
    ~frmOpen() override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void activate();          // a fresh listing

    OpenDialog &m_dialog;
    std::unique_ptr<Ui::frmOpen> m_ui;
};
