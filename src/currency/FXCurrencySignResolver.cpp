#include "FXCurrencySignResolver.h"

#include "FXCurrencyManager.h"
#include "FXLocale.h"

FXCurrencySignResolver::FXCurrencySignResolver(const FXCurrencyManager &currencies)
    : m_currencies(currencies)
{
}

FXCurrencySignResolver::Candidates FXCurrencySignResolver::candidatesFor(const QString &sign) const
{
    if (sign.isEmpty())
        return {};
    reindexIfStale();
    // A code names its currency whatever signs other currencies write.
    if (const auto code = m_codes.constFind(sign.toCaseFolded()); code != m_codes.cend())
        return {{*code}, {}};
    return m_signs.value(sign);
}

void FXCurrencySignResolver::reindexIfStale() const
{
    const FXLocale &locale = m_currencies.locale();
    const QStringList catalogue = m_currencies.allCurrencies();
    if (m_generation == locale.generation() && m_catalogue == catalogue && !m_codes.isEmpty())
        return;
    m_signs.clear();
    m_codes.clear();
    for (const QString &code : catalogue) {
        m_codes.insert(code.toCaseFolded(), code);
        const QString sign = m_currencies.currencySignForCode(code);
        m_signs[sign].ownSign.append(code);
        if (const auto narrow = locale.narrowSymbolForCurrency(code); narrow && *narrow != sign)
            m_signs[*narrow].shortSign.append(code);
    }
    m_generation = locale.generation();
    m_catalogue = catalogue;
}

bool FXCurrencySignResolver::isCurrencySign(const QString &sign) const
{
    const Candidates candidates = candidatesFor(sign);
    return !candidates.ownSign.isEmpty() || !candidates.shortSign.isEmpty();
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
