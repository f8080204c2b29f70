#include "FXHistoryReport.h"

#include "FXICUString.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"

#include <QTimeZone>

#include <unicode/datefmt.h>
#include <unicode/numberformatter.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

namespace {

// Rates are published with five or six significant digits; more would be noise of the division.
constexpr int SignificantDigits = 6;

QString dayText(QDate day, const FXLocale &locale)
{
    const std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kMedium, locale.icuLocale()));
    if (!format)
        return day.toString(Qt::ISODate);
    format->adoptTimeZone(icu::TimeZone::createTimeZone(u"UTC"));
    icu::UnicodeString text;
    format->format(UDate(QDateTime(day, QTime(12, 0), QTimeZone::utc()).toMSecsSinceEpoch()), text);
    return FXICUString::toQString(text);
}

// How many fraction digits six significant digits of `value` take.
int fractionDigits(double value)
{
    const int magnitude = value == 0 ? 0 : int(std::floor(std::log10(std::abs(value))));
    return std::clamp(SignificantDigits - 1 - magnitude, 0, 20);
}

QString localeNumber(double value, const FXLocale &locale,
                     icu::number::Precision precision = icu::number::Precision::maxSignificantDigits(SignificantDigits),
                     UNumberSignDisplay sign = UNUM_SIGN_AUTO)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = icu::number::NumberFormatter::withLocale(locale.icuLocale())
                                        .precision(precision)
                                        .sign(sign)
                                        .formatDouble(value, status)
                                        .toString(status);
    return U_SUCCESS(status) ? FXICUString::toQString(text) : QString::number(value);
}

QString localePercent(double value, const FXLocale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = icu::number::NumberFormatter::withLocale(locale.icuLocale())
                                        .unit(icu::NoUnit::percent())
                                        .precision(icu::number::Precision::fixedFraction(2))
                                        .sign(UNUM_SIGN_EXCEPT_ZERO)
                                        .formatDouble(value, status)
                                        .toString(status);
    return U_SUCCESS(status) ? FXICUString::toQString(text) : QString::number(value) + u'%';
}

// Six significant digits in the C locale's notation, never in a scientific one, which not every
// spreadsheet reads: 1.39063, 0.0000123457, 11567.2.
QString plainNumber(double value)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                   fractionDigits(value)).ptr;
    std::string_view written(text, end - text);
    if (written.find('.') != std::string_view::npos) {
        while (written.ends_with('0'))
            written.remove_suffix(1);
        if (written.ends_with('.'))
            written.remove_suffix(1);
    }
    return QString::fromLatin1(written.data(), qsizetype(written.size()));
}

}

FXHistoryReport::FXHistoryReport(QString currency, QString against, const FXRateSeries &currencySeries,
                                 const FXRateSeries &againstSeries)
    : m_currency(std::move(currency))
    , m_against(std::move(against))
    , m_rates(currencySeries, againstSeries)
{
}

QStringList FXHistoryReport::lines(const FXLocale &locale) const
{
    QStringList lines;
    for (const FXCrossRate &day : m_rates.days())
        lines.append(dayText(day.day, locale) + u'\t' + localeNumber(day.rate, locale));
    return lines;
}

QStringList FXHistoryReport::csvLines() const
{
    QStringList lines{QStringLiteral("date,%1 per %2").arg(m_against, m_currency)};
    for (const FXCrossRate &day : m_rates.days())
        lines.append(day.day.toString(Qt::ISODate) + u',' + plainNumber(day.rate));
    return lines;
}

QString FXHistoryReport::summary(const FXLocale &locale) const
{
    if (m_rates.isEmpty())
        return {};
    const FXCrossRate first = *m_rates.first();
    const FXCrossRate last = *m_rates.last();
    const FXCrossRate low = *m_rates.low();
    const FXCrossRate high = *m_rates.high();
    const double change = m_rates.change();
    // To the last digit the rates are written with: a difference has no more digits than they.
    const auto changePrecision = icu::number::Precision::maxFraction(fractionDigits(first.rate));
    return FXLocalizedString::text("%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on "
                                   "%10, change %11 (%12)")
        .arg(m_against, m_currency, dayText(first.day, locale), dayText(last.day, locale),
             localeNumber(first.rate, locale), localeNumber(last.rate, locale),
             localeNumber(low.rate, locale), dayText(low.day, locale),
             localeNumber(high.rate, locale))
        .arg(dayText(high.day, locale), localeNumber(change, locale, changePrecision, UNUM_SIGN_EXCEPT_ZERO),
             localePercent(m_rates.changePercent(), locale));
}

QString FXHistoryReport::sparkline(int width) const
{
    static const QString Blocks = QStringLiteral("▁▂▃▄▅▆▇█");
    const QList<FXCrossRate> &days = m_rates.days();
    if (days.isEmpty() || width <= 0)
        return {};
    const qsizetype columns = std::min<qsizetype>(width, days.size());
    QList<double> averages(columns, 0.0);
    QList<int> counts(columns, 0);
    for (qsizetype i = 0; i < days.size(); ++i) {
        const qsizetype column = i * columns / days.size();
        averages[column] += days[i].rate;
        ++counts[column];
    }
    for (qsizetype column = 0; column < columns; ++column)
        averages[column] /= counts[column];
    const auto [low, high] = std::minmax_element(averages.cbegin(), averages.cend());
    QString line;
    for (const double average : std::as_const(averages)) {
        // A level range without width draws the middle block: the rate did not move.
        const qsizetype level = *high > *low
                                    ? qsizetype(std::lround((average - *low) / (*high - *low) * 7))
                                    : 3;
        line += Blocks.at(level);
    }
    return line;
}
