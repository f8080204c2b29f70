// Crash reports and feedback as the user meets them: a child process that dies leaves a whole
// report, the next start asks what to do with it, the feedback form says what keeps a message from
// going, and each report or message ends where the answer and the settings put it.

#include "FXCrashReportStore.h"
#include "FXFeedbackManager.h"
#include "FXFeedbackWindow.h"
#include "FXLoadedFetcher.h"
#include "FXReportingManager.h"
#include "FXTranslations.h"
#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"
#include "Readables.h"
#include "TestData.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

Q_DECLARE_METATYPE(FXFeedbackUserEmail)

namespace {

const QString Crashes = QStringLiteral("crashes");
const QString Feedback = QStringLiteral("feedback");
const QString Identifier = QStringLiteral("0123456789abcdef0123456789abcdef");

// A state folder and window settings of the test's own, with a reporting manager over them that
// leaves the test's signals alone.
struct Home {
    QTemporaryDir folder;
    FXUserDefaults defaults{folder.filePath(QStringLiteral("standard.conf"))};
    FXLoadedFetcher fetcher;
    FXReportingManager manager{{.stateFolder = folder.filePath(QStringLiteral("state")),
                                .defaults = defaults,
                                .fetcher = fetcher,
                                .window = [] { return nullptr; },
                                .catchesCrashes = false}};

    // The folder state/`kind`, or its `subfolder`.
    QString state(const QString &kind, const QString &subfolder = QString()) const
    {
        return folder.filePath(u"state/"_qs + kind) + (subfolder.isEmpty() ? QString() : u'/' + subfolder);
    }
    QStringList files(const QString &kind, const QString &subfolder = QString()) const
    {
        return QDir(state(kind, subfolder)).entryList(QDir::Files, QDir::Name);
    }
    // A link to nowhere where the folder `subfolder` of `kind` would be: none can be made there.
    bool block(const QString &kind, const QString &subfolder) const
    {
        return QDir().mkpath(state(kind)) && QFile::link(folder.filePath(u"nowhere"_qs), state(kind, subfolder));
    }
    // A report of an earlier run, already readable.
    void plantReport(const QString &name = u"crash-1-2.txt"_qs) const
    {
        QDir().mkpath(state(Crashes));
        QFile report(state(Crashes, name));
        QVERIFY(report.open(QIODevice::WriteOnly));
        report.write("Cambio crash report\nSignal: 11 SIGSEGV\n");
    }
};

// The visible message box saying `text`, or any visible one.
QMessageBox *visibleMessageBox(const QString &text = QString())
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->isVisible() && (text.isEmpty() || box->text() == text))
            return box;
    }
    return nullptr;
}

// Dies as `how` says, with its report in `home`.
QProcess::ExitStatus crashChild(const Home &home, const QString &how, int *signal)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home.folder.filePath(QStringLiteral("state")));
    // Under AddressSanitizer the crash handler, not the sanitizer's, takes the signals.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), environment.value(QStringLiteral("ASAN_OPTIONS"))
                                                           + QStringLiteral(":handle_segv=0:handle_abort=0:handle_sigfpe=0"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(CRASH_CHILD_PATH), {how});
    child.waitForFinished(30'000);
    *signal = child.exitCode();
    return child.exitStatus();
}

}

class ReportingTest : public QObject {
    Q_OBJECT

private slots:
    // The texts the user reads, as the application shows them.
    void initTestCase() { FXTranslations::install(*qApp); }
    // No message of one test is left for the next to find.
    void cleanup() { qDeleteAll(QApplication::topLevelWidgets()); }
    void aCrashLeavesAWholeReportNamingTheCrashingFunction_data();
    void aCrashLeavesAWholeReportNamingTheCrashingFunction();
    void theNextStartAsksWhatToDoWithTheReport_data();
    void theNextStartAsksWhatToDoWithTheReport();
    void aMessageIsKeptAndPostedWhereTheSettingSays_data();
    void aMessageIsKeptAndPostedWhereTheSettingSays();
};

void ReportingTest::aCrashLeavesAWholeReportNamingTheCrashingFunction_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("function");   // empty: no whole report, so none to offer
    QTest::newRow("segmentation fault") << "segv" << SIGSEGV << "crashBySegmentationFault";
    QTest::newRow("abort") << "abort" << SIGABRT << "crashByAbort";
    QTest::newRow("division by zero") << "fpe" << SIGFPE << "crashByDivisionByZero";
    // The handler has a stack of its own to write with.
    QTest::newRow("stack overflow") << "overflow" << SIGSEGV << "crashByStackOverflow";
    QTest::newRow("a crash while writing") << "crash-while-writing" << SIGXFSZ << "";
}

