#include "FXCommandLineTool.h"

#include "FXConversionResults.h"
#include "FXCurrencyFilter.h"
#include "FXCurrencyManager.h"
#include "FXCurrencyNameIndex.h"
#include "FXCurrencySignResolver.h"
#include "FXFlagCatalogue.h"
#include "FXHelpText.h"
#include "FXHistoryReport.h"
#include "FXInputManager.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"
#include "FXNotificationCenter.h"
#include "FXNumberFormatter.h"
#include "FXRateHistory.h"
#include "FXRatesDocument.h"
#include "FXSettingsManager.h"

#include <QEventLoop>
#include <QFileDevice>

#include <array>
#include <charconv>
#include <optional>

namespace {

const QString Help = QStringLiteral("--help");
const QString ShortHelp = QStringLiteral("-h");
const QString Version = QStringLiteral("--version");
const QString Locale = QStringLiteral("--locale");
const QString Available = QStringLiteral("--available");
const QString Filter = QStringLiteral("--filter");
const QString Auto = QStringLiteral("--auto");
const QString Quiet = QStringLiteral("--quiet");
const QString Days = QStringLiteral("--days");
const QString From = QStringLiteral("--from");
const QString To = QStringLiteral("--to");
const QString Csv = QStringLiteral("--csv");

const QStringList Flags{Help, ShortHelp, Version, Available, Auto, Quiet, Csv};
const QStringList ValueOptions{Locale, Filter, Days, From, To};

// The days a history covers when the command line names none: a month.
constexpr int DefaultHistoryDays = 30;
// As wide as a sparkline gets: it must fit a terminal's line.
constexpr int SparklineWidth = 72;
const QStringList GlobalOptions{Help, ShortHelp, Version, Locale, Quiet};

// The shortest text that reads back as the same double, in the C locale's notation, so that
// scripts can read the rates whatever the user's locale.
QString exactNumber(double value)
{
    std::array<char, 32> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return QString::fromLatin1(text.data(), end - text.data());
}

// `text` with every character that a terminal acts on, or that reorders what it shows, written as
// an escape: a message that quotes an argument or a file shows what is there and does nothing.
QString printable(const QString &text)
{
    QString shown;
    for (const char32_t character : text.toUcs4()) {
        const bool control = QChar::category(character) == QChar::Other_Control;
        const bool reorders = (character >= 0x202A && character <= 0x202E)
                              || (character >= 0x2066 && character <= 0x2069);
        if (control || reorders)
            shown += QStringLiteral("\\u{%1}").arg(uint(character), 0, 16);
        else
            shown += QString::fromUcs4(&character, 1);
    }
    return shown;
}

}

FXCommandLineTool::FXCommandLineTool(FXCurrencyManager &currencies, FXSettingsManager &settings,
                                     InputManagerSource inputs, HistorySource history,
                                     FXLocale &locale, const FXNumberFormatter &formatter,
                                     QTextStream &out, QTextStream &err, bool outIsTerminal)
    : m_currencies(currencies)
    , m_settings(settings)
    , m_inputs(std::move(inputs))
    , m_history(std::move(history))
    , m_locale(locale)
    , m_formatter(formatter)
    , m_out(out)
    , m_err(err)
    , m_outIsTerminal(outIsTerminal)
{
}

