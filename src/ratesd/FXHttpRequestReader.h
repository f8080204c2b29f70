#pragma once

#include <QByteArray>
#include <QByteArrayView>

// One request as its head told it. The views point into the bytes that were read and live only as
// long as those.
struct FXHttpRequest {
    QByteArrayView method;
    QByteArrayView path;              // the target's path, without its query
    QByteArrayView query;             // what follows the target's "?", as sent
    QByteArrayView ifModifiedSince;   // empty when absent
    bool keepAlive = true;            // false: the connection ends after the answer
    bool keepAliveAsked = false;      // by an HTTP/1.0 client, which the answer must confirm
    bool hasBody = false;             // a body follows, which this server never reads
    // Set by the server that received it.
    quint64 connection = 0;
    bool fromLoopback = false;
    // Not 0 when the head could not be taken: the status to answer before closing, and why.
    int refusedStatus = 0;
    QByteArray refusal;

    bool isHead() const { return method == "HEAD"; }
};

// Reads request heads as RFC 9112 has them, refusing whatever two readers could take in different
// ways, because a proxy in front may have: whitespace before a field's colon, folded lines, two
// different Content-Length values, or one beside Transfer-Encoding, and an HTTP/1.1 request without
// exactly one Host. The head is limited in size, so that no client makes the server hold more.
namespace FXHttpRequestReader {

constexpr qsizetype maximumHeadSize = 16 * 1024;

struct Result {
    enum class Outcome { Incomplete, Complete, Refused } outcome = Outcome::Incomplete;
    qsizetype length = 0;   // of the head, when complete
    FXHttpRequest request;  // complete, or refused with its status
};

// Reads the head at the start of `bytes`.
Result read(QByteArrayView bytes);

}
