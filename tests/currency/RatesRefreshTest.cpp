#include "CurrencyCore.h"
#include "FXTranslations.h"
#include "ScopedEnvironment.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// Only currency codes are taken from an answer.
const QByteArray NewRates = R"({"EUR": {"from_base": 0.5, "to_base": 2.0},
    "GBP": {"from_base": 0.25, "to_base": 4.0}, "usd": {"from_base": 1, "to_base": 1},
    "\u001b[31m": {"from_base": 1, "to_base": 1}})";

class RatesRefresh : public RefreshingCore {
protected:
    void SetUp() override { plant({{u"USD"_qs, rate(1, 1)}, {u"CHF"_qs, rate(0.8, 1.25)}}); }
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
        {"no scheme", {}, ": not an HTTP address", "localhost:8642/u"}};
    const QByteArray before = contents(ratesPath());
    for (const auto &failure : failures) {
        server.setResponse(failure.response);
        ratesServer = failure.address ? QString::fromLatin1(failure.address) : server.url().toString();
        ASSERT_TRUE(refreshNow()) << failure.name;
        EXPECT_FALSE(announced.last().value(FXRatesUpdateSucceededKey).toBool()) << failure.name;
        const QString reason = announced.last().value(FXRatesUpdateFailureReasonKey).toString();
        EXPECT_TRUE(reason.startsWith(u"cannot update the rates from " + ratesServer + u':')
                    && reason.endsWith(QString::fromUtf8(failure.reason))) << qPrintable(reason);
        EXPECT_EQ(currencies.allCurrencies(), codes("CHF USD")) << failure.name;
        EXPECT_EQ(contents(ratesPath()), before) << failure.name;
    }
    EXPECT_TRUE(idleOnTheMainThread);
}

TEST_F(RatesRefresh, AFailedWriteStillReplacesTheTableButSaysSo)
{
    // A container path below a plain file, here the planted rates file, can never be written.
    FXRatesFile blocked(ratesPath() + QStringLiteral("/CurrencyRates.plist"));
    FXRatesTable blockedTable(blocked, locale);
    FXCurrencyManager manager(blockedTable, blocked, settings, locale, [] { return std::nullopt; },
                              fetcher, [this] { return ratesServer; }, center);
    server.setResponse({200, NewRates});
    std::optional<FXRefreshOutcome> outcome;
    manager.refreshRates([&](const FXRefreshOutcome &ended) { outcome = ended; });
    ASSERT_TRUE(runUntil([&] { return outcome.has_value(); }));
    EXPECT_TRUE(outcome->replaced && outcome->failure.contains(u"could not be stored"));
    EXPECT_EQ(manager.ratesTable().rateToBaseForCurrency(u"GBP"_qs), 4.0);
}

// The download's time decides when the next one is due; the server's Last-Modified, kept as "RatesDate",
// is shown and dates the answer's rates in the history. CHF, missing from the answer, keeps its rates.
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
        {"Last-Modified: Fri, 04 Dec 2026 15:00:00 GMT\r\n",
         QDateTime(QDate(2026, 12, 4), QTime(15, 0), Qt::UTC)},
        {"", std::nullopt}};
    for (const auto &answer : answers) {
        server.setResponse({200, NewRates, true, std::nullopt, false, answer.headers});
        ASSERT_TRUE(refreshNow());
        EXPECT_EQ(announced.last(), (QVariantMap{{FXRatesUpdateSucceededKey, true}}));
        const auto stored = FXPropertyList::readDictionaryFromFile(ratesPath()).value_or(QVariantMap());
        EXPECT_EQ(stored.value(QStringLiteral("Date")).toDateTime(), downloaded);
        EXPECT_EQ(stored.contains(u"RatesDate"_qs), answer.ratesDate.has_value()) << answer.headers.data();
        EXPECT_EQ(FXRatesDocument(stored).shownDate(), answer.ratesDate.value_or(downloaded));
        EXPECT_EQ(FXRatesDocument(stored).codes(), codes("CHF EUR GBP USD"));
    }
    EXPECT_EQ(currencies.ratesTable().rateToBaseForCurrency(u"CHF"_qs), 1.25);
    server.setResponse({500, NewRates});
    ASSERT_TRUE(refreshNow());
    EXPECT_EQ(recorded, (QList<QDate>{QDate(2026, 12, 4), downloaded.date()}));
}

// The warning names the rates' age, and why nothing newer came when that is known, after the cases before.
TEST_F(RatesRefresh, StaleRatesAreNamedWithTheirAgeAndWhatIsKnownOfWhy)
{
    const QDateTime now(QDate(2026, 10, 20), QTime(12, 0), Qt::UTC);
    currencies.setClock([now] { return now; });
    const struct { qint64 daysOld, staleAge; std::optional<int> status; const char *warning; } cases[] = {
        // Days before now; "RatesStaleAge", 0 for unset; the status of a refresh now, none for none.
        {7, 0, std::nullopt, ""},
        {8, 0, std::nullopt, "Rates are 8 days old"},
        {2, 86400, 200, "Rates are 2 days old: the rates server has no newer rates"},
        {8, 0, 503, "Rates are 8 days old: cannot update the rates from %1: HTTP 503"}};
    for (const auto &c : cases) {
        if (c.staleAge != 0)
            defaults.setObject(c.staleAge, QStringLiteral("RatesStaleAge"));
        const QDateTime ratesDate = now.addDays(-c.daysOld);
        QVariantMap document = ratesDocument({{QStringLiteral("USD"), rate(1, 1)}});
        document.insert(QStringLiteral("Date"), ratesDate);
        ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(document, ratesPath()));
        table.reloadIfChanged();
        if (c.status) {
            const QString date = QLocale::c().toString(ratesDate, u"ddd, dd MMM yyyy hh:mm:ss 'GMT'");
            server.setResponse({*c.status, NewRates, true, std::nullopt, false,
                                "Last-Modified: " + date.toLatin1() + "\r\n"});
            ASSERT_TRUE(refreshNow());
        }
        EXPECT_EQ(currencies.staleRatesWarning(), QString::fromUtf8(c.warning).replace(u"%1"_qs, ratesServer))
            << c.daysOld << " days, stale age " << c.staleAge;
    }
    // One sentence of the user's language, which sets its own punctuation.
    const ScopedEnvironment messages("LC_ALL", "fr_FR.UTF-8");
    FXTranslations::install(*qApp);
    const auto uninstall = qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator *>()); });
    locale.setIdentifier(QStringLiteral("fr_FR"));
    ASSERT_TRUE(refreshNow());
    EXPECT_EQ(currencies.staleRatesWarning(),
              u"Les taux ont 8\u00a0jours\u00a0: impossible d’actualiser les taux depuis " + ratesServer
                  + u"\u00a0: HTTP 503");
}
