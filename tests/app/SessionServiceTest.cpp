// The window's name on the session bus: one window per session, brought to the front by a later
// start, and an amount shown on request; nothing else reaches it. On a bus of the test's own.

#include "ConverterApplication.h"
#include "FXSessionService.h"
#include "PrivateSessionBus.h"
#include "TableDriver.h"

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

// The converter window of a first start, on `bus`, with its crash reports in the harness's home.
struct FirstWindow {
    explicit FirstWindow(const QDBusConnection &bus,
                         const ConverterHarness::Setup &setup = {.visible = {u"EUR"_qs, u"GBP"_qs, u"JPY"_qs}})
        : core(setup)
        , app(core)
        , service(bus)
        , start(service.start())
        , table(*window()->contentViewController())
    {
        service.setApplication(app.delegate);
    }
    // Minimised, so that being raised shows.
    bool showMinimized()
    {
        app.delegate.showMainWindow();
        if (!QTest::qWaitForWindowExposed(window()))
            return false;
        window()->showMinimized();
        return QTest::qWaitFor([this] { return window()->isMinimized(); });
    }
    FXMainWindowController *window() const { return &app.window(); }
    QStringList shownAmounts() const
    {
        QStringList amounts;
        for (int row = 0; row < window()->contentViewController()->currencies().size(); ++row)
            amounts.append(table.shown(row));
        return amounts;
    }

    ConverterHarness core;
    ConverterApplication app;
    FXSessionService service;
    FXSessionService::Start start;
    TableDriver table;
};

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
    void aSecondStartBringsTheWindowBackAndEnds();
    void ofTwoStartsAtOnceOneShowsTheWindow();
    void aStartWhoseWindowEndsAsItAsksTakesItsPlace();
    void onlyTheWindowsOwnRequestsRaiseIt_data();
    void onlyTheWindowsOwnRequestsRaiseIt();
    void anAmountShownOnRequestIsTypedIntoItsRow_data();
    void anAmountShownOnRequestIsTypedIntoItsRow();
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

void SessionServiceTest::aSecondStartBringsTheWindowBackAndEnds()
{
    FirstWindow first(m_bus->connect(u"first"_qs));
    QCOMPARE(first.start, FXSessionService::Start::First);
    QVERIFY(first.showMinimized());

    const auto second = startCambio(m_bus->address());
    QTRY_VERIFY_WITH_TIMEOUT(hasEnded(*second), 60000);

    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(second->readAllStandardOutput(), QByteArray());
    QCOMPARE(second->readAllStandardError(), QByteArray());
    QTRY_VERIFY(!first.window()->isMinimized());
    QVERIFY(first.window()->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(first.window()));
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
    QCOMPARE(ended.readAllStandardError(), QByteArray());
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

void SessionServiceTest::onlyTheWindowsOwnRequestsRaiseIt_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("error");   // empty: answered
    QTest::addColumn<bool>("raises");
    const auto row = [](const QByteArray &name, const QString &method, const QVariantList &arguments,
                        const QString &error, bool raises, const QString &interface = FXSessionService::ServiceName,
                        const QString &path = FXSessionService::ObjectPath) {
        QTest::newRow(name.constData()) << path << interface << method << arguments << error << raises;
    };
    const QString unknownMethod = u"org.freedesktop.DBus.Error.UnknownMethod"_qs;
    const QString invalidArgs = u"org.freedesktop.DBus.Error.InvalidArgs"_qs;
    const QString notShown = FXSessionService::NotShownError;
    row("Activate", u"Activate"_qs, {}, QString(), true);
    row("Activate with an argument", u"Activate"_qs, {u"now"_qs}, unknownMethod, false);
    row("another method", u"Raise"_qs, {}, unknownMethod, false);
    row("another interface", u"Activate"_qs, {QVariantMap()}, u"org.freedesktop.DBus.Error.UnknownInterface"_qs,
        false, u"org.freedesktop.Application"_qs);
    row("another object", u"Activate"_qs, {}, u"org.freedesktop.DBus.Error.UnknownObject"_qs, false,
        FXSessionService::ServiceName, u"/org/example/Cambio"_qs);
    row("an amount as a number", u"ShowAmount"_qs, {u"EUR"_qs, 5.0}, unknownMethod, false);
    row("no amount", u"ShowAmount"_qs, {u"EUR"_qs}, unknownMethod, false);
    // Only what typing could build, in the notation every locale shares.
    for (const QString &amount : {u""_qs, u"ten"_qs, u"1e3"_qs, u"-5"_qs, u"+5"_qs, u"1,000.5"_qs,
                                  u"100,5"_qs, u" 5"_qs, u".5"_qs, u"5."_qs, u"0x10"_qs, u"inf"_qs,
                                  u"\u0665"_qs, u"1000000000000"_qs, u"999999999999.995"_qs})
        row("refused amount \"" + amount.toUtf8() + '"', u"ShowAmount"_qs, {u"EUR"_qs, amount}, invalidArgs, false);
    row("a currency not shown", u"ShowAmount"_qs, {u"CHF"_qs, u"5"_qs}, notShown, true);
    row("a code in lower case", u"ShowAmount"_qs, {u"eur"_qs, u"5"_qs}, notShown, true);
    // A megabyte of digits, or of letters for a code, is refused like any other and never sent
    // back whole.
    row("a megabyte of digits", u"ShowAmount"_qs, {u"EUR"_qs, QString(1 << 20, u'9')}, invalidArgs, false);
    row("a megabyte of code", u"ShowAmount"_qs, {QString(1 << 20, u'E'), u"5"_qs}, notShown, true);
}

