#include "FXConversionQuery.h"

#include "FXCurrencyManager.h"
#include "FXCurrencyNameIndex.h"
#include "FXCurrencySignResolver.h"
#include "FXLocale.h"
#include "FXNumberFormatter.h"

#include <QHash>

#include <unicode/locid.h>

#include <cmath>

namespace {

// Longer texts are no query a person typed into a search field.
constexpr qsizetype MaximumQueryLength = 200;
// Parentheses nest no deeper: arithmetic typed into a search field never does.
constexpr int MaximumNesting = 16;
// The longest name of a currency, in words ("dollar des îles Caïmans" has four).
constexpr qsizetype MaximumNameWords = 5;
// Amounts beyond what the converter's rows take (twelve integer digits) are no amounts.
constexpr double LargestAmount = 1e12;

// The words that lead to the targets in each language, besides "in", "to" and "=".
const QHash<QString, QStringList> &connectorsByLanguage()
{
    static const QHash<QString, QStringList> connectors{
        {QStringLiteral("de"), {QStringLiteral("nach")}},
        {QStringLiteral("fr"), {QStringLiteral("en")}},
        {QStringLiteral("es"), {QStringLiteral("en")}},
    };
    return connectors;
}

bool isBidiMark(QChar character)
{
    const char16_t unit = character.unicode();
    return unit == 0x200e || unit == 0x200f || unit == 0x061c || (unit >= 0x202a && unit <= 0x202e)
           || (unit >= 0x2066 && unit <= 0x2069);
}

// The operator a character stands for, in ASCII ("×" is "*"); 0 for none.
char16_t operatorOf(QChar character)
{
    switch (character.unicode()) {
    case u'+': case u'-': case u'*': case u'/': case u'(': case u')':
        return character.unicode();
    case u'\u2212': return u'-';   // minus sign
    case u'\u00d7': return u'*';   // multiplication sign
    case u'\u00f7': return u'/';   // division sign
    default: return 0;
    }
}

bool endsWord(QChar character)
{
    return character.isSpace() || character.isDigit() || isBidiMark(character)
           || operatorOf(character) != 0 || character == u',' || character == u'=';
}

}

struct FXConversionQueryReader::Token {
    enum Kind { Number, Operator, Comma, Word };
    Kind kind;
    QString text;       // a word as typed; an operator in ASCII
    double value = 0;   // a number's
};

// Recursive descent over the tokens of one query, after the grammar in the header.
class FXConversionQueryReader::Parser {
public:
    Parser(const FXConversionQueryReader &reader, const QList<Token> &tokens)
        : m_reader(reader)
        , m_tokens(tokens)
    {
    }

    std::optional<FXConversionQuery> query()
    {
        FXConversionQuery query;
        auto first = money();
        if (!first)
            return std::nullopt;
        query.terms.append(*first);
        while (atOperator(u'+') || atOperator(u'-')) {
            const qsizetype before = m_position;
            const double sign = m_tokens[m_position++].text == u"-" ? -1 : 1;
            auto term = money();
            if (!term) {
                m_position = before;
                break;
            }
            term->amount *= sign;
            query.terms.append(*term);
        }
        const bool connected = atEnd() ? false : m_reader.isConnector(m_tokens[m_position].text)
                                                     && m_tokens[m_position].kind == Token::Word;
        if (connected)
            ++m_position;
        while (!atEnd()) {
            if (!query.targets.isEmpty() && m_tokens[m_position].kind == Token::Comma)
                ++m_position;
            const auto target = currency();
            if (!target)
                return std::nullopt;
            if (!query.targets.contains(*target))
                query.targets.append(*target);
        }
        if (connected && query.targets.isEmpty())
            return std::nullopt;
        return query;
    }

private:
    bool atEnd() const { return m_position >= m_tokens.size(); }
    bool atOperator(char16_t op) const
    {
        return !atEnd() && m_tokens[m_position].kind == Token::Operator
               && m_tokens[m_position].text.front() == op;
    }

