#include "FXRateHistoryDatabase.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace {

const QString EUR = QStringLiteral("EUR");

QDate day(int month, int dayOfMonth) { return QDate(2025, month, dayOfMonth); }

FXRateSeries euro(FXRateHistoryDatabase &database, QDate from, QDate to)
{
    return database.series({EUR}, from, to).value(EUR);
}

// Runs `statements` on a file through a connection of the test's own, as another program would.
void runSql(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QStringList setAside(const QString &path)
{
    return QDir(QFileInfo(path).path()).entryList({QFileInfo(path).fileName() + u".damaged-*"},
                                                  QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

using RateHistoryDatabase = TemporaryHomeTest;

}

// The latest sound rate of a day is kept, the base's as 1; the window and cambio-cli see each other's days.
TEST_F(RateHistoryDatabase, KeepsSoundRatesAndAnswersTheDaysOfTheRangeWithTheDollarAsOne)
{
    const QStringList refused = codes("GBP eur");   // a rate and a code the rates file would refuse
    FXRateHistoryDatabase window;
    FXRateHistoryDatabase commandLine;
    ASSERT_TRUE(window.isPersistent());
    for (int d = 1; d <= 5; ++d)
        ASSERT_EQ(window.keepDay(day(3, d), {{EUR, d / 8.0}, {QStringLiteral("USD"), 0.5}}), QString());
    ASSERT_EQ(window.keepDay(day(3, 3), {{EUR, 0.75}, {u"JPY"_qs, 150.0}, {u"GBP"_qs, 0}, {u"eur"_qs, 0.9}}),
              QString());
    const auto found = commandLine.series(codes("EUR USD JPY") + refused, day(3, 2), day(3, 4));
    EXPECT_EQ(found.value(EUR), (FXRateSeries{{day(3, 2), 0.25}, {day(3, 3), 0.75}, {day(3, 4), 0.5}}));
    EXPECT_EQ(found.value(QStringLiteral("USD")),
              (FXRateSeries{{day(3, 2), 1.0}, {day(3, 3), 1.0}, {day(3, 4), 1.0}}));
    EXPECT_EQ(found.value(QStringLiteral("JPY")), (FXRateSeries{{day(3, 3), 150.0}}));
    for (const QString &code : refused)
        EXPECT_TRUE(found.contains(code) && found.value(code).isEmpty()) << code.toStdString();
}

TEST_F(RateHistoryDatabase, MissingRangesAreThePartsOfTheRangeNoDownloadCovered)
{
    const struct { const char *name; QList<FXDayRange> downloads, missing; } cases[] = {
        {"edges", {{day(1, 10), day(1, 20)}}, {{day(1, 1), day(1, 9)}, {day(1, 21), day(1, 31)}}},
        {"a hole between overlapping downloads",
         {{day(1, 5), day(1, 12)}, {day(1, 1), day(1, 8)}, {day(1, 20), day(2, 10)}},
         {{day(1, 13), day(1, 19)}}},
        {"days either side touch", {{day(1, 1), day(1, 15)}, {day(1, 16), day(1, 31)}}, {}}};
    const FXDayRange january{day(1, 1), day(1, 31)};
    for (const auto &c : cases) {
        FXRateHistoryDatabase database(home.path() + u'/' + QString::fromLatin1(c.name));
        for (const FXDayRange &range : c.downloads)
            ASSERT_EQ(database.keepDownload({}, {EUR}, range), QString());
        EXPECT_EQ(database.missingRanges(EUR, january), c.missing) << c.name;
    }
}

// A damaged file is moved aside whole and a new one begun: nothing is fatal.
TEST_F(RateHistoryDatabase, ADamagedFileIsSetAsideAndBegunAnew)
{
    const struct { const char *name; std::function<void(const QString &)> make; bool setAside; } files[] = {
        {"empty file", [](const QString &path) { write(path, {}); }, false},
        {"garbage", [](const QString &path) { write(path, QByteArray(4096, '~')); }, true},
        {"a folder", [](const QString &path) { QDir().mkpath(path + QStringLiteral("/inside")); }, true},
        {"a newer schema", [](const QString &path) {
             FXRateHistoryDatabase{path};
             runSql(path, {u"PRAGMA user_version = 2"_qs});
         }, true},
        {"another program's", [](const QString &path) { runSql(path, {u"CREATE TABLE t (x)"_qs}); }, true},
        {"our version with other tables", [](const QString &path) {
             runSql(path, {u"CREATE TABLE rates (code TEXT)"_qs, u"PRAGMA user_version = 1"_qs});
         }, true}};
    for (const auto &damaged : files) {
        const QString path = home.path() + u'/' + QString::fromLatin1(damaged.name) + u".sqlite";
        damaged.make(path);
        const QByteArray before = contents(path);
        {
            FXRateHistoryDatabase database(path);
            EXPECT_TRUE(database.isPersistent()) << damaged.name;
            EXPECT_EQ(database.keepDay(day(6, 1), {{EUR, 0.9}}), QString()) << damaged.name;
        }
        FXRateHistoryDatabase reopened(path);
        EXPECT_EQ(euro(reopened, day(6, 1), day(6, 1)), (FXRateSeries{{day(6, 1), 0.9}})) << damaged.name;
        const QStringList aside = setAside(path);
        ASSERT_EQ(aside.size(), damaged.setAside ? 1 : 0) << damaged.name;
        if (damaged.setAside && !before.isEmpty()) {
            EXPECT_EQ(contents(QFileInfo(path).path() + u'/' + aside.first()), before) << damaged.name;
        }
    }
}

TEST_F(RateHistoryDatabase, AFullDiskLeavesTheKeptDaysWholeAndTheDownloadUnmarked)
{
    const QString path = *FXRateHistoryDatabase::defaultPath();
    FXRateHistoryDatabase database;
    ASSERT_EQ(database.keepDay(day(1, 1), {{EUR, 0.9}}), QString());

    // From here the process may grow no file past the database and its journal as they are.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit full = saved;
    full.rlim_cur = rlim_t(std::max(QFileInfo(path).size(), QFileInfo(path + QStringLiteral("-wal")).size()));
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    const QMap<QString, FXRateSeries> series{{EUR, {{day(1, 1), 0.5}, {day(1, 2), 0.91}}}};
    const QString failure = database.keepDownload(series, series.keys(), {day(1, 1), day(12, 31)});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(failure.startsWith(u"the rates could not be kept: ")) << qPrintable(failure);
    FXRateHistoryDatabase reopened;
    EXPECT_EQ(euro(reopened, day(1, 1), day(12, 31)), (FXRateSeries{{day(1, 1), 0.9}}));
    EXPECT_EQ(reopened.missingRanges(EUR, {day(1, 1), day(12, 31)}),
              (QList<FXDayRange>{{day(1, 1), day(12, 31)}}));
    EXPECT_TRUE(setAside(path).isEmpty());
}