QString FXCommandLineTool::usage()
{
    // Commands, options and the words they take stay as typed; only what they do is translated.
    const std::pair<const char *, QString> commands[] = {
        {"convert AMOUNT FROM [TO...]",
         FXLocalizedString::text("AMOUNT in FROM converted into each TO, or into every row of the "
                                 "converter")},
        {"query TEXT...",
         FXLocalizedString::text("the conversions that the desktop's search shows for TEXT, such "
                                 "as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”")},
        {"summary AMOUNT [FROM]",
         FXLocalizedString::text("the copied summary of every row for AMOUNT in FROM (the main "
                                 "currency when FROM is not given)")},
        {"currencies [--available] [--filter TEXT]",
         FXLocalizedString::text("every currency of the rates with its name; --available: only "
                                 "those not shown yet; --filter: only those that TEXT finds")},
        {"visible [add CODE | remove CODE | move CODE TARGET | reset]",
         FXLocalizedString::text("the currencies the converter shows, after the change if one is "
                                 "given")},
        {"main [CODE | --auto]",
         FXLocalizedString::text("the main currency, after fixing it to CODE or letting it follow "
                                 "the computer's country")},
        {"update",
         FXLocalizedString::text("fetches the latest rates from the rates server")},
        {"rates [CODE...]",
         FXLocalizedString::text("the date of the rates, then each currency's rates from and to "
                                 "the US dollar; their age goes to stderr")},
        {"history CODE [AGAINST] [--days N | --from DATE [--to DATE]] [--csv]",
         FXLocalizedString::text("how many AGAINST (the main currency unless given) one CODE was "
                                 "worth each day, then the low, the high and the change; the last "
                                 "30 days unless told, at most 10 years; dates as YYYY-MM-DD; "
                                 "--csv for spreadsheets")},
    };
    const std::pair<const char *, QString> options[] = {
        {"--locale ID",
         FXLocalizedString::text("use the locale ID for amounts (for example de_DE, or "
                                 "ar_EG@numbers=latn for the digits 0 to 9) instead of the "
                                 "current one")},
        {"--quiet",
         FXLocalizedString::text("no warning on stderr that the rates are old")},
        {"-h, --help",
         FXLocalizedString::text("show this help and exit")},
        {"--version",
         FXLocalizedString::text("show the version and exit")},
    };
    FXHelpText help(32);
    help.addParagraph(FXLocalizedString::format("Usage: %@", QStringLiteral(
                          "cambio-cli [--locale ID] COMMAND [ARGUMENTS]")));
    help.addParagraph(FXLocalizedString::text("Converts amounts with Cambio's rates and changes "
                                              "the currencies the converter shows. Amounts are "
                                              "read and written in the current locale; currency "
                                              "codes in any case."));
    help.addBlankLine();
    help.addHeading(FXLocalizedString::text("Commands:"));
    for (const auto &[synopsis, description] : commands)
        help.addEntry(QLatin1StringView(synopsis), description);
    help.addBlankLine();
    help.addHeading(FXLocalizedString::text("Options:"));
    for (const auto &[synopsis, description] : options)
        help.addEntry(QLatin1StringView(synopsis), description);
    help.addBlankLine();
    help.addParagraph(FXLocalizedString::text("Exit status: 0 when done, 1 when the operation "
                                              "failed, 2 for a bad command line."));
    return help.text();
}

const QList<FXCommandLineTool::CommandEntry> &FXCommandLineTool::commands()
{
    static const QList<CommandEntry> entries{
        {QStringLiteral("convert"), {}, &FXCommandLineTool::convert},
        {QStringLiteral("query"), {}, &FXCommandLineTool::query},
        {QStringLiteral("summary"), {}, &FXCommandLineTool::summary},
        {QStringLiteral("currencies"), {Available, Filter}, &FXCommandLineTool::currencies},
        {QStringLiteral("visible"), {}, &FXCommandLineTool::visible},
        {QStringLiteral("main"), {Auto}, &FXCommandLineTool::mainCurrency},
        {QStringLiteral("update"), {}, &FXCommandLineTool::update},
        {QStringLiteral("rates"), {}, &FXCommandLineTool::rates},
        {QStringLiteral("history"), {Days, From, To, Csv}, &FXCommandLineTool::history},
    };
    return entries;
}

