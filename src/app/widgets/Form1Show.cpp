// Showing the document: the window's controls set from it, each part only
// when a change touched it; and the layout of the side bar and card area.
#include "app/widgets/Form1.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextBlock>

#include "app/Layout.h"
#include "base/Rules.h"
#include "base/Texts.h"
#include "base/widgets/WidgetKit.h"
#include "component/FileNames.h"
#include "dashboard/Cards.h"
#include "dashboard/widgets/CardCanvas.h"
#include "events/widgets/SchedulePanel.h"
#include "project/DueDate.h"
#include "ui_Sidebar.h"

using Layout::px;

namespace {

// The box takes at most limit characters, but a longer name the program
// puts in (loaded from a file) stays whole: the box never cuts it.
void showLimitedText(QLineEdit *box, const QString &text, int limit)
{
    if (const int most = std::max<int>(limit, int(text.size())); box->maxLength() != most)
        box->setMaxLength(most);
    if (box->text() != text) {
        const QSignalBlocker block(box);
        box->setText(text);
    }
}

} // namespace

void Form1::documentChanged(const DocumentChange &change)
{
    const ProjectDocument &document = m_session->document;
    if (change.has(DocumentChange::Name))
        showName();
    if (change.has(DocumentChange::File))
        showFile();
    if (change.has(DocumentChange::Selection)) {
        showSelection();
    } else {
        const bool selectedTasks = change.has(DocumentChange::Tasks)
                                   && (change.subGoal == document.selectedSubGoal() || change.subGoal < 0);
        // The box's own edits are in it already; showing them again would
        // lose its cursor and its undo.
        if (selectedTasks && !m_typingTasks)
            showTaskBox();
        if (change.has(DocumentChange::Outline)) {
            showDueDate(false);
            showStartsAfter();
        }
    }
    if (change.parts == DocumentChange::Tasks && document.isSubGoal(change.subGoal)) {
        // A keystroke changes one card's counters and nothing else.
        Picture1->showCard(change.subGoal + 1, cardRecord(document, change.subGoal + 1));
    } else if (change.parts & (DocumentChange::Tasks | DocumentChange::Outline | DocumentChange::Name
                               | DocumentChange::Selection | DocumentChange::Plan)) {
        showCards();
    }
    scheduleDock->documentChanged(change);
}

void Form1::showAll()
{
    showName();
    showFile();
    showSelection();
    showCards();
    showProblem(m_session->problems.all());
    showDiskNote(m_session->sync.note());
}

void Form1::showName()
{
    showLimitedText(m_ui->txtProjectName, m_session->document.project().name, Rules::kProjectNameMax);
}

void Form1::showFile()
{
    const ProjectDocument &document = m_session->document;
    const Ui::Sidebar &ui = *m_ui;
    const QString path = FileNames::forDisplay(document.filePath());
    // A long path is cut in its middle, so the file's name stays in view.
    const QString shown = document.filePath().isEmpty() ? Texts::noFilename() : path;
    Kit::setText(ui.lblFilename, ui.lblFilename->fontMetrics().elidedText(shown, Qt::ElideMiddle, ui.lblFilename->width()));
    const QString tip = path.isEmpty() ? Texts::openProjectsFolder() : path + u'\n' + Texts::openProjectsFolder();
    if (ui.lblFilename->toolTip() != tip)
        ui.lblFilename->setToolTip(tip);
    setWindowModified(document.isModified());
}

void Form1::showSelection()
{
    const ProjectDocument &document = m_session->document;
    const Ui::Sidebar &ui = *m_ui;
    const bool subGoal = document.selectedCard() != 0;
    Kit::setText(ui.Label14, subGoal ? Texts::subGoalLabel() : Texts::mainGoalLabel());
    Kit::setText(ui.lblGoalName, subGoal ? Texts::renameModeLabel() : Texts::addModeLabel());
    // A screen reader reads each edit box by its label.
    ui.txtProjectName->setAccessibleName(ui.Label14->text());
    ui.txtSubGoal->setAccessibleName(ui.lblGoalName->text());
    for (QWidget *part : {static_cast<QWidget *>(ui.lblDelete), static_cast<QWidget *>(ui.lblNewGoal),
                          static_cast<QWidget *>(ui.lblGoalTasks), static_cast<QWidget *>(ui.txtGoalTasks),
                          static_cast<QWidget *>(ui.lblTaskInstructions), static_cast<QWidget *>(ui.lblDueDate),
                          static_cast<QWidget *>(ui.Calendar1), static_cast<QWidget *>(ui.chkDueDate),
                          static_cast<QWidget *>(ui.lblStartsAfter), static_cast<QWidget *>(ui.cboStartsAfter)})
        Kit::setShown(part, subGoal);
    // The name box holds the selected sub-goal's name, ready to be changed;
    // back on the main goal it is empty, ready for a new one.
    const QString name = subGoal ? document.subGoal(document.selectedSubGoal()).name : QString();
    showLimitedText(ui.txtSubGoal, name, Rules::kSubGoalNameMax);
    Kit::setText(ui.lblSubgoalscharsleft, Texts::charsLeft(std::max<qsizetype>(0, Rules::kSubGoalNameMax - name.size())));
    if (subGoal) {
        showTaskBox();
        showDueDate(true);
        showStartsAfter();
    }
}

