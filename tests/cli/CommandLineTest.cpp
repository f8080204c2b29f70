#include "FXPaths.h"
#include "FXPropertyList.h"
#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"
#include "TemporaryHome.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *stream)
{
    *stream << '"' << text.toStdString() << '"';
}

namespace {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

QStringList words(const char *spaceSeparated)
{
    return QString::fromUtf8(spaceSeparated).split(u' ', Qt::SkipEmptyParts);
}

QVariantMap rate(double fromBase, double toBase)
{
    return {{QStringLiteral("from_base"), fromBase}, {QStringLiteral("to_base"), toBase}};
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QDateTime PlantedDate(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);

// Runs the built cambio-cli as a user would, in a home of the test's own with the locale pinned,
// and a rates server that refuses connections unless the test gives one.
class CommandLine : public TemporaryHomeTest {
protected:
    Result run(const QStringList &arguments,
               const QUrl &ratesServer = LoopbackHttpServer::refusingUrl())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : environment.keys()) {
            if (name.startsWith(u"LC_") || name == u"LANG" || name == u"LANGUAGE")
                environment.remove(name);
        }
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        environment.insert(QStringLiteral("CAMBIO_RATES_URL"), ratesServer.toString());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CAMBIO_CLI_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << arguments.join(u' ').toStdString();
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    Result run(const char *arguments) { return run(words(arguments)); }

    QString ratesPath() const
    {
        return FXPaths::applicationGroupContainer().value_or(QString())
               + QStringLiteral("/CurrencyRates.plist");
    }

    // USD, EUR at two dollars, GBP, JPY, BTC, CHF and a code that no locale names.
    void plantRates()
    {
        const QVariantMap rates{
            {QStringLiteral("USD"), rate(1, 1)},         {QStringLiteral("EUR"), rate(0.5, 2)},
            {QStringLiteral("GBP"), rate(0.8, 1.25)},    {QStringLiteral("JPY"), rate(150, 0.1)},
            {QStringLiteral("BTC"), rate(0.0001, 1e4)},  {QStringLiteral("CHF"), rate(0.9, 1.1)},
            {QStringLiteral("XQQ"), rate(1e-05, 1e5)},
        };
        ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(
            {{QStringLiteral("CurrencyRates"), rates}, {QStringLiteral("Date"), PlantedDate}},
            ratesPath()));
    }

    FXUserDefaults group{FXUserDefaults::filePathForDomain(FXUserDefaults::groupDomain())};
    FXUserDefaults standard{FXUserDefaults::filePathForDomain(FXUserDefaults::standardDomain())};
};

struct ServerFailure {
    const char *name;
    LoopbackResponse response;
    const char *reason;   // what the message must say, as a pattern
};

std::ostream &operator<<(std::ostream &stream, const ServerFailure &failure)
{
    return stream << failure.name;
}

class FailedUpdate : public CommandLine, public ::testing::WithParamInterface<ServerFailure> {};

struct Command {
    const char *arguments;
    const char *out;
};

std::ostream &operator<<(std::ostream &stream, const Command &command)
{
    return stream << command.arguments;
}

class CommandOutput : public CommandLine, public ::testing::WithParamInterface<Command> {};

// Bad usage and bad input, refused with status 2.
struct Refusal {
    const char *arguments;
    const char *message;
};

std::ostream &operator<<(std::ostream &stream, const Refusal &refusal)
{
    return stream << refusal.arguments;
}

class CommandRefusal : public CommandLine, public ::testing::WithParamInterface<Refusal> {};

}

TEST_F(CommandLine, FirstRunSeedsTheSharedContainer)
{
    ASSERT_FALSE(QFile::exists(ratesPath()));
    const Result result = run("currencies");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, QString());
    EXPECT_TRUE(QFile::exists(ratesPath()));
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_GT(lines.size(), 150);
    EXPECT_TRUE(lines.contains(u"CHF\tSwiss Franc"));
    EXPECT_TRUE(lines.contains(u"BTC\tBitcoin"));
}

