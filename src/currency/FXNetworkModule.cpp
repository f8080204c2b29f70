// The module "cambio-network": the HTTP downloader of the rates and the uploader of crash reports
// and feedback, for programs that load QtNetwork only when they use the network (cambio-cli, whose
// other commands start faster without it, and the window).

#include "FXHttpRatesDownloader.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT FXRatesDownloader *cambioCreateRatesDownloader()
{
    return new FXHttpRatesDownloader;
}

extern "C" Q_DECL_EXPORT FXUploader *cambioCreateUploader()
{
    return new FXHttpRatesDownloader;
}
