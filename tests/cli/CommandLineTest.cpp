#include "FXHelpText.h"
#include "FXPaths.h"
#include "FXPropertyList.h"
#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"
#include "ReadableName.h"
#include "ScopedEnvironment.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

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

// Runs the built cambio-cli as a user would, in a home of the test's own with the locale pinned,
// and a rates server that refuses connections unless the test gives one.
class CommandLine : public TemporaryHomeTest {
protected:
    // `language` sets the language variables ("LANGUAGE=fr LANG=en_US.UTF-8"), the others unset,
    // and any other variable it names.
    Result run(const char *arguments, const QUrl &ratesServer = LoopbackHttpServer::refusingUrl(),
               const char *language = "LC_ALL=en_US.UTF-8")
    {
        QProcess process;
        start(process, QString::fromUtf8(arguments).split(u' ', Qt::SkipEmptyParts), ratesServer, language);
        return finish(process, arguments);
    }

    // Runs it with a terminal of its own as its output, as a person at a terminal does: what the
    // terminal showed, without the carriage returns it adds.
    Result runInTerminal(const char *arguments)
    {
        QProcess process;
        start(process, {u"-qec"_qs, QStringLiteral(CAMBIO_CLI_PATH " ") + QString::fromUtf8(arguments), u"/dev/null"_qs},
              LoopbackHttpServer::refusingUrl(), "LC_ALL=en_US.UTF-8 SHELL=/bin/sh", u"script"_qs);
        Result shown = finish(process, arguments);
        shown.out.remove(u'\r');
        return shown;
    }

    void start(QProcess &process, const QStringList &arguments,
               const QUrl &ratesServer = LoopbackHttpServer::refusingUrl(),
               const char *language = "LC_ALL=en_US.UTF-8", const QString &program = QStringLiteral(CAMBIO_CLI_PATH))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG"})
            environment.remove(QString::fromLatin1(variable));
        for (const QString &setting : QString::fromUtf8(language).split(u' ', Qt::SkipEmptyParts))
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        environment.insert(QStringLiteral("CAMBIO_RATES_URL"), ratesServer.toString());
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
    }

    static Result finish(QProcess &process, const char *arguments)
    {
        EXPECT_TRUE(process.waitForFinished(30000)) << arguments;
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString ratesPath() const
    {
        return FXPaths::applicationGroupContainer().value_or(QString())
               + QStringLiteral("/CurrencyRates.plist");
    }

    // USD, EUR at two dollars, GBP, JPY, BTC, CHF, a code that no locale names and one whose
    // rates are unusable, with the entries of `changes` put in, downloaded on 2026-01-02 unless
    // `dates` says otherwise ("Date" and "RatesDate"); old rates only when the test says so.
    void plantRates(const QVariantMap &changes = {}, const QVariantMap &dates = {})
    {
        QVariantMap rates;
        for (const QString &entry : u"USD 1 1|EUR 0.5 2|GBP 0.8 1.25|JPY 100 0.01|BTC 0.0001 1e4|CHF 1.25 0.8|"
                                    u"XQQ 1e-05 1e5|XZZ 0 0"_qs.split(u'|'))
            rates.insert(entry.section(u' ', 0, 0), rate(entry.section(u' ', 1, 1).toDouble(), entry.section(u' ', 2).toDouble()));
        rates.insert(changes);
        QVariantMap document{{QStringLiteral("CurrencyRates"), rates},
                             {QStringLiteral("Date"), QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC)}};
        document.insert(dates);
        ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(document, ratesPath()));
    }
    // Rates of 2026-01-02 are not old to the commands.
    void plantFreshRates(const QVariantMap &changes = {})
    {
        plantRates(changes);
        group.setObject(10 * 365 * 86400, QStringLiteral("RatesStaleAge"));
    }

    FXUserDefaults group{FXUserDefaults::filePathForDomain(FXUserDefaults::groupDomain())};
};

struct Command {
    const char *arguments;
    const char *out;
    int status;
    const char *err;   // without the "cambio-cli: " that starts every message
    const char *language = "LC_ALL=en_US.UTF-8";
};

std::ostream &operator<<(std::ostream &stream, const Command &command)
{
    return stream << command.arguments;
}

class CommandOutput : public CommandLine, public ::testing::WithParamInterface<Command> {};

}

