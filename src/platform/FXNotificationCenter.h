#pragma once

#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>

class QObject;

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
// Each observation is tied to a context object, as a Qt connection is to its receiver: it ends
// when the context is destroyed, so no observer has to remember to remove itself. A context
// destroyed while a notification is being delivered is not called afterwards, even in the running
// post. Contexts may outlive the centre.
class FXNotificationCenter {
public:
    using Handler = std::function<void(const FXNotification &)>;

    // The program's centre, which the composition root makes and owns.
    static FXNotificationCenter &defaultCenter();

    FXNotificationCenter();
    FXNotificationCenter(const FXNotificationCenter &) = delete;
    FXNotificationCenter &operator=(const FXNotificationCenter &) = delete;

    // Calls `handler` for every notification named `name`, while `context` lives; with a
    // `sender`, only for those that sender posts.
    void addObserver(const QObject *context, const QString &name, Handler handler,
                     const void *sender = nullptr);

    void postNotification(const QString &name, const void *sender = nullptr,
                          const QVariantMap &userInfo = {});

private:
    // Shared with the contexts' destruction handlers, which may run after the centre is gone.
    struct Observers;
    std::shared_ptr<Observers> m_observers;
};
