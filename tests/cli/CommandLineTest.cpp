#include "FXPaths.h"
#include "FXPropertyList.h"
#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"
#include "ReadableName.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

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

const char *const English = "LC_ALL=en_US.UTF-8";

// Runs the built cambio-cli as a user would, in a home of the test's own with the locale pinned,
// and a rates server that refuses connections unless the test gives one.
class CommandLine : public TemporaryHomeTest {
protected:
    // `environment` sets variables ("LANGUAGE=fr LANG=en_US.UTF-8"); the other language ones are unset.
    static void start(QProcess &process, const QStringList &arguments, const char *environment = English,
                      const QUrl &ratesServer = LoopbackHttpServer::refusingUrl(),
                      const QString &program = QStringLiteral(CAMBIO_CLI_PATH))
    {
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG"})
            variables.remove(QString::fromLatin1(variable));
        for (const QString &setting : QString::fromUtf8(environment).split(u' ', Qt::SkipEmptyParts))
            variables.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        variables.insert(QStringLiteral("CAMBIO_RATES_URL"), ratesServer.toString());
        process.setProcessEnvironment(variables);
        process.start(program, arguments);
    }

    static Result finish(QProcess &process)
    {
        EXPECT_TRUE(process.waitForFinished(30000)) << qPrintable(process.arguments().join(u' '));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    static Result run(const char *arguments, const QUrl &ratesServer = LoopbackHttpServer::refusingUrl(),
                      const char *environment = English)
    {
        QProcess process;
        const QStringList words = QString::fromUtf8(arguments).split(u' ', Qt::SkipEmptyParts);
        start(process, words, environment, ratesServer);
        return finish(process);
    }

    // USD, EUR at two dollars, GBP, JPY, BTC, CHF, a code no locale names and one with unusable rates,
    // and `changes`, of 2026-01-02 unless `dates` say otherwise; old to the commands only then.
    void plantRates(const QVariantMap &changes = {}, const QVariantMap &dates = {})
    {
        QVariantMap rates{
            {u"USD"_qs, rate(1, 1)}, {u"EUR"_qs, rate(0.5, 2)}, {u"GBP"_qs, rate(0.8, 1.25)},
            {u"JPY"_qs, rate(100, 0.01)}, {u"BTC"_qs, rate(0.0001, 1e4)}, {u"CHF"_qs, rate(1.25, 0.8)},
            {u"XQQ"_qs, rate(1e-05, 1e5)}, {u"XZZ"_qs, rate(0, 0)}};
        rates.insert(changes);
        QVariantMap document{{u"CurrencyRates"_qs, rates},
                             {u"Date"_qs, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC)}};
        document.insert(dates);
        ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(
            document, FXPaths::applicationGroupContainer().value_or(QString()) + u"/CurrencyRates.plist"));
        if (dates.isEmpty())
            group.setObject(10 * 365 * 86400, QStringLiteral("RatesStaleAge"));
    }

    FXUserDefaults group{FXUserDefaults::filePathForDomain(FXUserDefaults::groupDomain())};
};

struct Command {
    const char *arguments;
    const char *out;
    int status;
    const char *err;   // without the "cambio-cli: " that starts every message
    const char *environment = English;
};

void PrintTo(const Command &command, std::ostream *out) { *out << command.arguments; }

class CommandOutput : public CommandLine, public ::testing::WithParamInterface<Command> {};

}

TEST_P(CommandOutput, PrintsOrRefuses)
{
    plantRates();
    const Command &command = GetParam();
    const Result result = run(command.arguments, LoopbackHttpServer::refusingUrl(), command.environment);
    EXPECT_EQ(result.out, QString::fromUtf8(command.out));
    EXPECT_EQ(result.status, command.status);
    const QString err = QString::fromUtf8(command.err);
    EXPECT_EQ(result.err, err.isEmpty() ? err : QStringLiteral("cambio-cli: ") + err + u'\n');
}

