#include "FXNumberFormatter.h"

#include "FXICUString.h"
#include "FXLocale.h"
#include "FXNumberNotation.h"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>

#include <cmath>

namespace {

// Significant digits that every amount below a tenth keeps, however many fraction digits they take.
constexpr int MinimumSignificantDigits = 2;

}

struct FXNumberFormatter::Conventions {
    quint64 generation = 0;
    QString decimalSeparator;
    icu::number::LocalizedNumberFormatter amounts;
    // Built by the first reading, since writing needs neither: the locale's notation in the
    // digits 0 to 9, and its own when its own digits are others.
    std::optional<FXNumberNotation> latinNotation;
    std::optional<FXNumberNotation> ownNotation;
};

FXNumberFormatter::FXNumberFormatter(const FXLocale &locale)
    : m_locale(locale)
{
}

FXNumberFormatter::~FXNumberFormatter() = default;

FXNumberFormatter::Conventions &FXNumberFormatter::conventions() const
{
    // The generation is read before the locale's data: a replacement in between is then seen as
    // a newer generation at the next call, never hidden under the old one.
    const quint64 generation = m_locale.generation();
    if (m_conventions && m_conventions->generation == generation)
        return *m_conventions;

    auto conventions = std::make_unique<Conventions>();
    conventions->generation = generation;
    conventions->decimalSeparator = m_locale.decimalSeparator();
    // The locale's symbols are handed over because ICU would otherwise load them again for each
    // of the first amounts it writes. Half-even is also the rounding of ICU's defaults, spelled
    // out because amounts depend on it. ICU's default notation is the plain one, never the
    // scientific: a written amount must read back, be it pasted or typed on.
    using icu::number::Precision;
    conventions->amounts =
        icu::number::NumberFormatter::withLocale(m_locale.icuLocale())
            .symbols(m_locale.numberSymbols())
            .roundingMode(UNUM_ROUND_HALFEVEN)
            .grouping(UNUM_GROUPING_OFF)
            .sign(UNUM_SIGN_NEGATIVE)
            .precision(Precision::maxFraction(maximumFractionDigits)
                           .withMinDigits(MinimumSignificantDigits));
    m_conventions = std::move(conventions);
    return *m_conventions;
}

std::optional<double> FXNumberFormatter::read(const QString &text) const
{
    Conventions &conventions = this->conventions();
    if (!conventions.latinNotation) {
        const icu::Locale locale = m_locale.icuLocale();
        icu::Locale latinLocale = locale;
        UErrorCode status = U_ZERO_ERROR;
        latinLocale.setKeywordValue("numbers", "latn", status);
        const icu::DecimalFormatSymbols symbols = m_locale.numberSymbols();
        const icu::DecimalFormatSymbols latinSymbols = m_locale.latinNumberSymbols();
        conventions.latinNotation.emplace(latinLocale, latinSymbols);
        if (symbols.getSymbol(icu::DecimalFormatSymbols::kZeroDigitSymbol) != u"0")
            conventions.ownNotation.emplace(locale, symbols);
    }
    // A text in the locale's own digits is read with its own symbols. Any other is read with the
    // symbols of the digits 0 to 9, or else with its own: "12٫5" in ar_EG is what typing digits
    // 0 to 9 into an amount written in Arabic-Indic digits gives. No locale gives the separators
    // of the digits 0 to 9 another meaning in its own notation, so the order changes no amount.
    const FXNumberNotation *own = conventions.ownNotation ? &*conventions.ownNotation : nullptr;
    if (own && own->hasDigitsOfItsOwn(text))
        return own->read(text);
    if (const auto value = conventions.latinNotation->read(text))
        return value;
    return own ? own->read(text) : std::nullopt;
}

std::optional<double> FXNumberFormatter::formattedNumberForInput(const QString &text) const
{
    return read(text);
}

QString FXNumberFormatter::formattedStringForInput(double value) const
{
    const Conventions &conventions = this->conventions();
    if (!isWritableAmount(value))
        value = 0.0;
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = conventions.amounts.formatDouble(value, status).toString(status);
    if (U_FAILURE(status))
        return QString();
    return FXICUString::toQString(text);
}

std::optional<double> FXNumberFormatter::formattedNumberForPasteboard(const QString &text) const
{
    return read(text);
}

bool FXNumberFormatter::isWritableAmount(double value)
{
    return std::isfinite(value);
}

QString FXNumberFormatter::decimalSeparator() const
{
    return conventions().decimalSeparator;
}
