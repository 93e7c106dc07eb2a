// The real modal seam: QMessageBox shown by QtModals, answered with the
// keys a person presses, so the mapping from buttons and Esc is itself tested.
#include <QApplication>
#include <QMessageBox>
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

QTEST_MAIN(TestModals)
#include "tst_modals.moc"
