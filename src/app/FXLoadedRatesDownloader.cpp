#include "FXLoadedRatesDownloader.h"

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
        m_module = FXModuleLoader::load(QStringLiteral("cambio-network"), "cambioCreateRatesDownloader");
        if (m_module.function)
            m_downloader.reset(reinterpret_cast<FXRatesDownloader *(*)()>(m_module.function)());
    });
    *failure = m_module.failure;
    return m_downloader.get();
}
