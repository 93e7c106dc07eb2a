// The timeline: its geometry as a pure function of the plan, the tab in the
// real window, and Export Timeline's pictures read back.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QImageReader>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <QToolTip>
#include <QXmlStreamReader>

#include "Patience.h"
#include "Plans.h"
#include "app/widgets/Form1.h"
#include "events/Timeline.h"
#include "events/widgets/PlanPrint.h"
#include "events/widgets/TimelineView.h"
#include "project/DueDate.h"

using namespace plans;

namespace {

constexpr double kDay = 10, kRow = 20;

// Each task's bar in days from the timeline's first (a Monday), end
// excluded, with what it shows: "0..3 late past 2", "0..1 done".
QStringList barsOf(const TimelineLayout &l)
{
    QStringList out;
    for (const TimelineRow &row : l.rows) {
        if (row.isGoal())
            continue;
        QString bar = QStringLiteral("%1..%2").arg(row.bar.left() / kDay).arg(row.bar.right() / kDay);
        if (row.done)
            bar += " done";
        if (row.late)
            bar += " late";
        if (row.overrunFrom)
            bar += QStringLiteral(" past %1").arg(*row.overrunFrom / kDay);
        out << bar;
    }
    return out;
}
// The shaded days of the first two weeks.
QList<double> shadedOf(const TimelineLayout &l)
{
    QList<double> days;
    for (const auto &[from, to] : l.shadedWithin(0, 14 * kDay))
        for (double x = from; x < to; x += kDay)
            days << x / kDay;
    return days;
}

Project project(const QString &tasks, const QDate &start, const char *week, QList<QDate> daysOff, const QDate &due)
{
    Project p = oneGoal(tasks, due.isValid() ? DueDate::text(due) : QString());
    p.settings = {start, plans::week(week), daysOff};
    return p;
}

// A plan of two sub-goals from Monday 1 March 2027: Design due on
// Wednesday 3rd, so Sketches crosses it and Review lies past it; Brief is done.
Project twoGoals()
{
    return {"Launch",
            {{"1-1-1", "Design", DueDate::text(kMonday.addDays(2)), "Brief + 2 --\nSketches + 3\nReview"},
             {"2-2-2", "Build", "", "Frame + 2\nWalls"}},
            {kMonday}};
}

// What a bar is painted in, by most of its pixels: "red", "grey" or "other".
QString inkOf(const QImage &image, const QRectF &bar)
{
    int red = 0, grey = 0, all = 0;
    const double k = image.devicePixelRatio();
    const QRect pixels = QRectF(bar.topLeft() * k, bar.size() * k).toAlignedRect().adjusted(2, 2, -2, -2);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x, ++all) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 60 && c.blue() < 60;
            grey += qAbs(c.red() - c.green()) < 8 && qAbs(c.green() - c.blue()) < 8 && c.red() > 100 && c.red() < 160;
        }
    }
    return red * 2 > all ? "red" : grey * 2 > all ? "grey" : "other";
}

// The real window with the schedule panel open on its Timeline tab.
struct Window {
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w{app.path(), modals, modals};
    TimelineView *view = w.findChild<TimelineView *>("timelineView");

    explicit Window(const Project &project)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.session().document.assign(project, DocumentChange::Cause::Load);
        w.findChild<QAction *>("mnuSchedule")->trigger();
        w.resizeDocks({w.findChild<QDockWidget *>("frmSchedule")}, {420}, Qt::Vertical);
        w.findChild<QTabWidget *>("tabSchedule")->setCurrentWidget(w.findChild<QWidget *>("tabTimeline"));
        QVERIFY(view->isVisible());
    }
    int rowOf(const QString &label) const
    {
        for (int r = 0; r < view->layout().rows.size(); ++r)
            if (view->layout().rows[r].label == label)
                return r;
        return -1;
    }
    QImage grab(double ratio) const
    {
        QImage image(view->viewport()->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        view->viewport()->render(&image);
        return image;
    }
};

// The real writer behind the seam, as the window's own seam has it.
class RealPictures : public ScriptedModals {
public:
    bool writeTimelinePicture(const Plan &plan, const QString &path, PictureFormat format, QString *error) override
    {
        return ::writeTimelinePicture(plan, path, format, error);
    }
};

} // namespace

class TestTimeline : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void geometry_data();
    void geometry();
    void rowsAndSpan();
    void paintsLateRedAndDoneGrey_data();
    void paintsLateRedAndDoneGrey();
    void clickGoesToTheTask();
    void followsTypingAndScales();
    void namesAndDatesStayInSight();
    void exportTimeline_data();
    void exportTimeline();
};

