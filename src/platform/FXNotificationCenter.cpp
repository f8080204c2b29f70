#include "FXNotificationCenter.h"

#include <QObject>

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct Registration {
    const QObject *context;
    QString name;
    const void *sender;
    FXNotificationCenter::Handler handler;
    bool ended = false;   // guarded by the observers' mutex; checked before each call of a post
};

}

struct FXNotificationCenter::Observers {
    std::mutex mutex;
    std::vector<std::shared_ptr<Registration>> registrations;

    bool hasContext(const QObject *context) const
    {
        return std::any_of(registrations.begin(), registrations.end(),
                           [context](const auto &r) { return r->context == context; });
    }

    void endObservationsOf(const QObject *context)
    {
        std::lock_guard lock(mutex);
        std::erase_if(registrations, [context](const std::shared_ptr<Registration> &r) {
            if (r->context != context)
                return false;
            r->ended = true;
            return true;
        });
    }

    bool hasEnded(const Registration &registration)
    {
        std::lock_guard lock(mutex);
        return registration.ended;
    }
};

FXNotificationCenter::FXNotificationCenter()
    : m_observers(std::make_shared<Observers>())
{
}

void FXNotificationCenter::addObserver(const QObject *context, const QString &name,
                                       Handler handler, const void *sender)
{
    auto registration = std::make_shared<Registration>(
        Registration{context, name, sender, std::move(handler)});
    bool firstOfContext = false;
    {
        std::lock_guard lock(m_observers->mutex);
        firstOfContext = !m_observers->hasContext(context);
        m_observers->registrations.push_back(std::move(registration));
    }
    // One watch per context ends all of its observations. It runs on the thread that destroys
    // the context, in ~QObject, before the address can be reused by another context.
    if (firstOfContext) {
        QObject::connect(context, &QObject::destroyed,
                         [observers = std::weak_ptr(m_observers), context] {
                             if (const auto alive = observers.lock())
                                 alive->endObservationsOf(context);
                         });
    }
}

void FXNotificationCenter::postNotification(const QString &name, const void *sender,
                                            const QVariantMap &userInfo)
{
    // Handlers run without the lock held, so that they may post, observe or end observations.
    std::vector<std::shared_ptr<Registration>> matching;
    {
        std::lock_guard lock(m_observers->mutex);
        for (const auto &registration : m_observers->registrations) {
            if (registration->name == name
                && (!registration->sender || registration->sender == sender))
                matching.push_back(registration);
        }
    }
    const FXNotification notification{name, sender, userInfo};
    for (const auto &registration : matching) {
        if (!m_observers->hasEnded(*registration))
            registration->handler(notification);
    }
}
