#include "FXRateHistoryDatabase.h"

#include "FXLocalizedString.h"
#include "FXPaths.h"
#include "FXRateEntries.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

#include <errno.h>

namespace {

const QString BaseCurrency = QStringLiteral("USD");
// SQLite keeps what a writer has not yet merged into the file beside it, under these suffixes.
const QStringList CompanionSuffixes{QStringLiteral("-wal"), QStringLiteral("-shm"),
                                    QStringLiteral("-journal")};

// SQLite's primary result codes that mean the file itself is bad, not merely busy.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

// How long a statement waits for another process's write to end (the window's refresh while
// cambio-cli downloads) before it gives up.
constexpr int BusyTimeoutMilliseconds = 10000;

QString dayText(QDate day)
{
    return day.toString(Qt::ISODate);
}

// The day of a column written by dayText(); invalid for anything else. Read by hand: a year of
// a chart is hundreds of them, and QDate's own reading of ISO dates costs more than the query.
QDate dayOf(const QVariant &column)
{
    const QString text = column.toString();
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return {};
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8};
    const int lengths[3] = {4, 2, 2};
    for (int part = 0; part < 3; ++part) {
        for (int i = starts[part]; i < starts[part] + lengths[part]; ++i) {
            const char16_t digit = text[i].unicode();
            if (digit < u'0' || digit > u'9')
                return {};
            parts[part] = parts[part] * 10 + (digit - u'0');
        }
    }
    return QDate(parts[0], parts[1], parts[2]);
}

bool isKeptRate(const QString &code, double fromBase)
{
    // The rates document's entry rule, for an answer that carries from_base alone.
    return FXRateEntries::isCurrencyCode(code) && FXRate{fromBase, 1.0 / fromBase}.isUsable();
}

bool isDamage(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

QString describe(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

}

std::optional<QString> FXRateHistoryDatabase::defaultPath()
{
    const auto container = FXPaths::applicationGroupContainer();
    if (!container)
        return std::nullopt;
    return *container + QStringLiteral("/RateHistory.sqlite");
}

FXRateHistoryDatabase::FXRateHistoryDatabase(std::optional<QString> path)
    : m_path(std::move(path))
{
    static std::atomic<int> instances{0};
    m_connection = QStringLiteral("FXRateHistoryDatabase-%1").arg(++instances);
    open();
}

FXRateHistoryDatabase::~FXRateHistoryDatabase()
{
    closeConnection();
}

QSqlDatabase FXRateHistoryDatabase::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

void FXRateHistoryDatabase::closeConnection()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    database().close();
    QSqlDatabase::removeDatabase(m_connection);
}

void FXRateHistoryDatabase::open()
{
    if (m_path) {
        Problem problem = openFile();
        if (problem.damaged) {
            setAside(problem.reason);
            problem = openFile();
        }
        if (problem.reason.isEmpty()) {
            m_persistent = true;
            return;
        }
        qWarning("%s: %s: %s", program_invocation_short_name,
                 qUtf8Printable(FXLocalizedString::format(
                     "the rate history is kept in memory only, %@ cannot be used", *m_path)),
                 qUtf8Printable(problem.reason));
    }
    closeConnection();
    QSqlDatabase memory = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    memory.setDatabaseName(QStringLiteral(":memory:"));
    memory.open();
    prepareSchema();
    m_persistent = false;
}

FXRateHistoryDatabase::Problem FXRateHistoryDatabase::openFile()
{
    closeConnection();
    const QFileInfo info(*m_path);
    if (info.exists() && !info.isFile())
        return {FXLocalizedString::text("it is not a regular file"), true};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(*m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMilliseconds));
        if (!db.open())
            return {describe(db.lastError()), isDamage(db.lastError())};
    }
    if (Problem problem = prepareSchema(); !problem.reason.isEmpty())
        return problem;
    // Only once the file is known to be ours: the journal's mode is written into it. The window
    // and cambio-cli then read while the other writes.
    QSqlQuery(database()).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    QSqlQuery(database()).exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    return {};
}

