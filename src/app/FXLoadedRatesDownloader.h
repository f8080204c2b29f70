#pragma once

#include "FXModuleLoader.h"
#include "FXRatesDownloader.h"

#include <memory>
#include <mutex>

// The HTTP downloader of the module "cambio-network" (see FXModuleLoader), loaded at the
// first download: a program that mostly converts (cambio-cli), or shows its window first, starts
// without QtNetwork. A module that cannot be loaded fails every download, saying why.
class FXLoadedRatesDownloader : public FXRatesDownloader {
public:
    FXLoadedRatesDownloader();
    ~FXLoadedRatesDownloader() override;

    FXDownloadResult download(const QUrl &url, const std::atomic<bool> &cancelled) const override;

private:
    // The module's downloader, or why there is none.
    const FXRatesDownloader *loaded(QString *failure) const;

    mutable std::once_flag m_loading;
    mutable FXModuleLoader m_module;
    mutable std::unique_ptr<FXRatesDownloader> m_downloader;
};
