#pragma once

#include "FXRateMap.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QXmlStreamReader>

#include <functional>

class FXCurrencyCodes;

// One day of the European Central Bank's reference rates, in euros as published.
struct FXEcbDay {
    QDate date;
    QMap<QString, double> perEuro;
    QString refusal;   // why the day cannot be used (a currency listed twice); empty when it can
};

// Reads the bank's files (eurofxref-daily.xml, the 90-day and the full history) day by day as their
// bytes come, handing over each day once its closing tag is read: the full history of some 6,700
// days is never held at once.
//
// Only the bank's own layout counts, in its namespace: the envelope's Cube, its dated Cube children
// and their Cube children with a currency and a rate. A Cube anywhere else is not the day's.
class FXEcbDayReader {
public:
    using DayHandler = std::function<void(const FXEcbDay &day)>;

    explicit FXEcbDayReader(DayHandler handler);

    // Reads what `bytes` complete. False once the file cannot be the bank's (failure() says why);
    // a file cut short so far is not a failure yet.
    bool addData(const QByteArray &bytes);
    // False, with failure(), when the bytes given were not a whole file of the bank's layout.
    bool finish();
    QString failure() const { return m_failure; }

private:
    bool readTokens();
    void startElement();
    bool startDay();
    void readRate();
    bool fail(const QString &reason);

    DayHandler m_handler;
    QXmlStreamReader m_reader;
    int m_depth = 0;         // of the element the reader is in; the envelope is 1
    int m_skipDepth = 0;     // while not 0, the element at this depth holds nothing more to read
    bool m_inDay = false;
    FXEcbDay m_day;
    QString m_failure;
};

// The bank's rates turned into the dollar base. The rate of currency X from the dollar is
// EUR->X / EUR->USD, and its rate to the dollar the inverse of that; the euro itself is added at
// 1 / EUR->USD. The date is the day's publication, 16:00 in Frankfurt. A day without a dollar rate
// within the bounds, or with a currency listed twice at different rates, is refused whole; an entry
// out of the bounds or with a code `codes` refuses on that day is dropped.
namespace FXEcbRates {

// The latest day of a file, with the file's earlier days that can be used (a day refused among
// those refuses the answer); a file of several days (the 90-day history) is read whole.
FXReadResult read(const QByteArray &xml, const FXCurrencyCodes &codes);
// One day in the dollar base, or why it cannot be used.
FXReadResult inDollars(const FXEcbDay &day, const FXCurrencyCodes &codes);

}