    std::optional<FXConversionQuery::Term> money()
    {
        const qsizetype start = m_position;
        if (const auto sign = currency()) {
            if (const auto value = amount())
                return FXConversionQuery::Term{*value, *sign};
            m_position = start;
            return std::nullopt;
        }
        const auto value = amount();
        if (!value)
            return std::nullopt;
        const auto code = currency();
        if (!code) {
            m_position = start;
            return std::nullopt;
        }
        return FXConversionQuery::Term{*value, *code};
    }

    std::optional<double> amount()
    {
        const auto value = sum(0);
        if (!value || !std::isfinite(*value) || std::abs(*value) >= LargestAmount)
            return std::nullopt;
        return value;
    }

    // Terms added and taken away; stops before an operator that no number follows, which may
    // join two amounts of money instead.
    std::optional<double> sum(int depth)
    {
        auto value = product(depth);
        while (value && (atOperator(u'+') || atOperator(u'-'))) {
            const qsizetype before = m_position;
            const bool plus = m_tokens[m_position++].text == u"+";
            const auto next = product(depth);
            if (!next) {
                m_position = before;
                break;
            }
            *value = plus ? *value + *next : *value - *next;
        }
        return value;
    }

    std::optional<double> product(int depth)
    {
        auto value = factor(depth);
        while (value && (atOperator(u'*') || atOperator(u'/'))) {
            const bool times = m_tokens[m_position++].text == u"*";
            const auto next = factor(depth);
            if (!next)
                return std::nullopt;
            *value = times ? *value * *next : *value / *next;
        }
        return value;
    }

    std::optional<double> factor(int depth)
    {
        if (atEnd() || depth > MaximumNesting)
            return std::nullopt;
        const Token &token = m_tokens[m_position];
        if (token.kind == Token::Number) {
            ++m_position;
            return token.value;
        }
        if (atOperator(u'-') || atOperator(u'+')) {
            ++m_position;
            const auto value = factor(depth + 1);
            return value && token.text == u"-" ? std::optional(-*value) : value;
        }
        if (atOperator(u'(')) {
            ++m_position;
            const auto value = sum(depth + 1);
            if (!value || !atOperator(u')'))
                return std::nullopt;
            ++m_position;
            return value;
        }
        return std::nullopt;
    }

    // The longest run of words from here that names a currency; a code at once, as no name
    // starts with one.
    std::optional<QString> currency()
    {
        if (!atEnd() && m_tokens[m_position].kind == Token::Word) {
            if (auto code = m_reader.currencyForCode(m_tokens[m_position].text)) {
                ++m_position;
                return code;
            }
        }
        QStringList words;
        for (qsizetype i = m_position; i < m_tokens.size() && words.size() < MaximumNameWords; ++i) {
            if (m_tokens[i].kind != Token::Word)
                break;
            words.append(m_tokens[i].text);
        }
        for (qsizetype count = words.size(); count > 0; --count) {
            if (const auto code = m_reader.currencyForWords(words.first(count))) {
                m_position += count;
                return code;
            }
        }
        return std::nullopt;
    }

    const FXConversionQueryReader &m_reader;
    const QList<Token> &m_tokens;
    qsizetype m_position = 0;
};

FXConversionQueryReader::FXConversionQueryReader(const FXCurrencyManager &currencies,
                                                 const FXNumberFormatter &numbers,
                                                 const FXCurrencySignResolver &signs,
                                                 const FXCurrencyNameIndex &names)
    : m_currencies(currencies)
    , m_numbers(numbers)
    , m_signs(signs)
    , m_names(names)
{
}

std::optional<FXConversionQuery> FXConversionQueryReader::read(const QString &text) const
{
    if (text.size() > MaximumQueryLength)
        return std::nullopt;
    const QList<Token> all = tokens(text);
    if (all.isEmpty())
        return std::nullopt;
    return Parser(*this, all).query();
}

