#include "FXLoadedFetcher.h"

#include "FXDispatch.h"

#include <QTimer>

FXLoadedFetcher::FXLoadedFetcher()
    : m_owner(std::make_shared<Owner>(Owner{this}))
{
}

// The fetcher belongs to the module's code: it goes before the module could be unloaded.
FXLoadedFetcher::~FXLoadedFetcher()
{
    m_owner->fetcher = nullptr;
    m_fetcher.reset();
}

void FXLoadedFetcher::fetch(const FXFetchRequest &request, QObject *context, Completion done)
{
    if (m_fetcher) {
        m_fetcher->fetch(request, context, std::move(done));
        return;
    }
    if (!m_module.failure.isEmpty()) {
        QTimer::singleShot(0, context, [done = std::move(done), failure = m_module.failure] {
            done(FXFetchResult::failure(failure));
        });
        return;
    }
    m_waiting.append({request, context, std::move(done)});
    if (m_loading)
        return;
    m_loading = true;
    FXDispatch::backgroundAsync([owner = m_owner] {
        auto module = std::make_shared<FXModuleLoader>(
            FXModuleLoader::load(QStringLiteral("cambio-network"), "cambioCreateFetcher"));
        FXDispatch::mainAsync([owner, module] {
            if (owner->fetcher)
                owner->fetcher->loaded(std::move(*module));
        });
    });
}

void FXLoadedFetcher::loaded(FXModuleLoader module)
{
    m_loading = false;
    m_module = std::move(module);
    if (m_module.function)
        m_fetcher.reset(reinterpret_cast<FXFetcher *(*)()>(m_module.function)());
    const QList<Waiting> waiting = std::exchange(m_waiting, {});
    for (const Waiting &fetch : waiting) {
        if (fetch.context)
            this->fetch(fetch.request, fetch.context, fetch.done);
    }
}
