#include "FXHttpRatesDownloader.h"

#include "LoopbackHttpServer.h"
#include "ReadableName.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

struct Exchange {
    const char *name;
    LoopbackResponse response;
    std::optional<QByteArray> body;   // none when the download must fail
    const char *reason = "";
    std::chrono::milliseconds timeout = 10s;
};

void PrintTo(const Exchange &exchange, std::ostream *out) { *out << exchange.name; }

class RatesDownload : public ::testing::TestWithParam<Exchange> {
protected:
    LoopbackHttpServer server;
};

TEST_P(RatesDownload, GivesTheBodyOrTheReason)
{
    const Exchange &exchange = GetParam();
    server.setResponse(exchange.response);

    const FXDownloadResult result = FXHttpRatesDownloader(exchange.timeout, 1024).download(server.url());

    ASSERT_EQ(result.isSuccess(), exchange.body.has_value()) << qPrintable(result.failureReason());
    EXPECT_EQ(result.body(), exchange.body.value_or(QByteArray()));
    EXPECT_EQ(result.failureReason(), QString::fromUtf8(exchange.reason));
}

const QByteArray rates = R"({"EUR": {"from_base": 0.8, "to_base": 1.25}})";

LoopbackResponse answer(int status, const QByteArray &body)
{
    return {.status = status, .body = body};
}

LoopbackResponse unannounced(const QByteArray &body)
{
    return {.body = body, .announcesLength = false};
}

INSTANTIATE_TEST_SUITE_P(Scripted, RatesDownload, ::testing::Values(
    Exchange{"success", answer(200, rates), rates},
    Exchange{"any 2xx status", answer(203, rates), rates},
    Exchange{"body of exactly the limit", unannounced(QByteArray(1024, 'x')), QByteArray(1024, 'x')},
    Exchange{"announced body of exactly the limit", answer(200, QByteArray(1024, 'x')), QByteArray(1024, 'x')},
    Exchange{"not found", answer(404, "no"), std::nullopt, "HTTP 404"},
    Exchange{"redirect without a place to go", answer(302, ""), std::nullopt, "HTTP 302"},
    Exchange{"too large, size announced", answer(200, QByteArray(1025, 'x')), std::nullopt, "response larger than 1 KiB"},
    Exchange{"undecodable compression", {.body = "not gzip", .headers = "Content-Encoding: gzip\r\n"},
             std::nullopt, "the answer's gzip compression is damaged"},
    Exchange{"error page too large", answer(500, QByteArray(2048, 'x')), std::nullopt, "HTTP 500"},
    Exchange{"stall", {.stalls = true}, std::nullopt, "timed out after 0.3 s", 300ms},
    Exchange{"too large, size unannounced", unannounced(QByteArray(1025, 'x')), std::nullopt, "response larger than 1 KiB"},
    Exchange{"body cut short", {.body = QByteArray(1000, 'x'), .closesAfter = 400}, std::nullopt,
             "connection closed before the whole response arrived"}), ReadableName());

TEST(RatesDownloader, ReportsARefusedConnection)
{
    const FXDownloadResult result = FXHttpRatesDownloader().download(LoopbackHttpServer::refusingUrl());
    EXPECT_FALSE(result.isSuccess());
    EXPECT_EQ(result.failureReason(), QStringLiteral("connection refused"));
}

TEST(RatesDownloader, RefusesAddressesThatAreNotHttp)
{
    for (const char *address : {"", "ftp://127.0.0.1/rates.json", "file:///etc/passwd", "localhost:8642/lab"}) {
        const FXDownloadResult result = FXHttpRatesDownloader().download(QUrl(QString::fromUtf8(address)));
        EXPECT_FALSE(result.isSuccess()) << address;
        EXPECT_TRUE(result.failureReason().startsWith(u"not an HTTP address")) << address;
    }
}

TEST(RatesDownloader, GoesThroughTheProxyOfTheEnvironment)
{
    LoopbackHttpServer proxy;
    proxy.setResponse(answer(200, rates));
    const ScopedEnvironment httpProxy("http_proxy", proxy.url(QString()).toString().toUtf8());
    const ScopedEnvironment noProxy("no_proxy", std::nullopt);
    const ScopedEnvironment noProxyUpper("NO_PROXY", std::nullopt);

    const FXDownloadResult result =
        FXHttpRatesDownloader().download(QUrl(QStringLiteral("http://rates.invalid/lab/lumenfold/update.php")));

    EXPECT_TRUE(result.isSuccess()) << qPrintable(result.failureReason());
    ASSERT_EQ(proxy.requests().size(), 1);
    EXPECT_TRUE(proxy.requests().first().startsWith("GET http://rates.invalid/lab/lumenfold/update.php "))
        << proxy.requests().first().constData();
}

}
