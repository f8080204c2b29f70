#include "FXLocale.h"
#include "FXNumberFormatter.h"
#include "ReadableName.h"

#include <QFile>
#include <QHash>
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

// How a locale writes numbers in the digits 0 to 9, by CLDR.
struct LatinNotation { QString decimal, grouping, minus; int primary = 0, secondary = 0; };

LatinNotation latinNotation(const char *decimal, const char *grouping, const char *minus = "-")
{
    return {u(decimal), u(grouping), u(minus), 3, 3};
}

// Babel's CLDR (tests/tools/cldr-latin-number-symbols), by locale.
QHash<QString, LatinNotation> cldrLatinNotations()
{
    QFile file(QStringLiteral(CAMBIO_MODEL_TEST_DATA "/cldr-latin-number-symbols.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const auto symbol = [](const QString &codePoints) {
        QString text;
        for (const QString &codePoint : codePoints.split(u' '))
            text += QChar::fromUcs4(codePoint.toUInt(nullptr, 16));
        return text;
    };
    QHash<QString, LatinNotation> notations;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (line.startsWith(u'#') || fields.size() != 6)
            continue;
        notations.insert(fields[0], {symbol(fields[1]), symbol(fields[2]), symbol(fields[3]),
                                     fields[4].toInt(), fields[5].toInt()});
    }
    return notations;
}

// Where ICU 72's CLDR 42 differs from Babel 2.10's CLDR 41, with ICU's values: locales whose
// symbols CLDR 42 changed, then locales it added. Each applies to the locale and its regions.
const std::pair<const char *, LatinNotation> Cldr42Changes[] = {
    {"az_Cyrl", latinNotation(",", ".")}, {"de_AT", latinNotation(",", "\u00a0")},
    {"fr_MA", latinNotation(",", ".")}, {"fur", latinNotation(",", ".")},
    {"ksh", latinNotation(",", "\u00a0", "\u2212")}, {"os", latinNotation(",", "\u00a0")},
    {"wae", latinNotation(",", "\u2019")},
    {"bgc", latinNotation(".", ",")}, {"bho", latinNotation(".", ",")},
    {"cv", latinNotation(",", "\u00a0")}, {"raj", latinNotation(".", ",")},
};

std::optional<LatinNotation> expectedLatinNotation(const QHash<QString, LatinNotation> &cldr,
                                                   const QString &id)
{
    for (const auto &[changed, notation] : Cldr42Changes) {
        if (id == u(changed) || id.startsWith(u(changed) + u'_'))
            return notation;
    }
    if (cldr.contains(id))
        return cldr.value(id);
    return std::nullopt;
}

QString grouped(QString digits, const LatinNotation &notation)
{
    for (qsizetype at = digits.size() - notation.primary; notation.primary > 0 && at > 0; at -= notation.secondary)
        digits.insert(at, notation.grouping);
    return digits;
}

// Texts in the digits 0 to 9 are built from CLDR's symbols as Babel has them, which shares no code
// with ICU; texts in a locale's own digits are those ICU writes, grouped, and those Cambio writes.
TEST(NumberReadingInEveryLocale, ReadsTheDigitsZeroToNineByCldrAndTheLocalesOwnAsWritten)
{
    const QHash<QString, LatinNotation> cldr = cldrLatinNotations();
    ASSERT_GT(cldr.size(), 700);
    int32_t count = 0;
    const icu::Locale *locales = icu::Locale::getAvailableLocales(count);
    for (int32_t i = 0; i < count; ++i) {
        const QString id = QString::fromLatin1(locales[i].getName());
        const auto latin = expectedLatinNotation(cldr, id);
        if (!latin) {
            ADD_FAILURE() << "no CLDR symbols for " << id.toStdString();
            continue;
        }
        FXLocale locale(id);
        const FXNumberFormatter formatter(locale);
        const auto read = [&](const QString &text) {
            return formatter.formattedNumberForPasteboard(text);
        };
        const QString minus = latin->minus;
        EXPECT_EQ(read(minus + grouped(u("1234567"), *latin) + latin->decimal + u("25")), -1234567.25)
            << id.toStdString();
        EXPECT_EQ(read(grouped(u("12500"), *latin)), 12500) << id.toStdString();
        EXPECT_EQ(read(u("12") + latin->decimal + u("75")), 12.75) << id.toStdString();

        UErrorCode status = U_ZERO_ERROR;
        const icu::UnicodeString own = icu::number::NumberFormatter::withLocale(locales[i])
                                           .formatDouble(-1234567.25, status).toString(status);
        const QString ownText(reinterpret_cast<const QChar *>(own.getBuffer()), own.length());
        EXPECT_EQ(read(ownText), -1234567.25) << id.toStdString();
        for (const double value : {-3.46, 0.00088, 0.0000000012})
            EXPECT_EQ(read(formatter.formattedStringForInput(value)), value) << id.toStdString();

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
