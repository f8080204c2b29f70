#include "FXCurrencyFilter.h"

#include "FXCurrencyManager.h"
#include "FXICUString.h"

#include <unicode/brkiter.h>

namespace {

// Text with a letter and its accent written as one character or as two must compare the same,
// as it does for anybody reading it.
QString composed(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C);
}

}

FXCurrencyFilter::FXCurrencyFilter(NameLookup currencyName)
    : m_currencyName(std::move(currencyName))
{
    // Word boundaries are the same in every locale but for a few languages' tailorings that no
    // currency name depends on; the dictionaries of Chinese, Japanese and Thai apply everywhere.
    UErrorCode status = U_ZERO_ERROR;
    m_words.reset(icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status))
        m_words.reset();
}

FXCurrencyFilter::FXCurrencyFilter(const FXCurrencyManager &currencies)
    : FXCurrencyFilter([&currencies](const QString &code) {
        return currencies.currencyNameForCode(code);
    })
{
}

FXCurrencyFilter::~FXCurrencyFilter() = default;

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
    return startsAWord(composed(*name), text);
}

bool FXCurrencyFilter::startsAWord(const QString &name, const QString &text) const
{
    if (!m_words)
        return name.startsWith(text, Qt::CaseInsensitive);
    const icu::UnicodeString words = FXICUString::view(name);
    m_words->setText(words);
    for (qsizetype at = name.indexOf(text, 0, Qt::CaseInsensitive); at >= 0;
         at = name.indexOf(text, at + 1, Qt::CaseInsensitive)) {
        if (m_words->isBoundary(int32_t(at)))
            return true;
    }
    return false;
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
