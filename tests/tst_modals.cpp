// The real modal seam: QMessageBox shown by QtModals, answered with the
// keys a person presses, so the mapping from buttons and Esc is itself tested.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/widgets/QtModals.h"

Q_DECLARE_METATYPE(MsgStyle)
Q_DECLARE_METATYPE(MsgAnswer)

namespace {

struct Seen {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool cancelShown = false;
};

// Once the box is up, notes what it shows and does what the user does.
void whenTheBoxShows(Seen &seen, const std::function<void(QMessageBox *)> &act)
{
    QTimer::singleShot(0, [&seen, act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QAbstractButton *cancel = box->button(QMessageBox::Cancel);
        seen = {box->text(), box->windowTitle(), box->icon(), box->standardButtons(), cancel && cancel->isVisible()};
        act(box);
    });
}

} // namespace

class TestModals : public QObject {
    Q_OBJECT
private slots:
    void messageBoxAnswers_data();
    void messageBoxAnswers();
    void saveFileDialogAsksAboutTheFileItWrites();
};

void TestModals::messageBoxAnswers_data()
{
    using B = QMessageBox;
    QTest::addColumn<MsgStyle>("style");
    QTest::addColumn<QString>("action");   // a key, or "close" for the window's close box
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    const int yesNo = B::Yes | B::No, yesNoCancel = B::Yes | B::No | B::Cancel;
    QTest::newRow("information, Enter") << Msg::Information << "Enter" << Msg::Ok << int(B::Information) << int(B::Ok);
    QTest::newRow("information, Esc") << Msg::Information << "Esc" << Msg::Ok << int(B::Information) << int(B::Ok);
    QTest::newRow("error, Enter") << Msg::Critical << "Enter" << Msg::Ok << int(B::Critical) << int(B::Ok);
    QTest::newRow("plain, close box") << Msg::OkOnly << "close" << Msg::Ok << int(B::NoIcon) << int(B::Ok);
    QTest::newRow("yes/no, Enter is Yes") << Msg::YesNoQuestion << "Enter" << Msg::Yes << int(B::Question) << yesNo;
    QTest::newRow("yes/no, n is No") << Msg::YesNoQuestion << "n" << Msg::No << int(B::Question) << yesNo;
    QTest::newRow("yes/no, Esc is no answer") << Msg::YesNoQuestion << "Esc" << Msg::Cancel << int(B::Question) << yesNo;
    QTest::newRow("yes/no, close box is no answer") << Msg::YesNoQuestion << "close" << Msg::Cancel << int(B::Question)
                                                    << yesNo;
    QTest::newRow("no first, Enter is No") << Msg::YesNoQuestionNoFirst << "Enter" << Msg::No << int(B::Question) << yesNo;
    QTest::newRow("no first, y is Yes") << Msg::YesNoQuestionNoFirst << "y" << Msg::Yes << int(B::Question) << yesNo;
    QTest::newRow("no first, Esc is no answer") << Msg::YesNoQuestionNoFirst << "Esc" << Msg::Cancel << int(B::Question)
                                                << yesNo;
    QTest::newRow("yes/no/cancel, Enter") << Msg::YesNoCancelQuestion << "Enter" << Msg::Yes << int(B::Question) << yesNoCancel;
    QTest::newRow("yes/no/cancel, Esc") << Msg::YesNoCancelQuestion << "Esc" << Msg::Cancel << int(B::Question) << yesNoCancel;
    QTest::newRow("yes/no/cancel, close box") << Msg::YesNoCancelQuestion << "close" << Msg::Cancel << int(B::Question)
                                              << yesNoCancel;
}

void TestModals::messageBoxAnswers()
{
    QFETCH(MsgStyle, style);
    QFETCH(QString, action);
    QFETCH(MsgAnswer, answer);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QtModals modals(QString{});
    Seen seen;
    whenTheBoxShows(seen, [action](QMessageBox *box) {
        if (action == "close")
            box->close();
        else if (action == "Enter")
            QTest::keyClick(box, Qt::Key_Return);
        else if (action == "Esc")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            QTest::keyClick(box, action.at(0).toLatin1());
    });
    QCOMPARE(modals.MsgBox("Delete Sub Goal?", "Confirm", style), answer);
    QCOMPARE(seen.text + "|" + seen.title, QString("Delete Sub Goal?|Confirm"));
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(int(seen.buttons) & ~int(QMessageBox::Cancel), buttons & ~int(QMessageBox::Cancel));
    // A Cancel is shown only where the question offers one.
    QCOMPARE(seen.cancelShown, bool(buttons & QMessageBox::Cancel));
}

// A name typed without its suffix: the dialog adds it before it checks,
// so it asks before replacing the file that would really be written.
void TestModals::saveFileDialogAsksAboutTheFileItWrites()
{
    QTemporaryDir folder;
    QFile existing(folder.filePath("report.csv"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("kept");
    existing.close();
    QtModals modals(QString{});
    QStringList seen;
    QTimer user;
    user.callOnTimeout([&] {
        QWidget *up = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(up)) {
            seen << "asked: " + box->text();
            // Pressed once this tick is over: the box runs its own loop.
            QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Escape); });   // not replaced
        } else if (auto *dialog = qobject_cast<QFileDialog *>(up)) {
            if (seen.size() == 2) {
                seen << "cancelled";
                dialog->reject();
                return;
            }
            if (!seen.isEmpty())
                return;
            seen << "typed";
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            name->setText("report");
            QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
        }
    });
    user.start(50);
    QCOMPARE(modals.getSaveFileName("Export CSV", folder.filePath("plan.csv"), "CSV files (*.csv)", "csv"),
             std::optional<QString>());
    QCOMPARE(seen.size(), 3);
    QVERIFY2(seen[1].contains("report.csv"), qPrintable(seen.join(" / ")));
    QFile kept(folder.filePath("report.csv"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
}

QTEST_MAIN(TestModals)
#include "tst_modals.moc"