FXRateHistoryDatabase::Problem FXRateHistoryDatabase::prepareSchema()
{
    QSqlDatabase db = database();
    QSqlQuery query(db);
    const auto fail = [&](const QString &reason, bool damaged) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Problem{reason, damaged};
    };
    const auto failed = [&] { return fail(describe(query.lastError()), isDamage(query.lastError())); };
    // Begun at once as a writer: two programs starting on a new file must not both make it.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed();
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed();
    const int version = query.value(0).toInt();
    if (version == 0) {
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_schema")) || !query.next())
            return failed();
        if (query.value(0).toInt() != 0)
            return fail(FXLocalizedString::text("it holds the tables of another program"), true);
        const QStringList schema{
            QStringLiteral("CREATE TABLE rates (currency TEXT NOT NULL, day TEXT NOT NULL, "
                           "from_base REAL NOT NULL, PRIMARY KEY (currency, day)) "
                           "WITHOUT ROWID, STRICT"),
            QStringLiteral("CREATE TABLE downloads (currency TEXT NOT NULL, first TEXT NOT NULL, "
                           "last TEXT NOT NULL) STRICT"),
            QStringLiteral("CREATE INDEX downloads_by_currency ON downloads (currency, first)"),
            QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion),
        };
        for (const QString &statement : schema) {
            if (!query.exec(statement))
                return failed();
        }
    } else if (version != SchemaVersion) {
        return fail(FXLocalizedString::format("its schema is of version %@", QString::number(version)),
                    true);
    } else if (!query.exec(QStringLiteral("SELECT currency, day, from_base FROM rates LIMIT 1"))
               || !query.exec(QStringLiteral("SELECT currency, first, last FROM downloads LIMIT 1"))) {
        // The version is ours but the tables are not what it writes.
        return fail(describe(query.lastError()), true);
    }
    query.finish();
    if (!query.exec(QStringLiteral("COMMIT")))
        return failed();
    return {};
}

void FXRateHistoryDatabase::setAside(const QString &reason)
{
    closeConnection();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'HHmmss"));
    QString aside = *m_path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = *m_path + QStringLiteral(".damaged-") + stamp + u'-' + QString::number(n);
    const bool moved = QFile::rename(*m_path, aside);
    for (const QString &suffix : CompanionSuffixes) {
        // Left beside a new file, the old one's journal would be taken for its own.
        if (QFileInfo::exists(*m_path + suffix) && !QFile::rename(*m_path + suffix, aside + suffix))
            QFile::remove(*m_path + suffix);
    }
    // One that cannot be moved is told of once no new file can be begun either.
    if (moved) {
        qWarning("%s: %s: %s", program_invocation_short_name,
                 qUtf8Printable(FXLocalizedString::format(
                     "the rate history is begun anew, the old file is kept as %@", aside)),
                 qUtf8Printable(reason));
    }
}

bool FXRateHistoryDatabase::recoverFrom(const QSqlError &error)
{
    if (!m_persistent || !isDamage(error))
        return false;
    setAside(describe(error));
    open();
    return true;
}

QMap<QString, FXRateSeries> FXRateHistoryDatabase::series(const QStringList &currencies, QDate from,
                                                          QDate to)
{
    QMap<QString, FXRateSeries> found;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT day, from_base FROM rates "
                                 "WHERE currency = ? AND day BETWEEN ? AND ? ORDER BY day"));
    for (const QString &currency : currencies) {
        FXRateSeries &days = found[currency];
        query.bindValue(0, currency);
        query.bindValue(1, dayText(from));
        query.bindValue(2, dayText(to));
        if (!query.exec()) {
            if (recoverFrom(query.lastError()))
                return series(currencies, from, to);
            continue;
        }
        while (query.next()) {
            const QDate day = dayOf(query.value(0));
            if (day.isValid())
                days.append({day, query.value(1).toDouble()});
        }
    }
    return found;
}