TEST_P(CommandOutput, PrintsOrRefuses)
{
    plantFreshRates();
    const Command &command = GetParam();
    const Result result = run(command.arguments, LoopbackHttpServer::refusingUrl(), command.language);
    EXPECT_EQ(result.out, QString::fromUtf8(command.out));
    EXPECT_EQ(result.status, command.status);
    const QString err = QString::fromUtf8(command.err);
    EXPECT_EQ(result.err, err.isEmpty() ? err : QStringLiteral("cambio-cli: ") + err + u'\n');
}

// The main currency is the en_US locale's, USD; the visible ones are the defaults.
INSTANTIATE_TEST_SUITE_P(Commands, CommandOutput, ::testing::Values(
    // Messages come in the language gettext would choose, not the number format's (in which order,
    // the platform's test checks); what scripts read never changes.
    Command{"rates xqq chf", "2026-01-02T03:04:05Z\nXQQ 1e-05 1e+05\nCHF 1.25 0.8\n", 0,
            "Mise à jour\u00a0: 1/2/26", "LANGUAGE=fr LANG=en_US.UTF-8"},
    Command{"convert 100", "", 2,
            "convert nécessite un montant et une devise\u00a0: convert AMOUNT FROM [TO...]",
            "LANGUAGE=fr LANG=en_US.UTF-8"},
    Command{"rates chf", "2026-01-02T03:04:05Z\nCHF 1.25 0.8\n", 0, "更新日時: 2026/01/02",
            "LC_ALL=ja_JP.UTF-8 LANG=de_DE.UTF-8"},
    Command{"convert 0.125 EUR USD", "0.25 USD\n", 0, ""},   // only what is written is rounded
    Command{"convert 100 usd chf", "125 CHF\n", 0, ""},        // a currency that no row shows
    Command{"convert 1 USD XZZ", "", 2, "unknown currency: XZZ"},     // its entry was refused
    Command{"convert 100 EUR", "200 USD\n100 EUR\n160 GBP\n20000 JPY\n0.02 BTC\n", 0, ""},
    Command{"convert -4 USD EUR", "-2 EUR\n", 0, ""},
    // Converted as read: the first amount is rounded as written, the results from 0.125.
    Command{"summary 0.125 eur", "0.12 EUR = 0.25 USD\n0.12 EUR = 0.2 GBP\n0.12 EUR = 25 JPY\n"
                                 "0.12 EUR = 0.000025 BTC\n", 0, ""},
    Command{"query 2*(1+1) chf to eur", "4 CHF = 1.6 EUR\n4 CHF = 3.2 USD\n4 CHF = 2.56 GBP\n"
                                        "4 CHF = 320 JPY\n4 CHF = 0.00032 BTC\n", 0, ""},
    Command{"query 100", "", 2, "not a conversion: 100"},
    Command{"query", "", 2, "query needs a text: query TEXT..."},
    Command{"currencies --available --filter=q", "XQQ\t\n", 0, ""},
    Command{"convert \x1b[31m\u202e00.01 USD USD", "", 2, "not an amount: \\u{1b}[31m\\u{202e}00.01"},
    Command{"visible add eur", "", 2, "already visible: EUR"},
    Command{"--locale xx_XX convert 1 USD", "", 2, "unknown locale: xx_XX"},
    Command{"--locale ar_EG@numbers=latn convert 1.5 USD EUR", "0.75 EUR\n", 0, ""},
    Command{"--locale= convert 1 USD", "", 2, "no locale given"},
    Command{"--version extra", "", 2, "--version takes no arguments: extra"},
    Command{"", "", 2, "no command given (see cambio-cli --help)"},
    Command{"exchange 1 USD", "", 2, "unknown command: exchange (see cambio-cli --help)"},
    Command{"convert 100 USD --auto", "", 2, "convert takes no option --auto"},
    Command{"convert --bogus 100 USD", "", 2, "unknown option: --bogus"},
    Command{"currencies --filter", "", 2, "--filter needs a value"},
    Command{"main --auto=yes", "", 2, "--auto takes no value"},
    Command{"history", "", 2, "history needs a currency: history CODE [AGAINST]"},
    Command{"history EUR xzz", "", 2, "unknown currency: xzz"},
    Command{"history eur EUR", "", 2, "history needs two different currencies: EUR"},
    Command{"history EUR --from 2014-13-01", "", 2, "not a date (YYYY-MM-DD): 2014-13-01"},
    Command{"history EUR --from 2014-04-01 --to 2014-04-31", "", 2, "not a date (YYYY-MM-DD): 2014-04-31"},
    Command{"history EUR --from 2014-06-02 --to 2014-06-01", "", 2,
            "the first day comes after the last: 2014-06-02 to 2014-06-01"},
    Command{"history EUR --from 2004-06-01 --to 2014-06-02", "", 2,
            "more than 10 years at once: 2004-06-01 to 2014-06-02"},
    Command{"history EUR --days 0", "", 2, "--days needs a number of days: 0"},
    Command{"history EUR --days 3 --from 2014-06-02", "", 2, "--days cannot go with --from or --to"},
    Command{"history EUR --to 2014-06-02", "", 2, "--to needs --from"}), ReadableName());

