// Projects on disk: the ".gpj" file written and read back, and the New,
// Open, Save and Save As commands.
#include "project/WorkingState.h"

#include <QFileInfo>
#include <QSet>
#include <limits>

#include "app/Modals.h"
#include "project/IniIndex.h"
#include "project/OpenDialog.h"
#include "project/SaveDialog.h"

namespace {

constexpr QChar kKeySeparator = QChar(0x00A8);   // "¨" between a name and its key
const QString kCrLf = QStringLiteral("\r\n");

// No value may break the line it is written on, or the rest of it would be
// read as a line of its own. Each line break inside a value (CR LF, or a
// lone CR or LF) is written as one blank: the task box counts such a line
// as one task, so it stays one task with its words still apart, and
// nothing the user typed is dropped. Splitting it instead would add tasks.
QString oneLine(const QString &value)
{
    if (!value.contains(u'\r') && !value.contains(u'\n'))
        return value;
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < value.size() && value.at(i + 1) == u'\n')
                ++i;
            out += u' ';
        } else {
            out += c;
        }
    }
    return out;
}

void appendEntry(QString &out, const QString &key, const QString &value)
{
    out += key;
    out += u'=';
    out += IniIndex::writeValue(oneLine(value));
    out += kCrLf;
}

QString goalKey(int n, const char *suffix = "")
{
    return QStringLiteral("Goal") + QString::number(n) + QLatin1String(suffix);
}

// The integer part of a plain decimal number; anything that is not one (a
// word, a sign, an exponent) counts as no tasks. Numbers too large to hold
// saturate: the loader never reads more lines than the file has.
qint64 taskCount(QStringView value)
{
    qsizetype i = 0;
    if (i < value.size() && value[i] == u'+')
        ++i;
    const qsizetype digitsStart = i;
    while (i < value.size() && value[i] >= u'0' && value[i] <= u'9')
        ++i;
    const QStringView digits = value.sliced(digitsStart, i - digitsStart);
    if (i < value.size() && value[i] == u'.') {
        ++i;
        while (i < value.size() && value[i] >= u'0' && value[i] <= u'9')
            ++i;
    }
    if (digits.isEmpty() || i != value.size())
        return 0;
    if (digits.size() > 15)
        return std::numeric_limits<qint64>::max();
    return digits.toLongLong();
}

