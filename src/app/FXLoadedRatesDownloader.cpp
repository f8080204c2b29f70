#include "FXLoadedRatesDownloader.h"

#include "FXLocalizedString.h"

#include <QCoreApplication>
#include <QLibrary>

FXLoadedRatesDownloader::FXLoadedRatesDownloader() = default;

// The downloader belongs to the module's code: it goes before the module is unloaded.
FXLoadedRatesDownloader::~FXLoadedRatesDownloader()
{
    m_downloader.reset();
}

FXDownloadResult FXLoadedRatesDownloader::download(const QUrl &url,
                                                   const std::atomic<bool> &cancelled) const
{
    QString failure;
    const FXRatesDownloader *downloader = loaded(&failure);
    if (!downloader)
        return FXDownloadResult::failure(failure);
    return downloader->download(url, cancelled);
}

const FXRatesDownloader *FXLoadedRatesDownloader::loaded(QString *failure) const
{
    std::call_once(m_loading, [this] {
        using Create = FXRatesDownloader *(*)();
        // Installed beside the program's lib folder; run from the build tree, where it was built.
        const QStringList places{
            QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/cambio/cambio-network"),
            QStringLiteral(CAMBIO_NETWORK_MODULE_BUILD_PATH)};
        for (const QString &path : places) {
            auto library = std::make_unique<QLibrary>(path);
            if (!library->load()) {
                m_failure = library->errorString();
                continue;
            }
            if (auto create = reinterpret_cast<Create>(library->resolve("cambioCreateRatesDownloader"))) {
                m_downloader.reset(create());
                m_library = std::move(library);
                return;
            }
            m_failure = library->errorString();
        }
        m_failure = FXLocalizedString::format("the network module cannot be loaded: %@", m_failure);
    });
    *failure = m_failure;
    return m_downloader.get();
}
