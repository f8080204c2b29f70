#include "FXNotificationCenter.h"

#include <algorithm>

FXNotificationCenter &FXNotificationCenter::defaultCenter()
{
    static FXNotificationCenter center;
    return center;
}

void FXNotificationCenter::addObserver(const void *observer, const QString &name, Handler handler,
                                       const void *sender)
{
    auto registration = std::make_shared<Registration>(
        Registration{observer, name, sender, std::move(handler)});
    std::lock_guard lock(m_mutex);
    m_registrations.push_back(std::move(registration));
}

void FXNotificationCenter::removeObserver(const void *observer)
{
    markRemoved([observer](const Registration &r) { return r.observer == observer; });
}

void FXNotificationCenter::removeObserver(const void *observer, const QString &name,
                                          const void *sender)
{
    markRemoved([&](const Registration &r) {
        return r.observer == observer && r.name == name && (!sender || r.sender == sender);
    });
}

void FXNotificationCenter::postNotification(const QString &name, const void *sender,
                                            const QVariantMap &userInfo)
{
    // Handlers run without the lock held, so that they may post, observe or remove in turn.
    std::vector<std::shared_ptr<Registration>> matching;
    {
        std::lock_guard lock(m_mutex);
        for (const auto &registration : m_registrations) {
            if (registration->name == name
                && (!registration->sender || registration->sender == sender))
                matching.push_back(registration);
        }
    }
    const FXNotification notification{name, sender, userInfo};
    for (const auto &registration : matching) {
        if (!isRemoved(*registration))
            registration->handler(notification);
    }
}

bool FXNotificationCenter::isRemoved(const Registration &registration) const
{
    std::lock_guard lock(m_mutex);
    return registration.removed;
}

void FXNotificationCenter::markRemoved(const std::function<bool(const Registration &)> &matches)
{
    std::lock_guard lock(m_mutex);
    std::erase_if(m_registrations, [&](const std::shared_ptr<Registration> &registration) {
        if (!matches(*registration))
            return false;
        registration->removed = true;
        return true;
    });
}