TEST_P(CommandOutput, PrintsOneItemPerLine)
{
    plantRates();
    const Result result = run(words(GetParam().arguments));
    EXPECT_EQ(result.err, QString());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QString::fromUtf8(GetParam().out));
}

// The main currency is the en_US locale's, USD; the visible ones are the defaults.
INSTANTIATE_TEST_SUITE_P(Convert, CommandOutput, ::testing::Values(
    Command{"convert 100 USD EUR", "50 EUR\n"},
    Command{"convert 100 eur usd gbp", "200 USD\n160 GBP\n"},
    Command{"convert 1,234.5 USD EUR", "617.25 EUR\n"},
    Command{"convert 0.125 USD EUR", "0.06 EUR\n"},   // rounded like an input buffer
    Command{"convert 123456.789 USD USD", "123456.79 USD\n"},
    Command{"convert 100 EUR", "200 USD\n100 EUR\n160 GBP\n30000 JPY\n0.02 BTC\n"},
    Command{"convert -- -4 USD EUR", "-2 EUR\n"},
    Command{"convert 1.234,5 USD EUR --locale=de_DE", "617,25 EUR\n"},
    // The main currency of fr_FR is the euro.
    Command{"--locale fr_FR convert 0,5 EUR", "0,5 EUR\n1 USD\n0,8 GBP\n150 JPY\n0 BTC\n"}));

INSTANTIATE_TEST_SUITE_P(Summary, CommandOutput, ::testing::Values(
    Command{"summary 100", "100 USD = 50 EUR\n100 USD = 80 GBP\n100 USD = 15000 JPY\n"
                           "100 USD = 0.01 BTC\n"},
    Command{"summary 10 gbp", "10 GBP = 6.25 EUR\n10 GBP = 10 GBP\n10 GBP = 1875 JPY\n"
                              "10 GBP = 0 BTC\n"}));

INSTANTIATE_TEST_SUITE_P(Currencies, CommandOutput, ::testing::Values(
    Command{"currencies", "BTC\tBitcoin\nCHF\tSwiss Franc\nEUR\tEuro\nGBP\tBritish Pound\n"
                          "JPY\tJapanese Yen\nUSD\tUS Dollar\nXQQ\t\n"},
    Command{"currencies --available", "CHF\tSwiss Franc\nXQQ\t\n"},
    Command{"currencies --filter fr", "CHF\tSwiss Franc\n"},
    Command{"currencies --filter ra", ""},
    Command{"currencies --available --filter=q", "XQQ\t\n"},
    Command{"--locale de_DE currencies --filter franken", "CHF\tSchweizer Franken\n"}));

INSTANTIATE_TEST_SUITE_P(Rates, CommandOutput, ::testing::Values(
    Command{"rates", "2026-01-02T03:04:05Z\nBTC 1e-04 10000\nCHF 0.9 1.1\nEUR 0.5 2\n"
                     "GBP 0.8 1.25\nJPY 150 0.1\nUSD 1 1\nXQQ 1e-05 1e+05\n"},
    Command{"rates xqq chf", "2026-01-02T03:04:05Z\nXQQ 1e-05 1e+05\nCHF 0.9 1.1\n"}));

TEST_P(CommandRefusal, ExplainsOnStandardError)
{
    plantRates();
    const Result result = run(words(GetParam().arguments));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, QStringLiteral("cambio-cli: ") + QString::fromUtf8(GetParam().message)
                              + u'\n');
    EXPECT_EQ(result.out, QString());
}

INSTANTIATE_TEST_SUITE_P(BadInput, CommandRefusal, ::testing::Values(
    Refusal{"convert 12x USD", "not an amount: 12x"},
    Refusal{"convert 1.234,5 USD EUR", "not an amount: 1.234,5"},
    Refusal{"convert 100 XYZ", "unknown currency: XYZ"},
    Refusal{"convert 100 USD eur xyz", "unknown currency: xyz"},
    Refusal{"rates USD ABC", "unknown currency: ABC"},
    Refusal{"visible add ABC", "unknown currency: ABC"},
    Refusal{"visible add eur", "already visible: EUR"},
    Refusal{"visible remove CHF", "not a visible currency: CHF"},
    Refusal{"visible move USD chf", "not a visible currency: chf"},
    Refusal{"--locale xx_XX convert 1 USD", "unknown locale: xx_XX"}));

