// Crash reports and feedback, each ending where the user's answer and the settings put it.

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

namespace {

const QString Crashes = QStringLiteral("crashes");
const QString Feedback = QStringLiteral("feedback");
const QString Identifier = QStringLiteral("0123456789abcdef0123456789abcdef");

// A state folder and settings of the test's own, and a manager that leaves the signals alone.
struct Home {
    QTemporaryDir folder;
    FXUserDefaults defaults{folder.filePath(QStringLiteral("standard.conf"))};
    FXLoadedFetcher fetcher;
    FXReportingManager manager{{.stateFolder = folder.filePath(QStringLiteral("state")),
                                .defaults = defaults,
                                .fetcher = fetcher,
                                .window = [] { return nullptr; },
                                .catchesCrashes = false}};

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
        return QDir().mkpath(state(kind))
               && QFile::link(folder.filePath(u"nowhere"_qs), state(kind, subfolder));
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

// A report of an earlier run and what the user answers at the next start.
struct Answer {
    QString key;        // a key, or the button clicked
    int serverStatus;   // 0: no address set, nothing asked
    QString blocked{};  // the folder that cannot be made
    QString ends{};     // where the report ends; empty: among the new ones
    QString told{};     // the message that follows the answer
    bool alwaysSends = false;
};

// A message written in the feedback form, and where it ends.
struct Message {
    FXFeedbackUserEmail requirement;
    QString email, text;
    int serverStatus;   // 0: no address set
    bool sentBlocked = false;   // the folder of sent messages cannot be made
    QString folder{};   // where the message ends
    QString result{};
};

}

Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(Message)

class ReportingTest : public QObject {
    Q_OBJECT

private slots:
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
    // The handler has a stack of its own to write with.
    QTest::newRow("stack overflow") << "overflow" << SIGSEGV << "crashByStackOverflow";
    QTest::newRow("a crash while writing") << "crash-while-writing" << SIGXFSZ << "";
    QTest::newRow("a report cut short by a full disk") << "crash-on-a-full-disk" << SIGSEGV << "";
}

void ReportingTest::aCrashLeavesAWholeReportNamingTheCrashingFunction()
{
    QFETCH(QString, how);
    QFETCH(int, signal);
    QFETCH(QString, function);
    Home home;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Under AddressSanitizer the crash handler, not the sanitizer's, takes the signals.
    environment.insert(u"ASAN_OPTIONS"_qs, environment.value(u"ASAN_OPTIONS"_qs)
                                               + u":handle_segv=0:handle_abort=0"_qs);
    child.setProcessEnvironment(environment);
    QVERIFY(QDir().mkpath(home.state(Crashes)));
    child.start(QStringLiteral(CRASH_CHILD_PATH), {how, home.state(Crashes)});
    QVERIFY(child.waitForFinished(30'000));

    // The default action ran after the report: the process died of its signal.
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(child.exitCode(), signal);
    const QStringList written = home.files(Crashes);
    if (function.isEmpty()) {
        // What was written before the process died is never taken for a report, nor left behind.
        QVERIFY(home.manager.crashReports().pendingReports().isEmpty());
        QVERIFY(home.files(Crashes).isEmpty());
        return;
    }
    QCOMPARE(written.size(), 1);
    QVERIFY(written.first().endsWith(u".crash"));
    const QString text = QString::fromUtf8(contents(home.state(Crashes, written.first())));
    QVERIFY2(text.contains(u"Signal: %1 "_qs.arg(signal)) && text.endsWith(u"\nEnd of report\n"),
             qPrintable(text));

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
    QTest::addColumn<Answer>("answer");
    const QString notSent = u"The crash report could not be sent."_qs;
    const QString notPutAside = u"The crash report could not be put aside."_qs;
    QTest::newRow("send") << Answer{u"Return"_qs, 200, {}, u"sent"_qs};
    QTest::newRow("don't send") << Answer{u"Escape"_qs, 200, {}, u"unsent"_qs};
    QTest::newRow("always send") << Answer{u"Always Send"_qs, 200, {}, u"sent"_qs, {}, true};
    QTest::newRow("no address") << Answer{u"Return"_qs, 0, {}, u"unsent"_qs};
    QTest::newRow("refused by the server") << Answer{u"Return"_qs, 500, {}, {}, notSent};
    QTest::newRow("don't send, no folder for it") << Answer{u"Escape"_qs, 200, u"unsent"_qs, {}, notPutAside};
    QTest::newRow("no address, no folder for it") << Answer{u"Return"_qs, 0, u"unsent"_qs};
    QTest::newRow("sent, no folder for it") << Answer{u"Return"_qs, 200, u"sent"_qs, {}, notPutAside};
}

void ReportingTest::theNextStartAsksWhatToDoWithTheReport()
{
    QFETCH(Answer, answer);
    LoopbackHttpServer server;
    server.setResponse({.status = answer.serverStatus});
    Home home;
    if (answer.serverStatus)
        home.defaults.setObject(server.url(u"/crashes"_qs).toString(), FXReportingManager::CrashReportURLKey);
    if (!answer.blocked.isEmpty())
        QVERIFY(home.block(Crashes, answer.blocked));
    home.plantReport();
    home.manager.configureWithIdentifier(Identifier);
    home.manager.startManager();
    QTRY_VERIFY(home.manager.crashReportAlert() && home.manager.crashReportAlert()->isVisible());
    QPointer<QMessageBox> alert = home.manager.crashReportAlert();
    // The question names where the report would go, in words a user knows.
    QString said = alert->informativeText();
    QVERIFY(!said.contains(u"URL"));
    QCOMPARE(bool(childReading<QAbstractButton>(alert, u"Send Report"_qs)), bool(answer.serverStatus));
    if (answer.serverStatus) {
        QVERIFY(said.contains(u"send a report of it to 127.0.0.1?"));
        // Chosen, not left to the style, so that Return and Escape answer as the user expects.
        QCOMPARE(alert->defaultButton(), childReading<QAbstractButton>(alert, u"Send Report"_qs));
        QCOMPARE(alert->escapeButton(), childReading<QAbstractButton>(alert, u"Don't Send"_qs));
    } else {
        QVERIFY(said.contains(u"on this computer, in the folder "_qs + home.state(Crashes, u"unsent"_qs)));
    }
    if (answer.key == u"Return" || answer.key == u"Escape")
        QTest::keyClick(alert, answer.key == u"Return" ? Qt::Key_Return : Qt::Key_Escape);
    else
        childReading<QAbstractButton>(alert, answer.key)->click();
    QTRY_VERIFY(!alert);

    if (!answer.told.isEmpty()) {
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())));
        QCOMPARE(box->text(), answer.told);
        said = box->informativeText();
    }
    if (!answer.blocked.isEmpty()) {
        QVERIFY2(said.contains(u"is offered again at the next start"_qs), qPrintable(said));
        QVERIFY(said.contains(u"cannot make the folder "_qs + home.state(Crashes, answer.blocked)));
    }
    if (answer.ends.isEmpty()) {
        QVERIFY2(said.contains(home.state(Crashes)), qPrintable(said));
        QCOMPARE(home.files(Crashes), QStringList(u"crash-1-2.txt"_qs));
        QCOMPARE(home.manager.crashReports().pendingReports().size(), 1);
    } else {
        QTRY_COMPARE(home.files(Crashes, answer.ends), QStringList(u"crash-1-2.txt"_qs));
        QVERIFY(home.files(Crashes).isEmpty());
    }
    const bool posted = answer.serverStatus && answer.key != u"Escape";
    QCOMPARE(server.requests().size(), posted ? 1 : 0);
    QVERIFY(!posted || server.requests().first().startsWith("POST /crashes "));

