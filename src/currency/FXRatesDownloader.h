#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <atomic>
#include <optional>

// What one download gave: the whole body, or why there is none in words a user can read
// ("connection refused", "HTTP 500", "timed out after 20 s", "response larger than 4 MiB").
class FXDownloadResult {
public:
    // `lastModified`: the date of the data the server sent, invalid when it told none.
    static FXDownloadResult success(QByteArray body, QDateTime lastModified = {})
    {
        FXDownloadResult result;
        result.m_body = std::move(body);
        result.m_lastModified = std::move(lastModified);
        return result;
    }
    static FXDownloadResult failure(QString reason)
    {
        FXDownloadResult result;
        result.m_failureReason = std::move(reason);
        return result;
    }

    bool isSuccess() const { return m_body.has_value(); }
    // Empty for a failure.
    QByteArray body() const { return m_body.value_or(QByteArray()); }
    // Empty for a success.
    QString failureReason() const { return m_failureReason; }
    // The answer's Last-Modified; invalid for a failure or an answer without one.
    QDateTime lastModified() const { return m_lastModified; }

private:
    FXDownloadResult() = default;

    std::optional<QByteArray> m_body;
    QString m_failureReason;
    QDateTime m_lastModified;
};

// Fetches the rates from the rates server: one blocking download of the whole answer, on a thread
// of the background queue. Several threads may download at the same time.
class FXRatesDownloader {
public:
    virtual ~FXRatesDownloader() = default;
    // Gives up soon after `cancelled` becomes true.
    virtual FXDownloadResult download(const QUrl &url, const std::atomic<bool> &cancelled) const = 0;
};