INSTANTIATE_TEST_SUITE_P(BadUsage, CommandRefusal, ::testing::Values(
    Refusal{"", "no command given (see cambio-cli --help)"},
    Refusal{"exchange 1 USD", "unknown command: exchange (see cambio-cli --help)"},
    Refusal{"convert 100", "convert needs an amount and a currency: convert AMOUNT FROM [TO...]"},
    Refusal{"convert 100 USD --auto", "convert takes no option --auto"},
    Refusal{"convert --bogus 100 USD", "unknown option: --bogus"},
    Refusal{"currencies --filter", "--filter needs a value"},
    Refusal{"main --auto=yes", "--auto takes no value"},
    Refusal{"main EUR --auto", "main takes one currency or --auto: main [CODE | --auto]"},
    Refusal{"visible move USD", "visible takes add CODE, remove CODE, move CODE TARGET or reset"}));

TEST_F(CommandLine, HelpAndVersion)
{
    const Result help = run("currencies --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(u"Usage: cambio-cli")) << help.out.toStdString();
    EXPECT_EQ(run("--version").out, QStringLiteral("cambio-cli " CAMBIO_VERSION "\n"));
    EXPECT_FALSE(QFile::exists(ratesPath()));
}

TEST_F(CommandLine, VisibleCurrenciesChangeForTheNextProcess)
{
    plantRates();
    EXPECT_EQ(run("visible add chf").out, QStringLiteral("CHF\nUSD\nEUR\nGBP\nJPY\nBTC\n"));
    EXPECT_EQ(run("visible").out, QStringLiteral("CHF\nUSD\nEUR\nGBP\nJPY\nBTC\n"));
    EXPECT_EQ(run("visible move chf gbp").out, QStringLiteral("USD\nEUR\nGBP\nCHF\nJPY\nBTC\n"));
    EXPECT_EQ(run("visible remove JPY").out, QStringLiteral("USD\nEUR\nGBP\nCHF\nBTC\n"));
    EXPECT_EQ(group.stringArrayForKey(QStringLiteral("VisibleCurrencies")),
              words("USD EUR GBP CHF BTC"));
    EXPECT_EQ(run("convert 1 EUR").out, QStringLiteral("2 USD\n1 EUR\n1.6 GBP\n1.8 CHF\n0 BTC\n"));
    EXPECT_EQ(run("currencies --available").out, QStringLiteral("JPY\tJapanese Yen\nXQQ\t\n"));
    EXPECT_EQ(run("visible reset").out, QStringLiteral("USD\nEUR\nGBP\nJPY\nBTC\n"));
}

TEST_F(CommandLine, MainCurrencyIsFixedOrFollowsTheStoredCountry)
{
    plantRates();
    EXPECT_EQ(run("main").out, QStringLiteral("USD\n"));   // the locale's, no country known yet

    EXPECT_EQ(run("main chf").out, QStringLiteral("CHF\n"));
    EXPECT_EQ(run("main").out, QStringLiteral("CHF\n"));
    EXPECT_FALSE(group.boolForKey(QStringLiteral("LocationBasedCurrency")));
    EXPECT_EQ(run("convert 1 USD").out,
              QStringLiteral("0.9 CHF\n1 USD\n0.5 EUR\n0.8 GBP\n150 JPY\n0 BTC\n"));

    EXPECT_EQ(run("main --auto").out, QStringLiteral("USD\n"));
    EXPECT_TRUE(group.boolForKey(QStringLiteral("LocationBasedCurrency")));
    EXPECT_FALSE(group.stringForKey(QStringLiteral("UserBaseCurrency")));

    // Following the location, a fixed currency decides once the window has found a country.
    group.setObject(QStringLiteral("GBP"), QStringLiteral("UserBaseCurrency"));
    EXPECT_EQ(run("main").out, QStringLiteral("USD\n"));
    group.setObject(QStringLiteral("JP"), QStringLiteral("LocationLastCountryCode"));
    EXPECT_EQ(run("main").out, QStringLiteral("GBP\n"));
}

TEST_F(CommandLine, LeavesTheWindowsLastInputAlone)
{
    plantRates();
    const QVariantMap lastInput{{QStringLiteral("Value"), 25.0},
                                {QStringLiteral("Currency"), QStringLiteral("GBP")}};
    standard.setObject(lastInput, QStringLiteral("LastInput"));
    const QByteArray before = contents(standard.filePath());

    EXPECT_EQ(run("convert 100 USD EUR").out, QStringLiteral("50 EUR\n"));
    EXPECT_EQ(run("summary 4").out, QStringLiteral("4 USD = 2 EUR\n4 USD = 3.2 GBP\n"
                                                   "4 USD = 600 JPY\n4 USD = 0 BTC\n"));
    EXPECT_EQ(contents(standard.filePath()), before);
}

TEST_F(CommandLine, SummaryIsEmptyWithOnlyTheMainCurrencyVisible)
{
    plantRates();
    group.setObject(QStringList{QStringLiteral("USD")}, QStringLiteral("VisibleCurrencies"));
    const Result result = run("summary 100");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QString());
}