// The main currency is the en_US locale's, USD; the visible ones are the defaults.
INSTANTIATE_TEST_SUITE_P(Commands, CommandOutput, ::testing::Values(
    // Messages in the language gettext chooses, the date in the number format's; stdout never changes.
    Command{"rates xqq chf", "2026-01-02T03:04:05Z\nXQQ 1e-05 1e+05\nCHF 1.25 0.8\n", 0,
            "Mise à jour\u00a0: 1/2/26", "LANGUAGE=fr LANG=en_US.UTF-8"},
    Command{"convert 0.125 EUR USD", "0.25 USD\n", 0, ""},   // only what is written is rounded
    Command{"convert 1 USD XZZ", "", 2, "unknown currency: XZZ"},     // its entry was refused
    Command{"convert 100 EUR", "200 USD\n100 EUR\n160 GBP\n20000 JPY\n0.02 BTC\n", 0, ""},
    Command{"convert -4 USD EUR", "-2 EUR\n", 0, ""},
    Command{"summary 0.125 eur", "0.12 EUR = 0.25 USD\n0.12 EUR = 0.2 GBP\n0.12 EUR = 25 JPY\n"
                                 "0.12 EUR = 0.000025 BTC\n", 0, ""},
    Command{"query 2*(1+1) chf to eur", "4 CHF = 1.6 EUR\n4 CHF = 3.2 USD\n4 CHF = 2.56 GBP\n"
                                        "4 CHF = 320 JPY\n4 CHF = 0.00032 BTC\n", 0, ""},
    Command{"query 100", "", 2, "not a conversion: 100"},
    Command{"query", "", 2, "query needs a text: query TEXT..."},
    Command{"currencies --available --filter=q", "XQQ\t\n", 0, ""},
    Command{"convert \x1b[31m\u202e00.01 USD USD", "", 2, "not an amount: \\u{1b}[31m\\u{202e}00.01"},
    Command{"visible add eur", "", 2, "already visible: EUR"},
    Command{"--locale ar_EG@numbers=latn convert 1.5 USD EUR", "0.75 EUR\n", 0, ""},
    Command{"--locale xx_XX convert 1 USD", "", 2, "unknown locale: xx_XX"},
    Command{"--locale= convert 1 USD", "", 2, "no locale given"},
    Command{"--version extra", "", 2, "--version takes no arguments: extra"},
    Command{"", "", 2, "no command given (see cambio-cli --help)"},
    Command{"exchange 1 USD", "", 2, "unknown command: exchange (see cambio-cli --help)"},
    Command{"convert 100 USD --auto", "", 2, "convert takes no option --auto"},
    Command{"convert --bogus 100 USD", "", 2, "unknown option: --bogus"},
    Command{"currencies --filter", "", 2, "--filter needs a value"},
    Command{"main --auto=yes", "", 2, "--auto takes no value"},
    Command{"history", "", 2, "history needs a currency: history CODE [AGAINST]"},
    Command{"history eur EUR", "", 2, "history needs two different currencies: EUR"},
    Command{"history EUR --from 2014-04-01 --to 2014-04-31", "", 2, "not a date (YYYY-MM-DD): 2014-04-31"},
    Command{"history EUR --from 2014-06-02 --to 2014-06-01", "", 2,
            "the first day comes after the last: 2014-06-02 to 2014-06-01"},
    Command{"history EUR --from 2004-06-01 --to 2014-06-02", "", 2,
            "more than 10 years at once: 2004-06-01 to 2014-06-02"},
    Command{"history EUR --days 0", "", 2, "--days needs a number of days: 0"},
    Command{"history EUR --days 3 --from 2014-06-02", "", 2, "--days cannot go with --from or --to"},
    Command{"history EUR --to 2014-06-02", "", 2, "--to needs --from"}), ReadableName());

// Each change prints the list it leaves; the window's last input, in the standard domain, is never written.
TEST_F(CommandLine, ChangesThePreferencesButNeverTheLastInput)
{
    plantRates();
    FXUserDefaults standard(FXUserDefaults::filePathForDomain(FXUserDefaults::standardDomain()));
    standard.setObject(QVariantMap{{u"Value"_qs, 25.0}, {u"Currency"_qs, u"GBP"_qs}}, u"LastInput"_qs);
    const QByteArray lastInput = contents(standard.filePath());
    EXPECT_EQ(run("visible add chf").out, u"CHF\nUSD\nEUR\nGBP\nJPY\nBTC\n"_qs);
    EXPECT_EQ(run("visible move chf jpy").out, u"USD\nEUR\nGBP\nJPY\nCHF\nBTC\n"_qs);
    EXPECT_EQ(run("visible remove EUR").out, u"USD\nGBP\nJPY\nCHF\nBTC\n"_qs);
    EXPECT_EQ(run("visible reset").out, u"USD\nEUR\nGBP\nJPY\nBTC\n"_qs);
    EXPECT_EQ(run("main chf").out, u"CHF\n"_qs);
    EXPECT_EQ(run("summary 1").out.section(u'\n', 0, 0), u"1 CHF = 0.8 USD"_qs);
    EXPECT_EQ(run("main --auto").out, u"USD\n"_qs);   // the locale's, no country known yet
    group.setObject(u"de_DE"_qs, u"NumberFormatLocale"_qs);
    EXPECT_EQ(run("convert 1234,5 USD EUR").out, u"617,25 EUR\n"_qs);
    EXPECT_EQ(run("convert 1234.5 USD EUR --locale=en_US").out, u"617.25 EUR\n"_qs);
    EXPECT_EQ(contents(standard.filePath()), lastInput);
}