// Every language's help fits a terminal of 80 columns, and is that language's.
TEST_F(CommandLine, HelpFitsATerminalInEveryLanguage)
{
    const QString english = run("--help", LoopbackHttpServer::refusingUrl(), "LC_ALL=C").out;
    const QStringList catalogues = QDir(QStringLiteral(CAMBIO_TRANSLATIONS_DIR))
                                       .entryList({QStringLiteral("cambio_*.ts")});
    ASSERT_GT(catalogues.size(), 10);
    for (const QString &catalogue : catalogues) {
        const QString language = catalogue.mid(7).chopped(3);
        const QByteArray environment = "LANGUAGE=" + language.toLatin1() + " LANG=en_US.UTF-8";
        const Result help = run("--help", LoopbackHttpServer::refusingUrl(), environment.constData());
        EXPECT_EQ(help.status, 0) << qPrintable(language);
        EXPECT_EQ(help.out == english, language == u"en") << qPrintable(language);
        for (const QString &line : help.out.split(u'\n'))
            EXPECT_LE(FXHelpText::columns(line), FXHelpText::Width) << qPrintable(language) << ": " << qPrintable(line);
    }
}

// A list edited by hand or damaged reaches neither the rows nor the terminal; a change writes it
// clean for the next process. The window's own last input lives in the standard domain, which no
// command may write.
TEST_F(CommandLine, AHandEditedListIsReadCleanAndChangedButLastInputStays)
{
    plantRates();
    QFile file(group.filePath());
    ASSERT_TRUE(QDir().mkpath(home.configHome()) && file.open(QIODevice::WriteOnly));
    file.write("[General]\nVisibleCurrencies=XXX, eur, , EUR, EUR, ZZZ, 123, \"\x1b[31mGBP\", chf\n"
               "UserBaseCurrency=QQQ\nLocationBasedCurrency=false\n");
    file.close();
    FXUserDefaults standard(FXUserDefaults::filePathForDomain(FXUserDefaults::standardDomain()));
    standard.setObject(QVariantMap{{QStringLiteral("Value"), 25.0},
                                   {QStringLiteral("Currency"), QStringLiteral("GBP")}},
                       QStringLiteral("LastInput"));
    const QByteArray before = contents(standard.filePath());
    // The locale's USD leads.
    EXPECT_EQ(run("summary 1 USD").out, u"1 USD = 0.5 EUR\n1 USD = 1.25 CHF\n"_qs);
    EXPECT_EQ(run("visible add gbp").out, QStringLiteral("GBP\nEUR\nCHF\n"));
    EXPECT_EQ(run("visible move gbp chf").out, QStringLiteral("EUR\nCHF\nGBP\n"));
    EXPECT_EQ(run("visible remove EUR").out, QStringLiteral("CHF\nGBP\n"));
    EXPECT_EQ(run("visible reset").out, QStringLiteral("USD\nEUR\nGBP\nJPY\nBTC\n"));
    EXPECT_EQ(contents(standard.filePath()), before);
}

// Scripts read the date and the "CODE from to" lines; what the file got wrong goes to stderr.
TEST_F(CommandLine, RatesMarksTheRefusedEntriesOfTheFileOnStderr)
{
    plantFreshRates({{QStringLiteral("EUR"), rate(-0.5, -2)}, {QStringLiteral("\u001b[2J"), rate(1, 1)}});
    const Result all = run("rates");
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.err, QStringLiteral(
        "cambio-cli: Updated 1/2/26\n"
        "cambio-cli: the rates file's entry for \\u{1b}[2J is unusable and left out\n"
        "cambio-cli: the rates file's entry for EUR is unusable; the program's own rates are shown\n"
        "cambio-cli: the rates file's entry for XZZ is unusable and left out\n"));
    // The seed's rates stand for EUR's, whatever they are in this version.
    const QRegularExpression seedsEuro(u"\nEUR 0\\.\\d+ 1\\.\\d+\n"_qs);
    EXPECT_EQ(QString(all.out).replace(seedsEuro, u"\nEUR seed\n"_qs),
              u"2026-01-02T03:04:05Z\nBTC 1e-04 10000\nCHF 1.25 0.8\nEUR seed\nGBP 0.8 1.25\nJPY 100 0.01\n"
              "USD 1 1\nXQQ 1e-05 1e+05\n"_qs);
    EXPECT_EQ(run("rates").err, all.err);   // read from the compact copy of the file this time
}

