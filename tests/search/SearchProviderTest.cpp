// cambio-search-provider started by a bus of the test's own and asked as GNOME Shell and KRunner do.

#include "FXPaths.h"
#include "FXPropertyList.h"
#include "PrivateSessionBus.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString Provider = QStringLiteral("io.github.cambio.Cambio.SearchProvider");
const QString GnomePath = QStringLiteral("/io/github/cambio/Cambio/SearchProvider");
const QString GnomeInterface = QStringLiteral("org.gnome.Shell.SearchProvider2");
const QString RunnerPath = QStringLiteral("/io/github/cambio/Cambio/KRunner");
const QString RunnerInterface = QStringLiteral("org.kde.krunner1");

// Records what the window is asked over the bus, as the window's own name would take it.
class StandInWindow : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.cambio.Cambio")

public:
    QStringList shown;   // "CODE AMOUNT" for each amount shown, "" for each plain activation

public slots:
    void Activate() { shown.append(QString()); }
    void ShowAmount(const QString &code, const QString &amount) { shown.append(code + u' ' + amount); }
};

class StandInKlipper : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.klipper.klipper")

public:
    QStringList contents;

public slots:
    void setClipboardContents(const QString &text) { contents.append(text); }
};

// USD; EUR at two dollars; GBP, JPY, BTC and CHF; dated 2026-01-02.
QVariantMap rates(double eurFromBase = 0.5)
{
    QVariantMap table;
    for (const auto &[code, fromBase] : {std::pair{"USD", 1.0}, {"EUR", eurFromBase}, {"GBP", 0.8},
                                         {"JPY", 100.0}, {"BTC", 0.0001}, {"CHF", 1.25}})
        table.insert(QString::fromLatin1(code), rate(fromBase, 1 / fromBase));
    return {{u"CurrencyRates"_qs, table}, {u"Date"_qs, QDateTime(QDate(2026, 1, 2), QTime(3, 4), Qt::UTC)}};
}

}