// Scripts read the date and the "CODE from to" lines; what the file got wrong goes to stderr.
TEST_F(CommandLine, RatesMarksTheRefusedEntriesOfTheFileOnStderr)
{
    plantRates({{u"EUR"_qs, rate(-0.5, -2)}, {u"\u001b[2J"_qs, rate(1, 1)}});
    const Result all = run("rates");
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.err, QStringLiteral(
        "cambio-cli: Updated 1/2/26\n"
        "cambio-cli: the rates file's entry for \\u{1b}[2J is unusable and left out\n"
        "cambio-cli: the rates file's entry for EUR is unusable; the program's own rates are shown\n"
        "cambio-cli: the rates file's entry for XZZ is unusable and left out\n"));
    const QRegularExpression seedsEuro(u"\nEUR 0\\.\\d+ 1\\.\\d+\n"_qs);   // whatever this version's seed is
    EXPECT_EQ(QString(all.out).replace(seedsEuro, u"\nEUR seed\n"_qs),
              u"2026-01-02T03:04:05Z\nBTC 1e-04 10000\nCHF 1.25 0.8\nEUR seed\nGBP 0.8 1.25\nJPY 100 0.01\n"
              "USD 1 1\nXQQ 1e-05 1e+05\n"_qs);
}

// On stderr, with no change of exit status: how old the rates are, and a warning unless --quiet is given.
TEST_F(CommandLine, TellsTheAgeOfTheRatesOnStderrAndWarnsWhenTheyAreOld)
{
    const QDateTime ratesDate = QDateTime::currentDateTimeUtc().addDays(-9);
    plantRates({}, {{u"RatesDate"_qs, ratesDate}});
    const QString old = u"cambio-cli: Rates are 9 days old\n"_qs;
    const std::pair<const char *, QString> commands[] = {   // and what each says on stderr
        {"rates chf", u"cambio-cli: Updated DATE\n"_qs + old}, {"convert 1 USD EUR", old},
        {"summary 1 USD", old}, {"convert 1 USD EUR --quiet", {}}, {"rates chf --quiet", {}}};
    const QRegularExpression date(u"\\d{1,2}/\\d{1,2}/\\d\\d"_qs);
    for (const auto &[arguments, err] : commands) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, 0) << arguments;
        EXPECT_EQ(QString(result.err).replace(date, u"DATE"_qs), err);
    }
    EXPECT_EQ(run("rates chf --quiet").out, ratesDate.toString(Qt::ISODate) + u"\nCHF 1.25 0.8\n");
}

// A failed update says why; a good one says so, and keeps the day of its rates for the history.
TEST_F(CommandLine, UpdateSaysWhyItFailedOrKeepsTheDayOfTheServersRates)
{
    plantRates();
    LoopbackHttpServer server;
    server.setResponse({500, "{}"});
    const Result failed = run("update", server.url());
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err,
              u"cambio-cli: cannot update the rates from " + server.url().toString() + u": HTTP 500\n");
    server.setResponse({200, R"({"USD": {"from_base": 1, "to_base": 1},
                                 "EUR": {"from_base": 0.8, "to_base": 1.25}})",
                        true, std::nullopt, false, "Last-Modified: Fri, 04 Dec 2026 15:00:00 GMT\r\n"});
    const Result updated = run("update", server.url());
    EXPECT_TRUE(updated.status == 0 && updated.out.contains(QRegularExpression(u"^Updated \\S.*\n$"_qs)))
        << qPrintable(updated.out + updated.err);
    EXPECT_EQ(run("history EUR USD --from 2026-12-01 --to 2026-12-04 --csv").out,
              u"date,USD per EUR\n2026-12-04,1.25\n"_qs);
}

// Settings that cannot be read hang nothing; a change that cannot be written says why.
TEST_F(CommandLine, BrokenSettingsKeepEveryCommandRunningAndSayWhy)
{
    plantRates();
    const QString file = group.filePath();
    const struct {
        std::function<void()> make;   // puts in place what is broken
        const char *reason;           // why a change is not written
        bool ignored;                 // whether the settings are not read at all, which each process says
    } cases[] = {
        {[&] { QFile::resize(file, 200 << 20); }, "larger than 1 MiB", true},
        {[&] { ::mkfifo(QFile::encodeName(file).constData(), 0600); }, "not a regular file", true},
        {[&] { QDir().mkpath(file + u".edit-lock"); }, "Is a directory", false}};
    for (const auto &broken : cases) {
        broken.make();
        const Result shown = run("visible");
        const Result changed = run("visible add chf");
        EXPECT_EQ(shown.out, u"USD\nEUR\nGBP\nJPY\nBTC\n"_qs) << broken.reason;
        EXPECT_TRUE(changed.status == 1 && changed.err.endsWith(QString::fromUtf8(broken.reason) + u'\n'))
            << broken.reason << qPrintable(changed.err);
        const QString said = shown.err + changed.err;
        EXPECT_EQ(said.count(u": ignoring the settings in "), broken.ignored ? 2 : 0) << broken.reason;
        QFile::remove(file);
        QFile::remove(file + u".edit-lock");   // each change leaves its lock file
    }
}