QList<FXConversionQueryReader::Token> FXConversionQueryReader::tokens(const QString &text) const
{
    const FXLocale &locale = m_currencies.locale();
    const QString decimal = locale.decimalSeparator();
    const QString grouping = locale.groupingSeparator();
    // What may stand between two digits of one number: the locale's separators, those of its
    // digits 0 to 9, and any space where the locale groups digits with one.
    const auto joinsDigits = [&](QChar character) {
        return decimal.contains(character) || grouping.contains(character) || character == u'.'
               || character == u',' || character == u'\'' || character == QChar(0x2019)
               || character == QChar(0x066b) || character == QChar(0x066c)
               || (character.isSpace() && !grouping.isEmpty() && grouping.front().isSpace());
    };
    const auto digitAt = [&](qsizetype i) { return i < text.size() && text[i].isDigit(); };

    QList<Token> result;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar character = text[i];
        if (character.isSpace() || isBidiMark(character)) {
            ++i;
        } else if (character.isDigit() || (decimal.contains(character) && digitAt(i + 1))) {
            const qsizetype start = i++;
            while (digitAt(i) || (i < text.size() && joinsDigits(text[i]) && digitAt(i + 1)))
                ++i;
            const auto value = m_numbers.formattedNumberForPasteboard(text.mid(start, i - start));
            if (!value)
                return {};
            result.append({Token::Number, QString(), *value});
        } else if (const char16_t op = operatorOf(character)) {
            result.append({Token::Operator, QString(QChar(op)), 0});
            ++i;
        } else if (character == u',') {
            result.append({Token::Comma, QString(character), 0});
            ++i;
        } else if (character == u'=') {
            result.append({Token::Word, QString(character), 0});
            ++i;
        } else {
            const qsizetype start = i++;
            while (i < text.size() && !endsWord(text[i]))
                ++i;
            result.append({Token::Word, text.mid(start, i - start), 0});
        }
    }
    return result;
}

std::optional<QString> FXConversionQueryReader::currencyForCode(const QString &word) const
{
    if (word.size() != 3)
        return std::nullopt;
    const QString code = word.toUpper();
    if (!m_currencies.ratesTable().isKnownCurrency(code))
        return std::nullopt;
    return code;
}

std::optional<QString> FXConversionQueryReader::currencyForWords(const QStringList &words) const
{
    const QString joined = words.join(u' ');
    if (words.size() == 1) {
        if (const auto code = m_signs.currencyForSign(joined))
            return code;
    }
    if (const QString code = m_names.currencyForName(joined); !code.isEmpty())
        return code;
    if (words.size() == 1)
        return resolvedWord(m_names.currenciesForWord(joined));
    return std::nullopt;
}

std::optional<QString> FXConversionQueryReader::resolvedWord(const QStringList &candidates) const
{
    if (candidates.size() == 1)
        return candidates.front();
    // As a shared sign: toward the main currency, else the one visible currency it may name,
    // else the locale's own, else the dollar that rates are given in.
    if (const auto main = m_currencies.defaultCurrency(); main && candidates.contains(*main))
        return main;
    const QStringList shown = m_currencies.userPreferredCurrencies();
    QStringList shownCandidates = candidates;
    shownCandidates.removeIf([&](const QString &code) { return !shown.contains(code); });
    if (shownCandidates.size() == 1)
        return shownCandidates.front();
    if (!shownCandidates.isEmpty())
        return std::nullopt;
    if (const auto own = m_currencies.locale().currencyCode(); own && candidates.contains(*own))
        return own;
    if (candidates.contains(FXCurrencyManager::baseCurrency()))
        return FXCurrencyManager::baseCurrency();
    return std::nullopt;
}

bool FXConversionQueryReader::isConnector(const QString &word) const
{
    const QString folded = FXCurrencyNameIndex::key(word);
    if (folded == u"in" || folded == u"to" || folded == u"=")
        return true;
    const QString language = QString::fromLatin1(m_currencies.locale().icuLocale().getLanguage());
    return connectorsByLanguage().value(language).contains(folded);
}
