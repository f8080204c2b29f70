#include "FXNumberFormatter.h"

#include "FXLocale.h"

#include <unicode/decimfmt.h>
#include <unicode/numberformatter.h>

#include <cmath>

struct FXNumberFormatter::Conventions {
    quint64 generation = 0;
    QString decimalSeparator;
    icu::number::LocalizedNumberFormatter writer;
    std::unique_ptr<icu::DecimalFormat> reader;   // none when ICU has no decimal format for the locale
};

FXNumberFormatter &FXNumberFormatter::sharedFormatter()
{
    static FXNumberFormatter formatter(FXLocale::current());
    return formatter;
}

FXNumberFormatter::FXNumberFormatter(const FXLocale &locale)
    : m_locale(locale)
{
}

FXNumberFormatter::~FXNumberFormatter() = default;

const FXNumberFormatter::Conventions &FXNumberFormatter::conventions() const
{
    // The generation is read before the locale's data: a replacement in between is then seen as
    // a newer generation at the next call, never hidden under the old one.
    const quint64 generation = m_locale.generation();
    if (m_conventions && m_conventions->generation == generation)
        return *m_conventions;

    auto conventions = std::make_unique<Conventions>();
    conventions->generation = generation;
    conventions->decimalSeparator = m_locale.decimalSeparator();
    const icu::Locale locale = m_locale.icuLocale();
    // Half-even is also the rounding of ICU's defaults, spelled out because amounts depend on it.
    // Negative amounts that round to zero are written "0", not "-0".
    conventions->writer = icu::number::NumberFormatter::withLocale(locale)
                              .precision(icu::number::Precision::maxFraction(2))
                              .roundingMode(UNUM_ROUND_HALFEVEN)
                              .grouping(UNUM_GROUPING_OFF)
                              .sign(UNUM_SIGN_NEGATIVE);

    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> format(
        icu::NumberFormat::createInstance(locale, UNUM_DECIMAL, status));
    if (U_SUCCESS(status) && dynamic_cast<icu::DecimalFormat *>(format.get())) {
        conventions->reader.reset(static_cast<icu::DecimalFormat *>(format.release()));
        // Strict: grouping separators only where the locale puts them, no surrounding text.
        // Without exponents "1E5" is a letter in an amount, not a hundred thousand.
        conventions->reader->setLenient(false);
        conventions->reader->setParseNoExponent(true);
    }
    m_conventions = std::move(conventions);
    return *m_conventions;
}

std::optional<double> FXNumberFormatter::read(const QString &text) const
{
    const icu::DecimalFormat *reader = conventions().reader.get();
    const QString trimmed = text.trimmed();
    if (!reader || trimmed.isEmpty())
        return std::nullopt;

    const icu::UnicodeString source(false, trimmed.utf16(), int32_t(trimmed.size()));
    icu::Formattable result;
    icu::ParsePosition position(0);
    reader->parse(source, result, position);
    // ICU stops at the first character it cannot take and reports what came before it: only a
    // text that was read to its end is a number.
    if (position.getIndex() != source.length())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const double value = result.getDouble(status);
    // The locale's "NaN" and "∞" read as numbers to ICU, and so do digit strings beyond the range
    // of a double; none of them is an amount.
    if (U_FAILURE(status) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> FXNumberFormatter::formattedNumberForInput(const QString &text) const
{
    return read(text);
}

QString FXNumberFormatter::formattedStringForInput(double value) const
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = conventions()
                                        .writer.formatDouble(std::isfinite(value) ? value : 0.0, status)
                                        .toString(status);
    if (U_FAILURE(status))
        return QString();
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

std::optional<double> FXNumberFormatter::formattedNumberForPasteboard(const QString &text) const
{
    return read(text);
}

QString FXNumberFormatter::decimalSeparator() const
{
    return conventions().decimalSeparator;
}