void ReportingTest::aCrashLeavesAWholeReportNamingTheCrashingFunction()
{
    QFETCH(QString, how);
    QFETCH(int, signal);
    QFETCH(QString, function);
    Home home;

    int died = 0;
    // The default action ran after the report: the process died of its signal.
    QCOMPARE(crashChild(home, how, &died), QProcess::CrashExit);
    QCOMPARE(died, signal);
    const QStringList written = home.files(Crashes);
    QCOMPARE(written.size(), 1);
    QVERIFY(written.first().endsWith(function.isEmpty() ? u".partial" : u".crash"));
    if (function.isEmpty()) {
        QVERIFY(home.manager.crashReports().pendingReports().isEmpty());
        QVERIFY(home.files(Crashes).isEmpty());
        return;
    }
    const QString text = QString::fromUtf8(contents(home.state(Crashes, written.first())));
    for (const QString &line : {u"Identifier: 0123456789abcdef0123456789abcdef"_qs, u"Version: 9.8.7"_qs,
                                u"Signal: %1 "_qs.arg(signal), u"Fault address: 0x"_qs, u"Time: "_qs,
                                u"\nFrames:\n0x"_qs, u"\nModules:\n0x"_qs, u"crash_child\n"_qs,
                                u"\nMemory map:\n"_qs, u"\nEnd of report\n"_qs})
        QVERIFY2(text.contains(line), qPrintable(line));

    const QList<FXCrashReportStore::Report> pending = home.manager.crashReports().pendingReports();
    QCOMPARE(pending.size(), 1);
    // Named, with its line, even where the compiler made a copy of it for the constant argument.
    const QRegularExpression frame(u"\\n#\\d+ +0x[0-9a-f]+ .*"_qs + function
                                   + u"\\(.*\\) .*\\(CrashChild\\.cpp:\\d+\\) in crash_child\\n"_qs);
    QVERIFY2(frame.match(pending.first().text).hasMatch(), qPrintable(pending.first().text));
    QCOMPARE(home.files(Crashes), QStringList(QFileInfo(written.first()).completeBaseName() + u".txt"));
}

void ReportingTest::theNextStartAsksWhatToDoWithTheReport_data()
{
    QTest::addColumn<QString>("answer");    // a key, or the button clicked
    QTest::addColumn<int>("serverStatus");  // 0: no address set, nothing asked
    QTest::addColumn<QString>("blocked");   // the folder that cannot be made
    QTest::addColumn<QString>("ends");      // where the report ends; empty: among the new ones
    QTest::addColumn<int>("posts");
    QTest::addColumn<QString>("told");      // the message that follows the answer
    QTest::addColumn<bool>("alwaysSends");
    const QString notSent = u"The crash report could not be sent."_qs;
    const QString notPutAside = u"The crash report could not be put aside."_qs;
    QTest::newRow("send") << "Return" << 200 << "" << "sent" << 1 << "" << false;
    QTest::newRow("don't send") << "Escape" << 200 << "" << "unsent" << 0 << "" << false;
    QTest::newRow("always send") << "Always Send" << 200 << "" << "sent" << 1 << "" << true;
    QTest::newRow("no address") << "Return" << 0 << "" << "unsent" << 0 << "" << false;
    QTest::newRow("refused by the server") << "Return" << 500 << "" << "" << 1 << notSent << false;
    QTest::newRow("don't send, no folder for it") << "Escape" << 200 << "unsent" << "" << 0 << notPutAside << false;
    QTest::newRow("no address, no folder for it") << "Return" << 0 << "unsent" << "" << 0 << "" << false;
    QTest::newRow("sent, no folder for it") << "Return" << 200 << "sent" << "" << 1 << notPutAside << false;
}

