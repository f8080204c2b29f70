// The window's name on the session bus: one window per session, brought to the front by a later
// start, and an amount shown on request; nothing else reaches it. On a bus of the test's own.

#include "ConverterApplication.h"
#include "FXSessionService.h"
#include "PrivateSessionBus.h"
#include "TableDriver.h"
#include "TestData.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QApplication>
#include <QDBusContext>
#include <QDBusPendingCall>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

// The answer to `method` of the window's object, called from `caller` while the window answers.
QDBusMessage answerTo(QDBusConnection &caller, const QString &method, const QVariantList &arguments,
                      const QString &interface = FXSessionService::ServiceName,
                      const QString &path = FXSessionService::ObjectPath)
{
    QDBusMessage call = QDBusMessage::createMethodCall(FXSessionService::ServiceName, path, interface, method);
    call.setArguments(arguments);
    QDBusPendingCall pending = caller.asyncCall(call);
    if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, 10000))
        return QDBusMessage();
    return pending.reply();
}

// Owns the window's name on a connection of its own and, asked to Activate, leaves the bus without
// an answer: a window that was closing as a later start asked it.
class EndingOwner : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.cambio.Cambio")

public:
    // Keeps no reference to its connection, which would keep it open.
    EndingOwner(const PrivateSessionBus &bus, QThread &thread)
    {
        moveToThread(&thread);
        QDBusConnection connection = bus.connect(u"ending"_qs);
        connection.registerObject(FXSessionService::ObjectPath, this,
                                  QDBusConnection::ExportScriptableSlots);
        connection.registerService(FXSessionService::ServiceName);
    }

public slots:
    Q_SCRIPTABLE void Activate()
    {
        setDelayedReply(true);
        QMetaObject::invokeMethod(
            this, [] { QDBusConnection::disconnectFromBus(u"ending"_qs); }, Qt::QueuedConnection);
    }
};

// Starts the program as a desktop would, on the bus at `address`.
std::unique_ptr<QProcess> startCambio(const QString &address, const QStringList &arguments = {})
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(CAMBIO_PATH), arguments);
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
    void aStartWhoseWindowEndsAsItAsksTakesItsPlace();
    void onlyTheWindowsOwnRequestsReachIt_data();
    void onlyTheWindowsOwnRequestsReachIt();
    void withoutASessionBusTheWindowStartsAlone();

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
    // The one left runs the window and answers for it.
    QVERIFY(!hasEnded(showing));
    QCOMPARE(caller.interface()->servicePid(FXSessionService::ServiceName).value(),
             uint(showing.processId()));
    QCOMPARE(answerTo(caller, u"ShowAmount"_qs, {u"USD"_qs, u"5"_qs}).errorName(), QString());

    showing.terminate();
    QTRY_VERIFY_WITH_TIMEOUT(hasEnded(showing), 30000);
    QCOMPARE(showing.exitCode(), 0);
}

void SessionServiceTest::aStartWhoseWindowEndsAsItAsksTakesItsPlace()
{
    QThread ownersThread;
    ownersThread.start();
    const auto stop = qScopeGuard([&ownersThread] {
        ownersThread.quit();
        ownersThread.wait();
    });
    EndingOwner owner(*m_bus, ownersThread);
    FXSessionService later(m_bus->connect(u"later"_qs));

    QCOMPARE(later.start(), FXSessionService::Start::First);
}

