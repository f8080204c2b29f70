#pragma once

#include <QString>
#include <QStringList>

#include <unicode/uversion.h>

#include <functional>
#include <memory>
#include <optional>

class FXCurrencyManager;

U_NAMESPACE_BEGIN
class BreakIterator;
U_NAMESPACE_END

// The search of the add-currency list: which currency codes a typed search text keeps.
//
// A code is kept when the text occurs anywhere in it, ignoring case. Otherwise the currency's name
// decides: the text must occur in it (case ignored, diacritics exact) where a word of the name
// begins, by the Unicode word boundaries of every script ("fr" finds the Swiss Franc, "ra" does
// not; "suisse" finds the franc suisse, "円" the 日本円). A code without a name is found by its
// code alone, and the empty text keeps nothing. Whoever shows the list decides what no search at
// all shows; this class only answers for a text. Main thread only.
class FXCurrencyFilter {
public:
    using NameLookup = std::function<std::optional<QString>(const QString &code)>;

    explicit FXCurrencyFilter(NameLookup currencyName);
    // Names from the currency manager, in its current locale.
    explicit FXCurrencyFilter(const FXCurrencyManager &currencies);
    ~FXCurrencyFilter();

    bool isShown(const QString &code, const QString &filterText) const;
    // The shown codes of `codes`, in their order.
    QStringList filteredCurrencies(const QStringList &codes, const QString &filterText) const;

private:
    bool startsAWord(const QString &name, const QString &text) const;

    NameLookup m_currencyName;
    std::unique_ptr<icu::BreakIterator> m_words;   // none when ICU has no word rules

};
