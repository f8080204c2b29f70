// Crash reports from the crash to the user's decision: a child process that dies leaves a whole
// report, the next start makes it readable and asks what to do with it, and the report ends where
// the answer puts it.

#include "FXCrashReportStore.h"
#include "FXTranslations.h"
#include "LoopbackHttpServer.h"
#include "Readables.h"
#include "ReportingHome.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

namespace {

const QString Crashes = QStringLiteral("crashes");

// A report of an earlier run, already readable.
void plantReport(const ReportingHome &home, const QString &name = QStringLiteral("crash-1-2.txt"))
{
    QDir().mkpath(home.state(Crashes));
    QFile report(home.state(Crashes, name));
    QVERIFY(report.open(QIODevice::WriteOnly));
    report.write("Cambio crash report\nSignal: 11 SIGSEGV\n");
}

// Dies as `how` says, with its report in `home`.
QProcess::ExitStatus crashChild(const ReportingHome &home, const QString &how, int *signal)
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

// Starts as the application does at launch, with a report of an earlier run; the alert shown.
QMessageBox *alertAtStart(ReportingHome &home)
{
    plantReport(home);
    home.manager.configureWithIdentifier(ReportingIdentifier);
    home.manager.startManager();
    const auto shown = [&] { return home.manager.crashReportAlert() && home.manager.crashReportAlert()->isVisible(); };
    return QTest::qWaitFor(shown) ? home.manager.crashReportAlert() : nullptr;
}

}

class CrashReportsTest : public QObject {
    Q_OBJECT

private slots:
    // The texts the user reads, as the application shows them.
    void initTestCase() { FXTranslations::install(*qApp); }
    // No message of one test is left for the next to find.
    void cleanup() { qDeleteAll(QApplication::topLevelWidgets()); }
    void aCrashLeavesAWholeReportNamingTheCrashingFunction_data();
    void aCrashLeavesAWholeReportNamingTheCrashingFunction();
    void aCrashWhileWritingLeavesNoReportToOffer();
    void theNextStartAsksWhatToDoWithTheReport_data();
    void theNextStartAsksWhatToDoWithTheReport();
    void withoutAnAddressTheReportStaysWhereTheAlertSays();
    void aReportThatCannotBeSentWaitsForTheNextStart();
    void aReportThatCannotBePutAsideIsSaidToComeAgain_data();
    void aReportThatCannotBePutAsideIsSaidToComeAgain();
};

void CrashReportsTest::aCrashLeavesAWholeReportNamingTheCrashingFunction_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("function");
    QTest::newRow("segmentation fault") << "segv" << SIGSEGV << "crashBySegmentationFault";
    QTest::newRow("abort") << "abort" << SIGABRT << "crashByAbort";
    QTest::newRow("division by zero") << "fpe" << SIGFPE << "crashByDivisionByZero";
    // The handler has a stack of its own to write with.
    QTest::newRow("stack overflow") << "overflow" << SIGSEGV << "crashByStackOverflow";
}

void CrashReportsTest::aCrashLeavesAWholeReportNamingTheCrashingFunction()
{
    QFETCH(QString, how);
    QFETCH(int, signal);
    QFETCH(QString, function);
    ReportingHome home;

    int died = 0;
    // The default action ran after the report: the process died of its signal.
    QCOMPARE(crashChild(home, how, &died), QProcess::CrashExit);
    QCOMPARE(died, signal);
    const QStringList written = home.files(Crashes);
    QCOMPARE(written.size(), 1);
    QVERIFY(written.first().endsWith(u".crash"));
    QFile raw(home.state(Crashes, written.first()));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(raw.readAll());
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

void CrashReportsTest::aCrashWhileWritingLeavesNoReportToOffer()
{
    ReportingHome home;
    int died = 0;
    QCOMPARE(crashChild(home, QStringLiteral("crash-while-writing"), &died), QProcess::CrashExit);
    QCOMPARE(died, SIGXFSZ);
    QCOMPARE(home.files(Crashes).size(), 1);
    QVERIFY(home.files(Crashes).first().endsWith(u".partial"));

    QVERIFY(home.manager.crashReports().pendingReports().isEmpty());
    QVERIFY(home.files(Crashes).isEmpty());
}

void CrashReportsTest::theNextStartAsksWhatToDoWithTheReport_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("posted");
    QTest::addColumn<bool>("alwaysSends");
    QTest::newRow("send") << "Send Report" << "sent" << true << false;
    QTest::newRow("don't send") << "Don't Send" << "unsent" << false << false;
    QTest::newRow("always send") << "Always Send" << "sent" << true << true;
}

