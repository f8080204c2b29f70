// The window's name on a session bus of the test's own: one window per session, an amount on request.

#include "ConverterApplication.h"
#include "FXSessionService.h"
#include "PrivateSessionBus.h"
#include "TableDriver.h"
#include "TestData.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QProcess>
#include <QTest>

#include <memory>

namespace {

// The answer to `method` of the window's object, called from `caller` while the window answers.
QDBusMessage answerTo(QDBusConnection &caller, const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        FXSessionService::ServiceName, FXSessionService::ObjectPath, FXSessionService::ServiceName, method);
    call.setArguments(arguments);
    QDBusPendingCall pending = caller.asyncCall(call);
    const bool answered = QTest::qWaitFor([&pending] { return pending.isFinished(); }, 10000);
    return answered ? pending.reply() : QDBusMessage();
}

std::unique_ptr<QProcess> startCambio(const QString &address)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(CAMBIO_PATH), QStringList());
    return process;
}

bool hasEnded(const QProcess &process)
{
    return process.state() == QProcess::NotRunning;
}

}

class SessionServiceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ofTwoStartsAtOnceOneShowsTheWindow();
    void onlyTheWindowsOwnRequestsReachIt_data();
    void onlyTheWindowsOwnRequestsReachIt();

private:
    std::unique_ptr<PrivateSessionBus> m_bus;
    // The programs started here never reach a rates server, nor the user's files.
    ScopedEnvironment m_ratesServer{"CAMBIO_RATES_URL", QByteArray("http://127.0.0.1:9/update.php")};
    TemporaryHome m_home;
    ScopedEnvironment m_runtimeFolder{"XDG_RUNTIME_DIR", m_home.path().toUtf8()};
};

void SessionServiceTest::initTestCase()
{
    m_bus = std::make_unique<PrivateSessionBus>(QList<PrivateSessionBus::Service>(),
                                                QProcessEnvironment::systemEnvironment());
    QVERIFY2(!m_bus->address().isEmpty(), "dbus-daemon does not start");
}

void SessionServiceTest::ofTwoStartsAtOnceOneShowsTheWindow()
{
    QDBusConnection caller = m_bus->connect(u"watcher"_qs);
    const auto one = startCambio(m_bus->address());
    const auto other = startCambio(m_bus->address());
    QVERIFY(one->waitForStarted() && other->waitForStarted());

    QTRY_VERIFY_WITH_TIMEOUT(hasEnded(*one) || hasEnded(*other), 60000);
    QProcess &ended = hasEnded(*one) ? *one : *other;
    QProcess &showing = hasEnded(*one) ? *other : *one;
    QCOMPARE(ended.exitCode(), 0);
    QCOMPARE(ended.readAllStandardOutput() + ended.readAllStandardError(), QByteArray());
    QVERIFY(!hasEnded(showing));
    QCOMPARE(caller.interface()->servicePid(FXSessionService::ServiceName).value(),
             uint(showing.processId()));
    QCOMPARE(answerTo(caller, u"ShowAmount"_qs, {u"USD"_qs, u"5"_qs}).errorName(), QString());

    showing.terminate();
    QTRY_VERIFY_WITH_TIMEOUT(hasEnded(showing), 30000);
    QCOMPARE(showing.exitCode(), 0);
}