void ReportingTest::theNextStartAsksWhatToDoWithTheReport()
{
    QFETCH(QString, answer);
    QFETCH(int, serverStatus);
    QFETCH(QString, blocked);
    QFETCH(QString, ends);
    QFETCH(int, posts);
    QFETCH(QString, told);
    QFETCH(bool, alwaysSends);
    LoopbackHttpServer server;
    server.setResponse({.status = serverStatus});
    Home home;
    if (serverStatus)
        home.defaults.setObject(server.url(u"/crashes"_qs).toString(), FXReportingManager::CrashReportURLKey);
    if (!blocked.isEmpty())
        QVERIFY(home.block(Crashes, blocked));
    // Started as the application is at launch, with a report of an earlier run.
    home.plantReport();
    home.manager.configureWithIdentifier(Identifier);
    home.manager.startManager();
    QTRY_VERIFY(home.manager.crashReportAlert() && home.manager.crashReportAlert()->isVisible());
    QPointer<QMessageBox> alert = home.manager.crashReportAlert();
    QVERIFY(alert->detailedText().contains(u"Signal: 11 SIGSEGV"));
    // The question names where the report would go, in words a user knows.
    QString said = alert->informativeText();
    QVERIFY(!said.contains(u"URL"));
    if (serverStatus) {
        QVERIFY(said.contains(u"send a report of it to 127.0.0.1?"));
        // Chosen, not left to the style: a slip of the Return or Escape key answers as the user expects.
        QCOMPARE(alert->defaultButton(), childReading<QPushButton>(alert, u"Send Report"_qs));
        QCOMPARE(alert->escapeButton(), childReading<QAbstractButton>(alert, u"Don't Send"_qs));
    } else {
        QVERIFY(said.contains(u"on this computer, in the folder "_qs + home.state(Crashes, u"unsent"_qs)));
        QCOMPARE(alert->standardButtons(), QMessageBox::Ok);
    }
    QCOMPARE(childReading<QAbstractButton>(alert, u"Send Report"_qs) != nullptr, serverStatus != 0);
    // The keyboard alone answers: Return takes the default button, Escape declines.
    if (answer == u"Return" || answer == u"Escape")
        QTest::keyClick(alert, answer == u"Return" ? Qt::Key_Return : Qt::Key_Escape);
    else
        childReading<QAbstractButton>(alert, answer)->click();
    QTRY_VERIFY(!alert);

    if (!told.isEmpty()) {
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = visibleMessageBox(told)));
        said = box->informativeText();
        box->close();
    }
    if (!blocked.isEmpty()) {
        QVERIFY2(said.contains(u"is offered again at the next start"_qs), qPrintable(said));
        QVERIFY(said.contains(u"cannot make the folder "_qs + home.state(Crashes, blocked)));
    }
    if (ends.isEmpty()) {
        // Told, with the folder where it stays.
        QVERIFY2(said.contains(home.state(Crashes)), qPrintable(said));
        QCOMPARE(home.files(Crashes), QStringList(u"crash-1-2.txt"_qs));
        QCOMPARE(home.manager.crashReports().pendingReports().size(), 1);
    } else {
        QTRY_COMPARE(home.files(Crashes, ends), QStringList(u"crash-1-2.txt"_qs));
        QVERIFY(home.files(Crashes).isEmpty());
    }
    QCOMPARE(server.requests().size(), posts);
    if (posts)
        QVERIFY(server.requests().first().startsWith("POST /crashes "));
    QCOMPARE(home.defaults.boolForKey(FXReportingManager::AlwaysSendKey), alwaysSends);

    // At the start after that, a new report is sent unasked only if the user said so.
    home.plantReport(u"crash-3-4.txt"_qs);
    home.manager.startManager();
    if (alwaysSends) {
        QTRY_COMPARE(home.files(Crashes, u"sent"_qs).size(), 2);
        QVERIFY(!home.manager.crashReportAlert());
    } else {
        QTRY_VERIFY(home.manager.crashReportAlert());
    }
}

