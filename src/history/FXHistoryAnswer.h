#pragma once

#include "FXRateHistory.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// What the rates server's history answer gave: the series of each currency, or why there is none.
struct FXHistoryAnswer {
    QMap<QString, FXRateSeries> series;
    QString failure;   // empty when the answer could be read

    // Reads the answer to a request for `asked` from `from` to `to`. One currency's answer is
    //   {"currency": "EUR", "base": "USD", "rates": [["2025-12-08", 0.9123], ...]}
    // and several are a JSON array of those (an object with one of them under each code is read
    // as well). A rate is read as an entry's from_base is: a number, or a text that is wholly a
    // plain decimal number. Days outside the range, days that are no dates, members of a currency
    // that was not asked for or of another base are left out; whether a rate is kept is the
    // store's to decide.
    static FXHistoryAnswer read(const QByteArray &body, const QStringList &asked, QDate from, QDate to);
};