void TestTimeline::geometry_data()
{
    QTest::addColumn<QString>("tasks");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QList<QDate>>("daysOff");
    QTest::addColumn<QDate>("due");
    QTest::addColumn<QStringList>("bars");
    QTest::addColumn<QList<double>>("shaded");
    QTest::addColumn<qint64>("firstLength");   // working days of the first task
    const QDate mon = kMonday, fri = kMonday.addDays(4);
    const QList<double> weekends{5, 6, 12, 13};
    QTest::newRow("a weekend inside a bar") << "Paint + 2\nDry" << fri << "1111100" << QList<QDate>{} << QDate()
                                            << QStringList{"4..8", "8..9"} << weekends << qint64(2);
    QTest::newRow("a day off inside a bar") << "Paint + 3" << mon << "1111100" << QList<QDate>{mon.addDays(2)} << QDate()
                                            << QStringList{"0..4"} << QList<double>{2, 5, 6, 12, 13} << qint64(3);
    QTest::newRow("a day off on a weekend") << "Paint + 5" << mon << "1111100" << QList<QDate>{mon.addDays(5)} << QDate()
                                            << QStringList{"0..5"} << weekends << qint64(5);
    QTest::newRow("a six-day week") << "Paint + 6" << mon << "1111110" << QList<QDate>{} << QDate()
                                    << QStringList{"0..6"} << QList<double>{6, 13} << qint64(6);
    QTest::newRow("due inside a bar") << "Paint + 3" << mon << "1111100" << QList<QDate>{} << mon.addDays(1)
                                      << QStringList{"0..3 late past 2"} << weekends << qint64(3);
    QTest::newRow("due after the bar") << "Paint + 2" << mon << "1111100" << QList<QDate>{} << fri
                                       << QStringList{"0..2"} << weekends << qint64(2);
    QTest::newRow("due before a bar") << "Paint\nDry" << mon << "1111100" << QList<QDate>{} << mon
                                      << QStringList{"0..1", "1..2 late past 1"} << weekends << qint64(1);
    QTest::newRow("done past due") << "Paint + 3 --\nDry" << mon << "1111100" << QList<QDate>{} << mon
                                   << QStringList{"0..3 done", "3..4 late past 3"} << weekends << qint64(3);
}

void TestTimeline::geometry()
{
    QFETCH(QString, tasks);
    QFETCH(QDate, start);
    QFETCH(QString, week);
    QFETCH(QList<QDate>, daysOff);
    QFETCH(QDate, due);
    QFETCH(QStringList, bars);
    QFETCH(QList<double>, shaded);
    QFETCH(qint64, firstLength);
    const Project p = project(tasks, start, qPrintable(week), daysOff, due);
    const Schedule plan = scheduleProject(p);
    const TimelineLayout l = layoutTimeline(p, plan, QDate(2000, 1, 1), kDay, kRow);
    QCOMPARE(l.first, kMonday);
    QCOMPARE(barsOf(l), bars);
    QCOMPARE(shadedOf(l), shaded);
    QCOMPARE(workingDaysOf(l.calendar, plan.at(0)), firstLength);
    // The due marker sits on the sub-goal's row at the end of its day.
    QCOMPARE(l.rows[0].due, due.isValid() ? std::optional<double>(l.xOf(due) + kDay) : std::nullopt);
    QVERIFY(!l.today);
}

void TestTimeline::rowsAndSpan()
{
    Project p = twoGoals();
    p.subGoals.append({"3-3-3", "Empty", DueDate::text(kMonday.addDays(300)), ""});
    const Schedule plan = scheduleProject(p);
    const TimelineLayout l = layoutTimeline(p, plan, kMonday.addDays(3), kDay, kRow);
    QStringList rows;
    for (const TimelineRow &row : l.rows)
        rows << (row.isGoal() ? "# " : "") + row.label;
    QCOMPARE(rows, (QStringList{"# Design", "Brief", "Sketches", "Review", "# Build", "Frame", "Walls", "# Empty"}));
    // A due date within a year of the plan stretches it; today is a line.
    QVERIFY(l.rows[7].due && *l.rows[7].due <= l.width());
    QCOMPARE(l.today, std::optional<double>(3 * kDay));
    // A point finds the bar under it, in its row only; names have no bars.
    for (int r = 0; r < l.rows.size(); ++r) {
        const QRectF bar = l.rows[r].bar;
        QCOMPARE(l.barAt(bar.center()), l.rows[r].isGoal() ? -1 : r);
        QCOMPARE(l.rowAt((r + 0.5) * kRow), r);
    }
    QCOMPARE(l.barAt(QPointF(l.rows[1].bar.right() + 1, 1.5 * kRow)), -1);
    QCOMPARE(l.goalRowOf(6), 4);
    // A due date more than a year after the plan does not stretch it.
    p.subGoals[2].due = DueDate::text(kMonday.addDays(800));
    QVERIFY(!layoutTimeline(p, plan, kMonday, kDay, kRow).rows[7].due);
}

