#include "FXDispatch.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

namespace {

// Never destroyed: Qt's own global pool is joined when the process exits, which a stuck task
// would turn into a hang at quit.
QThreadPool &backgroundPool()
{
    static auto *pool = new QThreadPool;
    return *pool;
}

}

namespace FXDispatch {

void mainAsync(Block block)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(block), Qt::QueuedConnection);
}

void backgroundAsync(Block block)
{
    backgroundPool().start(std::move(block));
}

bool isMainThread()
{
    const auto *application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

}
