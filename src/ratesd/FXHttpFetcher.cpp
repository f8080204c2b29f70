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
    case QNetworkReply::UnknownContentError:
        // When it stops a bomb, Qt says only "Decompression failed: ", and no longer shows the
        // Content-Encoding.
        if (reply.errorString().startsWith(QLatin1StringView("Decompression failed")))
            return QStringLiteral("the compressed answer is corrupt or would inflate beyond any rates table");
        return reply.errorString();
    default:
        return reply.errorString();
    }
}

// A redirect that QtNetwork would not even offer to follow: to another scheme, or none at all.
QString redirectFailureReason(const QNetworkReply &reply, int status)
{
    const QUrl target(QString::fromUtf8(reply.rawHeader("Location")));
    if (target.isEmpty())
        return QStringLiteral("HTTP %1 without a target").arg(status);
    return QStringLiteral("redirect to %1 refused: not an HTTP address").arg(reply.url().resolved(target).toDisplayString());
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
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    QNetworkReply *reply = m_network.get(request);

    // Set when the fetch gives up on its own; the reply's error would only say "aborted".
    auto abandonedBecause = std::make_shared<QString>();

    // Each hop is checked here, so that a refusal names its target.
    auto visited = std::make_shared<QList<QUrl>>(QList<QUrl>{url});
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply, abandonedBecause, visited](const QUrl &target) {
        const QString refused = QStringLiteral("redirect to %1 refused: ").arg(target.toDisplayString());
        if (target.scheme() != u"http" && target.scheme() != u"https")
            *abandonedBecause = refused + QStringLiteral("not an HTTP address");
        else if (visited->constLast().scheme() == u"https" && target.scheme() == u"http")
            *abandonedBecause = refused + QStringLiteral("it leaves HTTPS");
        else if (visited->contains(target))
            *abandonedBecause = refused + QStringLiteral("a redirect loop");
        else if (visited->size() > maximumRedirects)
            *abandonedBecause = refused + QStringLiteral("more than %1 redirects").arg(maximumRedirects);
        if (!abandonedBecause->isEmpty()) {
            reply->abort();
            return;
        }
        visited->append(target);
        emit reply->redirectAllowed();
    });
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, abandonedBecause, timeout = m_timeout] {
        *abandonedBecause = QStringLiteral("timed out after ") + secondsText(timeout);
        reply->abort();
    });
    deadline->start(m_timeout);

    // The body is taken from the reply as it comes, which holds no more than a little of it: a
    // body past the cap ends the fetch there, however it is sent, and costs no more memory.
    reply->setReadBufferSize(64 * 1024);
    auto body = std::make_shared<QByteArray>();
    const auto tooLarge = [reply, abandonedBecause] {
        if (abandonedBecause->isEmpty()) {
            *abandonedBecause = QStringLiteral("answer larger than %1 MiB").arg(maximumBodySize / (1024 * 1024));
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, tooLarge] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maximumBodySize)
            tooLarge();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, body, tooLarge] {
        body->append(reply->readAll());
        if (body->size() > maximumBodySize)
            tooLarge();
    });

    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, abandonedBecause, body, finish] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!abandonedBecause->isEmpty())
            finish(FXFetchResult::failure(*abandonedBecause));
        else if (status >= 300 && status <= 399)
            finish(FXFetchResult::failure(redirectFailureReason(*reply, status)));
        else if (status != 0 && (status < 200 || status > 299))
            finish(FXFetchResult::failure(QStringLiteral("HTTP ") + QString::number(status)));
        else if (reply->error() != QNetworkReply::NoError)
            finish(FXFetchResult::failure(networkFailureReason(*reply)));
        else
            finish(FXFetchResult::success(*body + reply->readAll()));
    });
}
