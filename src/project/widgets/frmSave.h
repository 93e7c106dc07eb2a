#pragma once
#include <memory>

#include "project/widgets/PathDialog.h"

class SaveDialog;
namespace Ui { class frmSave; }

// "Save Project": shows SaveDialog and forwards the user's actions to it.
// Accepted with the project file's path; Cancel, Esc and the close box reject.
class frmSave : public PathDialog {
    Q_OBJECT
public:
    explicit frmSave(SaveDialog &dialog, QWidget *parent = nullptr);
    ~frmSave() override;

private:
    SaveDialog &m_dialog;
    std::unique_ptr<Ui::frmSave> m_ui;
};
