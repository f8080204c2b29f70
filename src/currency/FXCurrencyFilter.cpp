#include "FXCurrencyFilter.h"

#include "FXCurrencyManager.h"

namespace {

// Text with a letter and its accent written as one character or as two must compare the same,
// as it does for anybody reading it.
QString composed(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C);
}

bool startsWithCapitalLetter(QStringView text)
{
    if (text.isEmpty())
        return false;
    char32_t character = text.front().unicode();
    if (text.front().isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate())
        character = QChar::surrogateToUcs4(text[0], text[1]);
    const QChar::Category category = QChar::category(character);
    return category == QChar::Letter_Uppercase || category == QChar::Letter_Titlecase;
}

}

FXCurrencyFilter::FXCurrencyFilter(NameLookup currencyName)
    : m_currencyName(std::move(currencyName))
{
}

FXCurrencyFilter::FXCurrencyFilter(const FXCurrencyManager &currencies)
    : m_currencyName([&currencies](const QString &code) {
        return currencies.currencyNameForCode(code);
    })
{
}

bool FXCurrencyFilter::isShown(const QString &code, const QString &filterText) const
{
    // An empty text occurs nowhere, though QString finds it at the start of everything.
    if (filterText.isEmpty())
        return false;
    const QString text = composed(filterText);
    if (composed(code).contains(text, Qt::CaseInsensitive))
        return true;
    const std::optional<QString> name = m_currencyName(code);
    if (!name)
        return false;
    const QString composedName = composed(*name);
    const qsizetype start = composedName.indexOf(text, 0, Qt::CaseInsensitive);
    return start >= 0 && startsWithCapitalLetter(QStringView(composedName).mid(start));
}

QStringList FXCurrencyFilter::filteredCurrencies(const QStringList &codes,
                                                 const QString &filterText) const
{
    QStringList shown;
    for (const QString &code : codes) {
        if (isShown(code, filterText))
            shown.append(code);
    }
    return shown;
}