    // At the start after that, a new report is sent unasked only if the user said so.
    home.plantReport(u"crash-3-4.txt"_qs);
    home.manager.startManager();
    QTRY_COMPARE(home.files(Crashes).contains(u"crash-3-4.txt"_qs), !answer.alwaysSends);
    QTRY_COMPARE(bool(home.manager.crashReportAlert()), !answer.alwaysSends);
}

void ReportingTest::aMessageIsKeptAndPostedWhereTheSettingSays_data()
{
    QTest::addColumn<Message>("message");
    const auto required = FXFeedbackUserEmail::Required;
    const auto optional = FXFeedbackUserEmail::Optional;
    const QString address = u"ada@example.org"_qs, text = u"Two lines,\nplease."_qs;
    const QString thanks = u"Thank you for your feedback."_qs;
    QTest::newRow("posted") << Message{required, address, text, 200, false, u"sent"_qs, thanks};
    QTest::newRow("posted, but kept with the unsent")
        << Message{required, address, text, 200, true, {}, thanks};
    QTest::newRow("no address") << Message{optional, {}, text, 0, false, {}, thanks};
    QTest::newRow("refused, the hidden e-mail field not read")
        << Message{FXFeedbackUserEmail::DontShow, u"ada@"_qs, text, 503, false, {},
                   u"Your feedback could not be sent."_qs};
}