// Scripts read stdout as before; people read on stderr how old the rates are, and that they are
// old, which changes no exit status; each command that converts warns, unless told to be quiet
// wherever --quiet stands.
TEST_F(CommandLine, TellsTheAgeOfTheRatesOnStderrAndWarnsWhenTheyAreOld)
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QDateTime ratesDate = QDateTime::fromSecsSinceEpoch(now - 9 * 86400, Qt::UTC);
    plantRates({}, {{QStringLiteral("Date"), QDateTime::fromSecsSinceEpoch(now - 3600, Qt::UTC)},
                    {QStringLiteral("RatesDate"), ratesDate}});
    const Result rates = run("rates chf");
    EXPECT_EQ(rates.out, ratesDate.toString(Qt::ISODate) + u"\nCHF 1.25 0.8\n");
    EXPECT_TRUE(rates.err.contains(QRegularExpression(QStringLiteral(
        "^cambio-cli: Updated \\d{1,2}/\\d{1,2}/\\d\\d\ncambio-cli: Rates are 9 days old\n$"))))
        << qPrintable(rates.err);
    const std::pair<const char *, bool> commands[] = {
        {"convert 1 USD EUR", true}, {"summary 1 USD", true}, {"convert 1 USD EUR --quiet", false},
        {"rates chf --quiet", false}};
    for (const auto &[arguments, warned] : commands) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, 0) << arguments;
        EXPECT_EQ(result.err, warned ? u"cambio-cli: Rates are 9 days old\n"_qs : QString()) << arguments;
    }
}

TEST_F(CommandLine, TheNumberFormatOfThePreferencesHoldsUnlessALocaleIsGiven)
{
    plantRates();
    group.setObject(QStringLiteral("xx_XX"), QStringLiteral("NumberFormatLocale"));   // unknown: the system's
    EXPECT_EQ(run("convert 1234.5 USD EUR").out, QStringLiteral("617.25 EUR\n"));
    group.setObject(QStringLiteral("de_DE"), QStringLiteral("NumberFormatLocale"));
    EXPECT_EQ(run("convert 1234,5 USD EUR").out, QStringLiteral("617,25 EUR\n"));
    EXPECT_EQ(run("convert 1234.5 USD EUR --locale=en_US").out, QStringLiteral("617.25 EUR\n"));
}

// Which currency is the main one, the core's test decides; here that each command reaches it.
TEST_F(CommandLine, MainCurrencyIsFixedOrFollowsTheLocation)
{
    plantRates();
    EXPECT_EQ(run("main chf").out, QStringLiteral("CHF\n"));
    EXPECT_EQ(run("summary 1").out.section(u'\n', 0, 0), QStringLiteral("1 CHF = 0.8 USD"));
    EXPECT_EQ(run("main --auto").out, QStringLiteral("USD\n"));   // the locale's, no country known yet
}

// A failed update says why; a good one says so, and the next commands read its rates and keep
// their day for the history.
TEST_F(CommandLine, UpdateSaysWhyItFailedOrKeepsTheServersRatesAndTheirDay)
{
    plantRates();
    LoopbackHttpServer server;
    server.setResponse({500, "{}"});
    const Result failed = run("update", server.url());
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, u"cambio-cli: cannot update the rates from " + server.url().toString()
                              + u": HTTP 500\n");

    server.setResponse({200, R"({"USD": {"from_base": 1, "to_base": 1},
                                 "EUR": {"from_base": 0.8, "to_base": 1.25}})",
                        true, std::nullopt, false, "Last-Modified: Fri, 04 Dec 2026 15:00:00 GMT\r\n"});
    const Result updated = run("update", server.url());
    EXPECT_EQ(updated.status, 0) << qPrintable(updated.err);
    EXPECT_TRUE(updated.out.contains(QRegularExpression(u"^Updated \\S.*\n$"_qs))) << qPrintable(updated.out);
    EXPECT_EQ(run("rates eur").out, u"2026-12-04T15:00:00Z\nEUR 0.8 1.25\n"_qs);
    EXPECT_EQ(run("history EUR USD --from 2026-12-01 --to 2026-12-04 --csv").out,
              u"date,USD per EUR\n2026-12-04,1.25\n"_qs);
}

