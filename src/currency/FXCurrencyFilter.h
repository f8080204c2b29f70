#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class FXCurrencyManager;

// The search of the add-currency list: which currency codes a typed search text keeps.
//
// A code is kept when the text occurs anywhere in it, ignoring case. Otherwise the currency's name
// decides, but only at the first occurrence of the text in it (case ignored, diacritics exact), and
// only when that occurrence starts with a capital letter: in title-case names that is the start of
// a word, so "fr" finds the Swiss Franc while "ra" does not. A code without a name is found by its
// code alone, and the empty text keeps nothing. Whoever shows the list decides what no search at
// all shows; this class only answers for a text.
class FXCurrencyFilter {
public:
    using NameLookup = std::function<std::optional<QString>(const QString &code)>;

    explicit FXCurrencyFilter(NameLookup currencyName);
    // Names from the currency manager, in its current locale.
    explicit FXCurrencyFilter(const FXCurrencyManager &currencies);

    bool isShown(const QString &code, const QString &filterText) const;
    // The shown codes of `codes`, in their order.
    QStringList filteredCurrencies(const QStringList &codes, const QString &filterText) const;

private:
    NameLookup m_currencyName;
};