void ReportingTest::aMessageIsKeptAndPostedWhereTheSettingSays()
{
    QFETCH(Message, message);
    LoopbackHttpServer server;
    server.setResponse({.status = message.serverStatus});
    Home home;
    if (message.sentBlocked)
        QVERIFY(home.block(Feedback, u"sent"_qs));
    home.manager.configureWithIdentifier(Identifier);
    if (message.serverStatus)
        home.defaults.setObject(server.url(u"/feedback"_qs).toString(), FXFeedbackManager::FeedbackURLKey);
    FXFeedbackManager &feedback = home.manager.feedbackManager();
    feedback.setRequireUserEmail(message.requirement);
    feedback.showFeedbackWindow();
    FXFeedbackWindow *form = feedback.feedbackWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const bool asksEmail = message.requirement != FXFeedbackUserEmail::DontShow;
    QCOMPARE(form->emailField()->isVisible(), asksEmail);
    // Before anything is written the form tells where the message will go, in plain words.
    QString told;
    for (const QLabel *label : form->findChildren<QLabel *>())
        told += label->text();
    const QString destination = message.serverStatus ? u"sent to 127.0.0.1"_qs : home.state(Feedback);
    QVERIFY2(told.contains(destination), qPrintable(told));
    QVERIFY(!told.contains(u"URL"));
    QTest::keyClicks(form->nameField(), u"Ada"_qs);
    QTest::keyClicks(form->emailField(), message.email);
    form->messageField()->setPlainText(message.text);
    QTest::mouseClick(form->sendButton(), Qt::LeftButton);

    QMessageBox *box = nullptr;
    QTRY_VERIFY((box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())));
    QCOMPARE(box->text(), message.result);
    QTRY_VERIFY(!feedback.feedbackWindow());
    QCOMPARE(server.requests().size(), message.serverStatus ? 1 : 0);
    // Whatever kept the message from going or from the sent ones is told, with its folder.
    const QString details = box->informativeText();
    QCOMPARE(details.contains(home.state(Feedback)), message.serverStatus != 200 || message.sentBlocked);
    QCOMPARE(details.contains(u"cannot make the folder"), message.sentBlocked);
    const QStringList kept = home.files(Feedback, message.folder);
    QCOMPARE(kept.size(), 1);
    const QString keptPath = home.state(Feedback, message.folder) + u'/' + kept.first();
    const QJsonObject json = QJsonDocument::fromJson(contents(keptPath)).object();
    QCOMPARE(QStringList({json[u"name"].toString(), json[u"email"].toString(), json[u"message"].toString(),
                          json[u"identifier"].toString()}),
             QStringList({u"Ada"_qs, asksEmail ? message.email : QString(), message.text, Identifier}));
}

QTEST_MAIN(ReportingTest)
#include "ReportingTest.moc"
