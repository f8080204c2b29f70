#include "FXDispatch.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

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
    QThreadPool::globalInstance()->start(std::move(block));
}

bool isMainThread()
{
    const auto *application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}

}
