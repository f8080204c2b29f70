#pragma once

#include "FXRatesDownloader.h"

#include <QStringList>

#include <memory>
#include <mutex>

class QLibrary;

// The HTTP downloader of the module "cambio-network", loaded at the first download: a program
// that mostly converts (cambio-cli), or shows its window first, starts without QtNetwork and the
// libraries it brings.
// The module is looked for in the program's ../lib/cambio, then where the build put it. A module
// that cannot be loaded fails every download, saying why.
class FXLoadedRatesDownloader : public FXRatesDownloader {
public:
    FXLoadedRatesDownloader();
    ~FXLoadedRatesDownloader() override;

    FXDownloadResult download(const QUrl &url, const std::atomic<bool> &cancelled) const override;

private:
    // The module's downloader, or why there is none.
    const FXRatesDownloader *loaded(QString *failure) const;

    mutable std::once_flag m_loading;
    mutable std::unique_ptr<QLibrary> m_library;
    mutable std::unique_ptr<FXRatesDownloader> m_downloader;
    mutable QString m_failure;
};