void Form1::showTaskBox()
{
    const ProjectDocument &document = m_session->document;
    if (!document.isSubGoal(document.selectedSubGoal()))
        return;   // the box keeps its text while the main goal is selected
    m_showing = true;
    m_ui->txtGoalTasks->setPlainText(document.subGoal(document.selectedSubGoal()).tasks);
    m_showing = false;
}

void Form1::showDueDate(bool selected)
{
    const ProjectDocument &document = m_session->document;
    if (!document.isSubGoal(document.selectedSubGoal()))
        return;
    // The controls show the card's due date; a stored text that reads as no
    // date (written under another locale) leaves today on the calendar and
    // stays as it is.
    const QString &due = document.subGoal(document.selectedSubGoal()).due;
    const Ui::Sidebar &ui = *m_ui;
    const QDate date = DueDate::parse(due);
    m_showing = true;
    if (ui.chkDueDate->isChecked() != !due.isEmpty())
        ui.chkDueDate->setChecked(!due.isEmpty());
    // Unchecked, the calendar keeps the date the user last pointed at on
    // this card.
    if (!due.isEmpty() || selected)
        ui.Calendar1->setSelectedDate(date.isValid() ? date : QDate::currentDate());
    m_showing = false;
}

void Form1::showStartsAfter()
{
    QComboBox *box = m_ui->cboStartsAfter;
    const QList<StartsAfter::Choice> choices = m_session->startsAfter.choices();
    QList<StartsAfter::Choice> shown;
    for (int i = 0; i < box->count(); ++i)
        shown.append({box->itemText(i), box->itemData(i).toString()});
    const QSignalBlocker block(box);
    if (shown != choices) {
        box->clear();
        for (const StartsAfter::Choice &choice : choices)
            box->addItem(choice.name, choice.key);
    }
    box->setCurrentIndex(m_session->startsAfter.chosen());
}

void Form1::goToTask(int subGoal, int lineNumber)
{
    // As a click on the card's name does, then on to the line.
    m_session->dashboard.lblGoal_Click(subGoal + 1);
    if (m_session->document.selectedSubGoal() != subGoal)
        return;
    QPlainTextEdit *box = m_ui->txtGoalTasks;
    const QTextBlock line = box->document()->findBlockByNumber(lineNumber - 1);
    if (lineNumber > 0 && line.isValid()) {
        box->setTextCursor(QTextCursor(line));
        box->ensureCursorVisible();
    }
    box->setFocus();
}

void Form1::showCards()
{
    Picture1->showCards(cardRecords(m_session->document));
}

void Form1::showProblem(const QString &problem)
{
    // Told without taking the keyboard; a box follows at the next command.
    m_unreported = problem;
    if (problem.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(problem.section(u'\n', 0, 0));
}

void Form1::showDiskNote(const QString &note)
{
    Kit::setText(lblDiskNote, note);
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyLayout();
}

void Form1::applyLayout()
{
    const int sidebarWidth = layOutSidebar();
    layOutCards(std::max(px(5310), sidebarWidth + px(5310 - 5190)));
}

int Form1::layOutSidebar()
{
    // The side bar runs the window's full height; the task box takes what
    // a tall window has to spare, a short one scrolls the side bar.
    QWidget *central = centralWidget();
    const int height = central->height();
    QWidget *sidebar = sidebarScroll->widget();
    const int spare = std::max(0, height - m_sidebarHeight);
    sidebar->resize(sidebar->width(), m_sidebarHeight + spare);
    QRect box = m_taskBoxGeometry;
    box.setHeight(box.height() + spare);
    m_ui->txtGoalTasks->setGeometry(box);
    for (auto it = m_belowTaskBox.cbegin(); it != m_belowTaskBox.cend(); ++it)
        it.key()->move(it.value() + QPoint(0, spare));
    const bool scrolls = height < m_sidebarHeight;
    const int width = sidebar->width() + (scrolls ? sidebarScroll->verticalScrollBar()->sizeHint().width() : 0);
    sidebarScroll->setGeometry(0, 0, width, height);
    return width;
}

void Form1::layOutCards(int left)
{
    // The cards grow with the card area up to twice their size and stay
    // centred in it; a window too small for them scrolls the area instead
    // of cutting them off.
    QWidget *central = centralWidget();
    const int top = px(45);
    const QSize area(std::max(0, central->width() - left), std::max(0, central->height() - top));
    const QSize design(px(13425), px(9960));
    const double scale = Layout::cardScale(area.width(), area.height(), design.width(), design.height());
    Picture1->setScale(scale);
    const int tw = Layout::kTwipsPerPixel;
    const int rule = Layout::picContainerWidth(frameGeometry().width() * tw, left * tw, picContainer->width() * tw) / tw;
    const int width = std::max({rule, Picture1->width(), area.width()});
    picContainer->resize(width, std::max(qRound(design.height() * scale), area.height()));
    Picture1->move(Layout::picture1Left(width * tw, Picture1->width() * tw) / tw, qRound(px(90) * scale));
    cardScroll->setGeometry(left, top, area.width(), area.height());
}
