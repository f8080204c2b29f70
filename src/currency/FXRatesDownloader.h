#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <optional>

// What one download gave: the whole body, or why there is none in words a user can read
// ("connection refused", "HTTP 500", "timed out after 20 s", "response larger than 4 MiB").
class FXDownloadResult {
public:
    static FXDownloadResult success(QByteArray body);
    static FXDownloadResult failure(QString reason);

    bool isSuccess() const { return m_body.has_value(); }
    // Empty for a failure.
    QByteArray body() const { return m_body.value_or(QByteArray()); }
    // Empty for a success.
    QString failureReason() const { return m_failureReason; }

private:
    FXDownloadResult() = default;

    std::optional<QByteArray> m_body;
    QString m_failureReason;
};

// Fetches the rates from the rates server with one blocking HTTP GET.
//
// download() runs an event loop of its own for the length of the call, so it belongs on a thread
// of the background queue: on the main thread that loop would deliver the window's events in the
// middle of the download. Proxies come from the environment (http_proxy, https_proxy, no_proxy);
// nothing is cached. Several threads may download at the same time, with one downloader or several.
class FXRatesDownloader {
public:
    static constexpr std::chrono::milliseconds defaultTimeout{20'000};
    static constexpr qint64 defaultMaximumBodySize = 4 * 1024 * 1024;

    explicit FXRatesDownloader(std::chrono::milliseconds timeout = defaultTimeout,
                               qint64 maximumBodySize = defaultMaximumBodySize);

    // Sends the GET and waits, at most the timeout in all, for the whole body of a 2xx answer.
    // Gives up soon after `cancelled` becomes true.
    FXDownloadResult download(const QUrl &url, const std::atomic<bool> &cancelled = notCancelled) const;

private:
    static inline const std::atomic<bool> notCancelled{false};

    std::chrono::milliseconds m_timeout;
    qint64 m_maximumBodySize;
};
