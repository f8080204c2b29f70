#pragma once

#include <QAbstractHttpServer>
#include <QHttpServerResponder>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <memory>
#include <vector>

class FXClock;
class FXRatesService;

// The HTTP face of the rates server:
//   GET /lab/lumenfold/update.php  the table as JSON, with Last-Modified (the date of its data) and
//                                  Cache-Control; 304 to a matching If-Modified-Since; 503 with
//                                  the reason as JSON once the table is no longer current, so
//                                  that clients keep their own table and its date.
//   GET /healthz                   each source's state as JSON; 503 while the table is not current.
// HEAD answers as GET without the body; other methods on these paths 405, other paths 404.
//
// A request that would get a 503 while the sources' first fetches are still under way waits for
// them, at most `holdLimit`: the very first refresh of a new user then gets live rates.
class FXRatesHttpServer : public QAbstractHttpServer {
    Q_OBJECT

public:
    static QString updatePath() { return QStringLiteral("/lab/lumenfold/update.php"); }
    static QString healthPath() { return QStringLiteral("/healthz"); }

    FXRatesHttpServer(FXRatesService &service, FXClock &clock,
                      std::chrono::milliseconds holdLimit = std::chrono::seconds(15),
                      QObject *parent = nullptr);
    ~FXRatesHttpServer() override;

signals:
    void requestReceived();

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    using Headers = QList<QPair<QByteArray, QByteArray>>;
    struct Answer {
        QHttpServerResponder::StatusCode status;
        Headers headers;
        QByteArray body;
    };
    struct HeldRequest {
        std::unique_ptr<QHttpServerResponder> responder;
        QPointer<QTcpSocket> socket;   // gone when the client has given up
        bool head;
        QByteArray ifModifiedSince;
    };

    Answer updateAnswer(const QByteArray &ifModifiedSince) const;
    Answer healthAnswer() const;
    Answer errorAnswer(QHttpServerResponder::StatusCode status, const QString &message, Headers headers = {}) const;
    void send(QHttpServerResponder &responder, const Answer &answer, bool head) const;
    void answerHeldRequests();

    FXRatesService &m_service;
    FXClock &m_clock;
    std::chrono::milliseconds m_holdLimit;
    std::vector<HeldRequest> m_held;
    QTimer m_holdTimer;
};
