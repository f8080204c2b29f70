#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

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
// Serves every reader of amounts written with a currency. The signs and codes of the catalogue are
// indexed at the first question and again whenever the locale or the catalogue changed; the main
// and visible currencies are asked at each call, since they change under it. Main thread only.
class FXCurrencySignResolver {
public:
    explicit FXCurrencySignResolver(const FXCurrencyManager &currencies);

    // Whether `sign` is the code or a sign of any currency of the catalogue.
    bool isCurrencySign(const QString &sign) const;
    // The currency `sign` stands for; none when it names no currency or no single one.
    std::optional<QString> currencyForSign(const QString &sign) const;

private:
    struct Candidates {
        QStringList ownSign;     // whose full sign `sign` is, or whose code
        QStringList shortSign;   // that write `sign` only as their short sign
    };
    Candidates candidatesFor(const QString &sign) const;
    void reindexIfStale() const;

    const FXCurrencyManager &m_currencies;
    mutable QHash<QString, Candidates> m_signs;   // by sign, each list in the catalogue's order
    mutable QHash<QString, QString> m_codes;      // by case-folded code: the code
    mutable quint64 m_generation = 0;             // of the locale the index was built for
    mutable QStringList m_catalogue;              // the codes it was built for
};
