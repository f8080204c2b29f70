#include "FXRateHistoryDatabase.h"
#include "ReadableName.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <limits>

#include <sys/resource.h>

void PrintTo(const FXDayRate &rate, std::ostream *out)
{
    *out << rate.day.toString(Qt::ISODate).toStdString() << '=' << rate.fromBase;
}

void PrintTo(const FXDayRange &range, std::ostream *out)
{
    *out << range.first.toString(Qt::ISODate).toStdString() << ".."
         << range.last.toString(Qt::ISODate).toStdString();
}

namespace {

const QString EUR = QStringLiteral("EUR");

QDate day(int month, int dayOfMonth) { return QDate(2025, month, dayOfMonth); }

// The euro's kept days from `from` to `to`.
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

class RateHistoryDatabase : public TemporaryHomeTest {
protected:
    QString path() const { return *FXRateHistoryDatabase::defaultPath(); }
    // The files set aside beside the database.
    QStringList setAside() const
    {
        return QDir(QFileInfo(path()).path())
            .entryList({QStringLiteral("RateHistory.sqlite.damaged-*")},
                       QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

}

// Only rates a rates document would take are kept, the latest of a day; the base reads 1 whatever
// was said of it; a reopened file answers the days of the range, both ends included.
TEST_F(RateHistoryDatabase, KeepsSoundRatesAndAnswersTheDaysOfTheRangeWithTheDollarAsOne)
{
    const QStringList refused = codes("GBP CHF SEK NOK XAU eur EURO");
    {
        FXRateHistoryDatabase database;
        ASSERT_TRUE(database.isPersistent());
        for (int d = 1; d <= 5; ++d)
            ASSERT_EQ(database.keepDay(day(3, d), {{EUR, d / 8.0}, {QStringLiteral("USD"), 0.5}}), QString());
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double infinity = std::numeric_limits<double>::infinity();
        ASSERT_EQ(database.keepDay(day(3, 3), {{EUR, 0.75}, {u"JPY"_qs, 150.0}, {u"GBP"_qs, 0},
                                               {u"CHF"_qs, -150}, {u"SEK"_qs, nan}, {u"NOK"_qs, infinity},
                                               {u"XAU"_qs, 1e-310}, {u"eur"_qs, 0.9}, {u"EURO"_qs, 0.9}}),
                  QString());
    }
    FXRateHistoryDatabase reopened;
    const auto found = reopened.series(codes("EUR USD JPY") + refused, day(3, 2), day(3, 4));
    EXPECT_EQ(found.value(EUR), (FXRateSeries{{day(3, 2), 0.25}, {day(3, 3), 0.75}, {day(3, 4), 0.5}}));
    EXPECT_EQ(found.value(QStringLiteral("USD")),
              (FXRateSeries{{day(3, 2), 1.0}, {day(3, 3), 1.0}, {day(3, 4), 1.0}}));
    EXPECT_EQ(found.value(QStringLiteral("JPY")), (FXRateSeries{{day(3, 3), 150.0}}));
    for (const QString &code : refused)
        EXPECT_TRUE(found.contains(code) && found.value(code).isEmpty()) << code.toStdString();
    EXPECT_TRUE(euro(reopened, day(3, 6), day(3, 31)).isEmpty());
}

TEST_F(RateHistoryDatabase, TwoOpenOnOneFileSeeEachOthersDays)
{
    FXRateHistoryDatabase window;
    FXRateHistoryDatabase commandLine;
    ASSERT_EQ(window.keepDay(day(5, 1), {{EUR, 0.9}}), QString());
    ASSERT_EQ(commandLine.keepDownload({{EUR, {{day(5, 2), 0.91}}}}, {EUR}, {day(5, 2), day(5, 3)}), QString());
    const FXRateSeries both{{day(5, 1), 0.9}, {day(5, 2), 0.91}};
    EXPECT_EQ(euro(window, day(5, 1), day(5, 3)), both);
    EXPECT_EQ(euro(commandLine, day(5, 1), day(5, 3)), both);
    EXPECT_EQ(window.missingRanges(EUR, {day(5, 1), day(5, 3)}),
              (QList<FXDayRange>{{day(5, 1), day(5, 1)}}));
    EXPECT_TRUE(setAside().isEmpty());
}

TEST_F(RateHistoryDatabase, MissingRangesAreThePartsOfTheRangeNoDownloadCovered)
{
    const struct { const char *name; QList<FXDayRange> downloads, missing; } cases[] = {
        {"edges", {{day(1, 10), day(1, 20)}}, {{day(1, 1), day(1, 9)}, {day(1, 21), day(1, 31)}}},
        {"a hole between overlapping downloads",
         {{day(1, 5), day(1, 12)}, {day(1, 1), day(1, 8)}, {day(1, 20), day(2, 10)}},
         {{day(1, 13), day(1, 19)}}},
        {"days either side touch", {{day(1, 1), day(1, 15)}, {day(1, 16), day(1, 31)}}, {}},
        {"one day", {{day(1, 2), day(1, 31)}}, {{day(1, 1), day(1, 1)}}}};
    const FXDayRange january{day(1, 1), day(1, 31)};
    for (const auto &c : cases) {
        FXRateHistoryDatabase database(home.path() + u'/' + QString::fromLatin1(c.name));
        for (const FXDayRange &range : c.downloads)
            ASSERT_EQ(database.keepDownload({}, {EUR}, range), QString());
        EXPECT_EQ(database.missingRanges(EUR, january), c.missing) << c.name;
        EXPECT_EQ(database.missingRanges(u"JPY"_qs, january), QList<FXDayRange>{january}) << c.name;
    }
}

struct DamagedFile {
    const char *name;
    std::function<void(const QString &path)> make;
    bool setAside;
};

void PrintTo(const DamagedFile &file, std::ostream *out) { *out << file.name; }

class DamagedDatabase : public RateHistoryDatabase, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedDatabase, IsSetAsideAndBegunAnewNeverFatal)
{
    const DamagedFile &damaged = GetParam();
    damaged.make(path());
    const QByteArray before = QFileInfo(path()).isFile() ? contents(path()) : QByteArray();
    {
        FXRateHistoryDatabase database;
        EXPECT_TRUE(database.isPersistent());
        // A file that reads as a database at first sight shows its damage on the first read.
        database.series(codes("EUR"), day(1, 1), day(12, 31));
        EXPECT_EQ(database.keepDay(day(6, 1), {{EUR, 0.9}}), QString());
    }
    FXRateHistoryDatabase reopened;
    EXPECT_EQ(euro(reopened, day(6, 1), day(6, 1)), (FXRateSeries{{day(6, 1), 0.9}}));
    const QStringList aside = setAside();
    ASSERT_EQ(aside.size(), damaged.setAside ? 1 : 0) << aside.join(u' ').toStdString();
    if (damaged.setAside && !before.isEmpty()) {
        EXPECT_EQ(contents(QFileInfo(path()).path() + u'/' + aside.first()), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedDatabase, ::testing::Values(
    DamagedFile{"empty file", [](const QString &path) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
    }, false},
    DamagedFile{"garbage", [](const QString &path) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray("these are not the rates you are looking for\n").repeated(200));
    }, true},
    DamagedFile{"a folder", [](const QString &path) { QDir().mkpath(path + QStringLiteral("/inside")); },
                true},
    DamagedFile{"a newer schema", [](const QString &path) {
        runSql(path, {QStringLiteral("CREATE TABLE rates (currency TEXT, day TEXT, from_base REAL, "
                                     "to_base REAL)"),
                      QStringLiteral("CREATE TABLE downloads (currency TEXT, first TEXT, last TEXT)"),
                      QStringLiteral("PRAGMA user_version = 2")});
    }, true},
    DamagedFile{"another program's tables", [](const QString &path) {
        runSql(path, {QStringLiteral("CREATE TABLE notes (text TEXT)")});
    }, true},
    DamagedFile{"our version with other tables", [](const QString &path) {
        runSql(path, {QStringLiteral("CREATE TABLE rates (code TEXT)"),
                      QStringLiteral("PRAGMA user_version = 1")});
    }, true},
    DamagedFile{"pages overwritten", [](const QString &path) {
        {
            FXRateHistoryDatabase database(path);
            QHash<QString, double> rates;
            for (int i = 0; i < 26 * 26; ++i)
                rates.insert(QStringLiteral("X%1%2").arg(QChar(u'A' + i / 26), QChar(u'A' + i % 26)), 1.5);
            for (int d = 1; d <= 20; ++d)
                database.keepDay(day(1, d), rates);
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_GT(file.size(), 8 * 4096);
        file.seek(4096);
        file.write(QByteArray(4 * 4096, '\x5a'));
    }, true}),
    ReadableName());

TEST_F(RateHistoryDatabase, KeepsInMemoryWhenNoFileCanBeWritten)
{
    QFile blocker(home.path() + QStringLiteral("/file"));   // no folder can be made below a file
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    FXRateHistoryDatabase database(blocker.fileName() + QStringLiteral("/RateHistory.sqlite"));
    EXPECT_FALSE(database.isPersistent());
    ASSERT_EQ(database.keepDay(day(6, 1), {{EUR, 0.9}}), QString());
    EXPECT_EQ(euro(database, day(6, 1), day(6, 1)), (FXRateSeries{{day(6, 1), 0.9}}));
}

struct FullDiskWrite {
    const char *name;
    QMap<QString, FXRateSeries> series;
};

void PrintTo(const FullDiskWrite &write, std::ostream *out) { *out << write.name; }

class FullDisk : public RateHistoryDatabase, public ::testing::WithParamInterface<FullDiskWrite> {};

TEST_P(FullDisk, LeavesTheKeptDaysWholeAndTheDownloadUnmarked)
{
    FXRateHistoryDatabase database;
    ASSERT_EQ(database.keepDay(day(1, 1), {{EUR, 0.9}}), QString());

    // From here the process may grow no file past the database and its journal as they are: a
    // disk that is full.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit full = saved;
    full.rlim_cur = rlim_t(std::max(QFileInfo(path()).size(),
                                    QFileInfo(path() + QStringLiteral("-wal")).size()));
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    const QMap<QString, FXRateSeries> &series = GetParam().series;
    const QString failure = database.keepDownload(series, series.keys(), {day(1, 1), day(12, 31)});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(failure.startsWith(u"the rates could not be kept: ")) << qPrintable(failure);
    FXRateHistoryDatabase reopened;
    EXPECT_EQ(euro(reopened, day(1, 1), day(12, 31)), (FXRateSeries{{day(1, 1), 0.9}}));
    EXPECT_TRUE(reopened.series(codes("YAA"), day(1, 1), day(12, 31)).value(QStringLiteral("YAA")).isEmpty());
    EXPECT_EQ(reopened.missingRanges(EUR, {day(1, 1), day(12, 31)}),
              (QList<FXDayRange>{{day(1, 1), day(12, 31)}}));
    EXPECT_TRUE(setAside().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Writes, FullDisk, ::testing::Values(
    // Fails at the commit, once the journal must grow.
    FullDiskWrite{"a day", {{EUR, {{day(1, 1), 0.5}, {day(1, 2), 0.91}}},
                            {QStringLiteral("YAA"), {{day(1, 2), 2.0}}}}},
    // Fails amid the writes, when the changed pages no longer fit in memory.
    FullDiskWrite{"years of many currencies", [] {
        QMap<QString, FXRateSeries> years{{EUR, {{day(1, 1), 0.5}, {day(1, 2), 0.91}}}};
        for (int i = 0; i < 26 * 26; ++i) {
            FXRateSeries &days = years[QStringLiteral("Y%1%2").arg(QChar(u'A' + i / 26), QChar(u'A' + i % 26))];
            for (QDate d = day(1, 2); d <= day(12, 31); d = d.addDays(1))
                days.append({d, 2.0});
        }
        return years;
    }()}),
    ReadableName());