TEST_F(CommandLine, UpdateStoresTheServersRates)
{
    plantRates();
    LoopbackHttpServer server;
    server.setResponse({200, R"({"USD": {"from_base": 1, "to_base": 1},
                                 "EUR": {"from_base": 0.25, "to_base": 4}})"});
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-1);

    const Result result = run(words("update"), server.url());
    EXPECT_EQ(result.err, QString());
    EXPECT_EQ(result.status, 0);
    // A refresh of a moment ago shows as a time without a date.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Updated \\d{1,2}:\\d\\d\\W[AP]M\n$"))
                    .match(result.out)
                    .hasMatch())
        << result.out.toStdString();
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests().front().startsWith("GET /lab/lumenfold/update.php "));

    const QStringList rates = run("rates").out.split(u'\n');
    const QDateTime date = QDateTime::fromString(rates.value(0), Qt::ISODate);
    EXPECT_TRUE(date >= start && date <= QDateTime::currentDateTimeUtc())
        << rates.value(0).toStdString();
    EXPECT_EQ(rates.mid(1), (QStringList{QStringLiteral("EUR 0.25 4"), QStringLiteral("USD 1 1"),
                                         QString()}));
    EXPECT_EQ(run("convert 1 eur usd").out, QStringLiteral("4 USD\n"));
}

TEST_P(FailedUpdate, LeavesTheRatesFileAsItWas)
{
    plantRates();
    const QByteArray before = contents(ratesPath());
    LoopbackHttpServer server;
    server.setResponse(GetParam().response);

    const Result result = run(words("update"), server.url());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, QString());
    const QRegularExpression message(QStringLiteral("^cambio-cli: .*%1.*\n$")
                                         .arg(QString::fromUtf8(GetParam().reason)));
    EXPECT_TRUE(message.match(result.err).hasMatch()) << result.err.toStdString();
    EXPECT_EQ(contents(ratesPath()), before);
}

INSTANTIATE_TEST_SUITE_P(Server, FailedUpdate, ::testing::Values(
    ServerFailure{"ServerError", {500, "{}"}, "HTTP 500"},
    ServerFailure{"NotJson", {200, "<html>rates</html>"}, "\\w"},
    ServerFailure{"NoRates", {200, "{}"}, "\\w"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CommandLine, UpdateSaysWhenTheServerCannotBeReached)
{
    plantRates();
    const QByteArray before = contents(ratesPath());
    const Result result = run(words("update"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, QStringLiteral("cambio-cli: connection refused\n"));
    EXPECT_EQ(contents(ratesPath()), before);
}
