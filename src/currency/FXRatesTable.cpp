#include "FXRatesTable.h"

#include "FXICUString.h"
#include "FXLocale.h"
#include "FXRatesFile.h"

#include <unicode/coll.h>

#include <algorithm>

FXRatesTable::FXRatesTable(FXRatesFile &file, const FXLocale &locale)
    : m_file(file)
    , m_locale(locale)
{
}

FXRatesTable::~FXRatesTable() = default;

std::shared_ptr<const FXRatesDocument> FXRatesTable::currencyRates() const
{
    std::lock_guard lock(m_mutex);
    if (m_document)
        return m_document;
    // A file that could not serve is read again only once it changed: every conversion asks.
    if (!m_servesSeed || m_file.hasChanged()) {
        if (auto stored = m_file.read()) {
            FXRatesDocument document = std::move(*stored);
            // The seed is read only for a file with refused entries: most runs never need it.
            if (!document.refusedCodes().isEmpty() && seedDocument())
                document.takeRefusedRatesFrom(*seedDocument());
            if (document.isUsable()) {
                m_document = std::make_shared<const FXRatesDocument>(std::move(document));
                m_servesSeed = false;
                return m_document;
            }
        }
        m_servesSeed = true;
    }
    return seedDocument();
}

const std::shared_ptr<const FXRatesDocument> &FXRatesTable::seedDocument() const
{
    if (!m_seed) {
        if (const auto &seed = m_file.seed())
            m_seed = std::make_shared<const FXRatesDocument>(*seed);
    }
    return m_seed;
}

bool FXRatesTable::reloadIfChanged()
{
    std::lock_guard lock(m_mutex);
    if (!m_file.hasChanged())
        return false;
    m_document.reset();
    m_servesSeed = false;
    return true;
}

void FXRatesTable::setCurrencyRates(std::shared_ptr<const FXRatesDocument> document)
{
    std::lock_guard lock(m_mutex);
    m_document = std::move(document);
}

QStringList FXRatesTable::mainCurrencies() const
{
    return {QStringLiteral("USD"), QStringLiteral("EUR"), QStringLiteral("GBP"),
            QStringLiteral("JPY"), QStringLiteral("BTC")};
}

QStringList FXRatesTable::allCurrencies() const
{
    const auto document = currencyRates();
    if (!document)
        return {};

    std::lock_guard lock(m_mutex);
    // Sorting by the collator is most of what a search query costs: the order is kept for the
    // document and the locale it was made for.
    if (m_sorted.document == document && m_sorted.generation == m_locale.generation())
        return m_sorted.codes;
    if (!m_collator || m_collatorGeneration != m_locale.generation()) {
        UErrorCode status = U_ZERO_ERROR;
        m_collator.reset(icu::Collator::createInstance(m_locale.icuLocale(), status));
        if (U_FAILURE(status))
            m_collator.reset();
        else
            m_collator->setStrength(icu::Collator::SECONDARY);
        m_collatorGeneration = m_locale.generation();
    }
    const auto compare = [this](const QString &a, const QString &b) {
        if (!m_collator)
            return a.compare(b, Qt::CaseInsensitive) < 0;
        UErrorCode status = U_ZERO_ERROR;
        return m_collator->compare(FXICUString::utf16(a), int32_t(a.size()),
                                   FXICUString::utf16(b), int32_t(b.size()), status)
               == UCOL_LESS;
    };
    QStringList codes = document->codes();
    std::sort(codes.begin(), codes.end(), compare);
    m_sorted = {document, m_locale.generation(), codes};
    return codes;
}

bool FXRatesTable::isKnownCurrency(const QString &code) const
{
    const auto document = currencyRates();
    return document && document->contains(code);
}

bool FXRatesTable::hasRate(const QString &currency) const
{
    const auto document = currencyRates();
    return document && document->rate(currency).isUsable();
}

double FXRatesTable::rateFromBaseForCurrency(const QString &currency) const
{
    const auto document = currencyRates();
    return document ? document->rate(currency).fromBase : 0.0;
}

double FXRatesTable::rateToBaseForCurrency(const QString &currency) const
{
    const auto document = currencyRates();
    return document ? document->rate(currency).toBase : 0.0;
}

double FXRatesTable::convertedAmount(double amount, const QString &fromCurrency,
                                     const QString &toCurrency) const
{
    // One document for both rates: a refresh in between must not mix two tables.
    const auto document = currencyRates();
    if (!document)
        return 0.0;
    const double toBase = document->rate(fromCurrency).toBase;
    const double fromBase = document->rate(toCurrency).fromBase;
    return (toBase * amount) * fromBase;
}
