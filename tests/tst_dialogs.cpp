// The open and save dialogs: their rules in the core, and the real windows
// driven with keys and clicks.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "project/OpenDialog.h"
#include "project/SaveDialog.h"
#include "app/Session.h"
#include "project/widgets/frmOpen.h"
#include "project/widgets/frmSave.h"

using NameProblem = SaveDialog::NameProblem;
Q_DECLARE_METATYPE(SaveDialog::NameProblem)

namespace {

const QString kInvalid = QStringLiteral("Please remove any spaces and/or special characters.");

struct Fixture {
    TempAppFolder app;
    ScriptedModals modals;
    Session s{app.path(), modals, modals};

    void project(const QString &fileName) { app.write("projects/" + fileName, "[Project]\r\n"); }
    // A project last saved minutesAgo minutes ago.
    void project(const QString &fileName, int minutesAgo)
    {
        project(fileName);
        QFile file(app.file("projects/" + fileName));
        file.open(QIODevice::ReadWrite);
        static const QDateTime now = QDateTime::currentDateTime();   // one "now", so alike times are alike
        file.setFileTime(now.addSecs(-60 * minutesAgo), QFileDevice::FileModificationTime);
    }
    SaveDialog saveDialog() { return SaveDialog(s.folders.projects(), modals, s.tools); }
    OpenDialog openDialog() { return OpenDialog(s.folders.projects(), modals); }
};

template <typename T> T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

QPoint rowCentre(QListWidget *list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void nameRules_data();
    void nameRules();
    void saveMessages_data();
    void saveMessages();
    void overwriteQuestion();

    void openListing();
    void layouts();
    void frmSaveKeysAndClicks();
    void frmOpenKeysAndClicks();
    void frmOpenListsAfreshOnActivation();
};

void TestDialogs::nameRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<NameProblem>("problem");
    QTest::newRow("letters digits - _") << "My-Plan_2027" << NameProblem::None;
    QTest::newRow("accents") << QString::fromUtf8("Überblick-été") << NameProblem::None;
    QTest::newRow("one character") << "x" << NameProblem::None;
    QTest::newRow("empty") << "" << NameProblem::Empty;
    for (const char *c : {" ", ".", ";", "'", "?", "@", "\"", "$", "/", "\\", ":", "*", "<", ">", "|"}) {
        QTest::addRow("refused %s at start", c) << QString::fromLatin1(c) + "name" << NameProblem::RefusedCharacter;
        QTest::addRow("refused %s at end", c) << "name" + QString::fromLatin1(c) << NameProblem::RefusedCharacter;
    }
    QTest::newRow("parent folder") << ".." << NameProblem::RefusedCharacter;
    for (char16_t c : {u'\0', u'\t', u'\n', u'\r', u'\x1F', u'\x7F', u'\x85'})
        QTest::addRow("control %d", int(c)) << "a" + QString(QChar(c)) + "b" << NameProblem::RefusedCharacter;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << NameProblem::RefusedCharacter;
    QTest::newRow("emoji pair") << QString::fromUtf8("plan\xF0\x9F\x9A\x80") << NameProblem::None;
    // 251 + ".gpj" is the longest file name; in bytes, so accents count double.
    QTest::newRow("longest") << QString(251, u'a') << NameProblem::None;
    QTest::newRow("one too long") << QString(252, u'a') << NameProblem::TooLong;
    QTest::newRow("too long in bytes") << QString(126, QChar(0xE9)) << NameProblem::TooLong;
}

void TestDialogs::nameRules()
{
    QFETCH(QString, name);
    QFETCH(NameProblem, problem);
    QCOMPARE(SaveDialog::nameProblem(name), problem);
}

void TestDialogs::saveMessages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("empty") << "" << "Please enter a name for the file." << "Missing Info";
    QTest::newRow("blank") << "my plan" << kInvalid << "Invalid Name";
    QTest::newRow("several refused, one message") << "a b.c;d$" << kInvalid << "Invalid Name";
    QTest::newRow("slash") << "../escape" << kInvalid << "Invalid Name";
    QTest::newRow("too long") << QString(300, u'n') << kInvalid << "Invalid Name";
}

void TestDialogs::saveMessages()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, title);
    Fixture f;
    SaveDialog d = f.saveDialog();
    d.txtSave = name;
    QVERIFY(!d.cmdOpen_Click());   // the dialog stays open
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].text, text);
    QCOMPARE(f.modals.asked[0].title, title);
    QCOMPARE(f.modals.asked[0].style, Msg::Information);
    QCOMPARE(d.txtSave, name);
}

void TestDialogs::overwriteQuestion()
{
    Fixture f;
    f.project("Plan.gpj");
    SaveDialog d = f.saveDialog();
    d.txtSave = "Plan";
    f.modals.answer(Msg::No);
    QVERIFY(!d.cmdOpen_Click());
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].text, QString("File already exists. Want to overwrite it?"));
    QCOMPARE(f.modals.asked[0].title, QString("File Already Exists"));
    QCOMPARE(f.modals.asked[0].style, Msg::YesNoQuestionNoFirst);   // Enter does not replace the file

    f.modals.answer(Msg::Yes);
    QCOMPARE(d.cmdOpen_Click(), f.s.folders.projects() + "Plan.gpj");
    QCOMPARE(f.s.document.filePath(), QString());   // the dialog changes nothing of the open project
    QCOMPARE(f.app.read("projects/Plan.gpj"), QByteArray("[Project]\r\n"));   // the dialog writes nothing
}

