#include "RatesServiceSupport.h"

#include <QDir>
#include <QFileInfo>

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

QByteArray ecbDay(const QDate &day, const QByteArray &rates)
{
    return "<gesmes:Envelope xmlns:gesmes='http://www.gesmes.org/xml/2002-08-01' "
           "xmlns='http://www.ecb.int/vocabulary/2002-08-01/eurofxref'><Cube><Cube time='"
           + day.toString(Qt::ISODate).toLatin1() + "'>" + rates + "</Cube></Cube></gesmes:Envelope>";
}

// Whole with the body its Content-Length announces, or once the server has closed (after HEAD).
QList<HttpAnswer> RawHttpClient::receive(int count)
{
    QList<HttpAnswer> answers;
    const auto split = [&] {
        answers.clear();
        for (qsizetype start = 0;;) {
            const qsizetype headEnd = m_received.indexOf("\r\n\r\n", start);
            if (headEnd < 0)
                return;
            HttpAnswer answer;
            const QList<QByteArray> lines = m_received.mid(start, headEnd - start).split('\n');
            answer.status = lines.value(0).mid(9, 3).toInt();
            for (const QByteArray &line : lines.mid(1)) {
                const qsizetype colon = line.indexOf(':');
                answer.headers.insert(line.first(colon).toLower(), line.sliced(colon + 1).trimmed());
            }
            const qsizetype size = answer.status == 304 ? 0 : answer.headers.value("content-length").toLongLong();
            if (m_received.size() < headEnd + 4 + size && !isClosed())
                return;
            answer.body = m_received.mid(headEnd + 4, size);
            answers.append(answer);
            start = std::min(headEnd + 4 + size, m_received.size());
        }
    };
    runUntil([&] {
        m_received += m_socket.readAll();
        split();
        return answers.size() >= count || isClosed();
    }, std::chrono::seconds(10));
    return answers;
}

RatesServiceTest::RatesServiceTest()
    : basePath(folder.filePath(QStringLiteral("base.json")))
    , clock(utc(2026, 12, 6, 12))
{
    ecb.setResponse({200, fixture("eurofxref-daily.xml")});
    api.setResponse({200, fixture("usd.json")});
    // Dated a month before the clock.
    writeFile(basePath, R"({"USD": {"from_base": 1, "to_base": 1}, "EUR": {"from_base": 0.5, "to_base": 2},
                   "JPY": {"from_base": 100, "to_base": 0.01}, "BTC": {"from_base": 0.00001, "to_base": 100000},
                   "XAG": {"from_base": 0.03, "to_base": 33.33}})", utc(2026, 11, 6, 12));
}

FXServiceSettings RatesServiceTest::settings(bool withEcb, bool withApi) const
{
    FXServiceSettings settings;
    if (withEcb)
        settings.ecbUrls = {ecb.url(QStringLiteral("/eurofxref-daily.xml"))};
    if (withApi)
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

void RatesServiceTest::advance(const FXRatesService &service, const QDateTime &until)
{
    for (QDateTime next = clock.nextAlarm(); next.isValid() && next <= until; next = clock.nextAlarm()) {
        clock.advanceTo(next);
        settle(service);
    }
    clock.advanceTo(until);
}

void RatesHttpServerTest::serve(const FXServiceSettings &settings, bool start)
{
    service = makeService(settings);
    server = std::make_unique<FXRatesHttpServer>(*service, clock);
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
    RawHttpClient client(port);
    client.send(method + ' ' + path.toUtf8() + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n"
                + (ifModifiedSince.isEmpty() ? QByteArray() : "If-Modified-Since: " + ifModifiedSince + "\r\n") + "\r\n");
    return client.receive().value(0);
}
