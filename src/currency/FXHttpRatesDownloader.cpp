#include "FXHttpRatesDownloader.h"

#include "FXLocalizedString.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

constexpr std::chrono::milliseconds CancellationCheckInterval{50};

QString sizeText(qint64 bytes)
{
    constexpr qint64 kibibyte = 1024;
    constexpr qint64 mebibyte = 1024 * kibibyte;
    if (bytes > 0 && bytes % mebibyte == 0)
        return QString::number(bytes / mebibyte) + u" MiB";
    if (bytes > 0 && bytes % kibibyte == 0)
        return QString::number(bytes / kibibyte) + u" KiB";
    return QString::number(bytes) + u" bytes";
}

// 0 until the answer's head has arrived.
int httpStatus(const QNetworkReply &reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool isFailedStatus(int status)
{
    return status != 0 && (status < 200 || status > 299);
}

QString networkFailureReason(const QNetworkReply &reply)
{
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return FXLocalizedString::text("connection refused");
    case QNetworkReply::HostNotFoundError:
        return FXLocalizedString::format("host %@ not found", reply.url().host());
    case QNetworkReply::RemoteHostClosedError:
        return FXLocalizedString::text("connection closed before the whole response arrived");
    default:
        break;
    }
    // Some of QtNetwork's messages end with an empty reason ("Decompression failed: ").
    QString message = reply.errorString().trimmed();
    if (!message.endsWith(u':'))
        return message;
    const QByteArray encoding = reply.rawHeader("Content-Encoding");
    if (!encoding.isEmpty())
        return FXLocalizedString::format("the answer's %@ compression is damaged", QString::fromLatin1(encoding));
    message.chop(1);
    return message;
}

}

FXHttpRatesDownloader::FXHttpRatesDownloader(std::chrono::milliseconds timeout, qint64 maximumBodySize)
    : m_timeout(timeout)
    , m_maximumBodySize(maximumBodySize)
{
}

FXDownloadResult FXHttpRatesDownloader::download(const QUrl &url, const std::atomic<bool> &cancelled) const
{
    return transfer(url, nullptr, cancelled);
}

FXDownloadResult FXHttpRatesDownloader::upload(const QUrl &url, const QByteArray &body,
                                               const QByteArray &contentType,
                                               const std::atomic<bool> &cancelled) const
{
    const Upload upload{body, contentType};
    return transfer(url, &upload, cancelled);
}

FXDownloadResult FXHttpRatesDownloader::transfer(const QUrl &url, const Upload *upload,
                                                 const std::atomic<bool> &cancelled) const
{
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https"))
        return FXDownloadResult::failure(FXLocalizedString::format("not an HTTP address: %@", url.toString()));

    // A manager of its own: it belongs to this thread, and it has no cache. Its proxies are the
    // system's, which QtNetwork on Linux takes from http_proxy, https_proxy and no_proxy at each
    // request; loopback addresses never go through a proxy.
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    if (upload)
        request.setHeader(QNetworkRequest::ContentTypeHeader, upload->contentType);
    QNetworkReply *reply = upload ? manager.post(request, upload->body) : manager.get(request);

    const QString tooLarge = FXLocalizedString::format("response larger than %@", sizeText(m_maximumBodySize));
    QByteArray body;
    QString abandonedBecause;
    const auto abandon = [&](const QString &reason) {
        if (abandonedBecause.isEmpty())
            abandonedBecause = reason;
        reply->abort();
    };

    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
        abandon(FXLocalizedString::format("timed out after %@ s", QString::number(m_timeout.count() / 1000.0)));
    });
    // A body is refused before its first byte when the server tells its size, else as it comes.
    // The page of a failed status is neither kept nor cut off: the status says all, and QtNetwork
    // warns about a reply aborted while it reports that status as an error.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (!isFailedStatus(httpStatus(*reply)) && length.isValid() && length.toLongLong() > m_maximumBodySize)
            abandon(tooLarge);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        if (isFailedStatus(httpStatus(*reply)))
            reply->readAll();
        else if (body.size() + reply->bytesAvailable() > m_maximumBodySize)
            abandon(tooLarge);
        else
            body += reply->readAll();
    });

    // The program may be quitting: it must never wait for the network.
    QTimer cancellationCheck;
    QObject::connect(&cancellationCheck, &QTimer::timeout, reply, [&] {
        if (cancelled.load())
            abandon(FXLocalizedString::text("cancelled"));
    });
    cancellationCheck.start(CancellationCheckInterval);

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(m_timeout);
    if (!reply->isFinished())
        loop.exec();

    const int status = httpStatus(*reply);
    if (isFailedStatus(status))
        return FXDownloadResult::failure(FXLocalizedString::format("HTTP %@", QString::number(status)));
    if (!abandonedBecause.isEmpty())
        return FXDownloadResult::failure(abandonedBecause);
    if (reply->error() != QNetworkReply::NoError)
        return FXDownloadResult::failure(networkFailureReason(*reply));
    if (body.size() + reply->bytesAvailable() > m_maximumBodySize)
        return FXDownloadResult::failure(tooLarge);
    return FXDownloadResult::success(body + reply->readAll(),
                                     reply->header(QNetworkRequest::LastModifiedHeader).toDateTime());
}
