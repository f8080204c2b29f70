#include "RatesServiceSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(CAMBIO_RATESD_FIXTURES "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray realRates(const char *name)
{
    QFile file(QStringLiteral(CAMBIO_REAL_RATES "/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

HttpAnswer httpRequest(quint16 port, const QByteArray &method, const QString &path, const QByteArray &ifModifiedSince)
{
    QNetworkAccessManager client;
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path)));
    if (!ifModifiedSince.isEmpty())
        request.setRawHeader("If-Modified-Since", ifModifiedSince);
    // As a custom verb, HEAD would have the client wait for a body.
    QNetworkReply *reply = method == "HEAD" ? client.head(request) : client.sendCustomRequest(request, method);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    HttpAnswer answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(), {}};
    for (const auto &[name, value] : reply->rawHeaderPairs())
        answer.headers.insert(name.toLower(), value);
    return answer;
}

RatesServiceTest::RatesServiceTest()
    : basePath(folder.filePath(QStringLiteral("base.json")))
    , clock(QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC))
{
    ecb.setResponse({200, fixture("eurofxref-daily.xml")});
    api.setResponse({200, fixture("usd.json")});
    QFile base(basePath);
    EXPECT_TRUE(base.open(QIODevice::WriteOnly));
    base.write(R"({"USD": {"from_base": 1, "to_base": 1}, "EUR": {"from_base": 0.5, "to_base": 2},
                   "JPY": {"from_base": 100, "to_base": 0.01}, "BTC": {"from_base": 0.00001, "to_base": 100000},
                   "XAG": {"from_base": 0.03, "to_base": 33.33}})");
    base.flush();
    // The base table dates from a month before the clock.
    base.setFileTime(QDateTime(QDate(2026, 11, 6), QTime(12, 0), Qt::UTC), QFileDevice::FileModificationTime);
}

FXServiceSettings RatesServiceTest::settings() const
{
    FXServiceSettings settings;
    settings.ecbUrls = {ecb.url(QStringLiteral("/eurofxref-daily.xml"))};
    settings.apiUrls = {api.url(QStringLiteral("/usd.json"))};
    settings.baseFile = basePath;
    settings.stateDirectory = folder.filePath(QStringLiteral("state"));
    settings.fetchTimeout = std::chrono::seconds(2);
    return settings;
}

std::unique_ptr<FXRatesService> RatesServiceTest::makeService(const FXServiceSettings &settings)
{
    auto service = std::make_unique<FXRatesService>(settings, clock, [this](const QString &line) { log.append(line); });
    EXPECT_TRUE(service->load());
    return service;
}

std::unique_ptr<FXRatesService> RatesServiceTest::startedService(const FXServiceSettings &settings)
{
    auto service = makeService(settings);
    service->start();
    settle(*service);
    return service;
}

void RatesServiceTest::settle(const FXRatesService &service)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (service.isFetching() && elapsed.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_FALSE(service.isFetching());
}

void RatesServiceTest::advance(const FXRatesService &service, const QDateTime &until)
{
    for (QDateTime next = clock.nextAlarm(); next.isValid() && next <= until; next = clock.nextAlarm()) {
        clock.advanceTo(next);
        settle(service);
    }
    clock.advanceTo(until);
}

bool RatesServiceTest::logContains(const QString &text) const
{
    return std::any_of(log.cbegin(), log.cend(), [&](const QString &line) { return line.contains(text); });
}

RawHttpClient::RawHttpClient(quint16 port)
{
    m_socket.connectToHost(QHostAddress::LocalHost, port);
}

void RawHttpClient::send(const QByteArray &bytes)
{
    m_socket.write(bytes);
}

QList<HttpAnswer> RawHttpClient::receive(int answers)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (split(m_received).size() < answers && !isClosed() && elapsed.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        m_received += m_socket.readAll();
    }
    m_received += m_socket.readAll();
    return split(m_received);
}

bool RawHttpClient::isClosed() const
{
    return m_socket.state() == QAbstractSocket::UnconnectedState && m_socket.bytesAvailable() == 0;
}

// An answer is whole when its head and the body that its Content-Length announces are in.
QList<HttpAnswer> RawHttpClient::split(const QByteArray &bytes)
{
    QList<HttpAnswer> answers;
    for (qsizetype start = 0;;) {
        const qsizetype headEnd = bytes.indexOf("\r\n\r\n", start);
        if (headEnd < 0)
            return answers;
        HttpAnswer answer;
        const QList<QByteArray> lines = bytes.mid(start, headEnd - start).split('\n');
        answer.status = lines.value(0).mid(9, 3).toInt();
        for (const QByteArray &line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            answer.headers.insert(line.first(colon).toLower(), line.sliced(colon + 1).trimmed());
        }
        const qsizetype size = answer.status == 304 ? 0 : answer.headers.value("content-length").toLongLong();
        if (bytes.size() < headEnd + 4 + size)
            return answers;
        answer.body = bytes.mid(headEnd + 4, size);
        answers.append(answer);
        start = headEnd + 4 + size;
    }
}
