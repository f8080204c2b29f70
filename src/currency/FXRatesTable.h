#pragma once

#include "FXRatesDocument.h"
#include "FXSettingsManager.h"

#include <QStringList>

#include <unicode/uversion.h>

#include <memory>
#include <mutex>

class FXLocale;
class FXRatesFile;

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

// The rates in force and the conversion of amounts through the base currency.
//
// The document is read from the rates file on first use and then kept; a refresh replaces it whole,
// and a reader always gets either the old or the new document. While the
// file cannot serve (it cannot be read, or holds no usable rate of the base currency: an empty
// table, say) the seed document does, so that conversions never silently become 0, and the file is
// tried again once it changed. An entry of the file that is refused takes the seed's rates.
class FXRatesTable : public FXCurrencyLists {
public:
    FXRatesTable(FXRatesFile &file, const FXLocale &locale);
    ~FXRatesTable() override;

    // The document in force; null only when neither the file nor the seed can be read.
    std::shared_ptr<const FXRatesDocument> currencyRates() const;
    void setCurrencyRates(std::shared_ptr<const FXRatesDocument> document);
    // Drops the document in force when another process changed the file since it was read or
    // written here, so that the next use reads the file again. True when it did.
    bool reloadIfChanged();

    static QString baseCurrency() { return QStringLiteral("USD"); }
    QStringList mainCurrencies() const override;
    // Every code of the document, in the current locale's case-insensitive order.
    QStringList allCurrencies() const override;
    bool isKnownCurrency(const QString &code) const override;

    // Whether `currency` has a usable rate in the table in force: converting into or out of any
    // other currency reads 0.
    bool hasRate(const QString &currency) const;
    double rateFromBaseForCurrency(const QString &currency) const;
    double rateToBaseForCurrency(const QString &currency) const;
    // (toBase(from) * amount) * fromBase(to), in exactly this order; 0 for an unknown currency.
    double convertedAmount(double amount, const QString &fromCurrency,
                           const QString &toCurrency) const;

private:
    // Read on first need, with m_mutex held; null when the seed cannot be read.
    const std::shared_ptr<const FXRatesDocument> &seedDocument() const;

    FXRatesFile &m_file;
    const FXLocale &m_locale;
    mutable std::mutex m_mutex;
    mutable std::shared_ptr<const FXRatesDocument> m_document;
    mutable std::shared_ptr<const FXRatesDocument> m_seed;
    mutable bool m_servesSeed = false;   // the file could not serve at its last read
    mutable std::unique_ptr<icu::Collator> m_collator;
    mutable quint64 m_collatorGeneration = 0;
    // The codes of a document in a locale's order; held with the document, so that a new document
    // is never taken for the old one.
    struct SortedCodes {
        std::shared_ptr<const FXRatesDocument> document;
        quint64 generation = 0;
        QStringList codes;
    };
    mutable SortedCodes m_sorted;
};
