#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class FXCurrencyManager;
class FXCurrencyNameIndex;
class FXCurrencySignResolver;
class FXNumberFormatter;

// A conversion asked for in a few words, as people type one into the desktop's search:
// "100 usd in eur", "€50", "10*(2+1) dollars to yen", "5 usd + 2 gbp in eur, jpy".
struct FXConversionQuery {
    struct Term {
        double amount = 0;   // negative for a term taken away
        QString currency;

        bool operator==(const Term &) const = default;
    };
    QList<Term> terms;    // added up; never empty
    QStringList targets;  // as asked for, each once; empty when none was named

    bool operator==(const FXConversionQuery &) const = default;
};

// Reads what the desktop's search hands over into a conversion query, or nothing when the text is
// none. The grammar:
//   query   := sum [connector] [targets]
//   sum     := money (("+" | "-") money)*
//   money   := currency amount | amount currency
//   amount  := a number in the locale's notation and digits, or arithmetic of numbers with
//              + - * / and parentheses
//   targets := currency ([","] currency)*
// A connector is "in", "to", "=", or the locale's own word ("nach" in German, "en" in French and
// Spanish). A currency is its code in any case, a sign ("$", "€", "CHF"; a sign shared by several
// currencies resolved as in pastes) or a name in the user's language or in English, whole
// ("US dollars", "franc suisse") or by the word that starts or ends it ("dollars", "yen").
// Main thread only.
class FXConversionQueryReader {
public:
    // All must outlive the reader.
    FXConversionQueryReader(const FXCurrencyManager &currencies, const FXNumberFormatter &numbers,
                            const FXCurrencySignResolver &signs, const FXCurrencyNameIndex &names);

    std::optional<FXConversionQuery> read(const QString &text) const;

private:
    struct Token;
    class Parser;
    QList<Token> tokens(const QString &text) const;
    // The currency whose code `word` is, in any case.
    std::optional<QString> currencyForCode(const QString &word) const;
    // The currency that the words `words` name together, if they name one.
    std::optional<QString> currencyForWords(const QStringList &words) const;
    // The one currency that a word shared by several names stands for, if any.
    std::optional<QString> resolvedWord(const QStringList &candidates) const;
    bool isConnector(const QString &word) const;

    const FXCurrencyManager &m_currencies;
    const FXNumberFormatter &m_numbers;
    const FXCurrencySignResolver &m_signs;
    const FXCurrencyNameIndex &m_names;
};
