// Renders Tarvo's windows offscreen to PNG files, so anyone can look at
// the program without a display:  tarvo_screenshots [output folder]
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFont>
#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QProcess>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/widgets/FontSetup.h"
#include "app/widgets/Form1.h"
#include "app/widgets/frmSplash.h"
#include "app/widgets/frmTips.h"
#include "base/Ask.h"
#include "base/Output.h"
#include "base/Translations.h"
#include "dashboard/widgets/CardCanvas.h"
#include "events/widgets/PlanPrint.h"
#include "project/DueDate.h"
#include "project/OpenDialog.h"
#include "project/SaveDialog.h"
#include "project/widgets/frmOpen.h"
#include "project/widgets/frmSave.h"

namespace {

// Answers every question at once, so no window ever waits.
class SilentModals : public Ask, public Output {
public:
    MsgAnswer MsgBox(const QString &, const QString &, MsgStyle style) override
    {
        return buttonsOf(style) == MsgButtons::Ok ? Msg::Ok : Msg::Yes;
    }
    std::optional<QString> showOpenDialog(OpenDialog &) override { return std::nullopt; }
    std::optional<QString> showSaveDialog(SaveDialog &) override { return std::nullopt; }
    void showTips() override {}
    std::optional<QString> getSaveFileName(const QString &, const QString &, const QString &, const QString &) override
    {
        return std::exchange(nextSaveFile, std::nullopt);
    }
    bool openFolder(const QString &) override { return true; }
    PrintOutcome printLines(const QStringList &, QString *) override { return PrintOutcome::Cancelled; }
    bool printPlan(const Plan &, QString *, QString *) override { return true; }
    bool writePlanPdf(const Plan &plan, const QString &path, QString *error) override
    {
        return ::writePlanPdf(plan, path, error);
    }
    bool writeTimelinePicture(const Plan &plan, const QString &path, PictureFormat format, QString *error) override
    {
        return ::writeTimelinePicture(plan, path, format, error);
    }
    void setClipboardText(const QString &) override {}
    std::optional<QString> nextSaveFile;   // the next save-file dialog's answer
};

QString g_out;

void shoot(QWidget &window, const QString &name)
{
    window.show();
    QTest::qWait(50);
    const QString path = g_out + u'/' + name + QStringLiteral(".png");
    if (window.grab().save(path))
        qInfo("wrote %s", qPrintable(path));
    else
        qWarning("could not write %s", qPrintable(path));
}

void copyPictures(const QString &to)
{
    const QString from = QCoreApplication::applicationDirPath() + QStringLiteral("/imgs");
    QDir().mkpath(to + QStringLiteral("/imgs"));
    for (const QString &name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + u'/' + name, to + QStringLiteral("/imgs/") + name);
}

// A plan worth pinning on a wall: eight sub-goals, some done, one late.
Project wallPlan()
{
    const QDate today = QDate::currentDate();
    auto due = [&](int days) { return DueDate::text(today.addDays(days)); };
    auto lines = [](std::initializer_list<const char *> tasks) {
        QStringList out;
        for (const char *t : tasks)
            out << QString::fromUtf8(t);
        return out.join(u'\n');
    };
    return {QStringLiteral("Open the bakery by spring"),
            {{"1-1-1", "Premises", due(-20), lines({"Visit five shops --", "Sign the lease --", "Get the keys --"})},
             {"1-1-2", "Licences", due(-3), lines({"Food hygiene course --", "Register the business --",
                                                     "Fire safety check", "Signage permit"})},
             {"1-1-3", "Kitchen", due(25), lines({"Order the deck oven --", "Install extraction",
                                                  "Second-hand mixer --", "Proving cabinet", "Shelving",
                                                  "Deep clean before opening"})},
             {"1-1-4", "Menu", due(40), lines({"Sourdough loaf --", "Rye and caraway", "Cinnamon buns --",
                                               "Seasonal tart", "Price every item"})},
             {"1-1-5", "Suppliers", "", lines({"Flour mill visit --", "Organic butter", "Coffee roaster"})},
             {"1-1-6", "Team", due(55), lines({"Write the job ad --", "Interview bakers", "Hire a counter assistant",
                                               "Rota for week one"})},
             {"1-1-7", "Shop front", due(60), lines({"Paint the front + 9 weeks", "Window lettering",
                                                     "Chalkboard menu", "Bench outside"})},
             {"1-1-8", "Opening day", due(90), lines({"Invite the street", "Free tasting table", "Local paper",
                                                      "Photos for the website", "Opening hours on the door",
                                                      "Thank-you cards", "Celebrate"})}},
            {today, std::nullopt}};   // planned from today: the shop front ends late
}

void addSubGoal(Form1 &w, const QString &name)
{
    auto *box = w.findChild<QWidget *>(QStringLiteral("txtSubGoal"));
    box->setFocus();
    QTest::keyClicks(box, name);
    QTest::keyClick(box, Qt::Key_Return);
}

void clickCard(Form1 &w, int index)
{
    QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("lblGoal_%1").arg(index)), Qt::LeftButton);
}

