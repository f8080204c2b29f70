#include "CurrencyCore.h"
#include "FXTranslations.h"
#include "LoopbackHttpServer.h"
#include "ReadableName.h"
#include "ScopedEnvironment.h"

#include <QJsonDocument>
#include <QLocale>
#include <QScopeGuard>
#include <QThread>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// Only currency codes are taken from an answer.
const QByteArray NewRates = R"({"EUR": {"from_base": 0.5, "to_base": 2.0}, "GBP": {"from_base": 0.25, "to_base": 4.0},
    "usd": {"from_base": 1, "to_base": 1}, "Date": {"from_base": 1, "to_base": 1},
    "../x": {"from_base": 1, "to_base": 1}, "\u001b[31m": {"from_base": 1, "to_base": 1}})";

// A currency manager over a planted rates file holding USD and CHF, refreshing from a loopback
// server.
class RatesRefresh : public CurrencyCore {
protected:
    void SetUp() override
    {
        plant({{QStringLiteral("USD"), rate(1, 1)}, {QStringLiteral("CHF"), rate(0.8, 1.25)}});
        ratesServer = server.url().toString();
        center.addObserver(&observer, FXRatesDidUpdateNotification, [this](const FXNotification &note) {
            updatingWhenAnnounced.append(currencies.isUpdating());
            lastAnnouncement = note.userInfo;
            announcedOnTheMainThread &= QThread::currentThread() == qApp->thread();
        }, &currencies);
    }

    // One whole refresh, waited for.
    static FXRefreshOutcome refreshed(FXCurrencyManager &manager)
    {
        std::optional<FXRefreshOutcome> outcome;
        manager.refreshRates([&](const FXRefreshOutcome &ended) { outcome = ended; });
        runUntil([&] { return outcome.has_value(); });
        return outcome.value_or(FXRefreshOutcome{false, QStringLiteral("never ended")});
    }

    bool waitForAnnouncements(int count)
    {
        runUntil([&] { return updatingWhenAnnounced.size() >= count; });
        return updatingWhenAnnounced.size() == count;
    }

    LoopbackHttpServer server;
    QList<bool> updatingWhenAnnounced;
    QVariantMap lastAnnouncement;
    bool announcedOnTheMainThread = true;
};

}

TEST_F(RatesRefresh, AFailureChangesNothingButIsAnnouncedWithTheReason)
{
    const struct { const char *name; LoopbackResponse response; const char *reason, *address; } failures[] = {
        {"server error", {500, NewRates}, ": HTTP 500", nullptr},
        {"not JSON", {200, "<html>maintenance</html>"}, "not JSON: illegal value", nullptr},
        {"array", {200, "[1, 2, 3]"}, "not a JSON object of rates", nullptr},
        {"no usable rate", {200, R"({"EUR": {"from_base": 0, "to_base": 2}, "X": 1})"},
         "holds no usable rate", nullptr},
        // The address is quoted as written, whatever is wrong with it.
        {"a port that is no number", {}, ": not an HTTP address", "http://[::1]:x"},
        {"a port past the last", {}, ": not an HTTP address", "http://localhost:99999/u"},
        {"no scheme", {}, ": not an HTTP address", "localhost:8642/u"}};
    const QByteArray before = contents(ratesPath());
    for (const auto &failure : failures) {
        server.setResponse(failure.response);
        ratesServer = failure.address ? QString::fromLatin1(failure.address) : server.url().toString();
        currencies.updateCurrencyRates();
        ASSERT_TRUE(waitForAnnouncements(int(&failure - failures) + 1)) << failure.name;
        EXPECT_FALSE(lastAnnouncement.value(FXRatesUpdateSucceededKey).toBool()) << failure.name;
        const QString reason = lastAnnouncement.value(FXRatesUpdateFailureReasonKey).toString();
        EXPECT_TRUE(reason.startsWith(u"cannot update the rates from " + ratesServer + u':')
                    && reason.endsWith(QString::fromUtf8(failure.reason))) << qPrintable(reason);
        EXPECT_EQ(currencies.allCurrencies(), codes("CHF USD")) << failure.name;
        EXPECT_EQ(contents(ratesPath()), before) << failure.name;
    }
    EXPECT_EQ(updatingWhenAnnounced, QList<bool>(std::size(failures), false));
}

