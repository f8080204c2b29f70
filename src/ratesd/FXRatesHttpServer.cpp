#include "FXRatesHttpServer.h"

#include "FXClock.h"
#include "FXRatesService.h"

#include <QHttpServerRequest>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTcpSocket>
#include <QTimeZone>

namespace {

using Status = QHttpServerResponder::StatusCode;

const QByteArray JsonType = QByteArrayLiteral("application/json");

const QString HttpDateFormat = QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'");

QByteArray httpDate(const QDateTime &date)
{
    return QLocale::c().toString(date.toUTC(), HttpDateFormat).toLatin1();
}

// Invalid for anything but the preferred form of HTTP dates, which is all that current clients send.
QDateTime fromHttpDate(const QByteArray &text)
{
    if (text.isEmpty())
        return {};
    QDateTime date = QLocale::c().toDateTime(QString::fromLatin1(text).trimmed(), HttpDateFormat);
    date.setTimeZone(QTimeZone::utc());
    return date;
}

QDateTime toWholeSeconds(const QDateTime &date)
{
    return QDateTime::fromSecsSinceEpoch(date.toSecsSinceEpoch(), Qt::UTC);
}

QByteArray jsonBody(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

}

FXRatesHttpServer::FXRatesHttpServer(FXRatesService &service, FXClock &clock,
                                     std::chrono::milliseconds holdLimit, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_service(service)
    , m_clock(clock)
    , m_holdLimit(holdLimit)
{
    m_holdTimer.setSingleShot(true);
    connect(&m_holdTimer, &QTimer::timeout, this, &FXRatesHttpServer::answerHeldRequests);
    connect(&m_service, &FXRatesService::startFinished, this, &FXRatesHttpServer::answerHeldRequests);
}

FXRatesHttpServer::~FXRatesHttpServer() = default;

bool FXRatesHttpServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    emit requestReceived();
    QHttpServerResponder responder = makeResponder(request, socket);
    const QString path = request.url().path();
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    const bool known = path == updatePath() || path == healthPath();

    if (!known) {
        send(responder, errorAnswer(Status::NotFound, QStringLiteral("no such path: ") + path), head);
    } else if (!head && request.method() != QHttpServerRequest::Method::Get) {
        send(responder, errorAnswer(Status::MethodNotAllowed, QStringLiteral("only GET and HEAD are answered here"),
                                    {{QByteArrayLiteral("Allow"), QByteArrayLiteral("GET, HEAD")}}),
             false);
    } else if (path == healthPath()) {
        send(responder, healthAnswer(), head);
    } else if (m_service.stalenessReason() && m_service.isStarting()) {
        m_held.push_back({std::make_unique<QHttpServerResponder>(std::move(responder)), socket, head,
                          request.value(QByteArrayLiteral("If-Modified-Since"))});
        if (!m_holdTimer.isActive())
            m_holdTimer.start(m_holdLimit);
    } else {
        send(responder, updateAnswer(request.value(QByteArrayLiteral("If-Modified-Since"))), head);
    }
    return true;
}

void FXRatesHttpServer::missingHandler(const QHttpServerRequest &, QTcpSocket *)
{
    // handleRequest() answers every request.
}

void FXRatesHttpServer::answerHeldRequests()
{
    m_holdTimer.stop();
    std::vector<HeldRequest> held = std::move(m_held);
    m_held.clear();
    for (HeldRequest &request : held) {
        if (request.socket && request.socket->state() == QAbstractSocket::ConnectedState)
            send(*request.responder, updateAnswer(request.ifModifiedSince), request.head);
    }
}

FXRatesHttpServer::Answer FXRatesHttpServer::updateAnswer(const QByteArray &ifModifiedSince) const
{
    if (const auto staleness = m_service.stalenessReason()) {
        Headers headers{{QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store")}};
        if (const QDateTime next = m_service.nextFetch(); next.isValid()) {
            const qint64 wait = std::max<qint64>(1, m_clock.now().secsTo(next));
            headers.append({QByteArrayLiteral("Retry-After"), QByteArray::number(wait)});
        }
        return errorAnswer(Status::ServiceUnavailable, *staleness, headers);
    }
    const auto table = m_service.table();
    const QDateTime modified = toWholeSeconds(table->date);
    const Headers headers{{QByteArrayLiteral("Last-Modified"), httpDate(modified)},
                          {QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("public, max-age=300")}};
    const QDateTime since = fromHttpDate(ifModifiedSince);
    if (since.isValid() && modified.isValid() && modified <= since)
        return {Status::NotModified, headers, {}};
    Headers withType = headers;
    withType.prepend({QByteArrayLiteral("Content-Type"), JsonType});
    return {Status::Ok, withType, table->json};
}

FXRatesHttpServer::Answer FXRatesHttpServer::healthAnswer() const
{
    return {m_service.stalenessReason() ? Status::ServiceUnavailable : Status::Ok,
            {{QByteArrayLiteral("Content-Type"), JsonType},
             {QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store")}},
            jsonBody(m_service.health())};
}

FXRatesHttpServer::Answer FXRatesHttpServer::errorAnswer(Status status, const QString &message,
                                                         Headers headers) const
{
    headers.prepend({QByteArrayLiteral("Content-Type"), JsonType});
    return {status, headers, jsonBody({{QStringLiteral("error"), message}})};
}

void FXRatesHttpServer::send(QHttpServerResponder &responder, const Answer &answer, bool head) const
{
    responder.writeStatusLine(answer.status);
    responder.writeHeader(QByteArrayLiteral("Date"), httpDate(m_clock.now()));
    if (answer.status != Status::NotModified)
        responder.writeHeader(QByteArrayLiteral("Content-Length"), QByteArray::number(answer.body.size()));
    for (const auto &[name, value] : answer.headers)
        responder.writeHeader(name, value);
    responder.writeBody(head ? QByteArray() : answer.body);
}