// A key names the sub-goal's task file in tmp/, so one read from a file
// must not be able to point anywhere else. Tarvo's keys are digits and "-".
bool isSafeKey(const QString &key)
{
    for (QChar c : key) {
        const char16_t u = c.unicode();
        const bool ok = (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z')
                        || u == u'-' || u == u'_';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

QString WorkingState::GetIni(const QString &section, const QString &key) const
{
    if (m_ini && m_ini->path() == IniFilePath)
        return m_ini->value(section, key);
    // Outside a load there is no index: a one-off read of the file.
    IniIndex once;
    once.load(IniFilePath);
    return once.value(section, key);
}

void WorkingState::freeAllCards()
{
    for (int i = 1; i <= 8; ++i) {
        GoalCard &card = cards[i];
        card.lblGoal_Caption.clear();
        card.lblGoal_Tag.clear();
        card.picGoal_Visible = false;
        card.lblDueDateDate_Visible = false;
        card.shDueDate_Visible = false;
        card.lblDueDateDate_Tag.clear();
        card.lblDueDateDate_Caption.clear();
        card.lblTasks_Total = QStringLiteral("Tasks: 0");
        card.lblTasks_Completed = QStringLiteral("Completed: 0");
        card.lblTasks_Pending = QStringLiteral("Pending: 0");
    }
}

void WorkingState::layOutCardsFromLists()
{
    int x = 0;
    for (qsizetype j = 0; j < lstSubgoalsAndKeys.size() && x < 8; ++j) {
        const QString &item = lstSubgoalsAndKeys.at(j);
        // Keys never hold the separator and names might: the last one splits.
        const qsizetype at = item.lastIndexOf(kKeySeparator);
        if (at < 0)
            continue;   // no key, no card: a keyless slot counts as free
        lstDecompose.clear();
        lstDecompose.append(item.left(at));
        lstDecompose.append(item.mid(at + 1));
        if (lstDecompose.at(1).isEmpty())
            continue;

        GoalCard &card = cards[++x];
        card.lblGoal_Caption = lstDecompose.at(0);
        card.lblGoal_Tag = lstDecompose.at(1);
        card.picGoal_Visible = true;

        const QString due = j < lstDueDates.size() ? lstDueDates.at(j) : QStringLiteral(".");
        if (due == u'.') {
            card.lblDueDateDate_Tag.clear();
            card.shDueDate_Visible = false;
            card.lblDueDateDate_Visible = false;
        } else {
            card.shDueDate_Visible = true;
            card.lblDueDateDate_Caption = QStringLiteral("Due Date: ") + due;
            card.lblDueDateDate_Tag = due;
            card.lblDueDateDate_Visible = true;
        }

        lblGoal_Click(x);
        RefreshGoalTasks();
    }
}

void WorkingState::NewProject()
{
    ProjectChanged = false;
    cards[0].lblGoal_Tag = QStringLiteral("0");
    cards[0].lblGoal_Caption = QStringLiteral("My Goal");
    txtProjectName = cards[0].lblGoal_Caption;
    lblFilename = QStringLiteral("New Project (No Filename)");
    lstDecompose.clear();
    lstSubgoalsAndKeys.clear();
    lstTasksLoop.clear();
    lstSubGoals.clear();
    lstDueDates.clear();
    setTxtGoalTasks(QString());
    txtTasksLoadOnOpen.clear();
    freeAllCards();
    lblGoal_Click(0);
}

void WorkingState::resetToNewProject()
{
    CurrentProjectFile.clear();
    NewProject();
    lblFilename_ToolTip.clear();
}

bool WorkingState::SaveProject()
{
    const QString target = CurrentProjectFile;
    if (target.isEmpty())
        return false;
    auto fail = [&](const QString &reason) {
        m_modals.MsgBox(QStringLiteral("The project could not be saved to \"%1\".\n\n%2").arg(target, reason),
                        QStringLiteral("Save Failed"), Msg::Critical);
        return false;   // ProjectChanged stays as it was
    };

    // The tasks live in tmp/ while the project is open: without that folder
    // every sub-goal would be written with no tasks.
    if (!ensureFolder(tmpFolder()))
        return fail(QStringLiteral("The task folder \"%1\" is missing and could not be created.").arg(tmpFolder()));

    QString &text = txtProjectContent;
    text.clear();
    text += QStringLiteral("[Project]") + kCrLf;
    appendEntry(text, QStringLiteral("Name"), txtProjectName);
    text += QStringLiteral("[Goals]") + kCrLf;
    for (int n = 1; n <= 8; ++n) {
        const GoalCard &card = cards[n];
        if (card.lblGoal_Tag.isEmpty())
            continue;
        appendEntry(text, goalKey(n), card.lblGoal_Tag);
        appendEntry(text, goalKey(n, "_Name"), card.lblGoal_Caption);
        appendEntry(text, goalKey(n, "_Due"), card.lblDueDateDate_Tag);

        const QString taskFile = taskFilePath(card.lblGoal_Tag);
        if (!KestrelTools1.PathExists(taskFile, false)) {
            // Something else where the task file should be holds no tasks
            // we could save; "no tasks" would lose the saved ones.
            if (QFileInfo::exists(taskFile))
                return fail(QStringLiteral("The tasks of \"%1\" could not be read: \"%2\" is not a file.")
                                .arg(card.lblGoal_Caption, taskFile));
            appendEntry(text, goalKey(n, "_Tasks"), QStringLiteral("0"));
            continue;
        }
        lstTasksLoop.clear();
        QString error;
        if (!KestrelFile1.ReadFileIntoList(lstTasksLoop, taskFile, &error)) {
            // Writing without them would lose the tasks from the file.
            return fail(QStringLiteral("The tasks of \"%1\" could not be read from \"%2\": %3")
                            .arg(card.lblGoal_Caption, taskFile, error));
        }
        appendEntry(text, goalKey(n, "_Tasks"), QString::number(lstTasksLoop.size()));
        const QString stem = goalKey(n, "_Task");
        for (qsizetype k = 0; k < lstTasksLoop.size(); ++k)
            appendEntry(text, stem + QString::number(k + 1), lstTasksLoop.at(k));
    }
    lstTasksLoop.clear();

    // A fresh install has no projects folder yet.
    QString error;
    if (!ensureFolder(projectsFolder(), &error))
        return fail(QStringLiteral("The folder \"%1\" could not be created.").arg(projectsFolder()));
    if (!KestrelFile1.WriteTextFile(text, target, &error))
        return fail(error);

    ProjectChanged = false;
    m_modals.MsgBox(QStringLiteral("Ready! Project saved."), QStringLiteral("Done"), Msg::Information);
    return true;
}

void WorkingState::LoadProject(const QString &path)
{
    RebuildingCards = true;
    IniFilePath = path;
    CurrentGoalKey.clear();

    // Nothing half built survives a failure, and no file name either, so a
    // later Save cannot replace the unread file with an empty project.
    auto fail = [&](const QString &file, const QString &reason) {
        m_ini.reset();
        RebuildingCards = false;
        const QString text = file == path
            ? QStringLiteral("The project \"%1\" could not be opened: %2").arg(path, reason)
            : QStringLiteral("The project \"%1\" could not be opened.\n\n\"%2\": %3").arg(path, file, reason);
        m_modals.MsgBox(text, QStringLiteral("Open Failed"), Msg::Critical);
        resetToNewProject();
    };

    m_ini = std::make_unique<IniIndex>();
    QString error;
    if (!m_ini->load(path, &error)) {
        fail(path, error);
        return;
    }

    lstSubgoalsAndKeys.clear();
    lstDueDates.clear();
    freeAllCards();

    const QString name = GetIni(QStringLiteral("PROJECT"), QStringLiteral("Name"));
    txtProjectName = name;
    cards[0].lblGoal_Caption = name;

    const QString goals = QStringLiteral("GOALS");
    QSet<QString> keysSeen;
    for (int n = 1; n <= 8; ++n) {
        QString key = GetIni(goals, goalKey(n));
        const QString goalName = GetIni(goals, goalKey(n, "_Name"));
        if (!goalName.isEmpty())
            lstSubGoals.append(goalName);
        if (key.isEmpty())
            break;
        if (!isSafeKey(key)) {
            fail(path, QStringLiteral("sub-goal %1 has the key \"%2\", which cannot name a task file.")
                           .arg(n).arg(key));
            return;
        }
        // Two sub-goals with one key would share one task file; the later
        // one gets a key of its own (it avoids the task files written so far).
        if (keysSeen.contains(key))
            key = newGoalKey();
        keysSeen.insert(key);
        lstSubgoalsAndKeys.append(goalName + kKeySeparator + key);
        const QString due = GetIni(goals, goalKey(n, "_Due"));
        lstDueDates.append(due.isEmpty() ? QStringLiteral(".") : due);

        // Only the lines the file holds are read: a count beyond the last
        // task line present would only add empty lines, which are no tasks.
        const QString stem = goalKey(n, "_Task");
        const qint64 lines = std::min(taskCount(GetIni(goals, goalKey(n, "_Tasks"))),
                                      m_ini->highestNumber(goals, stem));
        txtTasksLoadOnOpen.clear();
        for (qint64 k = 1; k <= lines; ++k) {
            txtTasksLoadOnOpen += GetIni(goals, stem + QString::number(k));
            txtTasksLoadOnOpen += kCrLf;
        }

        // Written for every sub-goal, empty ones too, so that no task file
        // left in tmp/ from earlier brings back tasks the file does not hold.
        if (!ensureFolder(tmpFolder(), &error)) {
            fail(tmpFolder(), error);
            return;
        }
        const QString taskFile = taskFilePath(key);
        if (!KestrelFile1.WriteTextFile(txtTasksLoadOnOpen, taskFile, &error)) {
            fail(taskFile, error);
            return;
        }
    }
    txtTasksLoadOnOpen.clear();
    m_ini.reset();

    layOutCardsFromLists();

    RebuildingCards = false;
    lblGoal_Click(0);
    setCalendar1(QDate::currentDate());
}

bool WorkingState::maybeSave(bool withCancel)
{
    if (!ProjectChanged)
        return true;
    const int answer = m_modals.MsgBox(QStringLiteral("Want to save changes before?"), QStringLiteral("Save Changes"),
                                       withCancel ? Msg::YesNoCancelQuestion : Msg::YesNoQuestion);
    if (answer == Msg::Yes)
        return mnuSave_Click();   // a save that did not happen stops the caller
    if (answer == Msg::No)
        return true;
    return !withCancel;
}

void WorkingState::mnuNew_Click()
{
    if (!maybeSave(false))
        return;
    resetToNewProject();
}

bool WorkingState::mnuSave_Click()
{
    if (CurrentProjectFile.isEmpty())
        return mnuSaveAs_Click();
    return SaveProject();
}

bool WorkingState::mnuSaveAs_Click()
{
    const QString previousFile = CurrentProjectFile;
    const QString previousCaption = lblFilename;
    const QString previousToolTip = lblFilename_ToolTip;

    SaveDialog dialog(*this);
    m_modals.showSaveDialog(dialog);
    if (!dialog.accepted)
        return false;
    if (SaveProject())
        return true;
    // The project still belongs to the file it had: a later Save must not
    // aim at a name that was never written.
    CurrentProjectFile = previousFile;
    lblFilename = previousCaption;
    lblFilename_ToolTip = previousToolTip;
    return false;
}

void WorkingState::mnuOpen_Click()
{
    const QString previous = CurrentProjectFile;
    OpenDialog dialog(*this);
    m_modals.showOpenDialog(dialog);
    if (!dialog.accepted) {
        CurrentProjectFile = previous;
        return;
    }
    const QString chosen = CurrentProjectFile;
    // "Yes, save first" must write the open project to its own file, not
    // over the one just chosen.
    CurrentProjectFile = previous;
    if (!maybeSave(false))
        return;

    CurrentProjectFile = chosen;
    NewProject();
    lblFilename = chosen;
    lblFilename_ToolTip = chosen;
    LoadProject(chosen);
}