void SessionServiceTest::onlyTheWindowsOwnRequestsRaiseIt()
{
    QFETCH(QString, path);
    QFETCH(QString, interface);
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, error);
    QFETCH(bool, raises);
    FirstWindow first(m_bus->connect(u"first"_qs));
    QCOMPARE(first.start, FXSessionService::Start::First);
    QVERIFY(first.showMinimized());
    const QStringList amounts = first.shownAmounts();
    QDBusConnection caller = m_bus->connect(u"caller"_qs);

    const QDBusMessage reply = answerTo(caller, method, arguments, interface, path);

    QCOMPARE(reply.errorName(), error);
    // Short, however much was sent.
    QVERIFY2(reply.errorMessage().size() <= 200, qPrintable(reply.errorMessage().left(300)));
    // Whatever raises the window has been handled by the time the answer arrives.
    QCoreApplication::processEvents();
    QCOMPARE(!first.window()->isMinimized(), raises);
    QCOMPARE(first.shownAmounts(), amounts);
}

void SessionServiceTest::anAmountShownOnRequestIsTypedIntoItsRow_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("kept");   // the value saved as the last input
    QTest::newRow("a fraction") << "en_US" << "EUR" << "100.5" << "100.5" << 100.5;
    QTest::newRow("the locale's own separator") << "de_DE" << "EUR" << "100.5" << "100,5" << 100.5;
    QTest::newRow("the main currency") << "en_US" << "USD" << "42" << "42" << 42.0;
    QTest::newRow("the last row, out of sight") << "en_US" << "MXN" << "7" << "7" << 7.0;
    QTest::newRow("leading zeros") << "en_US" << "GBP" << "007" << "7" << 7.0;
    QTest::newRow("rounded as typed amounts are") << "en_US" << "EUR" << "0.125" << "0.12" << 0.12;
    QTest::newRow("the longest amount typing builds") << "en_US" << "GBP" << "999999999999.99"
                                                     << "999999999999.99" << 999999999999.99;
    QTest::newRow("a tiny amount") << "en_US" << "EUR" << "0.0000000012" << "0.0000000012" << 1.2e-9;
}

void SessionServiceTest::anAmountShownOnRequestIsTypedIntoItsRow()
{
    QFETCH(QString, locale);
    QFETCH(QString, currency);
    QFETCH(QString, amount);
    QFETCH(QString, shown);
    QFETCH(double, kept);
    const QByteArray localeName = locale.toLatin1();
    // More rows than the table shows at once.
    const QStringList visible = u"EUR GBP JPY CHF CAD AUD SEK NOK DKK PLN CZK HUF NZD MXN"_qs.split(u' ');
    FirstWindow first(m_bus->connect(u"first"_qs),
                      {.locale = localeName.constData(), .visible = visible});
    first.app.delegate.showMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(first.window()));
    // Typing into another row's field when the request comes.
    first.table.clickField(1);
    QVERIFY(first.showMinimized());
    QDBusConnection caller = m_bus->connect(u"caller"_qs);

    QCOMPARE(answerTo(caller, u"ShowAmount"_qs, {currency, amount}).type(), QDBusMessage::ReplyMessage);
    const FXMainViewController &controller = *first.window()->contentViewController();
    const int row = int(controller.currencies().indexOf(currency));
    QTRY_VERIFY(!first.window()->isMinimized());
    QCOMPARE(first.table.table().selectedRow(), row);
    QCOMPARE(first.table.shown(row), shown);
    // The rows beside it, in sight with it, convert it.
    const int otherRow = row == 0 ? 1 : row - 1;
    QCOMPARE(first.table.shown(otherRow),
             first.core.numberFormatter.formattedStringForInput(first.core.currencies.convertedAmount(
                 kept, currency, controller.currencies()[otherRow])));
    QTRY_COMPARE(first.core.standardDefaults.dictionaryForKey(u"LastInput"_qs),
                 std::optional(QVariantMap({{u"Currency"_qs, currency}, {u"Value"_qs, kept}})));
    // The keyboard is the table's: a digit typed starts a new amount in that row.
    QVERIFY(QTest::qWaitForWindowActive(first.window()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    QCOMPARE(first.table.shown(row), u"3"_qs);
    // So it does after a request for the row being typed into.
    QCOMPARE(answerTo(caller, u"ShowAmount"_qs, {currency, amount}).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(first.table.shown(row), shown);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_4);
    QCOMPARE(first.table.shown(row), u"4"_qs);
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
