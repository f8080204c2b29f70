#pragma once

#include <QString>
#include <QStringView>

#include <unicode/uversion.h>

#include <optional>
#include <span>

U_NAMESPACE_BEGIN
class DecimalFormatSymbols;
class Locale;
U_NAMESPACE_END

// One way in which a locale writes numbers: its ten digits, its separators and minus sign, and
// the sizes of its digit groups. A locale whose own digits are not 0 to 9 has two: ar_EG writes
// Arabic-Indic digits with "٫" and "٬", and the digits 0 to 9 with "." and ",".
//
// Reads a text written that way, strictly, so that no amount is ever read as another one: the
// whole text must be an optional minus sign, integer digits either ungrouped or grouped exactly
// where the locale groups them, then optionally the decimal separator and fraction digits. White
// space and direction marks around the number are ignored; inside it, a direction mark is read
// only as part of the locale's minus sign, and other direction controls never. Digits of every script are read by their value, since keystrokes add
// the digits of whichever keyboard to amounts written in a locale's own.
//
// A value type; building one formats a number through ICU, so its owner keeps it.
class FXNumberNotation {
public:
    // `locale` must name the numbering system of `symbols`: where the locale groups digits may
    // depend on it.
    FXNumberNotation(const icu::Locale &locale, const icu::DecimalFormatSymbols &symbols);

    std::optional<double> read(QStringView text) const;
    // Whether `text` holds one of the notation's digits other than 0 to 9.
    bool hasDigitsOfItsOwn(QStringView text) const;

private:
    static int digitAt(QStringView text, qsizetype &position);
    qsizetype groupingSeparatorLengthAt(QStringView text, qsizetype position) const;
    qsizetype minusSignLength(QStringView text) const;
    bool isGroupedAsWritten(std::span<const int> groups) const;

    QString m_decimalSeparator;
    QString m_groupingSeparator;
    QString m_minusSign;                // without the direction marks at its start
    char32_t m_zero;                    // its digit zero
    int m_primaryGroupingSize = 0;      // 0 for a notation that never groups digits
    int m_secondaryGroupingSize = 0;
};
