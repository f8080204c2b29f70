// The module "cambio-network": the HTTP downloader of the rates, the uploader of crash reports
// and feedback, and the watch on the network's reachability, for programs that load QtNetwork only
// when they use the network (cambio-cli, whose other commands start faster without it, and the
// window).

#include "FXHttpRatesDownloader.h"
#include "FXNetworkReachability.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT FXRatesDownloader *cambioCreateRatesDownloader()
{
    return new FXHttpRatesDownloader;
}

extern "C" Q_DECL_EXPORT FXUploader *cambioCreateUploader()
{
    return new FXHttpRatesDownloader;
}

extern "C" Q_DECL_EXPORT FXRefreshOccasion *cambioCreateReachability()
{
    return new FXNetworkReachability;
}