int FXCommandLineTool::run(const QStringList &arguments)
{
    Outcome outcome = runCommand(arguments);
    m_out.flush();
    // A result that did not reach its reader (a full disk, a closed pipe) is no result.
    if (m_out.status() != QTextStream::Ok && outcome.status == Success) {
        const auto *device = qobject_cast<const QFileDevice *>(m_out.device());
        outcome = failure(device ? FXLocalizedString::format("cannot write the output: %@",
                                                             device->errorString())
                                 : FXLocalizedString::text("cannot write the output"));
    }
    if (!outcome.message.isEmpty())
        m_err << QStringLiteral("cambio-cli: ") << printable(outcome.message) << '\n';
    m_err.flush();
    return outcome.status;
}

FXCommandLineTool::Outcome FXCommandLineTool::parse(const QStringList &arguments,
                                                    ParsedArguments &parsed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--") {
            parsed.positionals += arguments.mid(i + 1);
            break;
        }
        // Only words with two dashes are options, and -h: a single dash starts a negative amount.
        if (!argument.startsWith(u"--") && argument != ShortHelp) {
            parsed.positionals.append(argument);
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (Flags.contains(name)) {
            if (equals >= 0)
                return usageError(FXLocalizedString::format("%@ takes no value", name));
            parsed.flags.insert(name);
        } else if (ValueOptions.contains(name)) {
            if (equals >= 0) {
                parsed.values.insert(name, argument.mid(equals + 1));
            } else if (i + 1 < arguments.size()) {
                parsed.values.insert(name, arguments[++i]);
            } else {
                return usageError(FXLocalizedString::format("%@ needs a value", name));
            }
        } else {
            return usageError(FXLocalizedString::format("unknown option: %@", argument));
        }
    }
    return {};
}

FXCommandLineTool::Outcome FXCommandLineTool::runCommand(const QStringList &arguments)
{
    ParsedArguments parsed;
    if (Outcome outcome = parse(arguments, parsed); outcome.status != Success)
        return outcome;
    for (const QString &flag : {Help, ShortHelp, Version}) {
        if (parsed.flags.contains(flag) && !parsed.positionals.isEmpty())
            return usageError(FXLocalizedString::text("%1 takes no arguments: %2")
                                  .arg(flag, parsed.positionals.join(u' ')));
    }
    if (parsed.flags.contains(Help) || parsed.flags.contains(ShortHelp)) {
        m_out << usage();
        return {};
    }
    if (parsed.flags.contains(Version)) {
        printLine(QStringLiteral("cambio-cli " CAMBIO_VERSION));
        return {};
    }
    if (parsed.values.contains(Locale)) {
        const QString identifier = parsed.values.value(Locale);
        if (const FXResult known = FXLocale::checkLocaleName(identifier); !known.isDone())
            return usageError(known.failureReason());
        m_locale.setIdentifier(identifier);
    }
    if (parsed.positionals.isEmpty())
        return usageError(FXLocalizedString::text("no command given (see cambio-cli --help)"));
    m_quiet = parsed.flags.contains(Quiet);

    const QString name = parsed.positionals.takeFirst();
    for (const CommandEntry &command : commands()) {
        if (command.name != name)
            continue;
        QStringList used = parsed.flags.values() + parsed.values.keys();
        used.sort();
        for (const QString &option : used) {
            if (!GlobalOptions.contains(option) && !command.options.contains(option))
                return usageError(FXLocalizedString::text("%1 takes no option %2").arg(name, option));
        }
        return (this->*command.run)(parsed);
    }
    return usageError(FXLocalizedString::format("unknown command: %@ (see cambio-cli --help)", name));
}

FXInputManager &FXCommandLineTool::enterAmount(double amount, const QString &currency)
{
    // The steps of a paste into that currency's row of the converter, so that every amount is
    // written as the window would write it, but converting the amount as read: only what is
    // written is rounded.
    FXInputManager &inputs = m_inputs();
    m_currencies.setUserBaseCurrency(currency);
    inputs.setInput(amount, currency);
    inputs.updateInputsFromAmount(amount);
    return inputs;
}