void CrashReportsTest::theNextStartAsksWhatToDoWithTheReport()
{
    QFETCH(QString, answer);
    QFETCH(QString, folder);
    QFETCH(bool, posted);
    QFETCH(bool, alwaysSends);
    LoopbackHttpServer server;
    ReportingHome home;
    home.defaults.setObject(server.url(QStringLiteral("/crashes")).toString(),
                            FXReportingManager::CrashReportURLKey);
    QMessageBox *alert = alertAtStart(home);
    QVERIFY(alert);
    QVERIFY(alert->detailedText().contains(u"Signal: 11 SIGSEGV"));
    // The question names where the report would go.
    QVERIFY(alert->informativeText().contains(u"send a report of it to 127.0.0.1?"));
    QCOMPARE(alert->defaultButton()->text(), QStringLiteral("Send Report"));
    QCOMPARE(alert->escapeButton()->text(), QStringLiteral("Don't Send"));
    QAbstractButton *button = childReading<QAbstractButton>(alert, answer);
    QVERIFY(button);
    button->click();

    QTRY_COMPARE(home.files(Crashes, folder), QStringList(u"crash-1-2.txt"_qs));
    QVERIFY(home.files(Crashes).isEmpty());
    QCOMPARE(server.requests().size(), posted ? 1 : 0);
    if (posted)
        QVERIFY(server.requests().first().startsWith("POST /crashes "));
    QCOMPARE(home.defaults.boolForKey(FXReportingManager::AlwaysSendKey), alwaysSends);

    // At the start after that, a new report is sent unasked only if the user said so.
    plantReport(home, QStringLiteral("crash-3-4.txt"));
    home.manager.startManager();
    if (alwaysSends) {
        QTRY_COMPARE(home.files(Crashes, QStringLiteral("sent")).size(), 2);
        QVERIFY(!home.manager.crashReportAlert());
    } else {
        QTRY_VERIFY(home.manager.crashReportAlert());
        home.manager.crashReportAlert()->close();
    }
}

void CrashReportsTest::withoutAnAddressTheReportStaysWhereTheAlertSays()
{
    ReportingHome home;
    QMessageBox *alert = alertAtStart(home);
    QVERIFY(alert);
    QVERIFY(alert->informativeText().contains(u"on this computer, in the folder "_qs
                                              + home.state(Crashes, QStringLiteral("unsent"))));
    QVERIFY(!alert->informativeText().contains(u"URL"));
    QCOMPARE(alert->standardButtons(), QMessageBox::Ok);
    QVERIFY(!childReading<QAbstractButton>(alert, u"Send Report"_qs));
    QCOMPARE(home.files(Crashes, QStringLiteral("unsent")), QStringList(u"crash-1-2.txt"_qs));
    QTest::keyClick(alert, Qt::Key_Return);
    QTRY_VERIFY(!home.manager.crashReportAlert());
}

void CrashReportsTest::aReportThatCannotBeSentWaitsForTheNextStart()
{
    LoopbackHttpServer server;
    server.setResponse({.status = 500});
    ReportingHome home;
    home.defaults.setObject(server.url().toString(), FXReportingManager::CrashReportURLKey);
    QMessageBox *alert = alertAtStart(home);
    QVERIFY(alert);
    // The keyboard alone answers: Return takes the default button.
    QTest::keyClick(alert, Qt::Key_Return);

    QMessageBox *failure = nullptr;
    QTRY_VERIFY((failure = visibleMessageBox(u"The crash report could not be sent."_qs)));
    QVERIFY(failure->informativeText().contains(home.state(Crashes)));
    failure->close();
    QCOMPARE(home.files(Crashes), QStringList(u"crash-1-2.txt"_qs));
    QCOMPARE(home.manager.crashReports().pendingReports().size(), 1);
}

void CrashReportsTest::aReportThatCannotBePutAsideIsSaidToComeAgain_data()
{
    QTest::addColumn<QString>("answer");    // empty: no address set, nothing asked
    QTest::addColumn<QString>("blocked");   // the folder that cannot be made
    QTest::newRow("don't send") << "Don't Send" << "unsent";
    QTest::newRow("no address") << "" << "unsent";
    QTest::newRow("sent") << "Send Report" << "sent";
}

void CrashReportsTest::aReportThatCannotBePutAsideIsSaidToComeAgain()
{
    QFETCH(QString, answer);
    QFETCH(QString, blocked);
    LoopbackHttpServer server;
    ReportingHome home;
    if (!answer.isEmpty())
        home.defaults.setObject(server.url().toString(), FXReportingManager::CrashReportURLKey);
    // A link to nowhere where the folder would be: no folder can be made there.
    QVERIFY(QDir().mkpath(home.state(Crashes)));
    QVERIFY(QFile::link(home.folder.filePath(QStringLiteral("nowhere")), home.state(Crashes, blocked)));
    QMessageBox *alert = alertAtStart(home);
    QVERIFY(alert);

    QMessageBox *told = alert;
    if (!answer.isEmpty()) {
        childReading<QAbstractButton>(alert, answer)->click();
        QTRY_VERIFY((told = visibleMessageBox(u"The crash report could not be put aside."_qs)));
    }
    QVERIFY2(told->informativeText().contains(u"is offered again at the next start"_qs), qPrintable(told->informativeText()));
    QVERIFY(told->informativeText().contains(u"cannot make the folder "_qs + home.state(Crashes, blocked)));
    QCOMPARE(home.files(Crashes), QStringList(u"crash-1-2.txt"_qs));
    QCOMPARE(home.manager.crashReports().pendingReports().size(), 1);
}

QTEST_MAIN(CrashReportsTest)
#include "CrashReportsTest.moc"
