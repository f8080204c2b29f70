#pragma once

#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class FXUserDefaults;

// Posts crash reports and feedback over HTTP. The upload runs on the background queue, through
// the module "cambio-network" loaded at the first post (see FXModuleLoader): the window
// starts without QtNetwork, and a program that never sends never loads it. The answer comes back
// on the main thread.
class FXReportPoster : public QObject {
    Q_OBJECT

public:
    // Called once on the main thread, with none when the server took the body, else with the
    // reason it did not. Not called once the poster is gone.
    using Completion = std::function<void(const std::optional<QString> &failure)>;

    // The http or https address that the setting `key` holds; none when it holds nothing else.
    static std::optional<QUrl> configuredURL(const FXUserDefaults &defaults, const QString &key);

    explicit FXReportPoster(QObject *parent = nullptr);
    // Cancels the uploads under way and waits a little for them to end; the application's quitting
    // cancels them too.
    ~FXReportPoster() override;

    void post(const QUrl &url, const QByteArray &body, const QByteArray &contentType,
              Completion completion);

private:
    struct Uploads;
    std::shared_ptr<Uploads> m_uploads;
};
