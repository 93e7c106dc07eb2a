// Projects on disk: the ".gpj" file written and read back, and the New,
// Open, Save and Save As commands.
#include "project/WorkingState.h"

#include <QFileInfo>
#include <QSet>
#include <array>
#include <limits>

#include "app/Modals.h"
#include "component/TextScan.h"
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
QString oneLine(QStringView value)
{
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

// Per entry beyond its key stem and value: up to 20 digits of a number,
// "=", a pair of quotes and the line break.
constexpr qsizetype kEntryRoom = 25;

// The value written at d the way the reader gets it back; it needs room for
// the value and a pair of quotes. A line break inside becomes a blank.
QChar *writeValueAt(QChar *d, QStringView value, bool holdsLineBreak)
{
    if (holdsLineBreak) {
        const QString written = IniIndex::writeValue(oneLine(value));
        return std::copy(written.begin(), written.end(), d);
    }
    const bool quoted = IniIndex::needsQuotes(value);
    if (quoted)
        *d++ = u'"';
    d = std::copy(value.begin(), value.end(), d);
    if (quoted)
        *d++ = u'"';
    return d;
}

void appendEntry(QString &out, QStringView key, QStringView value)
{
    out += key;
    out += u'=';
    const qsizetype before = out.size();
    out.resize(before + value.size() + 2);
    QChar *d = writeValueAt(out.data() + before, value, findEither(value, 0, u'\r', u'\n') < value.size());
    out.resize(d - out.data());
    out += kCrLf;
}

QChar *writeNumber(QChar *out, qint64 n)
{
    char16_t digits[20];
    int i = 20;
    do {
        digits[--i] = char16_t(u'0' + n % 10);
        n /= 10;
    } while (n > 0);
    return std::copy(digits + i, digits + 20, out);
}

// Room for the task entries of a task text of count lines.
qsizetype taskEntriesSize(const QString &stem, QStringView tasks, qsizetype count)
{
    return tasks.size() + count * (stem.size() + kEntryRoom);
}

// stem1=… to stemN=… for the lines of a task file, written straight into
// the text: a save may write 200,000 of them. The room is made for count
// lines once; a line break inside a value only shortens it.
void appendTaskEntries(QString &out, const QString &stem, QStringView tasks, qsizetype count)
{
    const qsizetype before = out.size();
    out.resize(before + taskEntriesSize(stem, tasks, count));
    QChar *d = out.data() + before;
    QChar *end = out.data() + out.size();
    qint64 k = 0;
    KestrelFile::forEachLine(tasks, [&](QStringView line, bool holdsCr) {
        const qsizetype need = stem.size() + kEntryRoom + line.size();
        if (end - d < need) {   // more lines than counted: never with a right count
            const qsizetype at = d - out.data();
            out.resize(out.size() + need);
            d = out.data() + at;
            end = out.data() + out.size();
        }
        d = std::copy(stem.begin(), stem.end(), d);
        d = writeNumber(d, ++k);
        *d++ = u'=';
        d = writeValueAt(d, line, holdsCr);
        *d++ = u'\r';
        *d++ = u'\n';
    });
    out.resize(d - out.data());
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

    // Every task file is read before anything is written: one that cannot
    // be read stops the save, since writing without it would lose its tasks.
    std::array<QString, 9> tasks;
    std::array<qsizetype, 9> lines{};   // of each task file, 0 for none
    qsizetype size = 256;
    for (int n = 1; n <= 8; ++n) {
        const GoalCard &card = cards[n];
        if (card.lblGoal_Tag.isEmpty())
            continue;
        const QString taskFile = taskFilePath(card.lblGoal_Tag);
        if (!KestrelTools1.PathExists(taskFile, false)) {
            // Something else where the task file should be holds no tasks
            // we could save; "no tasks" would lose the saved ones.
            if (QFileInfo::exists(taskFile))
                return fail(QStringLiteral("The tasks of \"%1\" could not be read: \"%2\" is not a file.")
                                .arg(card.lblGoal_Caption, taskFile));
            continue;
        }
        QString error;
        if (!KestrelFile1.ReadTextFile(tasks[n], taskFile, &error))
            return fail(QStringLiteral("The tasks of \"%1\" could not be read from \"%2\": %3")
                            .arg(card.lblGoal_Caption, taskFile, error));
        lines[n] = KestrelFile::lineCount(tasks[n]);
        size += card.lblGoal_Caption.size() + card.lblDueDateDate_Tag.size() + 128
                + taskEntriesSize(goalKey(n, "_Task"), tasks[n], lines[n]);
    }

    QString &text = txtProjectContent;
    text.resize(0);   // keeps its room: saving again needs as much
    text.reserve(size + txtProjectName.size());
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
        // One entry per line of the task file, as its list of lines gives them.
        appendEntry(text, goalKey(n, "_Tasks"), QString::number(lines[n]));
        appendTaskEntries(text, goalKey(n, "_Task"), tasks[n], lines[n]);
        tasks[n].clear();
    }

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
        m_writtenThisLoad.clear();
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
        const QList<QStringView> taskLines = m_ini->numberedValues(goals, stem, lines);
        qsizetype size = 0;
        for (QStringView line : taskLines)
            size += line.size() + 2;
        txtTasksLoadOnOpen = QString(size, Qt::Uninitialized);
        QChar *out = txtTasksLoadOnOpen.data();
        for (QStringView line : taskLines) {
            out = std::copy(line.begin(), line.end(), out);
            *out++ = u'\r';
            *out++ = u'\n';
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
        m_writtenThisLoad.insert(taskFile, txtTasksLoadOnOpen);
    }
    txtTasksLoadOnOpen.clear();
    m_ini.reset();

    // Selecting each card below needs its tasks: they are the texts just
    // written, so the files are neither read back nor written again.
    layOutCardsFromLists();
    m_writtenThisLoad.clear();

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
