#pragma once

#include "FXRatesDownloader.h"

// Sends one body to a server with an HTTP POST and waits for the answer, on a thread of the
// background queue: how crash reports and feedback leave the computer. The result carries the
// answer's body, or why the server did not take the upload.
class FXUploader {
public:
    virtual ~FXUploader() = default;
    // Gives up soon after `cancelled` becomes true.
    virtual FXDownloadResult upload(const QUrl &url, const QByteArray &body,
                                    const QByteArray &contentType,
                                    const std::atomic<bool> &cancelled) const = 0;
};
