#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>

class QNetworkAccessManager;

// What one GET gave: the whole body of a 2xx answer, or why there is none ("HTTP 503", "timed out
// after 20 s", "host www.ecb.europa.eu not found").
class FXFetchResult {
public:
    static FXFetchResult success(QByteArray body);
    static FXFetchResult failure(QString reason);

    bool isSuccess() const { return m_body.has_value(); }
    QByteArray body() const { return m_body.value_or(QByteArray()); }
    QString failureReason() const { return m_failureReason; }

private:
    FXFetchResult() = default;

    std::optional<QByteArray> m_body;
    QString m_failureReason;
};

// Fetches the answers of the rates sources without blocking the event loop. HTTPS certificates are
// checked the way QtNetwork does by default, against the system's authorities; redirects are
// followed, at most five, while they stay on HTTP or HTTPS, never from HTTPS to HTTP and never
// back to an address already visited. Every fetch has a deadline for the whole answer
// and a largest body, so that a stalled or endless answer ends.
class FXHttpFetcher {
public:
    static constexpr std::chrono::milliseconds defaultTimeout{20'000};
    static constexpr qint64 maximumBodySize = 4 * 1024 * 1024;
    static constexpr int maximumRedirects = 5;

    FXHttpFetcher(QNetworkAccessManager &network, std::chrono::milliseconds timeout = defaultTimeout);

    // Calls `done` once, later, from the event loop, unless `context` is gone by then.
    void get(const QUrl &url, QObject *context, std::function<void(const FXFetchResult &)> done);

private:
    QNetworkAccessManager &m_network;
    std::chrono::milliseconds m_timeout;
};