void TestDialogs::openListing()
{
    Fixture f;
    OpenDialog d = f.openDialog();
    d.Form_Activate();   // no projects folder yet
    QVERIFY(d.File1.isEmpty());

    // The one saved last first; alike times in name order.
    f.project("b.gpj", 5);
    f.project("A.gpj", 10);
    f.project("Upper.GPJ", 10);
    f.project("notes.txt", 0);
    f.project("b.gpj.bak", 0);
    QDir().mkpath(f.app.file("projects/folder.gpj"));
    OpenDialog fresh = f.openDialog();
    fresh.Form_Activate();
    QCOMPARE(fresh.File1, QStringList({"b.gpj", "A.gpj", "Upper.GPJ"}));
    QCOMPARE(fresh.File1_ListIndex, 0);   // Ctrl+O, Enter: the plan saved last

    d.Form_Activate();   // a dialog that listed nothing before selects nothing
    d.File1_ListIndex = 2;
    f.project("0-first.gpj", 1);
    d.Form_Activate();   // the pick follows its file through a refresh
    QCOMPARE(d.File1.at(d.File1_ListIndex), QString("Upper.GPJ"));
    QFile::remove(f.app.file("projects/Upper.GPJ"));
    d.Form_Activate();
    QCOMPARE(d.File1_ListIndex, -1);
}

void TestDialogs::layouts()
{
    Fixture f;
    SaveDialog save = f.saveDialog();
    frmSave ws(save);
    OpenDialog open = f.openDialog();
    frmOpen wo(open);   // no projects folder: an empty list, no failure
    QCOMPARE(ws.windowTitle() + "|" + wo.windowTitle(), QString("Save Project|Open Project"));
    QCOMPARE(ws.size(), QSize(636, 232));
    QCOMPARE(wo.size(), QSize(668, 483));
    for (QWidget *w : {static_cast<QWidget *>(&ws), static_cast<QWidget *>(&wo)})
        QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(child<QLabel>(ws, "Label1")->text(), QString(".gpj"));
    QCOMPARE(child<QLabel>(ws, "Label3")->text(), QString("Please don't use spaces or special characters."));
    QVERIFY(child<QPushButton>(ws, "cmdOpen")->isDefault());
    QCOMPARE(child<QLineEdit>(ws, "txtSave")->font().family(), QString("Verdana"));
    QCOMPARE(child<QLabel>(wo, "Label1")->text(), QString("Select a Project to Open:"));
    QCOMPARE(child<QListWidget>(wo, "File1")->geometry(), QRect(54, 66, 550, 330));
    QCOMPARE(child<QListWidget>(wo, "File1")->count(), 0);
    QVERIFY(child<QPushButton>(wo, "cmdOpen")->isDefault());   // Enter opens the selected file
}

void TestDialogs::frmSaveKeysAndClicks()
{
    Fixture f;
    {
        SaveDialog d = f.saveDialog();
        frmSave w(d);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *box = child<QLineEdit>(w, "txtSave");
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.modals.lastText(), QString("Please enter a name for the file."));
        QTest::keyClicks(box, "Typed");
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!w.isVisible() && w.result() == QDialog::Rejected && !w.chosen());
    }
    SaveDialog d = f.saveDialog();
    frmSave w(d);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *box = child<QLineEdit>(w, "txtSave");
    QCOMPARE(box->text(), QString());   // every use starts empty
    QTest::keyClicks(box, "my plan");
    QTest::mouseClick(child<QPushButton>(w, "cmdOpen"), Qt::LeftButton);
    QCOMPARE(f.modals.lastText(), kInvalid);
    QVERIFY(w.isVisible());
    QCOMPARE(box->text(), QString("my plan"));
    box->clear();
    QTest::keyClicks(box, "Garden_2027");
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(!w.isVisible() && w.result() == QDialog::Accepted);
    QCOMPARE(w.chosen(), f.s.folders.projects() + "Garden_2027.gpj");
}

void TestDialogs::frmOpenKeysAndClicks()
{
    Fixture f;
    f.project("Alpha.gpj", 2);
    f.project("Beta.gpj", 1);
    {
        OpenDialog d = f.openDialog();
        frmOpen w(d);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *list = child<QListWidget>(w, "File1");
        list->clearSelection();
        QTest::mouseClick(child<QPushButton>(w, "cmdOpen"), Qt::LeftButton);
        QCOMPARE(f.modals.lastText(), QString("Please select a file."));
        QCOMPARE(f.modals.asked.last().title, QString("Missing Info"));
        QVERIFY(w.isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!w.isVisible() && w.result() == QDialog::Rejected && !w.chosen());
    }
    {
        // Opened with the plan saved last selected: Enter opens it.
        OpenDialog d = f.openDialog();
        frmOpen w(d);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(child<QListWidget>(w, "File1"), Qt::Key_Return);
        QVERIFY(!w.isVisible() && w.result() == QDialog::Accepted);
        QCOMPARE(w.chosen(), f.s.folders.projects() + "Beta.gpj");
    }
    OpenDialog d = f.openDialog();
    frmOpen w(d);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *list = child<QListWidget>(w, "File1");
    // A double click is a click and then the double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
    QVERIFY(!w.isVisible() && w.result() == QDialog::Accepted);
    QCOMPARE(w.chosen(), f.s.folders.projects() + "Alpha.gpj");
}

void TestDialogs::frmOpenListsAfreshOnActivation()
{
    Fixture f;
    f.project("Alpha.gpj");
    OpenDialog d = f.openDialog();
    frmOpen w(d);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *list = child<QListWidget>(w, "File1");
    QCOMPARE(list->count(), 1);

    // Another window takes the focus; a project appears meanwhile.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    f.project("Beta.gpj");
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QString("Beta.gpj"));   // saved last, listed first
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
