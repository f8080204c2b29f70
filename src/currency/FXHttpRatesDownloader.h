#pragma once

#include "FXRatesDownloader.h"
#include "FXUploader.h"

#include <chrono>

// Fetches the rates with one HTTP GET through QtNetwork, and posts crash reports and feedback.
//
// download() and upload() run an event loop of its own for the length of the call, so it belongs on a thread
// of the background queue: on the main thread that loop would deliver the window's events in the
// middle of the download. Proxies come from the environment (http_proxy, https_proxy, no_proxy);
// nothing is cached.
class FXHttpRatesDownloader : public FXRatesDownloader, public FXUploader {
public:
    static constexpr std::chrono::milliseconds defaultTimeout{20'000};
    static constexpr qint64 defaultMaximumBodySize = 4 * 1024 * 1024;

    explicit FXHttpRatesDownloader(std::chrono::milliseconds timeout = defaultTimeout,
                                   qint64 maximumBodySize = defaultMaximumBodySize);

    // Sends the GET and waits, at most the timeout in all, for the whole body of a 2xx answer.
    FXDownloadResult download(const QUrl &url,
                              const std::atomic<bool> &cancelled) const override;
    FXDownloadResult download(const QUrl &url) const { return download(url, notCancelled); }
    // Posts the body and waits, as download() does, for the answer.
    FXDownloadResult upload(const QUrl &url, const QByteArray &body, const QByteArray &contentType,
                            const std::atomic<bool> &cancelled) const override;

private:
    struct Upload {
        const QByteArray &body;
        const QByteArray &contentType;
    };
    // A GET without `upload`, else a POST of it.
    FXDownloadResult transfer(const QUrl &url, const Upload *upload,
                              const std::atomic<bool> &cancelled) const;

    static inline const std::atomic<bool> notCancelled{false};

    std::chrono::milliseconds m_timeout;
    qint64 m_maximumBodySize;
};