void typeTasks(Form1 &w, const QString &text)
{
    auto *box = w.findChild<QWidget *>(QStringLiteral("txtGoalTasks"));
    for (const QString &line : text.split(u'\n')) {
        QTest::keyClicks(box, line);
        QTest::keyClick(box, Qt::Key_Return);
    }
}

// The schedule panel under the cards: a small plan from the notations, a
// day off, a done task, Launch in sequence after Design and ending after
// its due date, and the slack under each card.
void shootSchedule(const QString &folder, SilentModals &modals, const QString &suffix = QString())
{
    Form1 w(folder, modals, modals);
    w.resize(1280, 940);
    const auto due = [](int day) { return DueDate::text(QDate(2027, 3, day)); };
    Project plan{QStringLiteral("Website 2027"),
                 {{QStringLiteral("101-301-302"), QStringLiteral("Design"), due(12),
                   QStringLiteral("Brief + 2 --\nSketches + 3 days\n// Moodboard\nReview\n")},
                  {QStringLiteral("102-308-313"), QStringLiteral("Content"), due(31),
                   QStringLiteral("Write about page + 1 week\n// Collect photos + 2\nProofread + 2\n")},
                  {QStringLiteral("103-315-324"), QStringLiteral("Launch"), due(15),
                   QStringLiteral("Set up hosting + 2\nTest on phones + 3\nGo live\n")}},
                 {QDate(2027, 3, 1), std::nullopt, {QDate(2027, 3, 3)}}};
    plan.subGoals[2].after = plan.subGoals[0].key;
    w.session().document.assign(plan, DocumentChange::Cause::Load);
    w.session().dashboard.lblGoal_Click(3);   // the side bar shows what Launch starts after
    w.findChild<QAction *>(QStringLiteral("mnuSchedule"))->trigger();
    QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("cmdPrepareCalendar")), Qt::LeftButton);
    w.show();
    QTest::qWait(50);
    // The side bar scrolled down to the sub-goal Launch starts after.
    w.findChild<QScrollArea *>(QStringLiteral("sidebarScroll"))
        ->ensureWidgetVisible(w.findChild<QWidget *>(QStringLiteral("cboStartsAfter")));
    shoot(w, QStringLiteral("main-schedule") + suffix);

    // The same plan on the Timeline tab: Launch's bars run past its due date.
    auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("tabSchedule"));
    tabs->setCurrentWidget(w.findChild<QWidget *>(QStringLiteral("tabTimeline")));
    auto *dock = w.findChild<QDockWidget *>(QStringLiteral("frmSchedule"));
    w.resizeDocks({dock}, {430}, Qt::Vertical);
    shoot(w, QStringLiteral("main-timeline") + suffix);
}

} // namespace

// The same window on a screen scaled to 200 %, or in German: this program
// again, in a process of its own, since the scale and the language are set
// before the application starts.
void shootInAnotherProcess(const QStringList &options, const QString &variable, const QString &value)
{
    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(variable, value);
    other.setProcessEnvironment(env);
    other.setProcessChannelMode(QProcess::ForwardedChannels);
    other.start(QCoreApplication::applicationFilePath(), QStringList{g_out} + options);
    other.waitForFinished(120000);
}

