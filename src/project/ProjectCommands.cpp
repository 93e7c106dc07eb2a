// Projects on disk: New, Open, Save and Save As over the project value.
#include "project/ProjectCommands.h"

#include <QSet>

#include "app/Modals.h"
#include "project/GpjFormat.h"
#include "project/OpenDialog.h"
#include "project/SaveDialog.h"
#include "project/WorkingState.h"

// ---------------------------------------------------------------- the value

Project ProjectCommands::snapshot() const
{
    Project project;
    project.name = m_s.txtProjectName;
    project.settings = m_s.schedule.settings();
    for (int n = 1; n <= Rules::kSubGoalCards; ++n) {
        const GoalCard &card = m_s.cards[n];
        if (!card.lblGoal_Tag.isEmpty())
            project.subGoals.append({card.lblGoal_Tag, card.lblGoal_Caption, card.lblDueDateDate_Tag,
                                     m_s.tasks.taskText(card.lblGoal_Tag)});
    }
    return project;
}

bool ProjectCommands::layOut(const Project &project, QString *error)
{
    m_s.RebuildingCards = true;
    m_s.CurrentGoalKey.clear();
    m_s.lstSubGoals.clear();
    m_s.lstSubgoalsAndKeys.clear();
    m_s.lstDueDates.clear();
    m_s.dashboard.freeAllCards();
    m_s.txtProjectName = project.name;
    m_s.cards[0].lblGoal_Caption = project.name;
    m_s.schedule.setSettings(project.settings);

    m_s.tasks.clearTaskTexts();
    bool started = true;
    for (const SubGoal &goal : project.subGoals.first(std::min<qsizetype>(project.subGoals.size(), Rules::kSubGoalCards))) {
        m_s.lstSubGoals.append(goal.name);
        m_s.lstSubgoalsAndKeys.append(goal.name + Rules::kKeySeparator + goal.key);
        m_s.lstDueDates.append(goal.due.isEmpty() ? Rules::kNoDueDate.toString() : goal.due);
        // Written for every sub-goal, empty ones too, so that no task file
        // left in tmp/ from earlier brings back tasks the project does not hold.
        if (!m_s.tasks.startTaskText(goal.key, goal.tasks, error)) {
            started = false;
            break;
        }
    }
    // The cards are laid out while the files are being written; selecting
    // each needs its tasks, which are the texts being written.
    if (started)
        m_s.dashboard.layOutCardsFromLists();
    const bool written = m_s.tasks.finishTaskTexts(started ? error : nullptr) && started;
    m_s.RebuildingCards = false;
    if (!written)
        return false;
    m_s.dashboard.lblGoal_Click(0);
    m_s.dueDates.setCalendar1(QDate::currentDate());
    return true;
}

std::optional<Project> ProjectCommands::readProjectFile(const QString &path)
{
    QByteArray bytes;
    QString error;
    if (!KestrelFile::readBytes(path, bytes, &error)) {
        reportOpenFailure(path, error);
        return std::nullopt;
    }
    Gpj::ReadResult read = Gpj::readFile(bytes);
    if (read.noProjectSections) {
        // Opened as an empty project, its next save would overwrite it.
        reportOpenFailure(path, QStringLiteral("It is not a Tarvo project: it has neither a [Project] nor a [Goals] "
                                               "section."));
        return std::nullopt;
    }
    // Each key names a task file: one that could point elsewhere, or that
    // another key names too on a file system blind to letter case, is
    // replaced by a fresh one. The key only ties tasks to their file.
    QSet<QString> keys;
    for (SubGoal &goal : read.project.subGoals) {
        while (!Gpj::isSafeKey(goal.key) || keys.contains(goal.key.toLower()))
            goal.key = m_s.dashboard.newGoalKey(keys);
        keys.insert(goal.key.toLower());
    }
    return std::move(read.project);
}

// ---------------------------------------------------------------- procedures

void ProjectCommands::restore(const Project &target)
{
    Project project = target;
    for (SubGoal &goal : project.subGoals) {
        if (m_s.dashboard.hasKey(goal.key))
            goal.tasks = m_s.tasks.taskText(goal.key);
    }
    QString error;
    if (!layOut(project, &error))
        m_s.modals().MsgBox(QStringLiteral("The step could not be taken back: %1").arg(error), Texts::tasksTitle(),
                            Msg::Critical);
    m_s.ProjectChanged = true;
}

