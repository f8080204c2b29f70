#include "FXConversionResults.h"

#include "FXCurrencyManager.h"
#include "FXFlagCatalogue.h"
#include "FXICUString.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"
#include "FXNumberFormatter.h"

#include <unicode/datefmt.h>
#include <unicode/timezone.h>

#include <array>
#include <charconv>
#include <cmath>
#include <memory>

namespace {

// The shortest text that reads back as the same double, in plain decimal notation.
QString exactNumber(double value)
{
    std::array<char, 400> text;
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed).ptr;
    return QString::fromLatin1(text.data(), end - text.data());
}

}

FXConversionResults::FXConversionResults(const FXCurrencyManager &currencies,
                                         const FXNumberFormatter &numbers,
                                         const FXConversionQueryReader &reader,
                                         const FXFlagCatalogue &flags)
    : m_currencies(currencies)
    , m_numbers(numbers)
    , m_reader(reader)
    , m_flags(flags)
{
}

QList<FXConversionResult> FXConversionResults::resultsForText(const QString &text) const
{
    const auto query = m_reader.read(text);
    if (!query)
        return {};
    QStringList targets = query->targets;
    for (const QString &shown : m_currencies.userPreferredCurrenciesIncludingMain()) {
        // "100 USD = 100 USD" tells nothing; a sum of several currencies in one of them does.
        const bool isSource = query->terms.size() == 1 && shown == query->terms.front().currency;
        if (!isSource && !targets.contains(shown))
            targets.append(shown);
    }
    QList<FXConversionResult> results;
    for (const QString &target : std::as_const(targets)) {
        if (results.size() == MaximumResults)
            break;
        if (auto answer = result(*query, target))
            results.append(*answer);
    }
    return results;
}

std::optional<FXConversionQuery::Term> FXConversionResults::sourceOf(const QString &text) const
{
    const auto query = m_reader.read(text);
    if (!query)
        return std::nullopt;
    const QString source = query->terms.front().currency;
    const double amount = total(*query, source);
    if (!FXNumberFormatter::isWritableAmount(amount))
        return std::nullopt;
    return FXConversionQuery::Term{amount, source};
}

std::optional<FXConversionResult> FXConversionResults::result(const FXConversionQuery &query,
                                                              const QString &target) const
{
    if (!m_currencies.hasRate(target))
        return std::nullopt;
    QString asked;
    for (const FXConversionQuery::Term &term : query.terms) {
        if (!m_currencies.hasRate(term.currency))
            return std::nullopt;
        const QString amount = m_numbers.formattedStringForInput(
            asked.isEmpty() ? term.amount : std::abs(term.amount));
        if (!asked.isEmpty())
            asked += term.amount < 0 ? QStringLiteral(" \u2212 ") : QStringLiteral(" + ");
        asked += amount + u' ' + term.currency;
    }
    const double converted = total(query, target);
    const double source = total(query, query.terms.front().currency);
    if (!FXNumberFormatter::isWritableAmount(converted)
        || !FXNumberFormatter::isWritableAmount(source))
        return std::nullopt;

    FXConversionResult answer;
    answer.identifier = identifier(query, target);
    answer.convertedText = m_numbers.formattedStringForInput(converted);
    answer.title = asked + QStringLiteral(" = ") + answer.convertedText + u' ' + target;
    const QString name = m_currencies.currencyNameForCode(target).value_or(target);
    const QString date = ratesDate();
    answer.description =
        date.isEmpty() ? name : name + QStringLiteral(", ")
                                    + FXLocalizedString::format("rates of %@", date);
    answer.iconPath = m_flags.imagePathForCurrency(target);
    answer.sourceCurrency = query.terms.front().currency;
    answer.sourceAmount = source;
    answer.target = target;
    return answer;
}

double FXConversionResults::total(const FXConversionQuery &query, const QString &currency) const
{
    double sum = 0;
    for (const FXConversionQuery::Term &term : query.terms) {
        sum += term.currency == currency
                   ? term.amount
                   : m_currencies.convertedAmount(term.amount, term.currency, currency);
    }
    return sum;
}

// "USD 100|GBP 2>EUR": each amount with its currency, in the C locale's notation, then the target.
QString FXConversionResults::identifier(const FXConversionQuery &query, const QString &target)
{
    QStringList terms;
    for (const FXConversionQuery::Term &term : query.terms)
        terms.append(term.currency + u' ' + exactNumber(term.amount));
    return terms.join(u'|') + u'>' + target;
}

std::optional<FXConversionResult>
FXConversionResults::resultForIdentifier(const QString &identifier) const
{
    const qsizetype arrow = identifier.lastIndexOf(u'>');
    if (arrow < 0)
        return std::nullopt;
    FXConversionQuery query;
    for (const QString &term : identifier.first(arrow).split(u'|')) {
        const QStringList parts = term.split(u' ');
        bool isNumber = false;
        const double amount = parts.size() == 2 ? parts[1].toDouble(&isNumber) : 0;
        if (!isNumber || !std::isfinite(amount)
            || !m_currencies.ratesTable().isKnownCurrency(parts[0]))
            return std::nullopt;
        query.terms.append({amount, parts[0]});
    }
    const QString target = identifier.mid(arrow + 1);
    if (!m_currencies.ratesTable().isKnownCurrency(target))
        return std::nullopt;
    return result(query, target);
}

// The date of the rates in force in the locale's short notation ("12/4/26" in en_US), written
// again only when the date or the locale changed.
QString FXConversionResults::ratesDate() const
{
    const auto rates = m_currencies.currencyRates();
    const QDateTime date = rates ? rates->shownDate() : QDateTime();
    const quint64 generation = m_currencies.locale().generation();
    if (date == m_writtenDate.date && generation == m_writtenDate.generation)
        return m_writtenDate.text;
    m_writtenDate = {date, generation, QString()};
    const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(
        icu::DateFormat::kShort, m_currencies.locale().icuLocale()));
    if (!date.isValid() || !format)
        return {};
    format->adoptTimeZone(icu::TimeZone::createTimeZone(u"UTC"));
    icu::UnicodeString text;
    format->format(UDate(date.toMSecsSinceEpoch()), text);
    m_writtenDate.text = FXICUString::toQString(text);
    return m_writtenDate.text;
}
