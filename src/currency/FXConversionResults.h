#pragma once

#include "FXConversionQuery.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class FXCurrencyManager;
class FXFlagCatalogue;
class FXNumberFormatter;

// One answer to a conversion query: the query's amount in one currency.
struct FXConversionResult {
    QString identifier;      // names the same answer again, in resultForIdentifier
    QString title;           // "100 USD = 88.12 EUR"
    QString description;     // the target's name and the date of the rates
    QString iconPath;        // the target's flag, an SVG file
    QString sourceCurrency;  // the currency of the query's first amount
    double sourceAmount = 0; // the query's whole amount in that currency
    QString target;
    QString convertedText;   // the converted amount as the converter writes it: "88.12"
};

// Answers what the desktop's search and `cambio-cli query` are asked: at most five conversions of
// a query, the currencies it names first, then the main and the visible currencies in the
// converter's order, each written as the converter writes amounts. Currencies without a usable
// rate are left out; a query that names one in its amounts has no answer. Main thread only.
class FXConversionResults {
public:
    static constexpr qsizetype MaximumResults = 5;

    // All must outlive the results.
    FXConversionResults(const FXCurrencyManager &currencies, const FXNumberFormatter &numbers,
                        const FXConversionQueryReader &reader, const FXFlagCatalogue &flags);

    // Nothing for a text that is no query.
    QList<FXConversionResult> resultsForText(const QString &text) const;
    // The answer an identifier names, under the rates in force now; none for an identifier that
    // names none.
    std::optional<FXConversionResult> resultForIdentifier(const QString &identifier) const;
    // The query's whole amount in the currency of its first amount, as the converter would take it.
    std::optional<FXConversionQuery::Term> sourceOf(const QString &text) const;

private:
    std::optional<FXConversionResult> result(const FXConversionQuery &query,
                                             const QString &target) const;
    double total(const FXConversionQuery &query, const QString &currency) const;
    static QString identifier(const FXConversionQuery &query, const QString &target);
    QString ratesDate() const;

    const FXCurrencyManager &m_currencies;
    const FXNumberFormatter &m_numbers;
    const FXConversionQueryReader &m_reader;
    const FXFlagCatalogue &m_flags;
    struct WrittenDate {
        QDateTime date;
        quint64 generation = 0;   // of the locale it is written in
        QString text;
    };
    mutable WrittenDate m_writtenDate;
};