void SessionServiceTest::onlyTheWindowsOwnRequestsReachIt_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("error");   // empty: answered
    QTest::addColumn<bool>("raises");
    QTest::addColumn<QString>("shown");   // in the amount's row; empty: no amount changes
    QTest::addColumn<double>("kept");     // the value saved as the last input
    const auto row = [](const QByteArray &name, const QString &method, const QVariantList &arguments,
                        const QString &error, bool raises, const QString &shown = {}, double kept = 0,
                        const QString &interface = FXSessionService::ServiceName,
                        const QString &path = FXSessionService::ObjectPath) {
        QTest::newRow(name.constData())
            << path << interface << method << arguments << error << raises << shown << kept;
    };
    const QString unknownMethod = u"org.freedesktop.DBus.Error.UnknownMethod"_qs;
    const QString invalidArgs = u"org.freedesktop.DBus.Error.InvalidArgs"_qs;
    const QString notShown = FXSessionService::NotShownError;
    const QString show = u"ShowAmount"_qs;
    row("Activate", u"Activate"_qs, {}, QString(), true);
    row("Activate with an argument", u"Activate"_qs, {u"now"_qs}, unknownMethod, false);
    row("another method", u"Raise"_qs, {}, unknownMethod, false);
    row("another interface", u"Activate"_qs, {QVariantMap()}, u"org.freedesktop.DBus.Error.UnknownInterface"_qs,
        false, {}, 0, u"org.freedesktop.Application"_qs);
    row("another object", u"Activate"_qs, {}, u"org.freedesktop.DBus.Error.UnknownObject"_qs, false, {}, 0,
        FXSessionService::ServiceName, u"/org/example/Cambio"_qs);
    // Typed into its row, written in the notation every locale shares and shown in the window's.
    row("an amount", show, {u"EUR"_qs, u"100.5"_qs}, {}, true, u"100,5"_qs, 100.5);
    row("an amount of the main currency", show, {u"USD"_qs, u"42"_qs}, {}, true, u"42"_qs, 42.0);
    row("an amount of the last row, out of sight", show, {u"MXN"_qs, u"7"_qs}, {}, true, u"7"_qs, 7.0);
    row("leading zeros", show, {u"GBP"_qs, u"007"_qs}, {}, true, u"7"_qs, 7.0);
    row("rounded as typed amounts are", show, {u"EUR"_qs, u"0.125"_qs}, {}, true, u"0,12"_qs, 0.12);
    row("the longest amount typing builds", show, {u"GBP"_qs, u"999999999999.99"_qs}, {}, true,
        u"999999999999,99"_qs, 999999999999.99);
    row("a tiny amount", show, {u"EUR"_qs, u"0.0000000012"_qs}, {}, true, u"0,0000000012"_qs, 1.2e-9);
    row("an amount as a number", show, {u"EUR"_qs, 5.0}, unknownMethod, false);
    row("no amount", show, {u"EUR"_qs}, unknownMethod, false);
    // Only what typing could build, in the notation every locale shares.
    for (const QString &amount : {u""_qs, u"ten"_qs, u"1e3"_qs, u"-5"_qs, u"+5"_qs, u"1,000.5"_qs,
                                  u"100,5"_qs, u" 5"_qs, u".5"_qs, u"5."_qs, u"0x10"_qs, u"inf"_qs,
                                  u"\u0665"_qs, u"1000000000000"_qs, u"999999999999.995"_qs})
        row("refused amount \"" + amount.toUtf8() + '"', show, {u"EUR"_qs, amount}, invalidArgs, false);
    row("a currency not shown", show, {u"ZAR"_qs, u"5"_qs}, notShown, true);
    row("a code in lower case", show, {u"eur"_qs, u"5"_qs}, notShown, true);
    // A megabyte of digits, or of letters for a code, is refused like any other and never sent
    // back whole.
    row("a megabyte of digits", show, {u"EUR"_qs, QString(1 << 20, u'9')}, invalidArgs, false);
    row("a megabyte of code", show, {QString(1 << 20, u'E'), u"5"_qs}, notShown, true);
}

void SessionServiceTest::onlyTheWindowsOwnRequestsReachIt()
{
    QFETCH(QString, path);
    QFETCH(QString, interface);
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, error);
    QFETCH(bool, raises);
    QFETCH(QString, shown);
    QFETCH(double, kept);
    // More rows than the table shows at once.
    const QStringList visible = codes("EUR GBP JPY CHF CAD AUD SEK NOK DKK PLN CZK HUF NZD MXN");
    ConverterHarness core({.locale = "de_DE", .visible = visible});
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

    const QDBusMessage reply = answerTo(caller, method, arguments, interface, path);

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
    // The keyboard is the table's: a digit typed starts a new amount in that row.
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    QCOMPARE(table.shown(row), u"3"_qs);
    // So it does after a request for the row being typed into.
    QCOMPARE(answerTo(caller, method, arguments).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(table.shown(row), shown);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_4);
    QCOMPARE(table.shown(row), u"4"_qs);
}

void SessionServiceTest::withoutASessionBusTheWindowStartsAlone()
{
    const auto alone = startCambio(u"unix:path="_qs + m_home.path() + u"/no-bus"_qs,
                                   {u"--quit-after-first-paint"_qs});
    QVERIFY(alone->waitForFinished(60000));

    QCOMPARE(alone->exitCode(), 0);
    QVERIFY(alone->readAllStandardOutput().startsWith("first-paint"));
    // Nothing to tell the user: a desktop without a session bus is no fault of theirs.
    const QByteArray said = alone->readAllStandardError();
    QVERIFY2(!said.toLower().contains("bus"), said.constData());
}

QTEST_MAIN(SessionServiceTest)
#include "SessionServiceTest.moc"
