#include "FXReportPoster.h"

#include "FXDispatch.h"
#include "FXModuleLoader.h"
#include "FXUploader.h"
#include "FXUserDefaults.h"

#include <QCoreApplication>
#include <QPointer>

#include <atomic>
#include <mutex>

// Shared with the uploads under way, which may outlive the poster by the moment they take to
// notice that they are cancelled.
struct FXReportPoster::Uploads {
    std::once_flag loading;
    FXModuleLoader module;
    std::unique_ptr<FXUploader> uploader;   // made by the module's code, so it goes first
    std::atomic<bool> cancelled{false};
    std::atomic<int> running{0};

    ~Uploads() { uploader.reset(); }

    FXDownloadResult upload(const QUrl &url, const QByteArray &body, const QByteArray &contentType)
    {
        std::call_once(loading, [this] {
            module = FXModuleLoader::load(QStringLiteral("cambio-network"), "cambioCreateUploader");
            if (module.function)
                uploader.reset(reinterpret_cast<FXUploader *(*)()>(module.function)());
        });
        if (!uploader)
            return FXDownloadResult::failure(module.failure);
        return uploader->upload(url, body, contentType, cancelled);
    }
};

std::optional<QUrl> FXReportPoster::configuredURL(const FXUserDefaults &defaults, const QString &key)
{
    const QUrl url(defaults.stringForKey(key).value_or(QString()).trimmed());
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != u"http" && url.scheme() != u"https"))
        return std::nullopt;
    return url;
}

FXReportPoster::FXReportPoster(QObject *parent)
    : QObject(parent)
    , m_uploads(std::make_shared<Uploads>())
{
    // The program never waits for the network when it quits: the uploads give up as the event
    // loop ends, within a few hundredths of a second, while the program's objects wait for their
    // background work. What was not sent stays on disk.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [uploads = m_uploads] { uploads->cancelled = true; });
}

FXReportPoster::~FXReportPoster()
{
    m_uploads->cancelled = true;
    if (m_uploads->running > 0 && QCoreApplication::instance())
        FXDispatch::waitForBackgroundWork(std::chrono::seconds(2));
}

void FXReportPoster::post(const QUrl &url, const QByteArray &body, const QByteArray &contentType,
                          Completion completion)
{
    ++m_uploads->running;
    FXDispatch::backgroundAsync([uploads = m_uploads, url, body, contentType,
                                 poster = QPointer<FXReportPoster>(this),
                                 completion = std::move(completion)] {
        const FXDownloadResult result = uploads->upload(url, body, contentType);
        --uploads->running;
        FXDispatch::mainAsync([poster, completion, result] {
            if (!poster)
                return;
            completion(result.isSuccess() ? std::nullopt
                                          : std::optional<QString>(result.failureReason()));
        });
    });
}
