#pragma once

#include "FXEcbRates.h"
#include "FXServedRateHistory.h"

#include <QByteArrayView>
#include <QSet>
#include <QString>

class FXCurrencyCodes;

// Takes the central bank's full history (eurofxref-hist.xml, some 6,700 days since 1999) into the
// daily history. Its bytes are read as they arrive, each day turned into the dollar base as soon
// as it is whole; what is kept until the end is the days' codes and rates alone, a few MiB where
// the file is several times that. finish() records every usable day in one transaction, together
// with the note that the import is done: a download cut short, or a write that fails, leaves the
// history as it was and the import to be done again. Days the bank could not have meant (no
// usable dollar rate, a currency listed twice) are left out and counted.
class FXEcbHistoryImport {
public:
    FXEcbHistoryImport(FXServedRateHistory &history, const FXCurrencyCodes &codes);

    // False once the bytes cannot be the bank's file; failure() says why.
    bool addData(QByteArrayView bytes);
    // False, with failure(), when the file is not whole or the history cannot be written.
    bool finish();
    QString failure() const { return m_failure; }

    qsizetype dayCount() const { return m_days.size(); }
    qsizetype refusedDayCount() const { return m_refusedDays; }
    // The first day left out and why ("USD listed twice on 2003-04-07, ...").
    QString firstRefusal() const { return m_firstRefusal; }

private:
    void take(const FXEcbDay &day);

    FXServedRateHistory &m_history;
    const FXCurrencyCodes &m_codes;
    FXEcbDayReader m_reader;
    QList<FXHistoryDay> m_days;
    QSet<QString> m_knownCodes;   // one copy of each code, which every day's entries share
    qsizetype m_refusedDays = 0;
    QString m_firstRefusal;
    QString m_failure;
};