std::optional<QString> FXCommandLineTool::knownCurrency(const QString &text)
{
    const QString code = text.toUpper();
    const auto rates = m_currencies.currencyRates();
    if (!rates || !rates->contains(code))
        return std::nullopt;
    return code;
}

FXCommandLineTool::Outcome FXCommandLineTool::failureOf(const FXResult &result)
{
    if (result.isDone())
        return {};
    return result.isRefused() ? usageError(result.failureReason()) : failure(result.failureReason());
}

FXCommandLineTool::Outcome FXCommandLineTool::unknownCurrency(const QString &text)
{
    return usageError(FXLocalizedString::format("unknown currency: %@", text));
}

std::optional<double> FXCommandLineTool::amount(const QString &text) const
{
    return m_formatter.formattedNumberForPasteboard(text);
}

FXCommandLineTool::Outcome FXCommandLineTool::notAnAmount(const QString &text)
{
    return usageError(FXLocalizedString::format("not an amount: %@", text));
}

void FXCommandLineTool::printLine(const QString &line)
{
    m_out << line << '\n';
}

FXCommandLineTool::Outcome FXCommandLineTool::convert(const ParsedArguments &arguments)
{
    const QStringList &words = arguments.positionals;
    if (words.size() < 2)
        return usageError(FXLocalizedString::format("convert needs an amount and a currency: %@",
                                                   QStringLiteral("convert AMOUNT FROM [TO...]")));
    const auto value = amount(words[0]);
    if (!value)
        return notAnAmount(words[0]);
    const auto from = knownCurrency(words[1]);
    if (!from)
        return unknownCurrency(words[1]);
    QStringList targets;
    for (const QString &word : words.mid(2)) {
        const auto target = knownCurrency(word);
        if (!target)
            return unknownCurrency(word);
        targets.append(*target);
    }

    if (targets.isEmpty())
        targets = m_currencies.userPreferredCurrenciesIncludingMain();
    if (Outcome refused = unconvertible(*value, *from, targets); refused.status != Success)
        return refused;
    // The amount as read, not as a row of the window would round it: only what is written is
    // rounded.
    for (const QString &target : std::as_const(targets)) {
        const double converted =
            target == *from ? *value : m_currencies.convertedAmount(*value, *from, target);
        printLine(m_formatter.formattedStringForInput(converted) + u' ' + target);
    }
    warnOfOldRates();
    return {};
}

void FXCommandLineTool::warnOfOldRates()
{
    if (const QString warning = m_currencies.staleRatesWarning(); !warning.isEmpty() && !m_quiet)
        m_err << QStringLiteral("cambio-cli: ") << warning << '\n';
}

FXCommandLineTool::Outcome FXCommandLineTool::query(const ParsedArguments &arguments)
{
    const QString text = arguments.positionals.join(u' ');
    if (text.trimmed().isEmpty())
        return usageError(FXLocalizedString::format("query needs a text: %@",
                                                   QStringLiteral("query TEXT...")));
    const FXNumberFormatter &numbers = m_formatter;
    const FXCurrencySignResolver signs(m_currencies);
    const FXCurrencyNameIndex names(m_currencies);
    const FXConversionQueryReader reader(m_currencies, numbers, signs, names);
    const FXFlagCatalogue flags;
    const QList<FXConversionResult> results =
        FXConversionResults(m_currencies, numbers, reader, flags).resultsForText(text);
    if (results.isEmpty())
        return usageError(FXLocalizedString::format("not a conversion: %@", text));
    for (const FXConversionResult &result : results)
        printLine(result.title);
    return {};
}

FXCommandLineTool::Outcome FXCommandLineTool::unconvertible(double amount, const QString &from,
                                                            const QStringList &targets) const
{
    for (const QString &currency : QStringList{from} + targets) {
        if (!m_currencies.hasRate(currency))
            return failure(FXLocalizedString::format("no usable rate for %@ in the rates in force", currency));
    }
    for (const QString &target : targets) {
        if (!FXNumberFormatter::isWritableAmount(m_currencies.convertedAmount(amount, from, target)))
            return usageError(FXLocalizedString::format("amount too large to convert into %@", target));
    }
    return {};
}

