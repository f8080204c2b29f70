#pragma once

#include "FXFetcher.h"
#include "FXModuleLoader.h"

#include <QList>
#include <QPointer>

#include <memory>

// The HTTP fetcher of the module "cambio-network" (see FXModuleLoader), loaded at the first fetch
// on a thread of the background queue: a program that mostly converts (cambio-cli), or shows its
// window first, starts without QtNetwork, and the window's event loop never waits while some
// twenty libraries are mapped. Fetches asked meanwhile start once it is there. A module that
// cannot be loaded fails every fetch, saying why. Main thread only.
class FXLoadedFetcher : public FXFetcher {
public:
    FXLoadedFetcher();
    ~FXLoadedFetcher() override;

    void fetch(const FXFetchRequest &request, QObject *context, Completion done) override;

private:
    struct Waiting {
        FXFetchRequest request;
        QPointer<QObject> context;
        Completion done;
    };
    // What the background load reaches back to; cut off when the fetcher goes first.
    struct Owner {
        FXLoadedFetcher *fetcher;
    };

    void loaded(FXModuleLoader module);

    std::shared_ptr<Owner> m_owner;
    bool m_loading = false;
    QList<Waiting> m_waiting;
    FXModuleLoader m_module;
    std::unique_ptr<FXFetcher> m_fetcher;   // made by the module's code
};
