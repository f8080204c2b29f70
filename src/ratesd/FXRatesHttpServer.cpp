#include "FXRatesHttpServer.h"

#include "FXClock.h"
#include "FXHistoryQuery.h"
#include "FXRatesService.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTimeZone>

namespace {

const QByteArray UpdatePath = FXRatesHttpServer::updatePath().toLatin1();
const QByteArray HistoryPath = FXRatesHttpServer::historyPath().toLatin1();
const QByteArray HealthPath = FXRatesHttpServer::healthPath().toLatin1();
const QByteArray JsonType = QByteArrayLiteral("Content-Type: application/json\r\n");
const QByteArray NotStored = QByteArrayLiteral("Cache-Control: no-store\r\n");

const QString HttpDateFormat = QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'");

QByteArray httpDate(const QDateTime &date)
{
    return QLocale::c().toString(date.toUTC(), HttpDateFormat).toLatin1();
}

// Invalid for anything but the preferred form of HTTP dates, which is all that current clients send.
QDateTime fromHttpDate(QByteArrayView text)
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

// The methods of HTTP; any other is not implemented, rather than not allowed.
bool isHttpMethod(QByteArrayView method)
{
    static const QByteArrayView known[] = {"GET", "HEAD", "POST", "PUT", "DELETE", "CONNECT", "OPTIONS", "TRACE", "PATCH"};
    return std::find(std::begin(known), std::end(known), method) != std::end(known);
}

// What a client elsewhere may see of the sources: neither their addresses nor the base file.
QJsonObject withoutAddresses(QJsonObject sources)
{
    for (auto it = sources.begin(); it != sources.end(); ++it) {
        QJsonObject source = it->toObject();
        source.remove(QStringLiteral("urls"));
        source.remove(QStringLiteral("file"));
        *it = source;
    }
    return sources;
}

}

