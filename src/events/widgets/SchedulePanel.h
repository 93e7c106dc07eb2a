#pragma once
#include <QDockWidget>
#include <functional>
#include <memory>

class EventListModel;
class QCheckBox;
class WorkingState;
namespace Ui { class SchedulePanel; }

// The schedule panel in a dock of the main window: the event list ListView2
// and the button box picGrid. It shows the working state and hands each
// user action on as a handler for the window to forward.
class ScheduleDock : public QDockWidget {
    Q_OBJECT
public:
    using Handler = std::function<void(WorkingState &)>;

    explicit ScheduleDock(QWidget *parent = nullptr);
    ~ScheduleDock() override;

    void showState(const WorkingState &state);

signals:
    void forwarded(const ScheduleDock::Handler &handler);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    QList<QCheckBox *> workDays() const;

    std::unique_ptr<Ui::SchedulePanel> m_ui;
    EventListModel *m_model = nullptr;
    int m_shownRevision = -1;
};
