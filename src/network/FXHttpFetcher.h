#pragma once

#include "FXFetcher.h"

#include <memory>

class QNetworkAccessManager;

// Fetches over HTTP and HTTPS with QtNetwork, on the thread that makes it, and holds every answer
// to its request's limits: the deadline ends the whole exchange however slowly bytes trickle, and
// a body past its cap ends it as soon as the head announces such a size or the bytes read so far
// exceed it, so that an endless answer costs no more memory than the cap. Redirects are followed
// while they stay on HTTP or HTTPS, never from HTTPS to HTTP, never back to an address already
// visited, and at most five times; any other is refused with a reason that names its target.
// Compressed answers (gzip, deflate) are inflated once, by QtNetwork, which refuses bombs.
// HTTPS certificates are checked against the system's authorities; proxies come from the
// environment (http_proxy, https_proxy, no_proxy); nothing is cached.
class FXHttpFetcher : public FXFetcher {
public:
    static constexpr int maximumRedirects = 5;

    FXHttpFetcher();
    // Ends every fetch under way; their completions are never called.
    ~FXHttpFetcher() override;

    void fetch(const FXFetchRequest &request, QObject *context, Completion done) override;

private:
    std::unique_ptr<QNetworkAccessManager> m_network;
};
