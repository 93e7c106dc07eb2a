#include "project/WorkingState.h"

#include <QDir>

#include "app/Modals.h"
#include "project/IniIndex.h"

QString mainWindowCaption()
{
    return QStringLiteral("Tarvo") + QStringLiteral(" Pro ") + QStringLiteral("v1.4") + QStringLiteral(" ");
}

WorkingState::WorkingState(QString appFolder, Modals &modals)
    : m_appFolder(std::move(appFolder)), m_modals(modals), m_Calendar1(QDate::currentDate())
{
    cards[0].lblGoal_Caption = QStringLiteral("My Goal");
    cards[0].lblGoal_Tag = QStringLiteral("0");
    cards[0].picGoal_Visible = true;
    for (int i = 1; i <= 8; ++i)
        cards[i].lblGoal_Caption = QStringLiteral("Goal");
}

WorkingState::~WorkingState() = default;

QString WorkingState::tmpFolder() const { return m_appFolder + QStringLiteral("/tmp/"); }
QString WorkingState::projectsFolder() const { return m_appFolder + QStringLiteral("/projects/"); }
QString WorkingState::taskFilePath(const QString &key) const { return tmpFolder() + key + QStringLiteral(".txt"); }

bool WorkingState::ensureFolder(const QString &folder, QString *error)
{
    if (KestrelTools1.PathExists(folder, true))
        return true;
    if (QDir().mkpath(folder))
        return true;
    if (error)
        *error = QStringLiteral("The folder could not be created.");
    return false;
}

void WorkingState::setTxtSubGoal(const QString &text)
{
    if (m_txtSubGoal == text)
        return;
    m_txtSubGoal = text;
    UpdateCharsLeft();
}

void WorkingState::setTxtGoalTasks(const QString &text)
{
    m_txtGoalTasks = text;
    ++m_txtGoalTasksRevision;
}

void WorkingState::setChkDueDate(bool checked)
{
    if (m_chkDueDate == checked)
        return;
    m_chkDueDate = checked;
    chkDueDate_Click();
}

void WorkingState::setCalendar1(const QDate &date)
{
    if (!date.isValid() || m_Calendar1 == date)
        return;
    m_Calendar1 = date;
    Calendar1_DateChange(date);
}

void WorkingState::Form_Load()
{
    SetGoalNameLabel(true);
    // The edit margins (10 px left, 20 px right) are the window's to apply.
    Form1_Caption = mainWindowCaption();
    ListView2.View_Report = true;
    ListView2.ColumnHeaders = EventList::columnHeaders();
}

void WorkingState::SetGoalNameLabel(bool mainGoal)
{
    Label14 = mainGoal ? QStringLiteral("Main Goal:") : QStringLiteral("Sub Goal:");
}
