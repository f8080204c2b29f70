#include "FXDispatch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
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

void mainSync(const Block &block)
{
    if (isMainThread()) {
        block();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), block,
                              Qt::BlockingQueuedConnection);
}

void backgroundAsync(Block block)
{
    backgroundPool().start(std::move(block));
}

bool waitForBackgroundWork(std::chrono::milliseconds timeout)
{
    const QDeadlineTimer deadline(timeout);
    while (!backgroundPool().waitForDone(10)) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool isMainThread()
{
    const auto *application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

}
