#include "FXCurrencyNameIndex.h"

#include "FXCurrencyManager.h"
#include "FXICUString.h"
#include "FXLocale.h"

#include <QSet>

#include <unicode/locid.h>
#include <unicode/plurrule.h>
#include <unicode/strenum.h>
#include <unicode/ucurr.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The plural categories of a language ("one", "other"), under which its currencies' plural names
// are kept.
std::vector<std::string> pluralCounts(const char *locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::PluralRules> rules(icu::PluralRules::forLocale(locale, status));
    std::vector<std::string> counts;
    if (U_FAILURE(status) || !rules)
        return {"one", "other"};
    const std::unique_ptr<icu::StringEnumeration> keywords(rules->getKeywords(status));
    while (keywords && U_SUCCESS(status)) {
        const char *keyword = keywords->next(nullptr, status);
        if (!keyword)
            break;
        counts.emplace_back(keyword);
    }
    return counts;
}

// Every name ICU has for `code` in `locale`: its display name and its plural forms.
QSet<QString> icuNames(const QString &code, const char *locale,
                       const std::vector<std::string> &counts)
{
    QSet<QString> names;
    const UChar *currency = FXICUString::utf16(code);
    UBool isChoiceFormat = false;
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    const UChar *name = ucurr_getName(currency, locale, UCURR_LONG_NAME, &isChoiceFormat,
                                      &length, &status);
    // ICU answers the code itself for a currency it cannot name.
    if (U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING)
        names.insert(QString::fromUtf16(name, length));
    for (const std::string &count : counts) {
        status = U_ZERO_ERROR;
        name = ucurr_getPluralName(currency, locale, &isChoiceFormat, count.c_str(), &length,
                                   &status);
        if (U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING)
            names.insert(QString::fromUtf16(name, length));
    }
    names.remove(code);
    return names;
}

}

FXCurrencyNameIndex::FXCurrencyNameIndex(const FXCurrencyManager &currencies)
    : m_currencies(currencies)
{
}

QString FXCurrencyNameIndex::key(const QString &text)
{
    QString folded = text.toCaseFolded();
    for (QChar &character : folded) {
        if (character.isSpace())
            character = u' ';
    }
    return folded.simplified();
}

QString FXCurrencyNameIndex::currencyForName(const QString &name) const
{
    rebuildIfStale();
    return m_names.value(key(name));
}

QStringList FXCurrencyNameIndex::currenciesForWord(const QString &word) const
{
    rebuildIfStale();
    return m_words.value(key(word));
}

void FXCurrencyNameIndex::rebuildIfStale() const
{
    const FXLocale &locale = m_currencies.locale();
    const QStringList catalogue = m_currencies.allCurrencies();
    if (m_generation == locale.generation() && m_catalogue == catalogue && !m_names.isEmpty())
        return;
    m_names.clear();
    m_words.clear();
    const QByteArray language = QByteArray(locale.icuLocale().getName());
    const std::vector<std::string> counts = pluralCounts(language.constData());
    const std::vector<std::string> englishCounts = pluralCounts("en");
    for (const QString &code : catalogue) {
        QSet<QString> names =
            icuNames(code, language.constData(), counts) | icuNames(code, "en", englishCounts);
        if (const auto own = m_currencies.currencyNameForCode(code))
            names.insert(*own);
        for (const QString &name : std::as_const(names)) {
            const QString nameKey = key(name);
            // A name of two currencies (an old and a new one) stays with the first.
            if (!m_names.contains(nameKey))
                m_names.insert(nameKey, code);
            const QStringList words = nameKey.split(u' ');
            for (const QString &word : {words.front(), words.back()}) {
                QStringList &codes = m_words[word];
                if (!codes.contains(code))
                    codes.append(code);
            }
        }
    }
    m_generation = locale.generation();
    m_catalogue = catalogue;
}