// One check for both ways in: a refused entry of the file takes the seed's rates, a refused entry
// of an answer keeps the last known ones.
TEST_F(RatesRefresh, AnEntryIsTakenFromTheFileOrAnAnswerOnlyWhenItsRatesAreSound)
{
    const struct { const char *name, *json; std::optional<double> fromBase; } entries[] = {   // none: refused
        {"numbers", R"({"from_base": 0.8, "to_base": 1.25})", 0.8},
        {"quoted numbers", R"({"from_base": "0.8", "to_base": "1.25"})", 0.8},
        {"second rate rounded", R"({"from_base": 0.8, "to_base": 1.2508})", 0.8},
        {"rates that disagree", R"({"from_base": 0.8, "to_base": 1.2513})", std::nullopt},
        {"negative", R"({"from_base": -0.8, "to_base": -1.25})", std::nullopt},
        {"zero", R"({"from_base": 0, "to_base": 1.25})", std::nullopt},
        {"missing", R"({"to_base": 1.25})", std::nullopt},
        {"booleans", R"({"from_base": true, "to_base": true})", std::nullopt},
        {"text after", R"({"from_base": "0.8abc", "to_base": "1.25 EUR"})", std::nullopt},
        {"exponents", R"({"from_base": "8e-1", "to_base": "1.25"})", std::nullopt},
        {"tiny and huge", R"({"from_base": 1e-320, "to_base": 1e300})", std::nullopt}};
    const QString eur = QStringLiteral("EUR");
    for (const auto &entry : entries) {
        plant({{QStringLiteral("USD"), rate(1, 1)}, {eur, QJsonDocument::fromJson(entry.json).toVariant()}});
        FXRatesFile plantedFile(ratesPath());
        const double seedFromBase = FXRatesDocument(*plantedFile.seed()).rate(eur).fromBase;
        EXPECT_EQ(FXRatesTable(plantedFile, locale).rateFromBaseForCurrency(eur),
                  entry.fromBase.value_or(seedFromBase)) << entry.name;

        plant({{QStringLiteral("USD"), rate(1, 1)}, {eur, rate(0.5, 2)}});
        table.reloadIfChanged();
        server.setResponse({200, R"({"USD": {"from_base": 1, "to_base": 1}, "EUR": )" + QByteArray(entry.json)
                                     + '}'});
        EXPECT_TRUE(refreshed(currencies).replaced) << entry.name;
        EXPECT_EQ(table.rateFromBaseForCurrency(eur), entry.fromBase.value_or(0.5)) << entry.name;
    }
}

TEST_F(RatesRefresh, AFailedWriteStillReplacesTheTableButSaysSo)
{
    // A container path below a plain file, here the planted rates file, can never be written.
    FXRatesFile blocked(ratesPath() + QStringLiteral("/CurrencyRates.plist"));
    FXRatesTable blockedTable(blocked, locale);
    FXCurrencyManager manager(blockedTable, blocked, settings, locale, [] { return std::nullopt; },
                              fetcher, [this] { return server.url().toString(); }, center);
    server.setResponse({200, NewRates});

    const FXRefreshOutcome outcome = refreshed(manager);
    EXPECT_TRUE(outcome.replaced);
    EXPECT_FALSE(outcome.failure.isEmpty());
    EXPECT_EQ(manager.ratesTable().rateToBaseForCurrency(u"GBP"_qs), 4.0);
}

// The download's time decides when the next one is due; the rates' own date, the server's
// Last-Modified stored as "RatesDate", is what is shown, and the day under which the history keeps
// the rates the answer gave; CHF, missing from it, keeps its rates. A failed refresh keeps no day.
TEST_F(RatesRefresh, TheServersLastModifiedIsTheRatesDayBesideTheDownloadsDate)
{
    const QDateTime downloaded(QDate(2026, 12, 7), QTime(23, 30), Qt::UTC);
    currencies.setClock([&] { return downloaded; });
    QList<QDate> recorded;
    currencies.setRatesRecorder([&](QDate day, const QHash<QString, double> &fromBase) {
        EXPECT_EQ(fromBase, (QHash<QString, double>{{u"EUR"_qs, 0.5}, {u"GBP"_qs, 0.25}}));
        recorded.append(day);
    });
    const struct { QByteArray headers; std::optional<QDateTime> ratesDate; } answers[] = {
        {"Last-Modified: Fri, 04 Dec 2026 15:00:00 GMT\r\n", QDateTime(QDate(2026, 12, 4), QTime(15, 0), Qt::UTC)},
        {"", std::nullopt},
        {"Last-Modified: yesterday\r\n", std::nullopt}};
    for (const auto &answer : answers) {
        server.setResponse({200, NewRates, true, std::nullopt, false, answer.headers});
        currencies.updateCurrencyRates();
        ASSERT_TRUE(waitForAnnouncements(recorded.size() + 1));
        EXPECT_EQ(lastAnnouncement, (QVariantMap{{FXRatesUpdateSucceededKey, true}}));
        const QVariantMap stored = FXPropertyList::readDictionaryFromFile(ratesPath()).value_or(QVariantMap());
        EXPECT_EQ(stored.value(QStringLiteral("Date")).toDateTime(), downloaded);
        EXPECT_EQ(stored.contains(QStringLiteral("RatesDate")), answer.ratesDate.has_value()) << answer.headers.data();
        EXPECT_EQ(FXRatesDocument(stored).shownDate(), answer.ratesDate.value_or(downloaded));
        EXPECT_EQ(FXRatesDocument(stored).codes(), codes("CHF EUR GBP USD"));
    }
    EXPECT_EQ(updatingWhenAnnounced, QList<bool>(3, false));
    EXPECT_TRUE(announcedOnTheMainThread);
    EXPECT_EQ(currencies.ratesTable().rateToBaseForCurrency(u"CHF"_qs), 1.25);
    server.setResponse({500, NewRates});
    refreshed(currencies);
    EXPECT_EQ(recorded, (QList<QDate>{QDate(2026, 12, 4), downloaded.date(), downloaded.date()}));
}

