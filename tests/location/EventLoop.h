#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

// Runs the main event loop until `done` holds or `milliseconds` have passed; tells whether it
// holds. Queued deliveries (geocoding answers, location fixes) need the loop to run.
inline bool processEventsUntil(const std::function<bool()> &done, int milliseconds = 2000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Runs everything queued on the main event loop so far, and whatever that queues in turn.
inline void processPendingEvents()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}
