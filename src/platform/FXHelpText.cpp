#include "FXHelpText.h"

#include "FXICUString.h"

#include <QHash>
#include <QList>

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <algorithm>
#include <memory>

namespace {

int columnsOf(char32_t character)
{
    switch (u_charType(UChar32(character))) {
    case U_NON_SPACING_MARK:
    case U_ENCLOSING_MARK:
    case U_FORMAT_CHAR:
        return 0;
    default:
        break;
    }
    const int width = u_getIntPropertyValue(UChar32(character), UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

// Whether a line may break beside `character` although no space is there: in Chinese and
// Japanese, but not in Korean, which puts spaces between its words.
bool breaksBeside(QChar character)
{
    UErrorCode status = U_ZERO_ERROR;
    return columnsOf(character.unicode()) == 2
           && uscript_getScript(character.unicode(), &status) != USCRIPT_HANGUL;
}

// For each position of `text`, whether it lies inside a quotation, from its opening mark (as the
// languages open them: “ „ « ‘ 「 『) to the mark that closes it.
QList<bool> quotedPositions(const QString &text)
{
    static const QHash<QChar, QString> closers{
        {u'“', QStringLiteral("”")}, {u'„', QStringLiteral("“”")}, {u'«', QStringLiteral("»")},
        {u'‘', QStringLiteral("’")}, {u'「', QStringLiteral("」")}, {u'『', QStringLiteral("』")}};
    QList<bool> quoted(text.size() + 1, false);
    qsizetype opening = -1;
    QString closing;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (opening < 0 && closers.contains(text[i])) {
            opening = i;
            closing = closers.value(text[i]);
        } else if (opening >= 0 && closing.contains(text[i])) {
            std::fill(quoted.begin() + opening + 1, quoted.begin() + i + 1, true);
            opening = -1;
        }
    }
    return quoted;
}

// Where ICU's line breaking lets a line break and the terminal's reader would too: after a space
// or beside a Chinese or Japanese letter, outside quotations. A path, a hyphenated word or a
// quoted example stays whole, as it is read and copied whole.
bool breaksAt(const QString &text, const QList<bool> &quoted, qsizetype position)
{
    if (position >= text.size())
        return true;
    if (quoted[position])
        return false;
    const QChar before = text.at(position - 1);
    return before.isSpace() || breaksBeside(before) || breaksBeside(text.at(position));
}

// One paragraph without line breaks, greedily filled up to `width`.
void wrapParagraph(const QString &paragraph, int width, QStringList &lines)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::BreakIterator> breaks(
        icu::BreakIterator::createLineInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status) || !breaks) {
        lines.append(paragraph);
        return;
    }
    const icu::UnicodeString text = FXICUString::view(paragraph);
    breaks->setText(text);
    const QList<bool> quoted = quotedPositions(paragraph);
    QString line;
    int32_t start = breaks->first();
    for (int32_t end = breaks->next(); end != icu::BreakIterator::DONE; end = breaks->next()) {
        if (!breaksAt(paragraph, quoted, end))
            continue;
        const QString piece = paragraph.mid(start, end - start);
        if (!line.isEmpty() && FXHelpText::columns(QString(line + piece).trimmed()) > width) {
            lines.append(line.trimmed());
            line.clear();
        }
        line += piece;
        start = end;
    }
    lines.append(line.trimmed());
}

}

FXHelpText::FXHelpText(int descriptionColumn)
    : m_descriptionColumn(descriptionColumn)
{
}

int FXHelpText::columns(QStringView text)
{
    int total = 0;
    for (const char32_t character : text.toUcs4())
        total += columnsOf(character);
    return total;
}

QStringList FXHelpText::wrapped(const QString &text, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n'))
        wrapParagraph(paragraph, width, lines);
    return lines;
}

void FXHelpText::addParagraph(const QString &text)
{
    m_text += wrapped(text, Width).join(u'\n') + u'\n';
}

void FXHelpText::addHeading(const QString &text)
{
    m_text += text + u'\n';
}

void FXHelpText::addEntry(const QString &synopsis, const QString &description)
{
    const QString indent(m_descriptionColumn, u' ');
    QString entry = QStringLiteral("  ") + synopsis;
    const int used = columns(entry);
    if (used + 2 > m_descriptionColumn)
        entry += u'\n' + indent;
    else
        entry += QString(m_descriptionColumn - used, u' ');
    m_text += entry + wrapped(description, Width - m_descriptionColumn).join(u'\n' + indent) + u'\n';
}

void FXHelpText::addBlankLine()
{
    m_text += u'\n';
}