FXCommandLineTool::Outcome FXCommandLineTool::summary(const ParsedArguments &arguments)
{
    const QStringList &words = arguments.positionals;
    if (words.isEmpty() || words.size() > 2)
        return usageError(FXLocalizedString::format("summary needs an amount: %@",
                                                   QStringLiteral("summary AMOUNT [FROM]")));
    const auto value = amount(words[0]);
    if (!value)
        return notAnAmount(words[0]);
    std::optional<QString> from;
    if (words.size() == 2) {
        from = knownCurrency(words[1]);
        if (!from)
            return unknownCurrency(words[1]);
    } else {
        from = m_currencies.defaultCurrency();
        if (!from)
            return failure(FXLocalizedString::format("no main currency is in force; give FROM or fix "
                                                    "one with: %@",
                                                    QStringLiteral("cambio-cli main CODE")));
    }

    if (Outcome refused = unconvertible(*value, *from, m_currencies.userPreferredCurrenciesIncludingMain());
        refused.status != Success)
        return refused;
    m_out << enterAmount(*value, *from).inputSummaryForPasteboard();
    warnOfOldRates();
    return {};
}

FXCommandLineTool::Outcome FXCommandLineTool::currencies(const ParsedArguments &arguments)
{
    if (!arguments.positionals.isEmpty())
        return usageError(FXLocalizedString::format("currencies takes no currency: %@",
                                                   QStringLiteral("currencies [--available] "
                                                                  "[--filter TEXT]")));
    QStringList codes = arguments.flags.contains(Available) ? m_currencies.availableAuxCurrencies()
                                                            : m_currencies.allCurrencies();
    if (arguments.values.contains(Filter))
        codes = FXCurrencyFilter(m_currencies).filteredCurrencies(codes,
                                                                arguments.values.value(Filter));
    for (const QString &code : std::as_const(codes))
        printLine(code + u'\t' + m_currencies.currencyNameForCode(code).value_or(QString()));
    return {};
}

FXCommandLineTool::Outcome FXCommandLineTool::visible(const ParsedArguments &arguments)
{
    const QStringList &words = arguments.positionals;
    if (!words.isEmpty()) {
        if (Outcome changed = changeVisible(words); changed.status != Success)
            return changed;
    }
    for (const QString &code : m_settings.visibleCurrencies())
        printLine(code);
    return {};
}

FXCommandLineTool::Outcome FXCommandLineTool::changeVisible(const QStringList &words)
{
    // Whether a change fits the list (a currency already visible, one that is not) is the
    // store's to decide, from the list as stored when the change is made: another process may
    // change it in the meantime.
    const QString &action = words[0];
    FXResult result = FXResult::done();
    if (action == u"add" && words.size() == 2) {
        result = m_settings.addCurrencyToVisible(words[1]);
    } else if (action == u"remove" && words.size() == 2) {
        result = m_settings.removeCurrencyFromVisible(words[1]);
    } else if (action == u"move" && words.size() == 3) {
        result = m_settings.exchangeCurrency(words[1], words[2]);
    } else if (action == u"reset" && words.size() == 1) {
        result = m_settings.restoreDefaults();
    } else {
        return usageError(FXLocalizedString::format("visible takes one of: %@",
                                                   QStringLiteral("add CODE | remove CODE | "
                                                                  "move CODE TARGET | reset")));
    }
    return failureOf(result);
}

FXCommandLineTool::Outcome FXCommandLineTool::mainCurrency(const ParsedArguments &arguments)
{
    const QStringList &words = arguments.positionals;
    const bool automatic = arguments.flags.contains(Auto);
    if (words.size() > 1 || (automatic && !words.isEmpty()))
        return usageError(FXLocalizedString::format("main takes one currency or --auto: %@",
                                                   QStringLiteral("main [CODE | --auto]")));
    if (automatic || !words.isEmpty()) {
        const auto code = automatic ? std::nullopt : knownCurrency(words[0]);
        if (!automatic && !code)
            return unknownCurrency(words[0]);
        if (const FXResult result = m_settings.setMainCurrency(code); !result.isDone())
            return failureOf(result);
    }
    if (const auto main = m_currencies.defaultCurrency())
        printLine(*main);
    return {};
}

