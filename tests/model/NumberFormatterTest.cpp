#include "FXLocale.h"
#include "FXNumberFormatter.h"

#include <unicode/numberformatter.h>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Amounts below a tenth keep two significant digits, however many fraction digits they take, and
// never in a scientific notation; half-even takes 0.0125 to 0.012.
TEST(NumberWriting, RoundsHalfEvenWithoutGroupingAndKeepsTwoSignificantDigits)
{
    const struct { const char *locale; double value; const char *text; } cases[] = {
        {"en_US", 1234.567, "1234.57"}, {"en_US", 0.125, "0.12"}, {"en_US", 0.375, "0.38"},
        {"en_US", 2.999, "3"}, {"en_US", 1e15, "1000000000000000"}, {"en_US", 0.000876, "0.00088"},
        {"en_US", 0.0051, "0.0051"}, {"en_US", 0.0125, "0.012"}, {"en_US", 0.0000000012, "0.0000000012"},
        {"en_US", -1e-20, "-0.00000000000000000001"}, {"en_US", NAN, "0"},
        {"de_DE", -3.456, "-3,46"}, {"ar_EG", -3.456, "\u061c-٣٫٤٦"}};
    for (const auto &c : cases) {
        FXLocale locale(u(c.locale));
        EXPECT_EQ(FXNumberFormatter(locale).formattedStringForInput(c.value), u(c.text)) << c.locale;
    }
}

// Texts each locale writes are read in every locale below, pastes by the paste reader's table; here,
// what users type besides. Direction marks count only at the ends, as copying from right-to-left
// text puts them; an override would show "00.01" as "10.00".
TEST(NumberReading, ReadsTheWholeTextOrNothing)
{
    constexpr std::nullopt_t None = std::nullopt;
    const struct { const char *locale, *name, *text; std::optional<double> value; } cases[] = {
        {"en_US", "trailing separator", "12.", 12}, {"en_US", "no integer digit", ".5", 0.5},
        {"en_US", "minus sign proper", "\u22127", -7}, {"en_US", "minus alone", "-", None},
        {"en_US", "white space around", " 12.5\n", 12.5},
        {"en_US", "direction mark inside", "1\u200e2.5", None},
        {"en_US", "direction override", "\u202e00.01", None},
        {"en_US", "long leading group", "1234,567", None}, {"en_US", "another script", "1२.5", 12.5},
        {"de_DE", "full stop as decimal", "12.5", None}, {"de_CH", "typed apostrophe", "1'234.5", 1234.5},
        {"fr_FR", "typed space", "1 234,56", 1234.56}, {"hi_IN", "western grouping", "1,234,567", None},
        {"ar_EG", "mixed digits as typed", "١2٫5", 12.5},
        {"ar_EG", "own digits, Latin separator", "١٢.٥", None},
        // ٫ is the Arabic decimal separator, never a grouping separator; and Arabic-Indic digits are
        // not those of ar_AE.
        {"ar_AE", "Arabic-Indic digits", "٢٫٦٧٥", None}};
    for (const auto &c : cases) {
        FXLocale locale(u(c.locale));
        EXPECT_EQ(FXNumberFormatter(locale).formattedNumberForPasteboard(u(c.text)), c.value) << c.name;
    }
}

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
    }
}

}
