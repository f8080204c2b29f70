// The module "cambio-network": the HTTP fetcher and the watch on the network's reachability, for
// programs that load QtNetwork only when they use the network (cambio-cli, whose other commands
// start faster without it, and the window).

#include "FXHttpFetcher.h"
#include "FXNetworkReachability.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT FXFetcher *cambioCreateFetcher()
{
    return new FXHttpFetcher;
}

extern "C" Q_DECL_EXPORT FXRefreshOccasion *cambioCreateReachability()
{
    return new FXNetworkReachability;
}
