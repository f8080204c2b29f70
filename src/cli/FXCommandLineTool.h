#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

// cambio-cli: converts amounts and edits the currency settings from a terminal, over the same
// rates file, settings and locale as the window, so that a change made here shows in the window
// and the other way round. It never locates the computer (the main currency follows the country
// the window last found) and never touches the window's last input.
//
// One tool per process: `run` replaces the program's locale when asked to.
class FXCurrencyManager;
class FXInputManager;
class FXLocale;
class FXNumberFormatter;
class FXRateHistory;
class FXResult;
class FXSettingsManager;

class FXCommandLineTool {
public:
    // Exit statuses.
    static constexpr int Success = 0;
    static constexpr int Failure = 1;      // an operation failed: no rates, a refresh that failed
    static constexpr int UsageError = 2;   // unknown command, option or currency; unreadable amount

    // Made only by the commands that convert: restoring the window's last input costs a conversion.
    using InputManagerSource = std::function<FXInputManager &()>;
    // Made only by the history command: the others need not open the kept rates.
    using HistorySource = std::function<FXRateHistory &()>;

    // Results go to `out`, one item per line; messages to `err` as "cambio-cli: MESSAGE".
    // Amounts are read and written in `locale`, through `formatter`, which follows it. What only
    // a person reads (the sparkline of the history) is written when `out` is a terminal.
    FXCommandLineTool(FXCurrencyManager &currencies, FXSettingsManager &settings,
                      InputManagerSource inputs, HistorySource history, FXLocale &locale,
                      const FXNumberFormatter &formatter, QTextStream &out, QTextStream &err,
                      bool outIsTerminal = false);

    // The longest range the history command takes, which is what the rates server answers at once.
    static constexpr int MaximumHistoryYears = 10;

    // Runs the command that `arguments` (without the program's name) give; returns the exit status.
    int run(const QStringList &arguments);

private:
    static QString usage();

    struct Outcome {
        int status = Success;
        QString message;
    };
    // The command line, options taken out wherever they stand until a "--".
    struct ParsedArguments {
        QSet<QString> flags;
        QHash<QString, QString> values;
        QStringList positionals;
    };
    using Command = Outcome (FXCommandLineTool::*)(const ParsedArguments &);
    struct CommandEntry {
        QString name;
        QStringList options;
        Command run;
    };
    static const QList<CommandEntry> &commands();

    static Outcome usageError(const QString &message) { return {UsageError, message}; }
    static Outcome failure(const QString &message) { return {Failure, message}; }
    // Nothing for a result that is done, else its reason: a usage error when refused, else a
    // failure.
    static Outcome failureOf(const FXResult &result);
    static Outcome parse(const QStringList &arguments, ParsedArguments &parsed);

    Outcome runCommand(const QStringList &arguments);
    Outcome convert(const ParsedArguments &arguments);
    Outcome query(const ParsedArguments &arguments);
    Outcome summary(const ParsedArguments &arguments);
    Outcome currencies(const ParsedArguments &arguments);
    Outcome visible(const ParsedArguments &arguments);
    Outcome changeVisible(const QStringList &words);
    Outcome mainCurrency(const ParsedArguments &arguments);
    Outcome update(const ParsedArguments &arguments);
    Outcome rates(const ParsedArguments &arguments);
    Outcome history(const ParsedArguments &arguments);
    // The first and last day that the history command's options name, else why they name none.
    Outcome historyRange(const ParsedArguments &arguments, QDate &from, QDate &to) const;
    // The currency a history is read against when the command line names none: the main
    // currency, else (for the main currency itself) the first other visible one.
    std::optional<QString> historyAgainst(const QString &currency) const;

    // Why `amount` in `from` cannot be converted into every one of `targets`, if it cannot: a
    // currency without a usable rate, or a result beyond the range of numbers.
    Outcome unconvertible(double amount, const QString &from, const QStringList &targets) const;
    // Enters `amount` in `currency` and converts every other currency from it.
    FXInputManager &enterAmount(double amount, const QString &currency);
    // The currency of the rates table that `text` names, whatever its case.
    std::optional<QString> knownCurrency(const QString &text);
    // The same, or a currency that has left the rates table and is still known by name (LTL).
    std::optional<QString> historyCurrency(const QString &text);
    static Outcome unknownCurrency(const QString &text);
    // `text` read like an amount pasted into the converter.
    std::optional<double> amount(const QString &text) const;
    static Outcome notAnAmount(const QString &text);
    void printLine(const QString &line);
    // Tells on stderr that the rates in force are old, unless --quiet.
    void warnOfOldRates();

    FXCurrencyManager &m_currencies;
    FXSettingsManager &m_settings;
    InputManagerSource m_inputs;
    HistorySource m_history;
    FXLocale &m_locale;
    const FXNumberFormatter &m_formatter;
    QTextStream &m_out;
    QTextStream &m_err;
    bool m_outIsTerminal;
    bool m_quiet = false;
};