FXCommandLineTool::Outcome FXCommandLineTool::update(const ParsedArguments &arguments)
{
    if (!arguments.positionals.isEmpty())
        return usageError(FXLocalizedString::text("update takes no arguments"));

    // The refresh answers from the event loop.
    FXRefreshOutcome outcome;
    QEventLoop loop;
    m_currencies.refreshRates([&](const FXRefreshOutcome &ended) {
        outcome = ended;
        loop.quit();
    });
    loop.exec();

    if (!outcome.replaced || !outcome.failure.isEmpty())
        return failure(outcome.failure.isEmpty() ? FXLocalizedString::text("the rates were not updated")
                                                 : outcome.failure);
    printLine(FXLocalizedString::format("Updated %@", m_currencies.humanReadableUpdateDate()));
    return {};
}

FXCommandLineTool::Outcome FXCommandLineTool::rates(const ParsedArguments &arguments)
{
    const auto document = m_currencies.currencyRates();
    if (!document)
        return failure(FXLocalizedString::text("no rates: neither the rates file nor the program's "
                                               "own copy can be read"));
    QStringList codes;
    for (const QString &word : arguments.positionals) {
        const auto code = knownCurrency(word);
        if (!code)
            return unknownCurrency(word);
        codes.append(*code);
    }
    if (codes.isEmpty())
        codes = m_currencies.allCurrencies();

    // Scripts read the date on the first line and the rates on the others; people read the age.
    const QDateTime date = document->shownDate();
    if (date.isValid() && !m_quiet) {
        m_err << QStringLiteral("cambio-cli: ")
              << FXLocalizedString::format("Updated %@", m_currencies.humanReadableUpdateDate()) << '\n';
    }
    warnOfOldRates();
    printLine(date.isValid() ? date.toUTC().toString(Qt::ISODate) : QString());
    for (const QString &code : std::as_const(codes)) {
        const FXRate rate = document->rate(code);
        printLine(code + u' ' + exactNumber(rate.fromBase) + u' ' + exactNumber(rate.toBase));
    }
    // Scripts read the lines above; what the rates file got wrong is told beside them.
    for (const QString &code : document->refusedCodes()) {
        if (!arguments.positionals.isEmpty() && !codes.contains(code))
            continue;
        m_err << QStringLiteral("cambio-cli: ")
              << (document->contains(code)
                      ? FXLocalizedString::format("the rates file's entry for %@ is unusable; "
                                                  "the program's own rates are shown",
                                                  printable(code))
                      : FXLocalizedString::format("the rates file's entry for %@ is unusable and "
                                                  "left out",
                                                  printable(code)))
              << '\n';
    }
    return {};
}

std::optional<QString> FXCommandLineTool::historyCurrency(const QString &text)
{
    if (auto code = knownCurrency(text))
        return code;
    const QString code = text.toUpper();
    if (FXRateEntries::isCurrencyCode(code) && m_locale.displayNameForCurrency(code))
        return code;
    return std::nullopt;
}

std::optional<QString> FXCommandLineTool::historyAgainst(const QString &currency) const
{
    QStringList candidates = m_currencies.userPreferredCurrenciesIncludingMain();
    candidates.append(m_currencies.baseCurrency());
    for (const QString &candidate : std::as_const(candidates)) {
        if (candidate != currency)
            return candidate;
    }
    return std::nullopt;
}