FXRatesHttpServer::FXRatesHttpServer(FXRatesService &service, FXClock &clock, std::chrono::milliseconds holdLimit,
                                     std::chrono::milliseconds timeout, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_clock(clock)
    , m_http([this](const FXHttpRequest &request) { return answer(request); }, timeout)
    , m_holdLimit(holdLimit)
{
    m_holdTimer.setSingleShot(true);
    connect(&m_holdTimer, &QTimer::timeout, this, &FXRatesHttpServer::answerHeldRequests);
    connect(&m_service, &FXRatesService::startFinished, this, &FXRatesHttpServer::answerHeldRequests);
}

FXRatesHttpServer::~FXRatesHttpServer() = default;

std::optional<FXHttpAnswer> FXRatesHttpServer::answer(const FXHttpRequest &request)
{
    emit requestReceived();
    if (request.refusedStatus)
        return errorAnswer(request.refusedStatus, QString::fromLatin1(request.refusal));
    if (!isHttpMethod(request.method))
        return errorAnswer(501, QStringLiteral("not a method of HTTP: ") + QString::fromLatin1(request.method));
    const bool update = request.path == UpdatePath;
    const bool health = request.path == HealthPath;
    const bool history = request.path == HistoryPath;
    if (!update && !health && !history)
        return errorAnswer(404, QStringLiteral("no such path: ") + QString::fromLatin1(request.path));
    if (request.method != "GET" && !request.isHead())
        return errorAnswer(405, QStringLiteral("only GET and HEAD are answered here"),
                           QByteArrayLiteral("Allow: GET, HEAD\r\n"));
    if (health)
        return healthAnswer(request.fromLoopback);
    if (history)
        return historyAnswer(request.query);
    if (m_service.stalenessReason() && m_service.isStarting()) {
        m_held.push_back({request.connection, request.ifModifiedSince.toByteArray()});
        if (!m_holdTimer.isActive())
            m_holdTimer.start(m_holdLimit);
        return std::nullopt;
    }
    return updateAnswer(request.ifModifiedSince);
}

void FXRatesHttpServer::answerHeldRequests()
{
    m_holdTimer.stop();
    for (const HeldRequest &request : std::exchange(m_held, {}))
        m_http.answer(request.connection, updateAnswer(request.ifModifiedSince));
}

FXHttpAnswer FXRatesHttpServer::updateAnswer(QByteArrayView ifModifiedSince)
{
    if (const auto staleness = m_service.stalenessReason()) {
        QByteArray headers = NotStored;
        if (const QDateTime next = m_service.nextFetch(); next.isValid()) {
            const qint64 wait = std::max<qint64>(1, m_clock.now().secsTo(next));
            headers += "Retry-After: " + QByteArray::number(wait) + "\r\n";
        }
        return errorAnswer(503, *staleness, headers);
    }
    auto table = m_service.table();
    const QByteArray &date = dateHeader();
    if (table != m_headersTable || m_headersSecond != m_dateSecond) {
        m_tableHeaders = "Last-Modified: " + httpDate(toWholeSeconds(table->date))
                         + "\r\nCache-Control: public, max-age=300\r\n";
        m_answerHeaders = JsonType + date + m_tableHeaders;
        m_headersSecond = m_dateSecond;
        m_headersTable = std::move(table);
    }
    if (!ifModifiedSince.isEmpty()) {
        const QDateTime since = fromHttpDate(ifModifiedSince);
        const QDateTime modified = toWholeSeconds(m_headersTable->date);
        if (since.isValid() && modified.isValid() && modified <= since)
            return {304, date + m_tableHeaders, {}};
    }
    return {200, m_answerHeaders, m_headersTable->json};
}

FXHttpAnswer FXRatesHttpServer::historyAnswer(QByteArrayView text)
{
    const FXHistoryQuery query = FXHistoryQuery::parse(text);
    if (!query.refusal.isEmpty())
        return errorAnswer(400, query.refusal);
    const FXServedRateHistory &history = m_service.history();
    QJsonArray answers;
    for (const QString &code : query.currencies) {
        QString failure;
        const auto series = history.series(code, query.from, query.to, &failure);
        if (!series)
            return errorAnswer(503, failure, NotStored);
        if (series->isEmpty() && !history.knows(code))
            return errorAnswer(404, QStringLiteral("no history of ") + code);
        QJsonArray rates;
        for (const auto &[day, fromBase] : *series)
            rates.append(QJsonArray{day.toString(Qt::ISODate), fromBase});
        answers.append(QJsonObject{{QStringLiteral("currency"), code},
                                   {QStringLiteral("base"), QStringLiteral("USD")},
                                   {QStringLiteral("rates"), rates}});
    }
    const QByteArray body = answers.size() == 1 ? QJsonDocument(answers.first().toObject()).toJson(QJsonDocument::Compact)
                                                : QJsonDocument(answers).toJson(QJsonDocument::Compact);
    return {200, JsonType + dateHeader() + QByteArrayLiteral("Cache-Control: public, max-age=300\r\n"), body};
}

FXHttpAnswer FXRatesHttpServer::healthAnswer(bool fromLoopback)
{
    QJsonObject health = m_service.health();
    if (!fromLoopback)
        health.insert(QStringLiteral("sources"), withoutAddresses(health.value(u"sources").toObject()));
    return {m_service.stalenessReason() ? 503 : 200, JsonType + dateHeader() + NotStored, jsonBody(health)};
}

FXHttpAnswer FXRatesHttpServer::errorAnswer(int status, const QString &message, const QByteArray &headers)
{
    return {status, JsonType + dateHeader() + headers, jsonBody({{QStringLiteral("error"), message}})};
}

const QByteArray &FXRatesHttpServer::dateHeader()
{
    const QDateTime now = m_clock.now();
    if (const qint64 second = now.toSecsSinceEpoch(); second != m_dateSecond) {
        m_dateSecond = second;
        m_dateHeader = "Date: " + httpDate(now) + "\r\n";
    }
    return m_dateHeader;
}