QString FXRateHistoryDatabase::keep(const std::function<QString(QSqlDatabase &)> &writes)
{
    QSqlDatabase db = database();
    if (!db.transaction()) {
        const QSqlError error = db.lastError();
        return recoverFrom(error) ? keep(writes) : describe(error);
    }
    QString failure = writes(db);
    if (failure.isEmpty() && !db.commit())
        failure = describe(db.lastError());
    if (!failure.isEmpty())
        db.rollback();
    return failure.isEmpty() ? QString()
                             : FXLocalizedString::text("the rates could not be kept") + QStringLiteral(": ") + failure;
}

namespace {

// Writes each rate kept on the entry rule, and the US dollar's 1 on each of their days.
QString insertRates(QSqlDatabase &db, const QMap<QString, FXRateSeries> &series)
{
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT OR REPLACE INTO rates (currency, day, from_base) "
                                  "VALUES (?, ?, ?)"));
    QSet<QDate> days;
    const auto write = [&](const QString &currency, QDate day, double fromBase) {
        insert.bindValue(0, currency);
        insert.bindValue(1, dayText(day));
        insert.bindValue(2, fromBase);
        return insert.exec();
    };
    for (auto it = series.cbegin(); it != series.cend(); ++it) {
        if (it.key() == BaseCurrency)
            continue;
        for (const FXDayRate &rate : it.value()) {
            if (!rate.day.isValid() || !isKeptRate(it.key(), rate.fromBase))
                continue;
            if (!write(it.key(), rate.day, rate.fromBase))
                return describe(insert.lastError());
            days.insert(rate.day);
        }
    }
    for (const QDate day : std::as_const(days)) {
        if (!write(BaseCurrency, day, 1.0))
            return describe(insert.lastError());
    }
    return {};
}

}

QString FXRateHistoryDatabase::keepDay(QDate day, const QHash<QString, double> &fromBase)
{
    QMap<QString, FXRateSeries> series;
    for (auto it = fromBase.cbegin(); it != fromBase.cend(); ++it)
        series[it.key()].append({day, it.value()});
    return keep([&](QSqlDatabase &db) { return insertRates(db, series); });
}

QString FXRateHistoryDatabase::keepDownload(const QMap<QString, FXRateSeries> &series,
                                            const QStringList &asked, FXDayRange range)
{
    return keep([&](QSqlDatabase &db) {
        if (QString failure = insertRates(db, series); !failure.isEmpty())
            return failure;
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO downloads (currency, first, last) VALUES (?, ?, ?)"));
        for (const QString &currency : asked) {
            insert.bindValue(0, currency);
            insert.bindValue(1, dayText(range.first));
            insert.bindValue(2, dayText(range.last));
            if (!insert.exec())
                return describe(insert.lastError());
        }
        return QString();
    });
}

QList<FXDayRange> FXRateHistoryDatabase::missingRanges(const QString &currency, FXDayRange range)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT first, last FROM downloads "
                                 "WHERE currency = ? AND last >= ? AND first <= ? ORDER BY first"));
    query.bindValue(0, currency);
    query.bindValue(1, dayText(range.first));
    query.bindValue(2, dayText(range.last));
    if (!query.exec()) {
        if (recoverFrom(query.lastError()))
            return missingRanges(currency, range);
        return {range};
    }
    QList<FXDayRange> missing;
    QDate next = range.first;   // the first day not yet known to be downloaded
    while (query.next() && next <= range.last) {
        const QDate first = dayOf(query.value(0));
        const QDate last = dayOf(query.value(1));
        if (!first.isValid() || !last.isValid())
            continue;
        if (first > next)
            missing.append({next, std::min(first.addDays(-1), range.last)});
        next = std::max(next, last.addDays(1));
    }
    if (next <= range.last)
        missing.append({next, range.last});
    return missing;
}