// A full disk under the settings, made for the one process in a mount namespace of its own.
TEST_F(CommandLine, AChangeOnAFullDiskSaysSo)
{
    QProcess process;
    start(process, {u"--map-root-user"_qs, u"--mount"_qs, u"sh"_qs, u"-c"_qs,
                    u"mount -t tmpfs -o size=64k tmpfs \"$XDG_CONFIG_HOME\" || exit 77; "
                    "cat /dev/zero > \"$XDG_CONFIG_HOME/filler\" 2>/dev/null; exec \"$0\" \"$@\""_qs,
                    QStringLiteral(CAMBIO_CLI_PATH), u"visible"_qs, u"add"_qs, u"chf"_qs},
          English, LoopbackHttpServer::refusingUrl(), u"unshare"_qs);
    const Result result = finish(process);
    if (result.status == 77 || (result.status != 1 && result.err.contains(u"unshare")))
        GTEST_SKIP() << "no mount namespace for a full disk here: " << qPrintable(result.err);
    EXPECT_TRUE(result.status == 1 && result.err.startsWith(u"cambio-cli: cannot write ")
                && result.err.endsWith(u": No space left on device\n")) << qPrintable(result.err);
}

TEST_F(CommandLine, OutputThatCannotBeWrittenIsAFailure)
{
    QProcess process;
    process.setStandardOutputFile(u"/dev/full"_qs);
    start(process, {u"currencies"_qs});
    const Result result = finish(process);
    EXPECT_TRUE(result.status == 1 && result.err.startsWith(u"cambio-cli: cannot write the output"))
        << qPrintable(result.err);
}

// Fifty processes at once: every change is kept, and each is decided on the list as stored.
TEST_F(CommandLine, ConcurrentEditsAreAllKeptAndDecidedOnWhatIsStored)
{
    const QStringList added = QStringLiteral(
        "AUD CAD CNY DKK HKD INR KRW MXN NOK NZD PLN SEK SGD THB TRY ZAR BRL CZK HUF ILS "
        "ISK MYR PHP RON IDR AED ARS CLP COP EGP KES MAD NGN PKR QAR SAR TWD UAH VND XAU").split(u' ');
    const QStringList codes = added + QStringList(10, u"CHF"_qs);
    QProcess processes[50];
    for (int i = 0; i < 50; ++i)
        start(processes[i], {u"visible"_qs, u"add"_qs, codes[i]});
    QString refusals;
    for (QProcess &process : processes)
        refusals += finish(process).err;
    EXPECT_EQ(refusals, u"cambio-cli: already visible: CHF\n"_qs.repeated(9));
    const QStringList visible = group.stringArrayForKey(u"VisibleCurrencies"_qs).value();
    const QStringList expected = added + u"CHF USD EUR GBP JPY BTC"_qs.split(u' ');
    EXPECT_TRUE(std::is_permutation(visible.begin(), visible.end(), expected.begin(), expected.end()))
        << qPrintable(visible.join(u' '));
}

// Written as CSV or in the locale's notation with a summary; offline, what is kept is shown and why.
TEST_F(CommandLine, HistoryWritesWhatIsKeptForSpreadsheetsAndPeopleAndSaysWhatFailed)
{
    plantRates();
    LoopbackHttpServer server;
    server.setResponse({200, contents(QStringLiteral(CAMBIO_HISTORY_DATA)
                                      + u"/history-EUR-JPY-LTL-HRK-2014.json")});
    const Result csv = run("history jpy EUR --from 2014-04-15 --to 2014-04-17 --csv", server.url());
    EXPECT_EQ(csv.status, 0) << qPrintable(csv.err);
    EXPECT_EQ(csv.out,
              u"date,EUR per JPY\n2014-04-15,0.00711139\n2014-04-16,0.00706464\n2014-04-17,0.00706362\n"_qs);
    const Result wider = run("history eur usd --from 2014-04-10 --to 2014-04-17");
    EXPECT_EQ(wider.out, u"Apr 15, 2014\t1.3803\nApr 16, 2014\t1.384\nApr 17, 2014\t1.3855\n"
                         "USD per EUR from Apr 15, 2014 to Apr 17, 2014: 1.3803 to 1.3855, low 1.3803 on "
                         "Apr 15, 2014, high 1.3855 on Apr 17, 2014, change +0.0052 (+0.38%)\n"_qs);
    EXPECT_TRUE(wider.status == 0 && wider.err.endsWith(u"; showing the rates kept on this computer\n"))
        << qPrintable(wider.err);
}