namespace {

struct Staleness {
    const char *name;
    qint64 daysOld;               // the rates' own date before now
    std::optional<int> lastStatus;  // of this run's last refresh; none when it made none
    qint64 staleAge;              // "RatesStaleAge"; 0 when not set
    const char *warning;          // %1 for the rates server's address; empty when there is none
    const char *language = "en_US";   // of messages and of the locale
};
void PrintTo(const Staleness &staleness, std::ostream *out) { *out << staleness.name; }
class StaleRates : public RatesRefresh, public ::testing::WithParamInterface<Staleness> {};

}

// The warning names what is true: the rates' age, and why nothing newer came when that is known.
TEST_P(StaleRates, AreNamedWithTheirAgeAndWhatIsKnownOfWhy)
{
    const Staleness &staleness = GetParam();
    const ScopedEnvironment messages("LC_ALL", QByteArray(staleness.language) + ".UTF-8");
    FXTranslations::install(*qApp);
    const auto uninstall = qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator *>()); });
    locale.setIdentifier(QString::fromLatin1(staleness.language));
    if (staleness.staleAge != 0)
        defaults.setObject(staleness.staleAge, QStringLiteral("RatesStaleAge"));
    const QDateTime now(QDate(2026, 10, 20), QTime(12, 0), Qt::UTC);
    currencies.setClock([now] { return now; });
    const QDateTime ratesDate = now.addDays(-staleness.daysOld);
    QVariantMap document = ratesDocument({{QStringLiteral("USD"), rate(1, 1)}});
    document.insert(QStringLiteral("Date"), ratesDate);
    ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(document, ratesPath()));
    table.reloadIfChanged();
    if (staleness.lastStatus) {
        server.setResponse({*staleness.lastStatus, NewRates, true, std::nullopt, false,
                            "Last-Modified: "
                                + QLocale::c().toString(ratesDate, u"ddd, dd MMM yyyy hh:mm:ss 'GMT'").toLatin1()
                                + "\r\n"});
        currencies.updateCurrencyRates();
        ASSERT_TRUE(waitForAnnouncements(1));
    }
    EXPECT_EQ(currencies.staleRatesWarning(),
              QString::fromUtf8(staleness.warning).replace(u"%1"_qs, server.url().toString()));
}

INSTANTIATE_TEST_SUITE_P(Cases, StaleRates, ::testing::Values(
    Staleness{"a week old", 7, std::nullopt, 0, ""},
    Staleness{"eight days old, nothing tried", 8, std::nullopt, 0, "Rates are 8 days old"},
    Staleness{"eight days old, the server unreachable", 8, 503, 0,
              "Rates are 8 days old: cannot update the rates from %1: HTTP 503"},
    // One sentence of the user's language, which sets its own punctuation.
    Staleness{"French", 8, 503, 0, "Les taux ont 8\u00a0jours\u00a0: impossible d’actualiser les taux depuis "
              "%1\u00a0: HTTP 503", "fr_FR"},
    Staleness{"two days old against a stale age of a day, the server's as old", 2, 200, 86400,
              "Rates are 2 days old: the rates server has no newer rates"},
    Staleness{"a stale age that is no age counts as unset", 6, std::nullopt, -5, ""}),
    ReadableName());
