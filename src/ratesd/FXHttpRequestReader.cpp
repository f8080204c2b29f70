#include "FXHttpRequestReader.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

namespace FXHttpRequestReader {

namespace {

using Outcome = Result::Outcome;

Result refuse(int status, QByteArray reason)
{
    Result result;
    result.outcome = Outcome::Refused;
    result.request.refusedStatus = status;
    result.request.refusal = std::move(reason);
    return result;
}

bool isTokenCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
           || QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenCharacter);
}

// Control characters other than the tab have no place in a field value or a target.
bool hasControl(QByteArrayView text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        return (uchar(c) < 0x20 && c != '\t') || c == 0x7f;
    });
}

QByteArrayView withoutOptionalWhitespace(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

bool sameText(QByteArrayView text, const char *lowerCase)
{
    return qstrnicmp(text.data(), text.size(), lowerCase) == 0;
}

// Calls `each` with every non-empty element of a comma-separated list.
template<typename Each>
void forEachElement(QByteArrayView list, Each each)
{
    while (!list.isEmpty()) {
        const qsizetype comma = list.indexOf(',');
        const QByteArrayView element = withoutOptionalWhitespace(comma < 0 ? list : list.first(comma));
        if (!element.isEmpty())
            each(element);
        list = comma < 0 ? QByteArrayView() : list.sliced(comma + 1);
    }
}

// The request target's path and query: from the origin form ("/path?query") or the absolute form
// ("http://host/path?query"), which a server must take as well; an empty path when it is neither.
std::pair<QByteArrayView, QByteArrayView> targetPath(QByteArrayView target, QByteArrayView method)
{
    if (target == "*" && method == "OPTIONS")
        return {target, {}};
    if (!target.startsWith('/')) {
        const qsizetype scheme = target.indexOf("://");
        if (scheme < 0 || !(sameText(target.first(scheme), "http") || sameText(target.first(scheme), "https")))
            return {};
        const qsizetype path = target.indexOf('/', scheme + 3);
        const qsizetype query = target.indexOf('?', scheme + 3);
        if (path < 0 || (query >= 0 && query < path))
            return {"/", query < 0 ? QByteArrayView() : target.sliced(query + 1)};
        target = target.sliced(path);
    }
    const qsizetype query = target.indexOf('?');
    return query < 0 ? std::pair(target, QByteArrayView()) : std::pair(target.first(query), target.sliced(query + 1));
}

}

Result read(QByteArrayView bytes)
{
    // Empty lines before a request are to be ignored; a stream of them is not a request.
    qsizetype start = 0;
    while (start < bytes.size() && (bytes[start] == '\r' || bytes[start] == '\n'))
        ++start;
    if (start > maximumHeadSize)
        return refuse(400, "no request line");
    const QByteArrayView head = bytes.sliced(start);

    const qsizetype requestLineEnd = head.indexOf('\n');
    if (requestLineEnd < 0 || requestLineEnd > maximumHeadSize) {
        if (head.size() <= maximumHeadSize)
            return {};
        return refuse(414, "request line longer than " + QByteArray::number(maximumHeadSize) + " bytes");
    }

    Result result;
    FXHttpRequest &request = result.request;
    QByteArrayView requestLine = head.first(requestLineEnd);
    if (requestLine.endsWith('\r'))
        requestLine.chop(1);
    const qsizetype methodEnd = requestLine.indexOf(' ');
    const qsizetype targetEnd = methodEnd < 0 ? -1 : requestLine.indexOf(' ', methodEnd + 1);
    if (targetEnd < 0)
        return refuse(400, "not a request line");
    request.method = requestLine.first(methodEnd);
    const QByteArrayView target = requestLine.sliced(methodEnd + 1, targetEnd - methodEnd - 1);
    const QByteArrayView version = requestLine.sliced(targetEnd + 1);
    if (version.size() != 8 || !version.startsWith("HTTP/") || version[5] < '0' || version[5] > '9' || version[6] != '.'
        || version[7] < '0' || version[7] > '9')
        return refuse(400, "not an HTTP version");
    if (version[5] != '1')
        return refuse(505, "only HTTP/1.0 and HTTP/1.1 are spoken here");
    std::tie(request.path, request.query) = targetPath(target, request.method);
    if (!isToken(request.method) || request.path.isEmpty() || hasControl(target) || target.contains(' '))
        return refuse(400, "not a request line");
    const bool http10 = version[7] == '0';

    int hosts = 0;
    bool transferEncoding = false;
    std::optional<QByteArrayView> contentLength;
    bool close = false;
    bool keepAlive = false;
    for (qsizetype lineStart = requestLineEnd + 1;;) {
        const qsizetype lineEnd = head.indexOf('\n', lineStart);
        if (lineEnd < 0 || lineEnd - requestLineEnd > maximumHeadSize) {
            if (head.size() - requestLineEnd <= maximumHeadSize)
                return {};
            return refuse(431, "header fields longer than " + QByteArray::number(maximumHeadSize) + " bytes");
        }
        QByteArrayView line = head.sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty()) {
            result.length = start + lineStart;
            break;
        }
        const qsizetype colon = line.indexOf(':');
        const QByteArrayView name = line.first(std::max<qsizetype>(colon, 0));
        const QByteArrayView value = withoutOptionalWhitespace(line.sliced(colon + 1));
        if (colon < 0 || !isToken(name))
            return refuse(400, "not a header field: " + line.first(std::min<qsizetype>(line.size(), 64)).toByteArray());
        if (hasControl(value))
            return refuse(400, "a control character in " + name.toByteArray());

        if (sameText(name, "host")) {
            ++hosts;
        } else if (sameText(name, "content-length")) {
            bool valid = true;
            forEachElement(value, [&](QByteArrayView length) {
                valid = valid && length.size() <= 18 && std::all_of(length.begin(), length.end(), [](char c) { return c >= '0' && c <= '9'; })
                        && (!contentLength || *contentLength == length);
                contentLength = length;
            });
            if (!valid || !contentLength)
                return refuse(400, "Content-Length must be one number");
        } else if (sameText(name, "transfer-encoding")) {
            transferEncoding = true;
        } else if (sameText(name, "connection")) {
            forEachElement(value, [&](QByteArrayView option) {
                close = close || sameText(option, "close");
                keepAlive = keepAlive || sameText(option, "keep-alive");
            });
        } else if (sameText(name, "if-modified-since") && request.ifModifiedSince.isEmpty()) {
            request.ifModifiedSince = value;
        }
    }

    if (transferEncoding && (contentLength || http10))
        return refuse(400, "Transfer-Encoding with Content-Length or in HTTP/1.0");
    if (hosts > 1 || (!http10 && hosts == 0))
        return refuse(400, "an HTTP/1.1 request needs one Host");
    request.hasBody = transferEncoding || (contentLength && contentLength->toByteArray().toLongLong() > 0);
    request.keepAlive = !close && (!http10 || keepAlive);
    request.keepAliveAsked = http10 && request.keepAlive;
    result.outcome = Outcome::Complete;
    return result;
}

}
