// cambio-search-provider started by a bus of the test's own and asked as GNOME Shell and KRunner do.

#include "FXPaths.h"
#include "FXPropertyList.h"
#include "PrivateSessionBus.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
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

class SearchProvider : public TemporaryHomeTest {
protected:
    // The provider ends after `idleSeconds` without a call.
    void startBus(const char *locale = "en_US.UTF-8", const char *idleSeconds = "60",
                  const char *language = "")
    {
        const QString ratesFolder = FXPaths::applicationGroupContainer().value_or(QString());
        ASSERT_TRUE(QDir().mkpath(ratesFolder));
        ratesPath = ratesFolder + QStringLiteral("/CurrencyRates.plist");
        ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(rates(), ratesPath));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
        environment.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(language));
        // Nothing may be downloaded: a refresh would fail here.
        environment.insert(QStringLiteral("CAMBIO_RATES_URL"), QStringLiteral("http://127.0.0.1:9/"));
        bus = std::make_unique<PrivateSessionBus>(
            QList<PrivateSessionBus::Service>{
                {Provider, {QStringLiteral(CAMBIO_SEARCH_PROVIDER_PATH), QStringLiteral("--idle-exit"),
                            QString::fromLatin1(idleSeconds)}}},
            environment);
        ASSERT_FALSE(bus->address().isEmpty());
        connection = std::make_unique<QDBusConnection>(bus->connect(QStringLiteral("test")));
        ASSERT_TRUE(connection->isConnected());
        ASSERT_TRUE(connection->registerObject(QStringLiteral("/io/github/cambio/Cambio"), &window,
                                               QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(connection->registerService(QStringLiteral("io.github.cambio.Cambio")));
    }

    ~SearchProvider() override
    {
        connection.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("test"));
    }

    QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(Provider, path, interface, method);
        message.setArguments(arguments);
        const QDBusMessage reply = connection->call(message, QDBus::Block, 30000);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply;
    }

    QStringList initialResults(const QString &text)
    {
        const QDBusMessage reply = call(GnomePath, GnomeInterface, u"GetInitialResultSet"_qs,
                                        {text.split(u' ', Qt::SkipEmptyParts)});
        return reply.arguments().value(0).toStringList();
    }

    // Each structure's fields (a match's: identifier, text, icon, type, relevance, properties).
    QList<QVariantList> runner(const QString &method, const QVariantList &arguments = {})
    {
        const QDBusMessage reply = call(RunnerPath, RunnerInterface, method, arguments);
        const auto argument = reply.arguments().value(0).value<QDBusArgument>();
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
    }
    QList<QVariantList> match(const QString &text) { return runner(QStringLiteral("Match"), {text}); }
    static QVariant property(const QVariantList &match, const char *name)
    {
        return qdbus_cast<QVariantMap>(match.value(5)).value(QString::fromLatin1(name));
    }

    QString ratesPath;
    std::unique_ptr<PrivateSessionBus> bus;
    std::unique_ptr<QDBusConnection> connection;
    StandInWindow window;
};

struct Search {
    const char *locale;
    const char *text;
    const char *titles;        // joined by "; "; empty for no results
    const char *description;   // of the first result
    const char *flag;          // the first result's icon file
    const char *copy;          // KRunner's action that copies it
    const char *language = "";   // LANGUAGE
};

class ShellSearch : public SearchProvider, public ::testing::WithParamInterface<Search> {};

}