void ReportingTest::aMessageIsKeptAndPostedWhereTheSettingSays_data()
{
    QTest::addColumn<FXFeedbackUserEmail>("requirement");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");    // what the form says instead of sending
    QTest::addColumn<int>("serverStatus");   // 0: no address set
    QTest::addColumn<bool>("sentBlocked");   // the folder of sent messages cannot be made
    QTest::addColumn<QString>("folder");     // where the message ends
    QTest::addColumn<QString>("result");
    const auto required = FXFeedbackUserEmail::Required;
    const auto optional = FXFeedbackUserEmail::Optional;
    const QString address = u"ada@example.org"_qs, text = u"Two lines,\nplease."_qs;
    const QString noEmail = u"Please enter your e-mail address."_qs, thanks = u"Thank you for your feedback."_qs;
    QTest::newRow("posted") << required << address << text << "" << 200 << false << "sent" << thanks;
    QTest::newRow("posted, but kept with the unsent") << required << address << text << "" << 200 << true << "" << thanks;
    QTest::newRow("no address") << optional << "" << text << "" << 0 << false << "" << thanks;
    QTest::newRow("refused, the hidden e-mail field not read")
        << FXFeedbackUserEmail::DontShow << "ada@" << text << "" << 503 << false << "" << "Your feedback could not be sent.";
    QTest::newRow("e-mail required and missing") << required << "" << text << noEmail << 200 << false << "" << "";
    QTest::newRow("e-mail required and blank") << required << "   " << text << noEmail << 200 << false << "" << "";
    QTest::newRow("incomplete address") << optional << "ada@" << text << "This e-mail address is not complete."
                                        << 200 << false << "" << "";
    QTest::newRow("empty message") << optional << "" << " \n " << "Please write a message." << 200 << false << "" << "";
}

void ReportingTest::aMessageIsKeptAndPostedWhereTheSettingSays()
{
    QFETCH(FXFeedbackUserEmail, requirement);
    QFETCH(QString, email);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QFETCH(int, serverStatus);
    QFETCH(bool, sentBlocked);
    QFETCH(QString, folder);
    QFETCH(QString, result);
    LoopbackHttpServer server;
    server.setResponse({.status = serverStatus});
    Home home;
    if (sentBlocked)
        QVERIFY(home.block(Feedback, u"sent"_qs));
    home.manager.configureWithIdentifier(Identifier);
    if (serverStatus)
        home.defaults.setObject(server.url(QStringLiteral("/feedback")).toString(), FXFeedbackManager::FeedbackURLKey);
    FXFeedbackManager &feedback = home.manager.feedbackManager();
    feedback.setRequireUserEmail(requirement);
    feedback.showFeedbackWindow();
    FXFeedbackWindow *form = feedback.feedbackWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->emailField()->isVisible(), requirement != FXFeedbackUserEmail::DontShow);
    // Before anything is written the form tells where the message will go, in plain words.
    QString told;
    for (const QLabel *label : form->findChildren<QLabel *>())
        told += label->text();
    QVERIFY2(told.contains(serverStatus ? u"sent to 127.0.0.1"_qs : home.state(Feedback)), qPrintable(told));
    QVERIFY(!told.contains(u"URL"));
    QTest::keyClicks(form->nameField(), QStringLiteral("Ada"));
    QTest::keyClicks(form->emailField(), email);
    form->messageField()->setPlainText(text);
    QTest::mouseClick(form->sendButton(), Qt::LeftButton);

    if (!problem.isEmpty()) {
        QCOMPARE(form->problemLabel()->text(), problem);
        QVERIFY(form->problemLabel()->isVisible());
        // The keyboard is where the problem is.
        QCOMPARE(QApplication::focusWidget(), problem.contains(u"e-mail") ? static_cast<QWidget *>(form->emailField())
                                                                          : static_cast<QWidget *>(form->messageField()));
        QVERIFY(home.files(Feedback).isEmpty());
        return;
    }
    QMessageBox *box = nullptr;
    QTRY_VERIFY((box = visibleMessageBox()));
    QCOMPARE(box->text(), result);
    QTRY_VERIFY(!feedback.feedbackWindow());
    QCOMPARE(server.requests().size(), serverStatus ? 1 : 0);
    // Whatever kept the message from going or from being put with the sent ones is told, with
    // the folder where it stays.
    QCOMPARE(box->informativeText().contains(home.state(Feedback)), serverStatus != 200 || sentBlocked);
    QCOMPARE(box->informativeText().contains(u"cannot make the folder"), sentBlocked);
    const QStringList kept = home.files(Feedback, folder);
    QCOMPARE(kept.size(), 1);
    const QJsonObject message =
        QJsonDocument::fromJson(contents(home.state(Feedback, folder) + u'/' + kept.first())).object();
    QCOMPARE(message.value(u"name").toString(), QStringLiteral("Ada"));
    QCOMPARE(message.value(u"email").toString(), requirement == FXFeedbackUserEmail::DontShow ? QString() : email);
    QCOMPARE(message.value(u"message").toString(), text);
    QCOMPARE(message.value(u"identifier").toString(), Identifier);
    box->close();
}

QTEST_MAIN(ReportingTest)
#include "ReportingTest.moc"
