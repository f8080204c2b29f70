#pragma once

#include <QString>

#include <optional>

class FXCurrencyManager;

// Ties a currency sign or code, as people write one beside an amount ("$", "€", "CHF", "usd"), to
// one currency of the catalogue. Codes are read in any case; signs are those of the current
// locale, the full ones ("CA$") and the short ones that several currencies share ("$").
//
// A shared sign is resolved toward the currencies the user works with, the main one and the
// visible ones: "$" is the currency whose full sign it is in the locale (the US dollar in en_US,
// the Canadian dollar in en_CA) when that one is shown; else the one shown currency that writes
// it; else the main currency if it writes it; with several shown ones it names no single
// currency; with none shown it is again the locale's own.
//
// Serves every reader of amounts written with a currency. It asks the catalogue at each call,
// since the locale and the visible currencies change under it. Main thread only.
class FXCurrencySignResolver {
public:
    explicit FXCurrencySignResolver(const FXCurrencyManager &currencies);

    // Whether `sign` is the code or a sign of any currency of the catalogue.
    bool isCurrencySign(const QString &sign) const;
    // The currency `sign` stands for; none when it names no currency or no single one.
    std::optional<QString> currencyForSign(const QString &sign) const;

private:
    struct Candidates;
    Candidates candidatesFor(const QString &sign) const;

    const FXCurrencyManager &m_currencies;
};
