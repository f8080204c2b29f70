#pragma once

#include <QDateTime>

#include <chrono>

// When the live sources are asked again.
namespace FXFetchSchedule {

// The European Central Bank publishes its reference rates around 16:00 Frankfurt time on working
// days. After an answer that holds the latest publication, the next fetch is at 16:10 of the next
// working day. An answer still showing an earlier day while today's is due means a late
// publication: asked again every 20 minutes until 18:00, then at the next working day's time. Bank
// holidays need no calendar: the answer of such a day is simply the one before.
QDateTime nextEcbFetch(const QDateTime &now, const QDateTime &answerDate);

// The currency API publishes once a day.
QDateTime nextDailyFetch(const QDateTime &now);

// The wait before the next attempt after `consecutiveFailures` failed ones: 30 s, doubling up to
// an hour, so that an outage is followed closely at first and then without hammering anyone.
std::chrono::seconds retryDelay(int consecutiveFailures);

}
