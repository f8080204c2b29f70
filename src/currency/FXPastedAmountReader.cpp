#include "FXPastedAmountReader.h"

#include "FXCurrencySignResolver.h"
#include "FXInput.h"
#include "FXLocalizedString.h"
#include "FXNumberFormatter.h"

#include <algorithm>

namespace {

// The longest sign or code of any currency, in characters: longer runs of letters are no sign.
constexpr qsizetype MaximumSignLength = 8;
// Longer texts are not tried piece by piece: no amount written by a person is that long.
constexpr qsizetype MaximumAmountLength = 200;

bool isBidiMark(QChar character)
{
    const char16_t unit = character.unicode();
    return unit == 0x200e || unit == 0x200f || unit == 0x061c || (unit >= 0x202a && unit <= 0x202e)
           || (unit >= 0x2066 && unit <= 0x2069);
}

// A sign as written beside an amount, without the spaces and direction marks around it.
QString cleanedSign(QStringView text)
{
    QString sign;
    for (const QChar character : text) {
        if (!isBidiMark(character))
            sign.append(character);
    }
    return sign.trimmed();
}

// The text without the spaces and direction marks at its ends: a right-to-left document, or Copy
// for a right-to-left reader, isolates an amount so.
QString trimmedOfMarks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    const auto isEdge = [](QChar character) { return character.isSpace() || isBidiMark(character); };
    while (first < last && isEdge(text.at(first)))
        ++first;
    while (last > first && isEdge(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

bool isLineBreak(QChar character)
{
    return character == u'\n' || character == u'\r' || character == QChar(0x2028)
           || character == QChar(0x2029) || character == QChar(0x85);
}

// The text as a refusal quotes it: short enough for the status line.
QString quoted(const QString &text)
{
    constexpr qsizetype Shown = 24;
    return text.size() <= Shown ? text : text.left(Shown - 1) + QChar(0x2026);
}

FXPastedAmountReader::Reading refused(const QString &reason)
{
    return {std::nullopt, std::nullopt, reason};
}

}

FXPastedAmountReader::FXPastedAmountReader(const FXNumberFormatter &numbers,
                                           const FXCurrencySignResolver &signs)
    : m_numbers(numbers)
    , m_signs(signs)
{
}

FXPastedAmountReader::Reading FXPastedAmountReader::read(const QString &text) const
{
    const QString trimmed = trimmedOfMarks(text);
    if (trimmed.isEmpty())
        return refused(FXLocalizedString::text("There is no amount to paste."));
    if (std::any_of(trimmed.cbegin(), trimmed.cend(), isLineBreak))
        return refused(FXLocalizedString::text("Only one amount can be pasted at a time."));

    std::optional<Reading> reading;
    if (const auto value = m_numbers.formattedNumberForPasteboard(trimmed)) {
        reading = Reading{value, std::nullopt, QString()};
    } else if (trimmed.size() <= MaximumAmountLength) {
        // Signs are found by trying the short cuts at both ends that hold no digit and name a
        // currency; the number between them decides ("kr. 12" and "12 kr." alike).
        const QList<qsizetype> leading = signCuts(trimmed, false);
        const QList<qsizetype> trailing = signCuts(trimmed, true);
        for (const qsizetype before : leading) {
            for (const qsizetype after : trailing) {
                if (!reading && before + after > 0 && before + after < trimmed.size())
                    reading = readWithSigns(trimmed, before, after);
            }
        }
    }
    // Digits beyond what a number holds are no amount either, but the reason is their number.
    const auto digits =
        std::count_if(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.isDigit(); });
    const bool hasLetters =
        std::any_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.isLetter(); });
    if (!reading && (hasLetters || digits <= FXInput::maximumIntegerDigits))
        return refused(FXLocalizedString::format("“%@” is not an amount.", quoted(trimmed)));
    if (reading && !reading->refusal.isEmpty())
        return *reading;
    if (!reading || !FXInput::fitsTyping(*reading->amount)) {
        return refused(FXLocalizedString::format(
            "Amounts have at most %@ digits before the decimal separator.",
            QString::number(FXInput::maximumIntegerDigits)));
    }
    return *reading;
}

QList<qsizetype> FXPastedAmountReader::signCuts(const QString &text, bool atEnd) const
{
    QList<qsizetype> cuts{0};
    for (qsizetype length = 1; length <= qMin(MaximumSignLength, text.size()); ++length) {
        const QStringView cut =
            atEnd ? QStringView(text).last(length) : QStringView(text).first(length);
        if ((atEnd ? cut.front() : cut.back()).isDigit())
            break;
        const QString sign = cleanedSign(cut);
        if (!sign.isEmpty() && m_signs.isCurrencySign(sign))
            cuts.append(length);
    }
    return cuts;
}

std::optional<FXPastedAmountReader::Reading>
FXPastedAmountReader::readWithSigns(const QString &text, qsizetype leading, qsizetype trailing) const
{
    const QString before = cleanedSign(QStringView(text).first(leading));
    const QString after = cleanedSign(QStringView(text).last(trailing));
    const auto value =
        m_numbers.formattedNumberForPasteboard(text.mid(leading, text.size() - leading - trailing));
    if (!value)
        return std::nullopt;

    Reading reading{value, std::nullopt, QString()};
    for (const QString &sign : {before, after}) {
        if (sign.isEmpty())
            continue;
        const auto currency = m_signs.currencyForSign(sign);
        if (!currency) {
            return refused(FXLocalizedString::format(
                               "“%@” stands for more than one currency here.", quoted(sign)));
        }
        if (reading.currency && reading.currency != currency) {
            return refused(FXLocalizedString::format(
                               "“%@” names more than one currency.", quoted(text)));
        }
        reading.currency = currency;
    }
    return reading;
}
