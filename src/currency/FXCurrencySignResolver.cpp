#include "FXCurrencySignResolver.h"

#include "FXCurrencyManager.h"
#include "FXLocale.h"

#include <QStringList>

struct FXCurrencySignResolver::Candidates {
    QStringList ownSign;     // whose full sign `sign` is, or whose code
    QStringList shortSign;   // that write `sign` only as their short sign

    bool isEmpty() const { return ownSign.isEmpty() && shortSign.isEmpty(); }
};

FXCurrencySignResolver::FXCurrencySignResolver(const FXCurrencyManager &currencies)
    : m_currencies(currencies)
{
}

FXCurrencySignResolver::Candidates FXCurrencySignResolver::candidatesFor(const QString &sign) const
{
    Candidates candidates;
    if (sign.isEmpty())
        return candidates;
    const FXLocale &locale = m_currencies.locale();
    for (const QString &code : m_currencies.allCurrencies()) {
        if (code.compare(sign, Qt::CaseInsensitive) == 0)
            return {{code}, {}};
        if (m_currencies.currencySignForCode(code) == sign)
            candidates.ownSign.append(code);
        else if (locale.narrowSymbolForCurrency(code) == sign)
            candidates.shortSign.append(code);
    }
    return candidates;
}

bool FXCurrencySignResolver::isCurrencySign(const QString &sign) const
{
    return !candidatesFor(sign).isEmpty();
}

std::optional<QString> FXCurrencySignResolver::currencyForSign(const QString &sign) const
{
    const Candidates candidates = candidatesFor(sign);
    const QStringList all = candidates.ownSign + candidates.shortSign;
    if (all.size() == 1)
        return all.front();
    const std::optional<QString> own =
        candidates.ownSign.size() == 1 ? std::optional(candidates.ownSign.front()) : std::nullopt;
    const QStringList shown = m_currencies.userPreferredCurrenciesIncludingMain();
    if (own && shown.contains(*own))
        return own;
    QStringList shownCandidates = all;
    shownCandidates.removeIf([&](const QString &code) { return !shown.contains(code); });
    if (shownCandidates.size() == 1)
        return shownCandidates.front();
    if (const auto main = m_currencies.defaultCurrency(); main && all.contains(*main))
        return main;
    if (!shownCandidates.isEmpty())
        return std::nullopt;
    return own;
}