FXCommandLineTool::Outcome FXCommandLineTool::historyRange(const ParsedArguments &arguments,
                                                           QDate &from, QDate &to) const
{
    const QDate today = QDate::currentDate();
    const auto date = [](const QString &text) {
        return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    };
    if (arguments.values.contains(Days)) {
        if (arguments.values.contains(From) || arguments.values.contains(To))
            return usageError(FXLocalizedString::text("--days cannot go with --from or --to"));
        bool number = false;
        const int days = arguments.values.value(Days).toInt(&number);
        if (!number || days < 1)
            return usageError(
                FXLocalizedString::format("--days needs a number of days: %@", arguments.values.value(Days)));
        to = today;
        from = today.addDays(1 - days);
    } else if (arguments.values.contains(From)) {
        from = date(arguments.values.value(From));
        if (!from.isValid())
            return usageError(FXLocalizedString::format("not a date (YYYY-MM-DD): %@", arguments.values.value(From)));
        to = arguments.values.contains(To) ? date(arguments.values.value(To)) : today;
        if (!to.isValid())
            return usageError(FXLocalizedString::format("not a date (YYYY-MM-DD): %@", arguments.values.value(To)));
    } else if (arguments.values.contains(To)) {
        return usageError(FXLocalizedString::text("--to needs --from"));
    } else {
        to = today;
        from = today.addDays(1 - DefaultHistoryDays);
    }
    if (from > to) {
        return usageError(FXLocalizedString::text("the first day comes after the last: %1 to %2")
                              .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate)));
    }
    if (to > from.addYears(MaximumHistoryYears)) {
        return usageError(FXLocalizedString::text("more than %1 years at once: %2 to %3")
                              .arg(QString::number(MaximumHistoryYears), from.toString(Qt::ISODate),
                                   to.toString(Qt::ISODate)));
    }
    return {};
}

FXCommandLineTool::Outcome FXCommandLineTool::history(const ParsedArguments &arguments)
{
    const QStringList &words = arguments.positionals;
    if (words.isEmpty() || words.size() > 2)
        return usageError(FXLocalizedString::format("history needs a currency: %@",
                                                   QStringLiteral("history CODE [AGAINST]")));
    const auto currency = historyCurrency(words[0]);
    if (!currency)
        return unknownCurrency(words[0]);
    const auto against = words.size() == 2 ? historyCurrency(words[1]) : historyAgainst(*currency);
    if (!against)
        return unknownCurrency(words[1]);
    if (*against == *currency)
        return usageError(FXLocalizedString::format("history needs two different currencies: %@", *currency));
    QDate from;
    QDate to;
    if (Outcome refused = historyRange(arguments, from, to); refused.status != Success)
        return refused;

    // What is kept is shown whatever the download gives: offline, that is all there is.
    FXRateHistory &kept = m_history();
    const QStringList both{*currency, *against};
    QString downloadFailure;
    QEventLoop loop;
    kept.download(both, from, to, &loop, [&](const QString &failure) {
        downloadFailure = failure;
        loop.quit();
    });
    loop.exec();

    const QMap<QString, FXRateSeries> series = kept.series(both, from, to);
    const FXHistoryReport report(*currency, *against, series.value(*currency), series.value(*against));
    if (report.isEmpty()) {
        return failure(downloadFailure.isEmpty()
                           ? FXLocalizedString::text("no rates of %1 against %2 from %3 to %4")
                                 .arg(*currency, *against, from.toString(Qt::ISODate), to.toString(Qt::ISODate))
                           : downloadFailure);
    }
    if (!downloadFailure.isEmpty())
        m_err << QStringLiteral("cambio-cli: ") << downloadFailure << QStringLiteral("; ")
              << FXLocalizedString::text("showing the rates kept on this computer") << '\n';
    const bool csv = arguments.flags.contains(Csv);
    for (const QString &line : csv ? report.csvLines() : report.lines(m_locale))
        printLine(line);
    if (!csv) {
        printLine(report.summary(m_locale));
        if (m_outIsTerminal)
            printLine(report.sparkline(SparklineWidth));
    }
    return {};
}
