#pragma once

class WorkingState;

// The application shell's part of the main window: its load, the goal-name
// label, the tips window and the project-folder shortcut.
class Shell {
public:
    explicit Shell(WorkingState &state) : m_s(state) {}

    void Form_Load();
    void SetGoalNameLabel(bool mainGoal);
    void ShowTips();
    void lblFilename_Click();

private:
    WorkingState &m_s;
};
