// Tarvo in German and Spanish: every text of Texts has a translation in
// the .qm files the build makes, the window and Qt's own dialogs speak the
// user's language, the working week follows the locale, and a project
// saved in one language is the same file in another.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "app/widgets/Form1.h"
#include "base/Texts.h"
#include "base/Translations.h"
#include "project/WorkCalendar.h"

namespace {

// Each tr("...") of Texts as the compiler reads it: adjacent literals
// joined, the escapes \" \n \\ undone.
QStringList textsSources()
{
    QString code;
    for (const char *name : {"/src/base/Texts.h", "/src/base/Texts.cpp"}) {
        QFile file(qEnvironmentVariable("TARVO_SOURCE_DIR") + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        code += QString::fromUtf8(file.readAll());
    }
    static const QRegularExpression call(QStringLiteral(R"re(\btr\(((?:\s*"(?:[^"\\]|\\.)*")+)\s*\))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QStringList sources;
    for (const QRegularExpressionMatch &m : call.globalMatch(code)) {
        QString text;
        for (const QRegularExpressionMatch &part : literal.globalMatch(m.captured(1)))
            text += part.captured(1);
        text.replace(QStringLiteral("\\n"), QStringLiteral("\n")).replace(QStringLiteral("\\\""), QStringLiteral("\""));
        text.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        sources.append(text);
    }
    return sources;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("%\\d"));
    QStringList found;
    for (const QRegularExpressionMatch &m : mark.globalMatch(text))
        found.append(m.captured());
    found.sort();
    return found;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void theWindowSpeaksTheLanguage_data();
    void theWindowSpeaksTheLanguage();
    void englishStaysAsWritten();
    void workingWeekFollowsTheLocale_data();
    void workingWeekFollowsTheLocale();
    void aNewProjectsWeekIsTheLocales();
    void aFileIsTheSameInEveryLanguage();
};

void TestTranslations::cleanup()
{
    installTranslations(QLocale::c());
    QLocale::setDefault(QLocale::c());
}

void TestTranslations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("Spanish") << "es";
}

// Every text, its placeholders and its one Alt letter kept: a missing %1
// would drop a file name from a message, a lost "&" a mnemonic.
void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/tarvo_") + language));
    const QStringList sources = textsSources();
    QVERIFY2(sources.size() > 150, qPrintable(QString::number(sources.size())));
    QStringList missing;
    for (const QString &source : sources) {
        const QString translated = translator.translate("Texts", source.toUtf8().constData());
        if (translated.isEmpty())
            missing.append(source);
        else if (placeholders(translated) != placeholders(source) || translated.count(u'&') != source.count(u'&'))
            missing.append(source + QStringLiteral(" -> ") + translated);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
}

void TestTranslations::theWindowSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("englishMenu");   // a text that must not stay English
    QTest::newRow("German") << "de_DE" << "&Project";
    QTest::newRow("Spanish") << "es_ES" << "&Project";
}

// The menus, the cards, the Designer forms and Qt's own buttons.
void TestTranslations::theWindowSpeaksTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, englishMenu);
    QVERIFY(installTranslations(QLocale(locale)));
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w(app.path(), modals, modals);
    const QString menu = w.menuBar()->actions().constFirst()->text();
    QVERIFY2(menu != englishMenu && menu.count(u'&') == 1, qPrintable(menu));
    QCOMPARE(menu, Texts::menuProject());
    const QString prepare = w.findChild<QPushButton *>(QStringLiteral("cmdPrepareCalendar"))->text();
    QVERIFY2(!prepare.startsWith(QStringLiteral("Prepare")), qPrintable(prepare));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QVERIFY2(box.button(QMessageBox::Yes)->text() != QStringLiteral("&Yes"), "Qt's own texts are not translated");
}

// English, or a language without a translation: the texts as written.
void TestTranslations::englishStaysAsWritten()
{
    QVERIFY(!installTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
    QCOMPARE(Texts::menuProject(), QStringLiteral("&Project"));
    QVERIFY(!installTranslations(QLocale(QLocale::Finnish, QLocale::Finland)));
    QCOMPARE(Texts::tasksCounter(5), QStringLiteral("Tasks: 5"));
    QVERIFY(installTranslations(QLocale(QLocale::German, QLocale::Germany)));
    QVERIFY(Texts::tasksCounter(5) != QStringLiteral("Tasks: 5"));
    QVERIFY(!installTranslations(QLocale::c()));
    QCOMPARE(Texts::tasksCounter(5), QStringLiteral("Tasks: 5"));
}

void TestTranslations::workingWeekFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("week");   // Monday first, 1 = worked
    QTest::newRow("Germany") << "de_DE" << "1111100";
    QTest::newRow("United States") << "en_US" << "1111100";
    QTest::newRow("Egypt: Sunday to Thursday") << "ar_EG" << "1111001";
    QTest::newRow("Israel: Sunday to Thursday") << "he_IL" << "1111001";
}

void TestTranslations::workingWeekFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, week);
    const WorkWeek days = workWeekOf(QLocale(locale));
    QString shown;
    for (bool worked : days)
        shown += worked ? u'1' : u'0';
    QCOMPARE(shown, week);
}

// Through the window: a new project's panel ticks the locale's days, and
// none is written into the project for it.
void TestTranslations::aNewProjectsWeekIsTheLocales()
{
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w(app.path(), modals, modals);
    w.findChild<QAction *>(QStringLiteral("mnuSchedule"))->trigger();
    QString ticked;
    for (int d = 1; d <= 7; ++d)
        ticked += w.findChild<QCheckBox *>(QStringLiteral("chkWorkDay_%1").arg(d))->isChecked() ? u'1' : u'0';
    QCOMPARE(ticked, QStringLiteral("1111001"));
    QVERIFY(!w.session().document.project().settings.workWeek);
}

// A project made and saved in German, opened and saved in English: the
// same bytes.
void TestTranslations::aFileIsTheSameInEveryLanguage()
{
    installTranslations(QLocale(QLocale::German, QLocale::Germany));
    TempAppFolder app;
    ScriptedModals modals;
    {
        Form1 w(app.path(), modals, modals);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *box = w.findChild<QLineEdit *>(QStringLiteral("txtSubGoal"));
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("Fundament"));
        QTest::keyClick(box, Qt::Key_Return);
        w.session().document.setTasks(0, QStringLiteral("Graben + 2\nGießen --\n"));
        modals.saveActions.append(typeAndSave(QStringLiteral("Haus")));
        modals.answer(MsgAnswer::Ok);
        w.findChild<QAction *>(QStringLiteral("mnuSave"))->trigger();
    }
    const QByteArray german = readFile(app.file(QStringLiteral("projects/Haus.gpj")));
    QVERIFY(german.contains("Goal1_Name=Fundament"));

    installTranslations(QLocale::c());
    Form1 w(app.path(), modals, modals);
    modals.openActions.append(pickAndOpen(QStringLiteral("Haus.gpj")));
    w.findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    QCOMPARE(w.session().document.project().subGoals.size(), 1);
    w.session().document.setName(w.session().document.project().name + QStringLiteral(" "));
    w.session().document.setName(w.session().document.project().name.chopped(1));
    modals.answer(MsgAnswer::Ok);
    w.findChild<QAction *>(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(readFile(app.file(QStringLiteral("projects/Haus.gpj"))), german);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