void SessionServiceTest::onlyTheWindowsOwnRequestsReachIt_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("error");   // empty: answered
    QTest::addColumn<bool>("raises");
    QTest::addColumn<QString>("shown");   // in the amount's row; empty: no amount changes
    QTest::addColumn<double>("kept");     // the value saved as the last input
    const auto row = [](const QByteArray &name, const QString &method, const QVariantList &arguments,
                        const QString &error, bool raises, const QString &shown = {}, double kept = 0) {
        QTest::newRow(name.constData()) << method << arguments << error << raises << shown << kept;
    };
    const QString unknownMethod = u"org.freedesktop.DBus.Error.UnknownMethod"_qs;
    const QString invalidArgs = u"org.freedesktop.DBus.Error.InvalidArgs"_qs;
    const QString notShown = FXSessionService::NotShownError;
    const QString show = u"ShowAmount"_qs;
    row("Activate", u"Activate"_qs, {}, QString(), true);
    row("another method", u"Raise"_qs, {}, unknownMethod, false);
    // Typed into its row, written in the notation every locale shares and shown in the window's.
    row("an amount", show, {u"EUR"_qs, u"100.5"_qs}, {}, true, u"100,5"_qs, 100.5);
    row("an amount of the last row, out of sight", show, {u"MXN"_qs, u"7"_qs}, {}, true, u"7"_qs, 7.0);
    row("rounded as typed amounts are", show, {u"EUR"_qs, u"0.125"_qs}, {}, true, u"0,12"_qs, 0.12);
    row("the longest amount typing builds", show, {u"GBP"_qs, u"999999999999.99"_qs}, {}, true,
        u"999999999999,99"_qs, 999999999999.99);
    row("a tiny amount", show, {u"EUR"_qs, u"0.0000000012"_qs}, {}, true, u"0,0000000012"_qs, 1.2e-9);
    // Only what typing could build, in the notation every locale shares.
    for (const QString &amount : {u""_qs, u"1e3"_qs, u"-5"_qs, u"1,000.5"_qs, u".5"_qs, u"\u0665"_qs,
                                  u"1000000000000"_qs, u"999999999999.995"_qs})
        row("refused amount \"" + amount.toUtf8() + '"', show, {u"EUR"_qs, amount}, invalidArgs, false);
    row("a code in lower case", show, {u"eur"_qs, u"5"_qs}, notShown, true);
    // Refused like any other, and never sent back whole.
    row("a megabyte of digits", show, {u"EUR"_qs, QString(1 << 20, u'9')}, invalidArgs, false);
    row("a megabyte of code", show, {QString(1 << 20, u'E'), u"5"_qs}, notShown, true);
}

void SessionServiceTest::onlyTheWindowsOwnRequestsReachIt()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, error);
    QFETCH(bool, raises);
    QFETCH(QString, shown);
    QFETCH(double, kept);
    // More rows than the table shows at once.
    ConverterHarness core(
        {.locale = "de_DE", .visible = codes("EUR GBP JPY CHF CAD AUD SEK NOK DKK PLN CZK HUF NZD MXN")});
    ConverterApplication app(core);
    FXMainWindowController &window = app.window();
    const FXMainViewController &controller = *window.contentViewController();
    const TableDriver table(*window.contentViewController());
    FXSessionService service(m_bus->connect(u"first"_qs));
    QCOMPARE(service.start(), FXSessionService::Start::First);
    service.setApplication(app.delegate);
    app.delegate.showMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Typing into another row's field when the request comes; minimised, so that being raised shows.
    table.clickField(1);
    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());
    const QStringList amounts = table.shownAmounts();
    QDBusConnection caller = m_bus->connect(u"caller"_qs);

    const QDBusMessage reply = answerTo(caller, method, arguments);

    QCOMPARE(reply.errorName(), error);
    // Short, however much was sent.
    QVERIFY2(reply.errorMessage().size() <= 200, qPrintable(reply.errorMessage().left(300)));
    // Whatever raises the window has been handled by the time the answer arrives.
    QCoreApplication::processEvents();
    QCOMPARE(!window.isMinimized(), raises);
    if (shown.isEmpty()) {
        QCOMPARE(table.shownAmounts(), amounts);
        return;
    }
    const int row = int(controller.currencies().indexOf(arguments.first().toString()));
    QCOMPARE(table.table().selectedRow(), row);
    QCOMPARE(table.shown(row), shown);
    // The rows beside it convert it, and it is the amount kept for the next start.
    const int otherRow = row == 0 ? 1 : row - 1;
    QCOMPARE(table.shown(otherRow), core.amount(controller.currencies()[otherRow]));
    QTRY_COMPARE(core.standardDefaults.dictionaryForKey(u"LastInput"_qs),
                 std::optional(QVariantMap({{u"Currency"_qs, arguments.first()}, {u"Value"_qs, kept}})));
}

QTEST_MAIN(SessionServiceTest)
#include "SessionServiceTest.moc"