// Both shells show the same results in the locale's numbers and language; copying goes through KDE's
// clipboard manager; a result or the search opens the window with its source amount; rates follow.
TEST(SearchProvider, AnswersBothShellsCopiesOpensTheWindowFollowsTheRatesAndEndsWhenIdle)
{
    const TemporaryHome home;
    const QString ratesPath = FXPaths::applicationGroupContainer().value() + u"/CurrencyRates.plist"_qs;
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(rates(), ratesPath));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LANGUAGE"), QString());
    // Nothing may be downloaded: a refresh would fail here.
    environment.insert(QStringLiteral("CAMBIO_RATES_URL"), QStringLiteral("http://127.0.0.1:9/"));
    const QStringList command{QStringLiteral(CAMBIO_SEARCH_PROVIDER_PATH), u"--idle-exit"_qs, u"3"_qs};
    const PrivateSessionBus bus({{Provider, command}}, environment);
    QDBusConnection connection = bus.connect(QStringLiteral("test"));
    StandInWindow window;
    ASSERT_TRUE(connection.registerObject(u"/io/github/cambio/Cambio"_qs, &window,
                                          QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(connection.registerService(QStringLiteral("io.github.cambio.Cambio")));

    const auto call = [&](const QString &path, const QString &interface, const QString &method,
                          const QVariantList &arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(Provider, path, interface, method);
        message.setArguments(arguments);
        const QDBusMessage reply = connection.call(message, QDBus::Block, 30000);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().value(0);
    };
    const auto gnome = [&](const QString &method, const QVariantList &arguments) {
        return call(GnomePath, GnomeInterface, method, arguments);
    };
    // Each structure's fields (a match's: identifier, text, icon, type, relevance, properties).
    const auto runner = [&](const QString &method, const QVariantList &arguments) {
        const auto argument = call(RunnerPath, RunnerInterface, method, arguments).value<QDBusArgument>();
        QList<QVariantList> structures;
        argument.beginArray();
        while (!argument.atEnd()) {
            argument.beginStructure();
            structures.append(QVariantList());
            while (!argument.atEnd())
                structures.last().append(argument.asVariant());
            argument.endStructure();
        }
        argument.endArray();
        return structures;
    };
    const auto match = [&](const QString &text) { return runner(QStringLiteral("Match"), {text}); };
    const auto property = [](const QVariantList &match, const char *name) {
        return qdbus_cast<QVariantMap>(match.value(5)).value(QString::fromLatin1(name));
    };

    const QString text = u"1.234,5 eur nach usd"_qs;
    const QStringList identifiers = gnome(u"GetInitialResultSet"_qs, {text.split(u' ')}).toStringList();
    const auto shown = qdbus_cast<QList<QVariantMap>>(gnome(u"GetResultMetas"_qs, {identifiers}));
    const QList<QVariantList> matches = match(text);
    QStringList titles, runnerTitles;
    for (const QVariantMap &meta : shown)
        titles.append(meta.value(u"name"_qs).toString());
    for (const QVariantList &found : matches)
        runnerTitles.append(found.value(1).toString());
    ASSERT_EQ(titles.join(u"; "), u"1234,5 EUR = 2469 USD; 1234,5 EUR = 1975,2 GBP; "
                                  "1234,5 EUR = 246900 JPY; 1234,5 EUR = 0,25 BTC");
    ASSERT_EQ(runnerTitles, titles);
    EXPECT_EQ(shown.front().value(u"description"_qs).toString(), u"US-Dollar, Kurse vom 02.01.26");
    EXPECT_EQ(property(matches.front(), "subtext").toString(), u"US-Dollar, Kurse vom 02.01.26");
    const QString icon = shown.front().value(u"gicon"_qs).toString();
    EXPECT_EQ(QFileInfo(icon).fileName(), u"us.svg");
    EXPECT_TRUE(QFileInfo(icon).isAbsolute() && QFileInfo::exists(icon)) << icon.toStdString();
    EXPECT_EQ(matches.front().value(2).toString(), icon);
    EXPECT_GT(matches.front().value(4).toDouble(), matches.back().value(4).toDouble());

    // Copy is offered only while KDE's clipboard manager runs, and copies the number shown.
    EXPECT_TRUE(runner(u"Actions"_qs, {}).isEmpty());
    EXPECT_EQ(property(matches.front(), "actions"), QVariant(QStringList()));
    StandInKlipper klipper;
    ASSERT_TRUE(connection.registerObject(u"/klipper"_qs, &klipper, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(connection.registerService(u"org.kde.klipper"_qs));
    const QList<QVariantList> copy{{u"copy"_qs, u"Kopieren"_qs, u"edit-copy"_qs}};
    EXPECT_EQ(runner(u"Actions"_qs, {}), copy);
    EXPECT_EQ(property(match(text).front(), "actions"), QVariant(QStringList{u"copy"_qs}));
    call(RunnerPath, RunnerInterface, u"Run"_qs, {matches.front().value(0), u"copy"_qs});
    EXPECT_TRUE(runUntil([&] { return !klipper.contents.isEmpty(); }));
    EXPECT_EQ(klipper.contents, QStringList{u"2469"_qs});

    const QStringList sum = gnome(u"GetInitialResultSet"_qs, {codes("5 usd + 2 gbp in eur")}).toStringList();
    gnome(u"ActivateResult"_qs, {sum.value(0), QStringList{u"5"_qs}, 0u});
    gnome(u"LaunchSearch"_qs, {codes("hello"), 0u});
    gnome(u"LaunchSearch"_qs, {codes("10*(2+1) eur"), 0u});
    call(RunnerPath, RunnerInterface, u"Run"_qs, {match(u"0,125 chf"_qs).front().value(0), QString()});
    for (const char *typed : {"5 usd - 10 gbp", "999999999999 usd + 1 usd"})
        gnome(u"LaunchSearch"_qs, {codes(typed), 0u});
    // The whole sum in its first amount's currency, in the C locale; none where typing could not build it.
    const QStringList expected{u"USD 7.5"_qs, u"EUR 30"_qs, u"CHF 0.12"_qs, QString(), QString()};
    EXPECT_TRUE(runUntil([&] { return window.shown.size() >= expected.size(); }));
    EXPECT_EQ(window.shown, expected);

    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(rates(0.25), ratesPath));
    EXPECT_TRUE(runUntil([&] { return match(text).front().value(1).toString() == u"1234,5 EUR = 4938 USD"; },
                         std::chrono::seconds(10)));
    EXPECT_TRUE(runUntil([&] { return !bus.hasOwner(Provider); }, std::chrono::seconds(20)));
}

#include "SearchProviderTest.moc"
