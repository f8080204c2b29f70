#include "FXLocale.h"
#include "FXNumberFormatter.h"
#include "ReadableName.h"

#include <QStringList>

#include <unicode/numberformatter.h>

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <optional>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

struct Writing { const char *locale; double value; const char *text; };
class NumberWriting : public ::testing::TestWithParam<Writing> {};
void PrintTo(const Writing &w, std::ostream *os)
{
    *os << w.locale << (w.value < 0 ? " minus " : " ") << std::setprecision(10) << std::abs(w.value);
}

TEST_P(NumberWriting, RoundsHalfEvenWithoutGroupingAndKeepsTwoSignificantDigits)
{
    FXLocale locale(u(GetParam().locale));
    EXPECT_EQ(FXNumberFormatter(locale).formattedStringForInput(GetParam().value), u(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberWriting, ::testing::Values(
    Writing{"en_US", 1234.567, "1234.57"},
    Writing{"en_US", 0.125, "0.12"},
    Writing{"en_US", 0.375, "0.38"},
    Writing{"en_US", 2.999, "3"}, Writing{"en_US", 1e15, "1000000000000000"},
    // Amounts below a tenth keep two significant digits, however many fraction digits they
    // take, and never in a scientific notation; half-even takes 0.0125 to 0.012.
    Writing{"en_US", 0.000876, "0.00088"}, Writing{"en_US", -0.00088, "-0.00088"},
    Writing{"en_US", 0.0051, "0.0051"}, Writing{"en_US", 0.0125, "0.012"},
    Writing{"en_US", 0.0000000012, "0.0000000012"}, Writing{"en_US", -1e-20, "-0.00000000000000000001"},
    Writing{"en_US", std::numeric_limits<double>::quiet_NaN(), "0"},
    Writing{"de_DE", -3.456, "-3,46"}, Writing{"ar_EG", -3.456, "\u061c-٣٫٤٦"}),
    ReadableName());

struct Reading { const char *locale; const char *name; const char *text; std::optional<double> value; };
class NumberReading : public ::testing::TestWithParam<Reading> {};
void PrintTo(const Reading &r, std::ostream *os) { *os << r.locale << " \"" << r.text << '"'; }

TEST_P(NumberReading, ReadsTheWholeTextOrNothing)
{
    FXLocale locale(u(GetParam().locale));
    EXPECT_EQ(FXNumberFormatter(locale).formattedNumberForPasteboard(u(GetParam().text)), GetParam().value);
}

constexpr std::nullopt_t None = std::nullopt;

// Texts each locale writes are read in every locale below; here, what users type besides.
INSTANTIATE_TEST_SUITE_P(Locales, NumberReading, ::testing::Values(
    Reading{"en_US", "TrailingSeparator", "12.", 12}, Reading{"en_US", "NoIntegerDigit", ".5", 0.5},
    Reading{"en_US", "MinusSignProper", "\u22127", -7},
    Reading{"en_US", "WhiteSpaceAround", " 12.5\n", 12.5},
    // Direction marks only at the ends, as copying from right-to-left text puts them; an override
    // would show "00.01" as "10.00".
    Reading{"en_US", "DirectionMarksAround", "\u200f12.5\u200e", 12.5},
    Reading{"en_US", "DirectionMarkInside", "1\u200e2.5", None},
    Reading{"en_US", "DirectionOverride", "\u202e00.01", None},
    Reading{"en_US", "MinusAlone", "-", None},
    Reading{"en_US", "LongLeadingGroup", "1234,567", None},
    Reading{"en_US", "DigitsOfAnotherScript", "1२.5", 12.5},
    Reading{"de_DE", "FullStopAsDecimal", "12.5", None},
    Reading{"de_CH", "TypedApostrophe", "1'234.5", 1234.5},
    Reading{"fr_FR", "TypedSpace", "1 234,56", 1234.56},
    Reading{"hi_IN", "WesternGrouping", "1,234,567", None},
    Reading{"ar_EG", "MixedDigitsAsTyped", "١2٫5", 12.5},
    Reading{"ar_EG", "LatinDigitsOwnSeparator", "12٫5", 12.5},
    Reading{"ar_EG", "OwnDigitsLatinSeparator", "١٢.٥", None},
    // ٫ is the Arabic decimal separator, never a grouping separator; and Arabic-Indic digits are
    // not those of ar_AE.
    Reading{"ar_AE", "ArabicIndicDigits", "٢٫٦٧٥", None}),
    [](const auto &info) { return std::string(info.param.locale) + "_" + info.param.name; });

// What a locale writes is read back in that locale: what ICU writes in the digits 0 to 9 and in the
// locale's own, grouped, and what Cambio writes.
TEST(NumberReadingInEveryLocale, ReadsWhatTheLocaleWritesInEitherDigits)
{
    int32_t count = 0;
    const icu::Locale *locales = icu::Locale::getAvailableLocales(count);
    ASSERT_GT(count, 700);
    for (int32_t i = 0; i < count; ++i) {
        const QString id = QString::fromLatin1(locales[i].getName());
        FXLocale locale(id);
        const FXNumberFormatter formatter(locale);
        icu::Locale latin = locales[i];
        UErrorCode status = U_ZERO_ERROR;
        latin.setKeywordValue("numbers", "latn", status);
        for (const icu::Locale &notation : {latin, locales[i]}) {
            for (const double value : {-1234567.25, 12500.0, 12.75}) {
                const icu::UnicodeString written = icu::number::NumberFormatter::withLocale(notation)
                                                       .formatDouble(value, status).toString(status);
                const QString text(reinterpret_cast<const QChar *>(written.getBuffer()), written.length());
                EXPECT_EQ(formatter.formattedNumberForPasteboard(text), value)
                    << id.toStdString() << ' ' << text.toStdString();
            }
        }
        for (const double value : {-3.46, 0.00088, 0.0000000012})
            EXPECT_EQ(formatter.formattedNumberForPasteboard(formatter.formattedStringForInput(value)), value)
                << id.toStdString();

        // The reader tries the digits 0 to 9 first; that is only sound while no locale uses their
        // separators the other way round in its own notation.
        const icu::DecimalFormatSymbols ownSymbols = locale.numberSymbols();
        const icu::DecimalFormatSymbols latinSymbols = locale.latinNumberSymbols();
        using Symbols = icu::DecimalFormatSymbols;
        EXPECT_NE(ownSymbols.getSymbol(Symbols::kDecimalSeparatorSymbol),
                  latinSymbols.getSymbol(Symbols::kGroupingSeparatorSymbol)) << id.toStdString();
        EXPECT_NE(ownSymbols.getSymbol(Symbols::kGroupingSeparatorSymbol),
                  latinSymbols.getSymbol(Symbols::kDecimalSeparatorSymbol)) << id.toStdString();
    }
}

}
