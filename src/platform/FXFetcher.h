#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>

class QObject;

// One HTTP request and the limits of its answer: a GET, or a POST when it has a content type.
// The defaults are those of a rates answer, which is a few KiB.
struct FXFetchRequest {
    QUrl url{};
    // The largest body taken; a larger one ends the fetch as soon as it shows.
    qint64 maximumBodySize = 4 * 1024 * 1024;
    // For the whole exchange, from the request to the last byte, however slowly it trickles.
    std::chrono::milliseconds deadline{20'000};
    QByteArray contentType{};   // empty for a GET
    QByteArray postedBody{};
    QByteArray userAgent{};     // empty for QtNetwork's own
    // Set for a body too large to hold at once: each piece of a 2xx answer's body goes to it as it
    // arrives, and the result's body stays empty. False from it ends the fetch, which then fails.
    std::function<bool(const QByteArray &piece)> bodyReceiver{};
};

// What one fetch gave: the whole body of a 2xx answer with the date its Last-Modified header
// tells, or why there is none in words a user can read ("connection refused", "HTTP 500",
// "timed out after 20 s", "redirect to ftp://… refused: not an HTTP address").
class FXFetchResult {
public:
    static FXFetchResult success(QByteArray body, QDateTime lastModified = {})
    {
        FXFetchResult result;
        result.m_body = std::move(body);
        result.m_lastModified = std::move(lastModified);
        return result;
    }
    static FXFetchResult failure(QString reason)
    {
        FXFetchResult result;
        result.m_failureReason = std::move(reason);
        return result;
    }

    bool isSuccess() const { return m_body.has_value(); }
    // Empty for a failure.
    QByteArray body() const { return m_body.value_or(QByteArray()); }
    // In UTC; invalid for a failure, or when the answer did not tell a readable date.
    QDateTime lastModified() const { return m_lastModified; }
    // Empty for a success.
    QString failureReason() const { return m_failureReason; }

private:
    FXFetchResult() = default;

    std::optional<QByteArray> m_body;
    QDateTime m_lastModified;
    QString m_failureReason;
};

// Fetches over HTTP without blocking the thread that asks: the answer comes back later from that
// thread's event loop. The programs get theirs from the module "cambio-network" (QtNetwork), which
// they load at the first fetch.
class FXFetcher {
public:
    using Completion = std::function<void(const FXFetchResult &)>;

    virtual ~FXFetcher() = default;

    // Calls `done` once, later, on this thread. Destroying `context` first ends the fetch, and
    // `done` is never called: an object that quits never waits for the network.
    virtual void fetch(const FXFetchRequest &request, QObject *context, Completion done) = 0;
};
