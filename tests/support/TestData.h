#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QVariantMap>

#include <chrono>
#include <functional>

// What tests of several layers build their cases from.

// "USD EUR" is {"USD", "EUR"}.
inline QStringList codes(const char *spaced)
{
    return QString::fromLatin1(spaced).split(u' ');
}

// The bytes of a file, or none when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One currency's entry of a rates document.
inline QVariantMap rate(const QVariant &fromBase, const QVariant &toBase)
{
    return {{QStringLiteral("from_base"), fromBase}, {QStringLiteral("to_base"), toBase}};
}

// Runs the main queue until `done` holds or the time is up; whether `done` holds.
inline bool runUntil(const std::function<bool()> &done,
                     std::chrono::milliseconds timeout = std::chrono::seconds(5))
{
    const QDeadlineTimer deadline(timeout);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}
