#include "FXServedRateHistory.h"

#include "FXCurrencyCodes.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString ImportedFact = QStringLiteral("centralBankHistoryImported");

// SQLite's own codes for a file that is not one of its databases, or whose pages are damaged.
bool isDamaged(const QSqlError &error)
{
    return error.nativeErrorCode() == u"26" || error.nativeErrorCode() == u"11";
}

void setReason(QString *failureReason, const QString &reason)
{
    if (failureReason)
        *failureReason = reason;
}

QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

}

FXServedRateHistory::FXServedRateHistory(QString directory, const FXCurrencyCodes &codes)
    : m_directory(std::move(directory))
    , m_codes(codes)
    , m_connection(QStringLiteral("cambio-ratesd-history-%1").arg(quintptr(this)))
    , m_openFailure(QStringLiteral("the history is not open"))
{
}

FXServedRateHistory::~FXServedRateHistory()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString FXServedRateHistory::path() const
{
    return m_directory + QStringLiteral("/history.sqlite");
}

bool FXServedRateHistory::open(QString *failureReason, bool *setAside)
{
    if (setAside)
        *setAside = false;
    if (!QDir().mkpath(m_directory)) {
        m_openFailure = QStringLiteral("cannot create ") + m_directory;
        setReason(failureReason, m_openFailure);
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlDatabase database = QSqlDatabase::contains(m_connection)
                                    ? QSqlDatabase::database(m_connection, false)
                                    : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        database.setDatabaseName(path());
        if (!database.open()) {
            m_openFailure = QStringLiteral("cannot open %1: %2").arg(path(), database.lastError().text());
            break;
        }
        QSqlQuery query(database);
        // A whole journal on disk before the database changes: what a crash or a full disk
        // interrupts is rolled back, at the latest when the file is next opened.
        const bool made = query.exec(QStringLiteral("PRAGMA synchronous = FULL"))
                          && query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS rates ("
                                                       "currency TEXT NOT NULL, day TEXT NOT NULL, "
                                                       "from_base REAL NOT NULL, source INTEGER NOT NULL, "
                                                       "PRIMARY KEY (currency, day)) WITHOUT ROWID"))
                          && query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS facts ("
                                                       "name TEXT PRIMARY KEY, value TEXT NOT NULL)"));
        if (made) {
            m_openFailure.clear();
            return true;
        }
        const QSqlError error = query.lastError();
        m_openFailure = QStringLiteral("cannot use %1: %2").arg(path(), error.text());
        database.close();
        if (attempt > 0 || !isDamaged(error))
            break;
        // Kept for whoever wants to look at it; the history begins again beside it.
        const QString damaged = path() + QStringLiteral(".damaged");
        QFile::remove(damaged);
        if (!QFile::rename(path(), damaged))
            break;
        QFile::remove(path() + QStringLiteral("-journal"));
        if (setAside)
            *setAside = true;
    }
    setReason(failureReason, m_openFailure);
    return false;
}

FXHistoryDay FXHistoryDay::of(const FXDatedRates &rates)
{
    FXHistoryDay day{rates.date.toUTC().date(), {}};
    day.fromBase.reserve(rates.rates.size());
    for (auto it = rates.rates.cbegin(); it != rates.rates.cend(); ++it)
        day.fromBase.append({it.key(), it->fromBase});
    return day;
}

bool FXServedRateHistory::record(Source source, const QList<FXHistoryDay> &days, QString *failureReason,
                                 bool markImported)
{
    if (!m_openFailure.isEmpty()) {
        setReason(failureReason, m_openFailure);
        return false;
    }
    QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    const auto fail = [&](const QSqlError &error) {
        database.rollback();
        setReason(failureReason, QStringLiteral("cannot write %1: %2").arg(path(), error.text()));
        return false;
    };
    if (!database.transaction())
        return fail(database.lastError());
    QSqlQuery insert(database);
    // A day that a source of higher precedence gave stays its.
    insert.prepare(QStringLiteral("INSERT INTO rates (currency, day, from_base, source) VALUES (?, ?, ?, ?) "
                                  "ON CONFLICT (currency, day) DO UPDATE SET "
                                  "from_base = excluded.from_base, source = excluded.source "
                                  "WHERE excluded.source >= rates.source"));
    for (const FXHistoryDay &day : days) {
        if (!day.day.isValid())
            continue;
        const QString date = dayText(day.day);
        for (const auto &[code, fromBase] : day.fromBase) {
            if (!FXRates::isServable(code, FXRates::fromBase(fromBase)) || !m_codes.isServable(code, day.day))
                continue;
            insert.addBindValue(code);
            insert.addBindValue(date);
            insert.addBindValue(fromBase);
            insert.addBindValue(int(source));
            if (!insert.exec())
                return fail(insert.lastError());
        }
    }
    if (markImported) {
        QSqlQuery fact(database);
        fact.prepare(QStringLiteral("INSERT OR REPLACE INTO facts (name, value) VALUES (?, 'yes')"));
        fact.addBindValue(ImportedFact);
        if (!fact.exec())
            return fail(fact.lastError());
    }
    if (!database.commit())
        return fail(database.lastError());
    return true;
}

bool FXServedRateHistory::isImported() const
{
    if (!m_openFailure.isEmpty())
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT 1 FROM facts WHERE name = ?"));
    query.addBindValue(ImportedFact);
    return query.exec() && query.next();
}

bool FXServedRateHistory::knows(const QString &code) const
{
    if (!m_openFailure.isEmpty())
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT 1 FROM rates WHERE currency = ? LIMIT 1"));
    query.addBindValue(code);
    return query.exec() && query.next();
}

std::optional<FXServedRateSeries> FXServedRateHistory::series(const QString &code, const QDate &from,
                                                              const QDate &to, QString *failureReason) const
{
    if (!m_openFailure.isEmpty()) {
        setReason(failureReason, m_openFailure);
        return std::nullopt;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT day, from_base FROM rates WHERE currency = ? AND day BETWEEN ? AND ? "
                                 "ORDER BY day"));
    query.addBindValue(code);
    query.addBindValue(dayText(from));
    query.addBindValue(dayText(to));
    if (!query.exec()) {
        setReason(failureReason, QStringLiteral("cannot read %1: %2").arg(path(), query.lastError().text()));
        return std::nullopt;
    }
    FXServedRateSeries series;
    while (query.next())
        series.append({QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toDouble()});
    return series;
}

std::pair<QDate, QDate> FXServedRateHistory::span() const
{
    if (!m_openFailure.isEmpty())
        return {};
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("SELECT MIN(day), MAX(day) FROM rates WHERE currency = 'USD'")) || !query.next())
        return {};
    return {QDate::fromString(query.value(0).toString(), Qt::ISODate),
            QDate::fromString(query.value(1).toString(), Qt::ISODate)};
}
