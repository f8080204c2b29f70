#include "FXHttpRequestReader.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

using Outcome = FXHttpRequestReader::Result::Outcome;

struct Head {
    const char *name;
    QByteArray bytes;
    Outcome outcome;
    int status;          // when refused
    const char *path;    // when complete
    bool keepAlive;
    bool hasBody;
};

void PrintTo(const Head &head, std::ostream *out) { *out << head.name; }

const QByteArray Long(FXHttpRequestReader::maximumHeadSize, 'a');

}

class RequestHead : public ::testing::TestWithParam<Head> {};

TEST_P(RequestHead, IsReadOrRefusedAsHttpSays)
{
    const Head &head = GetParam();
    const FXHttpRequestReader::Result result = FXHttpRequestReader::read(head.bytes);
    ASSERT_EQ(result.outcome, head.outcome) << result.request.refusal.constData();
    if (head.outcome == Outcome::Refused) {
        EXPECT_EQ(result.request.refusedStatus, head.status);
    } else if (head.outcome == Outcome::Complete) {
        EXPECT_EQ(result.request.path, QByteArrayView(head.path));
        EXPECT_EQ(result.request.keepAlive, head.keepAlive);
        EXPECT_EQ(result.request.hasBody, head.hasBody);
        EXPECT_EQ(result.length, head.bytes.indexOf("\n\r\n") + 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Heads, RequestHead, ::testing::Values(
    Head{"Plain", "GET /a?b=c HTTP/1.1\r\nHost: x\r\n\r\nGET /next", Outcome::Complete, 0, "/a", true, false},
    Head{"AbsoluteTarget", "GET http://x:1/a?b HTTP/1.1\r\nHost: x\r\n\r\n", Outcome::Complete, 0, "/a", true, false},
    Head{"LeadingEmptyLine", "\r\nGET /a HTTP/1.1\r\nHost: x\r\n\r\n", Outcome::Complete, 0, "/a", true, false},
    Head{"Close", "GET /a HTTP/1.1\r\nHost: x\r\nConnection: TE, close\r\n\r\n", Outcome::Complete, 0, "/a", false, false},
    Head{"Http10", "GET /a HTTP/1.0\r\n\r\n", Outcome::Complete, 0, "/a", false, false},
    Head{"Http10KeepAlive", "GET /a HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n", Outcome::Complete, 0, "/a", true, false},
    Head{"SameLengthTwice", "POST /a HTTP/1.1\r\nHost: x\r\nContent-Length: 5, 5\r\nContent-Length: 5\r\n\r\n", Outcome::Complete, 0, "/a", true, true},
    Head{"Chunked", "POST /a HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n", Outcome::Complete, 0, "/a", true, true},
    Head{"Unfinished", "GET /a HTTP/1.1\r\nHost: x\r\n", Outcome::Incomplete, 0, "", false, false},
    // Each of these would let a proxy and this server see different requests in the same bytes.
    Head{"TwoLengths", "GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\nContent-Length: 40\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"SpaceBeforeColon", "GET /a HTTP/1.1\r\nHost: x\r\nContent-Length : 40\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"SignedLength", "GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: +4\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"LengthAndChunked", "GET /a HTTP/1.1\r\nHost: x\r\nContent-Length: 4\r\nTransfer-Encoding: chunked\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"ChunkedInHttp10", "GET /a HTTP/1.0\r\nTransfer-Encoding: chunked\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"FoldedLine", "GET /a HTTP/1.1\r\nHost: x\r\nX-A: b\r\n c\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"BareCarriageReturn", "GET /a HTTP/1.1\r\nHost: x\rContent-Length: 4\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"NoHost", "GET /a HTTP/1.1\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"TwoHosts", "GET /a HTTP/1.1\r\nHost: x\r\nHost: y\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"DoubleSpace", "GET  /a HTTP/1.1\r\nHost: x\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"OtherScheme", "GET ftp://x/a HTTP/1.1\r\nHost: x\r\n\r\n", Outcome::Refused, 400, "", false, false},
    Head{"Http2", "PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n", Outcome::Refused, 505, "", false, false},
    Head{"LongRequestLine", "GET /" + Long + " HTTP/1.1\r\nHost: x\r\n\r\n", Outcome::Refused, 414, "", false, false},
    Head{"LongUnfinishedRequestLine", "GET /" + Long, Outcome::Refused, 414, "", false, false},
    Head{"LongFields", "GET / HTTP/1.1\r\nHost: x\r\nX-A: " + Long + "\r\n", Outcome::Refused, 431, "", false, false},
    Head{"ManyFields", "GET / HTTP/1.1\r\nHost: x\r\n" + QByteArray("X-A: b\r\n").repeated(2100), Outcome::Refused, 431, "", false, false},
    Head{"FieldsAtTheLimit", "GET / HTTP/1.1\r\nHost: x\r\n" + QByteArray("X-A: b\r\n").repeated(2000) + "\r\n", Outcome::Complete, 0, "/", true, false}),
    [](const auto &info) { return std::string(info.param.name); });