void TestTimeline::paintsLateRedAndDoneGrey_data()
{
    QTest::addColumn<double>("ratio");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

void TestTimeline::paintsLateRedAndDoneGrey()
{
    QFETCH(double, ratio);
    Window t(twoGoals());
    const QImage image = t.grab(ratio);
    const QMap<QString, QString> expected{{"Brief", "grey"}, {"Sketches", "red"}, {"Review", "red"},
                                          {"Frame", "other"}, {"Walls", "other"}};
    for (const auto &[label, ink] : expected.asKeyValueRange()) {
        const QRectF bar = t.view->barInView(t.rowOf(label));
        QVERIFY2(t.view->viewport()->rect().contains(bar.toAlignedRect()), qPrintable(label));
        QCOMPARE(inkOf(image, bar), ink);
    }
}

void TestTimeline::clickGoesToTheTask()
{
    Window t(twoGoals());
    auto *box = t.w.findChild<QPlainTextEdit *>("txtGoalTasks");
    const QPoint walls = t.view->barInView(t.rowOf("Walls")).center().toPoint();
    // Its tool tip first: the text, the dates, the working days.
    QHelpEvent tip(QEvent::ToolTip, walls, t.view->viewport()->mapToGlobal(walls));
    QApplication::sendEvent(t.view->viewport(), &tip);
    QTRY_COMPARE(QToolTip::text(), "Walls\n03/03/2027 – 03/03/2027\n1 working day");
    QTest::mouseClick(t.view->viewport(), Qt::LeftButton, {}, walls);
    QCOMPARE(t.w.session().document.selectedCard(), 2);
    QCOMPARE(box->textCursor().blockNumber(), 1);
    QCOMPARE(t.w.focusWidget(), box);
    // A click on a task's name goes there too.
    const int review = t.rowOf("Review");
    QTest::mouseClick(t.view->viewport(), Qt::LeftButton, {}, QPoint(5, int(t.view->barInView(review).center().y())));
    QCOMPARE(t.w.session().document.selectedCard(), 1);
    QCOMPARE(box->textCursor().block().text(), "Review");
}

void TestTimeline::followsTypingAndScales()
{
    Window t(twoGoals());
    QTest::mouseClick(t.w.findChild<QWidget *>("lblGoal_2"), Qt::LeftButton);
    auto *box = t.w.findChild<QPlainTextEdit *>("txtGoalTasks");
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "Roof + 2");
    QTRY_VERIFY(t.rowOf("Roof") > 0);
    const double days = t.view->barInView(t.rowOf("Roof")).width();
    auto *weeks = t.w.findChild<QToolButton *>("cmdTimelineWeeks");
    QTest::mouseClick(weeks, Qt::LeftButton);
    QCOMPARE(t.view->scale(), TimelineScale::Weeks);
    QVERIFY(t.view->barInView(t.rowOf("Roof")).width() < days / 2);
    // Ctrl+wheel towards the user: back to days, and the buttons say so.
    const QPointF at(t.view->viewport()->width() / 2, 50);
    QWheelEvent wheel(at, t.view->viewport()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(t.view->viewport(), &wheel);
    QCOMPARE(t.view->scale(), TimelineScale::Days);
    QVERIFY(t.w.findChild<QToolButton *>("cmdTimelineDays")->isChecked() && !weeks->isChecked());
    QCOMPARE(t.view->barInView(t.rowOf("Roof")).width(), days);
}

void TestTimeline::namesAndDatesStayInSight()
{
    QStringList tasks;
    for (int i = 1; i <= 40; ++i)
        tasks << QString("Step %1 + 2 weeks").arg(i);
    Project p = twoGoals();
    p.subGoals[1].tasks = tasks.join('\n');
    Window t(p);
    QScrollBar *across = t.view->horizontalScrollBar(), *down = t.view->verticalScrollBar();
    QVERIFY(across->maximum() > 0 && down->maximum() > 0);
    const TimelineStyle style = screenTimelineStyle(*t.view);
    const QSize size = t.view->viewport()->size();
    const QRect names(0, int(style.headerHeight), int(style.nameWidth), size.height() - int(style.headerHeight));
    const QRect dates(int(style.nameWidth), 0, size.width() - int(style.nameWidth), int(style.headerHeight));
    const QImage start = t.grab(1);
    across->setValue(across->maximum());
    const QImage right = t.grab(1);
    QCOMPARE(right.copy(names), start.copy(names));   // the names did not move across ...
    QVERIFY(right.copy(dates) != start.copy(dates));  // ... while the dates did
    across->setValue(0);
    down->setValue(down->maximum());
    const QImage low = t.grab(1);
    QCOMPARE(low.copy(dates), start.copy(dates));
    QVERIFY(low.copy(names) != start.copy(names));
}

void TestTimeline::exportTimeline_data()
{
    QTest::addColumn<bool>("dated");
    QTest::addColumn<int>("tasks");       // per sub-goal in a big project; 0: twoGoals()
    QTest::addColumn<QString>("answer");  // the file chosen, "" = cancelled
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("said");    // a part of what is said, "" = nothing
    QTest::newRow("PNG") << true << 0 << "out.png" << "out.png" << "";
    QTest::newRow("SVG") << true << 0 << "out.SVG" << "out.SVG" << "";
    QTest::newRow("no ending: PNG") << true << 0 << "out" << "out.png" << "";
    QTest::newRow("another ending") << true << 0 << "out.jpg" << "" << "neither .png nor .svg";
    QTest::newRow("a missing folder") << true << 0 << "gone/out.png" << "" << "gone/out.png";
    QTest::newRow("cancelled") << true << 0 << "" << "" << "";
    QTest::newRow("no start date") << false << 0 << "out.png" << "" << "no plan yet";
    QTest::newRow("too large for a PNG") << true << 1000 << "big.png" << "" << "too large";
}

void TestTimeline::exportTimeline()
{
    QFETCH(bool, dated);
    QFETCH(int, tasks);
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(QString, said);
    TempAppFolder app;
    RealPictures modals;
    Form1 w(app.path(), modals, modals);
    Project p = twoGoals();
    for (int g = 0; g < 8 && tasks > 0; ++g)
        p.subGoals.append({QString("9-9-%1").arg(g), "Big", "", QString("Line + 1\n").repeated(tasks)});
    if (!dated)
        p.settings.start = QDate();
    w.session().document.assign(p, DocumentChange::Cause::Load);
    modals.saveFileNames = {answer.isEmpty() ? std::nullopt : std::optional(app.file(answer))};
    w.findChild<QAction *>("mnuExportTimeline")->trigger();
    QCOMPARE(modals.saveFileAsked, dated ? QStringList{"Export Timeline|Launch.png|PNG or SVG pictures (*.png *.svg)"}
                                         : QStringList());
    QCOMPARE(modals.asked.size(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty())
        QVERIFY2(modals.lastText().contains(said), qPrintable(modals.lastText()));
    QCOMPARE(QDir(app.path()).entryList({"*.png", "*.SVG", "*.jpg"}), written.isEmpty() ? QStringList() : QStringList{written});
    if (written.endsWith("png")) {
        // The whole timeline, laid out as the picture lays it out; a late bar red.
        QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
        const TimelineStyle style = paperTimelineStyle(&probe, 96);
        const TimelineLayout l = layoutTimeline(p, scheduleProject(p), QDate::currentDate(),
                                                style.dayWidth(TimelineScale::Days), style.rowHeight);
        const QImage png(app.file(written), "png");
        QCOMPARE(png.size(), timelineSize(l, style).toSize());
        QCOMPARE(inkOf(png, l.rows[2].bar.translated(style.nameWidth, style.headerHeight)), "red");
    } else if (!written.isEmpty()) {
        QFile file(app.file(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&file);
        QString text;
        while (!svg.atEnd())
            if (svg.readNext() == QXmlStreamReader::Characters)
                text += svg.text().toString() + u'|';
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        for (const char *label : {"Design", "✓ Brief", "Sketches", "Review", "Build", "Frame", "Walls"})
            QVERIFY2(text.contains(QString("|") + label + "|"), label);
    }
}

QTEST_MAIN(TestTimeline)
#include "tst_timeline.moc"
