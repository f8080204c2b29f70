#include "FXHttpFetcher.h"

#include "FXLocalizedString.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace {

// How much of a body QtNetwork holds before it is read: the body is taken from the reply as it
// comes, so the cap is checked every 64 KiB at the latest.
constexpr qint64 ReadBufferSize = 64 * 1024;

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

bool isHttp(const QUrl &url)
{
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") && !url.host().isEmpty();
}

// 0 until the answer's head has arrived.
int httpStatus(const QNetworkReply &reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool isSuccessStatus(int status)
{
    return status >= 200 && status <= 299;
}

// An answer that says no: its body is an error page, never the body asked for.
bool isFailedStatus(int status)
{
    return status != 0 && (status < 200 || status >= 400);
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
    case QNetworkReply::SslHandshakeFailedError:
        return FXLocalizedString::format("TLS handshake failed: %@", reply.errorString());
    default:
        break;
    }
    // When QtNetwork stops a bomb or meets a damaged stream it says only "Decompression failed: ",
    // and the Content-Encoding is gone by then.
    if (reply.errorString().startsWith(QLatin1StringView("Decompression failed")))
        return FXLocalizedString::text("the answer's compression is damaged or would inflate beyond any limit");
    return reply.errorString();
}

// Why a redirect (`status`) to `target`, coming after the addresses `visited`, is not followed.
QString redirectRefusal(int status, const QUrl &target, const QList<QUrl> &visited)
{
    QString why;
    if (!isHttp(target))
        why = FXLocalizedString::text("not an HTTP address");
    else if (visited.constLast().scheme() == u"https" && target.scheme() == u"http")
        why = FXLocalizedString::text("it leaves HTTPS");
    else if (visited.contains(target))
        why = FXLocalizedString::text("a redirect loop");
    else if (visited.size() > FXHttpFetcher::maximumRedirects)
        why = FXLocalizedString::format("more than %@ redirects", QString::number(FXHttpFetcher::maximumRedirects));
    if (why.isEmpty())
        return FXLocalizedString::format("HTTP %@", QString::number(status));
    return FXLocalizedString::format("redirect to %@ refused", target.toDisplayString()) + u": " + why;
}

// One fetch under way: what it has read, and why it gave up when it did so on its own (the
// reply's own error would only say "aborted").
struct Exchange {
    QNetworkReply *reply;
    FXFetchRequest request;
    QList<QUrl> visited;   // the address asked, then every redirect followed
    QByteArray body{};
    qint64 received = 0;
    QString abandonedBecause{};

    void abandon(const QString &reason)
    {
        if (abandonedBecause.isEmpty())
            abandonedBecause = reason;
        reply->abort();
    }

    void tooLarge()
    {
        abandon(FXLocalizedString::format("response larger than %@", sizeText(request.maximumBodySize)));
    }

    // Takes what has come of the body.
    void read()
    {
        if (!reply->isOpen())
            return;
        const QByteArray bytes = reply->readAll();
        received += bytes.size();
        if (received > request.maximumBodySize)
            tooLarge();
        else if (!isSuccessStatus(httpStatus(*reply)))
            return;
        else if (!request.bodyReceiver)
            body += bytes;
        else if (!bytes.isEmpty() && !request.bodyReceiver(bytes))
            abandon(FXLocalizedString::text("the answer is not what was asked for"));
    }

    FXFetchResult result() const
    {
        const int status = httpStatus(*reply);
        if (isFailedStatus(status))
            return FXFetchResult::failure(FXLocalizedString::format("HTTP %@", QString::number(status)));
        if (!abandonedBecause.isEmpty())
            return FXFetchResult::failure(abandonedBecause);
        // A redirect that QtNetwork did not follow.
        if (status >= 300 && status <= 399) {
            const QUrl target(QString::fromUtf8(reply->rawHeader("Location")));
            if (target.isEmpty())
                return FXFetchResult::failure(FXLocalizedString::format("HTTP %@ without a target", QString::number(status)));
            return FXFetchResult::failure(redirectRefusal(status, reply->url().resolved(target), visited));
        }
        if (reply->error() != QNetworkReply::NoError)
            return FXFetchResult::failure(networkFailureReason(*reply));
        return FXFetchResult::success(body, reply->header(QNetworkRequest::LastModifiedHeader).toDateTime().toUTC());
    }
};

}

FXHttpFetcher::FXHttpFetcher()
    : m_network(std::make_unique<QNetworkAccessManager>())
{
}

FXHttpFetcher::~FXHttpFetcher()
{
    // Replies that the manager deletes may still say they finished: none may reach a completion.
    const QList<QNetworkReply *> replies = m_network->findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies) {
        QObject::disconnect(reply, &QNetworkReply::finished, nullptr, nullptr);
        reply->abort();
        delete reply;
    }
}

void FXHttpFetcher::fetch(const FXFetchRequest &request, QObject *context, Completion done)
{
    // Always later, as a completion called before fetch() returns would surprise its caller.
    const auto finish = [context = QPointer(context), done = std::move(done)](const FXFetchResult &result) {
        if (!context)
            return;
        QTimer::singleShot(0, context, [context, done, result] {
            if (context)
                done(result);
        });
    };
    if (!isHttp(request.url)) {
        finish(FXFetchResult::failure(FXLocalizedString::format("not an HTTP address: %@", request.url.toString())));
        return;
    }

    QNetworkRequest http(request.url);
    if (!request.userAgent.isEmpty())
        http.setHeader(QNetworkRequest::UserAgentHeader, request.userAgent);
    http.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    http.setMaximumRedirectsAllowed(maximumRedirects);
    QNetworkReply *reply;
    if (request.contentType.isEmpty()) {
        reply = m_network->get(http);
    } else {
        http.setHeader(QNetworkRequest::ContentTypeHeader, request.contentType);
        reply = m_network->post(http, request.postedBody);
    }
    reply->setReadBufferSize(ReadBufferSize);
    auto exchange = std::make_shared<Exchange>(Exchange{reply, request, {request.url}});

    // The owner goes, and with it every wish for the answer: the fetch ends at once, unanswered.
    QObject::connect(context, &QObject::destroyed, reply, &QNetworkReply::abort);

    // QtNetwork follows a redirect only while it stays on HTTP or HTTPS and never leaves HTTPS, at
    // most maximumRedirects times, and then ends with the redirect it did not follow. A loop
    // comes round again within those hops: its end names the target and why.
    QObject::connect(reply, &QNetworkReply::redirected, reply,
                     [exchange](const QUrl &target) { exchange->visited.append(target); });

    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [exchange] {
        exchange->abandon(FXLocalizedString::format(
            "timed out after %@ s", QString::number(exchange->request.deadline.count() / 1000.0)));
    });
    deadline->start(request.deadline);

    // A body announced too large is refused by its head alone. An error page counts towards the
    // cap too, but is never kept: its status says all.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [exchange] {
        const qint64 announced = exchange->reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (announced > exchange->request.maximumBodySize)
            exchange->tooLarge();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [exchange] { exchange->read(); });

    QObject::connect(reply, &QNetworkReply::finished, reply, [exchange, finish] {
        exchange->read();
        exchange->reply->deleteLater();
        finish(exchange->result());
    });
}
