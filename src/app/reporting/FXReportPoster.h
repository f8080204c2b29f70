#pragma once

#include <QObject>
#include <QUrl>

#include <functional>
#include <optional>

class FXFetcher;
class FXUserDefaults;

// Posts crash reports and feedback over HTTP with the program's fetcher. The answer comes back on
// the main thread.
class FXReportPoster : public QObject {
    Q_OBJECT

public:
    // Called once, with none when the server took the body, else with the reason it did not. Not
    // called once the poster is gone.
    using Completion = std::function<void(const std::optional<QString> &failure)>;

    // The http or https address that the setting `key` holds; none when it holds nothing else.
    static std::optional<QUrl> configuredURL(const FXUserDefaults &defaults, const QString &key);

    explicit FXReportPoster(FXFetcher &fetcher, QObject *parent = nullptr);
    // Ends the uploads under way: the program never waits for the network when it quits. What
    // was not sent stays on disk.
    ~FXReportPoster() override;

    void post(const QUrl &url, const QByteArray &body, const QByteArray &contentType,
              Completion completion);

private:
    FXFetcher &m_fetcher;
};
