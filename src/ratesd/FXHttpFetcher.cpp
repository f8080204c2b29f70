#include "FXHttpFetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace {

QString networkFailureReason(const QNetworkReply &reply)
{
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("connection refused");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("host %1 not found").arg(reply.url().host());
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("connection closed before the whole answer arrived");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("TLS handshake failed: ") + reply.errorString();
    default:
        return reply.errorString();
    }
}

QString secondsText(std::chrono::milliseconds duration)
{
    return QString::number(duration.count() / 1000.0) + QStringLiteral(" s");
}

}

FXFetchResult FXFetchResult::success(QByteArray body)
{
    FXFetchResult result;
    result.m_body = std::move(body);
    return result;
}

FXFetchResult FXFetchResult::failure(QString reason)
{
    FXFetchResult result;
    result.m_failureReason = std::move(reason);
    return result;
}

FXHttpFetcher::FXHttpFetcher(QNetworkAccessManager &network, std::chrono::milliseconds timeout)
    : m_network(network)
    , m_timeout(timeout)
{
}

void FXHttpFetcher::get(const QUrl &url, QObject *context, std::function<void(const FXFetchResult &)> done)
{
    const auto finish = [context = QPointer(context), done](const FXFetchResult &result) {
        QTimer::singleShot(0, context, [context, done, result] {
            if (context)
                done(result);
        });
    };
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https")) {
        finish(FXFetchResult::failure(QStringLiteral("not an HTTP address: ") + url.toString()));
        return;
    }

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("cambio-ratesd/" CAMBIO_VERSION));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply *reply = m_network.get(request);

    // Set when the fetch gives up on its own; the reply's error would only say "aborted".
    auto abandonedBecause = std::make_shared<QString>();
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, abandonedBecause, timeout = m_timeout] {
        *abandonedBecause = QStringLiteral("timed out after ") + secondsText(timeout);
        reply->abort();
    });
    deadline->start(m_timeout);

    const QString tooLarge = QStringLiteral("answer larger than %1 MiB").arg(maximumBodySize / (1024 * 1024));
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, abandonedBecause, tooLarge](qint64 received, qint64 total) {
        if (abandonedBecause->isEmpty() && (received > maximumBodySize || total > maximumBodySize)) {
            *abandonedBecause = tooLarge;
            reply->abort();
        }
    });

    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, abandonedBecause, finish] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!abandonedBecause->isEmpty())
            finish(FXFetchResult::failure(*abandonedBecause));
        else if (status != 0 && (status < 200 || status > 299))
            finish(FXFetchResult::failure(QStringLiteral("HTTP ") + QString::number(status)));
        else if (reply->error() != QNetworkReply::NoError)
            finish(FXFetchResult::failure(networkFailureReason(*reply)));
        else
            finish(FXFetchResult::success(reply->readAll()));
    });
}