void ProjectCommands::NewProject()
{
    ++m_generation;
    m_s.ProjectChanged = false;
    m_s.recovery.discard();
    m_s.cards[0].lblGoal_Tag = QStringLiteral("0");
    m_s.cards[0].lblGoal_Caption = Texts::defaultProjectName();
    m_s.txtProjectName = m_s.cards[0].lblGoal_Caption;
    m_s.lblFilename = Texts::noFilename();
    m_s.lstDecompose.clear();
    m_s.lstSubgoalsAndKeys.clear();
    m_s.lstSubGoals.clear();
    m_s.lstDueDates.clear();
    m_s.tasks.clearTaskTexts();
    m_s.tasks.setTxtGoalTasks(QString());
    m_s.dashboard.freeAllCards();
    m_s.schedule.forNewProject();
    m_s.dashboard.lblGoal_Click(0);
}

void ProjectCommands::resetToNewProject()
{
    NewProject();
    m_s.setFileName(QString());
}

bool ProjectCommands::SaveProject()
{
    return SaveProject(m_s.CurrentProjectFile);
}

bool ProjectCommands::SaveProject(const QString &target)
{
    if (target.isEmpty())
        return false;
    auto fail = [&](const QString &reason) {
        m_s.modals().MsgBox(QStringLiteral("The project could not be saved to \"%1\".\n\n%2").arg(target, reason),
                            Texts::saveFailedTitle(), Msg::Critical);
        return false;   // ProjectChanged stays as it was
    };

    // The tasks as the user last saw them, whether or not their task files
    // could be written: what is saved is what was typed.
    Gpj::writeInto(snapshot(), m_projectText);
    QString error;

    // A fresh install has no projects folder yet.
    if (!m_s.ensureFolder(m_s.projectsFolder()))
        return fail(QStringLiteral("The folder \"%1\" could not be created.").arg(m_s.projectsFolder()));
    if (!m_s.KestrelFile1.WriteTextFile(m_projectText, target, &error, KestrelFile::Durability::Flushed))
        return fail(error);

    m_s.ProjectChanged = false;
    m_s.recovery.discard();
    m_s.modals().MsgBox(Texts::projectSaved(), Texts::projectSavedTitle(), Msg::Information);
    return true;
}

bool ProjectCommands::LoadProject(const QString &path)
{
    const std::optional<Project> project = readProjectFile(path);
    QString error;
    if (project && layOut(*project, &error))
        return true;
    if (project)
        reportOpenFailure(path, error);
    // Nothing half built survives a failure, and no file name either, so a
    // later Save cannot replace the unread file with an empty project.
    resetToNewProject();
    return false;
}

void ProjectCommands::reportOpenFailure(const QString &path, const QString &reason)
{
    m_s.modals().MsgBox(QStringLiteral("The project \"%1\" could not be opened.\n\n%2").arg(path, reason),
                        Texts::openFailedTitle(), Msg::Critical);
}

// ---------------------------------------------------------------- commands

bool ProjectCommands::maybeSave()
{
    if (!m_s.ProjectChanged)
        return true;
    // Cancel, Esc and the close box leave everything as it was.
    const MsgAnswer answer =
        m_s.modals().MsgBox(Texts::saveChangesQuestion(), Texts::saveChangesTitle(), Msg::YesNoCancelQuestion);
    if (answer == Msg::Yes)
        return mnuSave_Click();   // a save that did not happen stops the caller
    if (answer != Msg::No)
        return false;
    m_s.recovery.discard();   // dropped on purpose
    return true;
}

void ProjectCommands::mnuNew_Click()
{
    if (!maybeSave())
        return;
    resetToNewProject();
}

bool ProjectCommands::mnuSave_Click()
{
    if (m_s.CurrentProjectFile.isEmpty())
        return mnuSaveAs_Click();
    return SaveProject();
}

bool ProjectCommands::mnuSaveAs_Click()
{
    SaveDialog dialog(m_s.projectsFolder(), m_s.modals(), m_s.KestrelTools1);
    const std::optional<QString> path = m_s.modals().showSaveDialog(dialog);
    // The project belongs to the new file only once it is written there.
    if (!path || !SaveProject(*path))
        return false;
    m_s.setFileName(*path);
    return true;
}

void ProjectCommands::mnuOpen_Click()
{
    OpenDialog dialog(m_s.projectsFolder(), m_s.modals());
    const std::optional<QString> chosen = m_s.modals().showOpenDialog(dialog);
    // "Yes, save first" writes the open project to its own file.
    if (!chosen || !maybeSave())
        return;
    // A file that cannot be read leaves the open project as it was.
    const std::optional<Project> project = readProjectFile(*chosen);
    if (!project)
        return;
    NewProject();
    QString error;
    if (!layOut(*project, &error)) {
        reportOpenFailure(*chosen, error);
        resetToNewProject();
        return;
    }
    m_s.setFileName(*chosen);
}
