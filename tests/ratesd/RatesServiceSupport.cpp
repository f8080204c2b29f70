#include "RatesServiceSupport.h"

#include "TestData.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>

QByteArray fixture(const char *name)
{
    return contents(QStringLiteral(CAMBIO_RATESD_FIXTURES "/") + QString::fromLatin1(name));
}

QByteArray realRates(const char *name)
{
    const QByteArray bytes = contents(QStringLiteral(CAMBIO_REAL_RATES "/") + QString::fromLatin1(name));
    EXPECT_FALSE(bytes.isEmpty()) << name;
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes, const QDateTime &modified)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    file.flush();
    if (modified.isValid())
        file.setFileTime(modified, QFileDevice::FileModificationTime);
}

QDateTime utc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

QByteArray ecbDay(const QDate &day, const QByteArray &rates)
{
    return "<gesmes:Envelope xmlns:gesmes='http://www.gesmes.org/xml/2002-08-01' "
           "xmlns='http://www.ecb.int/vocabulary/2002-08-01/eurofxref'><Cube><Cube time='"
           + day.toString(Qt::ISODate).toLatin1() + "'>" + rates + "</Cube></Cube></gesmes:Envelope>";
}

QByteArray apiDay(const QDate &day, const QByteArray &members)
{
    return R"({"date": ")" + day.toString(Qt::ISODate).toLatin1() + R"(", "usd": {)" + members + "}}";
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
    , clock(utc(2026, 12, 6, 12))
{
    ecb.setResponse({200, fixture("eurofxref-daily.xml")});
    api.setResponse({200, fixture("usd.json")});
    // The base table dates from a month before the clock.
    writeFile(basePath, R"({"USD": {"from_base": 1, "to_base": 1}, "EUR": {"from_base": 0.5, "to_base": 2},
                   "JPY": {"from_base": 100, "to_base": 0.01}, "BTC": {"from_base": 0.00001, "to_base": 100000},
                   "XAG": {"from_base": 0.03, "to_base": 33.33}})", utc(2026, 11, 6, 12));
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

FXServiceSettings RatesServiceTest::ecbOnly() const
{
    FXServiceSettings ecbOnly = settings();
    ecbOnly.apiUrls.clear();
    return ecbOnly;
}

FXServiceSettings RatesServiceTest::apiOnly() const
{
    FXServiceSettings apiOnly = settings();
    apiOnly.ecbUrls.clear();
    return apiOnly;
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

bool waitUntil(const std::function<bool()> &done, std::chrono::milliseconds timeout)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < timeout.count())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}

void RatesServiceTest::settle(const FXRatesService &service)
{
    EXPECT_TRUE(waitUntil([&service] { return !service.isFetching(); }));
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

QString RatesServiceTest::statePath(const QString &name) const
{
    return folder.filePath(QStringLiteral("state/") + name);
}

void RatesHttpServerTest::serve(const FXServiceSettings &settings, bool start, std::chrono::milliseconds holdLimit)
{
    service = makeService(settings);
    server = std::make_unique<FXRatesHttpServer>(*service, clock, holdLimit);
    QString error;
    ASSERT_TRUE(server->http().listen(QHostAddress::LocalHost, 0, &error)) << error.toStdString();
    port = server->http().addresses().value(0).second;
    if (!start)
        return;
    service->start();
    settle(*service);
}

HttpAnswer RatesHttpServerTest::request(const QByteArray &method, const QString &path,
                                        const QByteArray &ifModifiedSince) const
{
    return httpRequest(port, method, path, ifModifiedSince);
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
    waitUntil([&] {
        m_received += m_socket.readAll();
        return split(m_received).size() >= answers || isClosed();
    }, std::chrono::seconds(10));
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