namespace {

using Home = const TemporaryHome &;
using Path = const QString &;

struct BrokenSettings {
    const char *name;
    // Puts in place what the name says at the settings file; returns the configuration home to use.
    QString (*make)(Home home, Path settingsFile);
    const char *reason;   // why a change is not written
    bool ignored;         // whether the settings are not read at all, which is said once
};
void PrintTo(const BrokenSettings &broken, std::ostream *out) { *out << broken.name; }
class BrokenSettingsFiles : public CommandLine, public ::testing::WithParamInterface<BrokenSettings> {};

}

// Nothing hangs or fails for settings that cannot be read; a change that cannot be written says
// why, in the system's words where the system refused.
TEST_P(BrokenSettingsFiles, KeepEveryCommandRunningAndSayWhy)
{
    plantRates();
    const ScopedEnvironment configHome("XDG_CONFIG_HOME", GetParam().make(home, group.filePath()).toUtf8());
    const struct { const char *arguments; int status; const char *out; } commands[] = {
        {"--version", 0, "cambio-cli " CAMBIO_VERSION "\n"},
        {"visible", 0, "USD\nEUR\nGBP\nJPY\nBTC\n"},
        {"visible add chf", 1, ""},
        {"main --auto", 1, ""},
    };
    for (const auto &command : commands) {
        const Result result = run(command.arguments);
        EXPECT_EQ(result.status, command.status) << command.arguments;
        EXPECT_EQ(result.out, QString::fromUtf8(command.out)) << command.arguments;
        const QStringList lines = result.err.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.filter(QStringLiteral("cambio-cli: ignoring the settings in ")).size(),
                  GetParam().ignored ? 1 : 0) << command.arguments << ": " << qPrintable(result.err);
        if (command.status != 0) {
            EXPECT_TRUE(lines.last().startsWith(u"cambio-cli: cannot ")
                        && lines.last().endsWith(QString::fromUtf8(GetParam().reason)))
                << command.arguments << ": " << qPrintable(result.err);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenSettingsFiles, ::testing::Values(
    BrokenSettings{"the configuration folder is a file", [](Home home, Path) -> QString {
        QFile(home.path() + u"/file"_qs).open(QIODevice::WriteOnly);
        return home.path() + u"/file"_qs;
    }, "Not a directory", false},
    BrokenSettings{"the settings file is a FIFO", [](Home home, Path file) -> QString {
        ::mkfifo(QFile::encodeName(file).constData(), 0600);
        return home.configHome();
    }, "not a regular file", true},
    BrokenSettings{"the settings file is 200 MB", [](Home home, Path file) -> QString {
        QFile(file).open(QIODevice::WriteOnly);
        QFile::resize(file, 200 << 20);
        return home.configHome();
    }, "larger than 1 MiB", true},
    BrokenSettings{"the edit lock is a folder", [](Home home, Path file) -> QString {
        QDir().mkpath(file + u".edit-lock"_qs);
        return home.configHome();
    }, "Is a directory", false}), ReadableName());

// A full disk under the settings, made for the one process in a mount namespace of its own.
TEST_F(CommandLine, AChangeOnAFullDiskSaysSo)
{
    plantRates();
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=64k tmpfs \"$XDG_CONFIG_HOME\" || exit 77; "
        "cat /dev/zero > \"$XDG_CONFIG_HOME/filler\" 2>/dev/null; exec \"$0\" \"$@\"");
    ASSERT_TRUE(QDir().mkpath(home.configHome()));
    QProcess process;
    process.start(QStringLiteral("unshare"),
                  {QStringLiteral("--map-root-user"), QStringLiteral("--mount"), QStringLiteral("sh"),
                   QStringLiteral("-c"), script, QStringLiteral(CAMBIO_CLI_PATH),
                   QStringLiteral("visible"), QStringLiteral("add"), QStringLiteral("chf")});
    const Result result = finish(process, "visible add chf");
    if (result.status == 77 || (result.status != 1 && result.err.contains(u"unshare")))
        GTEST_SKIP() << "no mount namespace for a full disk here: " << qPrintable(result.err);
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.startsWith(u"cambio-cli: cannot write ")
                && result.err.endsWith(u": No space left on device\n")) << qPrintable(result.err);
}