TEST_P(ShellSearch, BothShellsShowTheSameResults)
{
    qDBusRegisterMetaType<QList<QVariantMap>>();
    const Search &search = GetParam();
    startBus(search.locale, "60", search.language);
    const QString text = QString::fromUtf8(search.text);

    const QStringList identifiers = initialResults(text);
    const auto shown = qdbus_cast<QList<QVariantMap>>(
        call(GnomePath, GnomeInterface, u"GetResultMetas"_qs, {identifiers}).arguments().value(0));
    const QList<QVariantList> matches = match(text);

    QStringList titles, runnerTitles;
    for (const QVariantMap &meta : shown)
        titles.append(meta.value(u"name"_qs).toString());
    for (const QVariantList &found : matches)
        runnerTitles.append(found.value(1).toString());
    EXPECT_EQ(titles.join(QStringLiteral("; ")).toStdString(), search.titles);
    EXPECT_EQ(runnerTitles, titles);
    if (shown.isEmpty())
        return;
    const QVariantMap &first = shown.front();
    EXPECT_EQ(first.value(u"id"_qs).toString(), identifiers.front());
    EXPECT_EQ(first.value(u"description"_qs).toString().toStdString(), search.description);
    EXPECT_EQ(property(matches.front(), "subtext").toString().toStdString(), search.description);
    const QString icon = first.value(u"gicon"_qs).toString();
    EXPECT_EQ(QFileInfo(icon).fileName().toStdString(), search.flag);
    EXPECT_TRUE(QFileInfo(icon).isAbsolute() && QFileInfo::exists(icon)) << icon.toStdString();
    EXPECT_EQ(matches.front().value(2).toString(), icon);
    EXPECT_GT(matches.front().value(4).toDouble(), matches.back().value(4).toDouble());

    // Copy is offered and done only through KDE's clipboard manager, and copies the number shown.
    const QString identifier = matches.front().value(0).toString();
    EXPECT_TRUE(runner(u"Actions"_qs).isEmpty());
    EXPECT_EQ(property(matches.front(), "actions"), QVariant(QStringList()));
    call(RunnerPath, RunnerInterface, u"Run"_qs, {identifier, u"copy"_qs});
    StandInKlipper klipper;
    ASSERT_TRUE(connection->registerObject(u"/klipper"_qs, &klipper, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(connection->registerService(u"org.kde.klipper"_qs));
    const QList<QVariantList> copy{{u"copy"_qs, QString::fromUtf8(search.copy), u"edit-copy"_qs}};
    EXPECT_EQ(runner(u"Actions"_qs), copy);
    EXPECT_EQ(property(match(text).front(), "actions"), QVariant(QStringList{u"copy"_qs}));
    call(RunnerPath, RunnerInterface, u"Run"_qs, {identifier, u"copy"_qs});
    EXPECT_TRUE(runUntil([&] { return !klipper.contents.isEmpty(); }));
    EXPECT_EQ(klipper.contents, QStringList{titles.front().section(u' ', -2, -2)});
    EXPECT_EQ(window.shown, QStringList());
}

// The texts in the language of messages, the numbers and names in the locale's.
INSTANTIATE_TEST_SUITE_P(Queries, ShellSearch, ::testing::Values(
    Search{"en_US.UTF-8", "100", "", "", "", ""},
    Search{"de_DE.UTF-8", "1.234,5 eur nach usd", "1234,5 EUR = 2469 USD; 1234,5 EUR = 1975,2 GBP; "
           "1234,5 EUR = 246900 JPY; 1234,5 EUR = 0,25 BTC", "US-Dollar, Kurse vom 02.01.26", "us.svg",
           "Kopieren"},
    Search{"en_US.UTF-8", "€8 to btc",
           "8 EUR = 0.0016 BTC; 8 EUR = 16 USD; 8 EUR = 12.8 GBP; 8 EUR = 1600 JPY",
           "Bitcoin, taux du 1/2/26", "BTC.svg", "Copier", "fr"}));

// A result or the search opens the window with the source amount; new rates are read, and idle ends.
TEST_F(SearchProvider, OpensTheWindowFollowsTheRatesAndEndsWhenIdle)
{
    startBus("en_US.UTF-8", "3");
    const QStringList identifiers = initialResults(QStringLiteral("5 usd + 2 gbp in eur"));
    ASSERT_FALSE(identifiers.isEmpty());

    call(GnomePath, GnomeInterface, u"ActivateResult"_qs, {identifiers.back(), QStringList{u"5"_qs}, 0u});
    call(GnomePath, GnomeInterface, u"LaunchSearch"_qs, {QStringList{u"hello"_qs}, 0u});
    call(GnomePath, GnomeInterface, u"LaunchSearch"_qs, {QStringList{u"10*(2+1)"_qs, u"eur"_qs}, 0u});
    call(RunnerPath, RunnerInterface, u"Run"_qs, {match(u"0.125 chf"_qs).front().value(0), QString()});
    call(RunnerPath, RunnerInterface, u"Run"_qs, {u"bogus"_qs, QString()});
    // What typing could not build opens the window without an amount.
    for (const char *typed : {"5 usd - 10 gbp", "999999999999 usd + 1 usd"})
        call(GnomePath, GnomeInterface, u"LaunchSearch"_qs, {QString::fromLatin1(typed).split(u' '), 0u});

    // The whole sum in the currency of its first amount, as the rows write it, in the C locale.
    const QStringList expected{u"USD 7.5"_qs, u"EUR 30"_qs, u"CHF 0.12"_qs, QString(), QString()};
    EXPECT_TRUE(runUntil([&] { return window.shown.size() >= expected.size(); }));
    EXPECT_EQ(window.shown, expected);

    const auto converted = [&] { return match(u"100 usd in eur"_qs).front().value(1).toString(); };
    ASSERT_EQ(converted(), u"100 USD = 50 EUR"_qs);

    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(rates(0.25), ratesPath));
    EXPECT_TRUE(runUntil([&] { return converted() == u"100 USD = 25 EUR"; }, std::chrono::seconds(10)));
    EXPECT_TRUE(runUntil([&] { return !bus->hasOwner(Provider); }, std::chrono::seconds(20)));
}

#include "SearchProviderTest.moc"
