// The module "cambio-network": the HTTP downloader of the rates, for programs that load QtNetwork
// only when they download (cambio-cli, whose other commands start faster without it).

#include "FXHttpRatesDownloader.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT FXRatesDownloader *cambioCreateRatesDownloader()
{
    return new FXHttpRatesDownloader;
}