TEST_F(CommandLine, ConcurrentEditsAreAllKeptAndDecidedOnWhatIsStored)
{
    const QStringList added = QStringLiteral("AUD CAD CNY DKK HKD INR KRW MXN NOK NZD PLN SEK SGD "
                                             "THB TRY ZAR BRL CZK HUF ILS ISK MYR PHP RON IDR AED "
                                             "ARS CLP COP EGP KES MAD NGN PKR QAR SAR TWD UAH VND "
                                             "XAU").split(u' ');
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QString &code : added + QStringList(10, QStringLiteral("CHF"))) {
        processes.push_back(std::make_unique<QProcess>());
        start(*processes.back(), {u"visible"_qs, u"add"_qs, code});
    }
    int refused = 0;
    for (auto &process : processes) {
        const Result result = finish(*process, "visible add");
        if (result.status == 2 && result.err == u"cambio-cli: already visible: CHF\n")
            ++refused;
        else
            EXPECT_EQ(result.status, 0) << qPrintable(result.err);
    }
    EXPECT_EQ(refused, 9);

    const QStringList visible = group.stringArrayForKey(QStringLiteral("VisibleCurrencies")).value();
    EXPECT_EQ(visible.size(), added.size() + 6) << qPrintable(visible.join(u' '));
    for (const QString &code : added + QStringList{QStringLiteral("CHF")})
        EXPECT_EQ(visible.count(code), 1) << qPrintable(code);
}

TEST_F(CommandLine, OutputThatCannotBeWrittenIsAFailure)
{
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    start(process, {u"currencies"_qs});
    const Result result = finish(process, "currencies");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.startsWith(u"cambio-cli: cannot write the output")) << qPrintable(result.err);
}

// Kept once downloaded, and written as CSV for spreadsheets, or in the locale's notation with a
// summary and, on a terminal, a sparkline; offline, what is kept is shown and the failure said.
TEST_F(CommandLine, HistoryWritesWhatIsKeptForSpreadsheetsAndPeopleAndSaysWhatFailed)
{
    plantRates();
    const QUrl refusing = LoopbackHttpServer::refusingUrl();
    const Result offline = run("history eur usd --from 2014-04-15 --to 2014-04-23", refusing);
    EXPECT_EQ(offline.status, 1);
    EXPECT_EQ(offline.out, QString());
    EXPECT_TRUE(offline.err.startsWith(u"cambio-cli: cannot download the rate history from "
                                       + refusing.toString() + u": ")) << qPrintable(offline.err);

    // The rates server's answer, derived from the ECB's rates of spring 2014 (see
    // tests/history/data/README.md).
    LoopbackHttpServer server;
    server.setResponse({200, contents(QStringLiteral(CAMBIO_HISTORY_DATA)
                                      + QStringLiteral("/history-EUR-JPY-LTL-HRK-2014.json"))});
    const Result csv = run("history jpy EUR --from 2014-04-15 --to 2014-04-23 --csv", server.url());
    EXPECT_EQ(csv.err, QString());
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, u"date,EUR per JPY\n2014-04-15,0.00711139\n2014-04-16,0.00706464\n"
                       "2014-04-17,0.00706362\n2014-04-22,0.00705763\n2014-04-23,0.00706916\n"_qs);

    const QString days = QStringLiteral(
        "Apr 15, 2014\t1.3803\nApr 16, 2014\t1.384\nApr 17, 2014\t1.3855\n"
        "Apr 22, 2014\t1.3817\nApr 23, 2014\t1.3834\n"
        "USD per EUR from Apr 15, 2014 to Apr 23, 2014: 1.3803 to 1.3834, low 1.3803 on "
        "Apr 15, 2014, high 1.3855 on Apr 17, 2014, change +0.0031 (+0.22%)\n");
    const Result wider = run("history eur usd --from 2014-04-10 --to 2014-04-23");
    EXPECT_EQ(wider.status, 0);
    EXPECT_EQ(wider.out, days);
    EXPECT_TRUE(wider.err.endsWith(u"; showing the rates kept on this computer\n")) << qPrintable(wider.err);
    EXPECT_EQ(runInTerminal("history eur usd --from 2014-04-15 --to 2014-04-23").out, days + u"▁▆█▃▅\n"_qs);
}
