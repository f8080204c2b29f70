#pragma once

#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// A notification as observers receive it: a name, the object that posted it, and its user info.
struct FXNotification {
    QString name;
    const void *object = nullptr;
    QVariantMap userInfo;
};

// Carries changes between the parts of the program: an object posts a notification by name and
// every observer registered for that name (and, optionally, that sender) is called at once, on the
// posting thread, before the post returns.
//
// Observers are identified by an opaque pointer, usually their own `this`, so that they can remove
// every registration of theirs in their destructor. Removing an observer while a notification is
// being delivered is safe: a removed observer is not called afterwards, even in the running post.
class FXNotificationCenter {
public:
    using Handler = std::function<void(const FXNotification &)>;

    // The process's centre, through which the program's notifications travel.
    static FXNotificationCenter &defaultCenter();

    FXNotificationCenter() = default;
    FXNotificationCenter(const FXNotificationCenter &) = delete;
    FXNotificationCenter &operator=(const FXNotificationCenter &) = delete;

    // Calls `handler` for every notification named `name`; with a `sender`, only for those that
    // sender posts.
    void addObserver(const void *observer, const QString &name, Handler handler,
                     const void *sender = nullptr);
    void removeObserver(const void *observer);
    void removeObserver(const void *observer, const QString &name, const void *sender = nullptr);

    void postNotification(const QString &name, const void *sender = nullptr,
                          const QVariantMap &userInfo = {});

private:
    struct Registration {
        const void *observer;
        QString name;
        const void *sender;
        Handler handler;
        bool removed = false;   // guarded by m_mutex; checked before each call of a running post
    };

    bool isRemoved(const Registration &registration) const;
    void markRemoved(const std::function<bool(const Registration &)> &matches);

    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<Registration>> m_registrations;
};
