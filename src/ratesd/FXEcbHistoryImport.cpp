#include "FXEcbHistoryImport.h"

FXEcbHistoryImport::FXEcbHistoryImport(FXServedRateHistory &history, const FXCurrencyCodes &codes)
    : m_history(history)
    , m_codes(codes)
    , m_reader([this](const FXEcbDay &day) { take(day); })
{
}

bool FXEcbHistoryImport::addData(QByteArrayView bytes)
{
    if (m_reader.addData(bytes.toByteArray()))
        return true;
    m_failure = m_reader.failure();
    return false;
}

bool FXEcbHistoryImport::finish()
{
    if (!m_reader.finish()) {
        m_failure = m_reader.failure();
        return false;
    }
    if (m_days.isEmpty()) {
        m_failure = QStringLiteral("no rates in the answer");
        return false;
    }
    return m_history.record(FXServedRateHistory::Source::CentralBank, m_days, &m_failure, true);
}

void FXEcbHistoryImport::take(const FXEcbDay &day)
{
    if (day.perEuro.isEmpty() && day.refusal.isEmpty())
        return;
    const FXReadResult read = FXEcbRates::inDollars(day, m_codes);
    if (!read.isSuccess()) {
        if (m_refusedDays++ == 0)
            m_firstRefusal = read.failureReason();
        return;
    }
    FXHistoryDay taken = FXHistoryDay::of(read.rates());
    for (auto &[code, fromBase] : taken.fromBase)
        code = *m_knownCodes.insert(code);
    m_days.append(std::move(taken));
}
