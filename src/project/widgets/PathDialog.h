#pragma once
#include <QDialog>
#include <optional>

#include "base/widgets/WidgetKit.h"

// A dialog that ends with a project file's path: accepted once a button has
// given one, rejected by Cancel, Esc and the close box.
class PathDialog : public QDialog {
public:
    using QDialog::QDialog;
    const std::optional<QString> &chosen() const { return m_chosen; }

protected:
    void showEvent(QShowEvent *event) override
    {
        QDialog::showEvent(event);
        Kit::centreOnScreen(*this);
    }
    // Accepts with the path; without one the dialog has said why and stays.
    void acceptWith(std::optional<QString> path)
    {
        if (!path)
            return;
        m_chosen = std::move(path);
        accept();
    }

private:
    std::optional<QString> m_chosen;
};
