#include "FXNotificationCenter.h"

#include <QObject>

#include <gtest/gtest.h>

#include <memory>

// A notification reaches the observers of its name, and of its sender if they name one, with its
// user info. An observation ends with its context, also one destroyed while a notification is
// delivered, and with it alone. A context may outlive the centre: its end must not reach the gone
// centre.
TEST(NotificationCenter, DeliversByNameAndSenderUntilTheContextEnds)
{
    const QString ping = QStringLiteral("Ping"), pong = QStringLiteral("Pong"), from = QStringLiteral("from");
    QObject staying;
    QStringList calls;
    int sender = 0;
    auto leaving = std::make_unique<QObject>();
    auto later = std::make_unique<QObject>();
    {
        FXNotificationCenter center;
        for (const QString &name : {ping, pong})
            center.addObserver(leaving.get(), name, [&, name](const FXNotification &) { calls << name; });
        center.addObserver(leaving.get(), ping, [&](const FXNotification &) {
            later.reset();
            leaving.reset();
        });
        center.addObserver(later.get(), ping, [&](const FXNotification &) { calls.append(u"later"_qs); });
        center.addObserver(&staying, ping, [&](const FXNotification &n) {
            calls.append(n.name + u' ' + n.userInfo.value(from).toString());
        }, &sender);
        center.postNotification(ping, &sender, {{from, QStringLiteral("sender")}});
        center.postNotification(ping);
        center.postNotification(ping, &sender, {{from, QStringLiteral("sender again")}});
        center.postNotification(pong, &sender);
    }
    EXPECT_EQ(calls, (QStringList{ping, u"Ping sender"_qs, u"Ping sender again"_qs}));
}
