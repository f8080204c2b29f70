#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>

// What a client asks of the daily history: "currency=EUR,JPY&from=2025-12-07&to=2026-12-07",
// the currencies by their codes (letter case aside) and a range of days, both ends included.
struct FXHistoryQuery {
    static constexpr int maximumYears = 10;
    // Ten years of a few dozen currencies is some megabytes of JSON already; more in one answer
    // would let one request hold the server for long.
    static constexpr int maximumCurrencies = 40;

    QStringList currencies;   // in capitals, in the order asked
    QDate from;
    QDate to;
    QString refusal;          // why the query cannot be answered; empty when it can

    // Reads the query part of a request target, percent-escapes included.
    static FXHistoryQuery parse(QByteArrayView query);
};