int shootScaledWindow(const QString &folder, SilentModals &modals)
{
    Form1 w(folder, modals, modals);
    w.resize(1280, 800);
    addSubGoal(w, QStringLiteral("Design"));
    addSubGoal(w, QStringLiteral("Content"));
    clickCard(w, 1);
    typeTasks(w, QStringLiteral("Pick colours --\nDraw logo + 3"));
    shoot(w, QStringLiteral("main-1280x800-at-200-percent"));
    return 0;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(g_out);
    QTemporaryDir folder;
    copyPictures(folder.path());
    SilentModals modals;
    if (argc > 2 && QByteArray(argv[2]) == "--scaled")
        return shootScaledWindow(folder.path(), modals);
    if (argc > 3 && QByteArray(argv[2]) == "--language") {
        const QString language = QString::fromLatin1(argv[3]);
        QLocale::setDefault(QLocale(language));
        installTranslations(QLocale());
        shootSchedule(folder.path(), modals, u'-' + language);
        return 0;
    }

    {
        frmSplash splash(folder.path(), [] { return nullptr; });
        shoot(splash, QStringLiteral("splash"));
        splash.stopTimer();
    }

    Form1 w(folder.path(), modals, modals);
    // The screen here is small; the pictures show the window at its designed size.
    w.resize(1280, w.findChild<QWidget *>(QStringLiteral("picSidebar"))->height() + w.menuBar()->sizeHint().height()
                       + w.statusBar()->sizeHint().height());
    shoot(w, QStringLiteral("main-empty"));

    QTest::keyClicks(w.findChild<QWidget *>(QStringLiteral("txtProjectName")), QStringLiteral(" 2027"));
    addSubGoal(w, QStringLiteral("Design"));
    addSubGoal(w, QStringLiteral("Content"));
    addSubGoal(w, QStringLiteral("Launch"));
    clickCard(w, 1);
    typeTasks(w, QStringLiteral("Pick colours --\nDraw logo + 3 --\nMock up pages --"));
    clickCard(w, 2);
    typeTasks(w, QStringLiteral("Write about page --\nCollect photos\nProofread + 2"));
    clickCard(w, 0);
    shoot(w, QStringLiteral("main-three-subgoals"));

    clickCard(w, 2);
    w.findChild<QWidget *>(QStringLiteral("chkDueDate"))->setFocus();
    QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("chkDueDate")), Qt::LeftButton);
    shoot(w, QStringLiteral("main-selected-card"));

    auto *canvas = w.findChild<CardCanvas *>(QStringLiteral("Picture1"));
    canvas->picGoal_MouseMove(3);
    shoot(w, QStringLiteral("main-delete-mark"));

    // The keyboard on the cards: the focus frame on card 3.
    canvas->Picture1_MouseMove();
    w.activateWindow();
    w.findChild<QWidget *>(QStringLiteral("picGoal_3"))->setFocus();
    shoot(w, QStringLiteral("main-focused-card"));

    // A small window scrolls; a tall one keeps the side bar down to its foot.
    w.setMinimumSize(0, 0);
    for (const QSize size : {QSize(800, 500), QSize(1280, 800), QSize(1920, 1080)}) {
        w.resize(size);
        shoot(w, QStringLiteral("main-%1x%2").arg(size.width()).arg(size.height()));
    }
    shootInAnotherProcess({QStringLiteral("--scaled")}, QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("es")})
        shootInAnotherProcess({QStringLiteral("--language"), language}, QStringLiteral("LANGUAGE"), language);

    shootSchedule(folder.path(), modals);

    Session &s = w.session();
    {
        OpenDialog dialog(s.folders.projects(), modals);
        QDir().mkpath(s.folders.projects());
        for (const char *name : {"Launch-website.gpj", "Garden.gpj", "Thesis_2027.gpj"})
            QFile(s.folders.projects() + QString::fromLatin1(name)).open(QIODevice::WriteOnly);
        frmOpen window(dialog);
        shoot(window, QStringLiteral("dialog-open"));
    }
    {
        SaveDialog dialog(s.folders.projects(), modals, s.tools);
        frmSave window(dialog);
        shoot(window, QStringLiteral("dialog-save"));
    }
    {
        frmTips window;
        shoot(window, QStringLiteral("dialog-tips"));
    }
    // The printed plan, through Export PDF as the user runs it; its first
    // page becomes a picture with pdftoppm.
    s.document.assign(wallPlan(), DocumentChange::Cause::Load);
    const QString plan = QDir(g_out).absoluteFilePath(QStringLiteral("plan.pdf"));
    modals.nextSaveFile = plan;
    s.plan.mnuExportPdf_Click();
    qInfo("wrote %s", qPrintable(plan));
    return 0;
}
