#include "FXNotificationCenter.h"

#include <gtest/gtest.h>

namespace {

const QString Ping = QStringLiteral("Ping");
const QString Pong = QStringLiteral("Pong");

struct Recorder {
    QStringList received;
    FXNotificationCenter::Handler handler(const QString &label)
    {
        return [this, label](const FXNotification &) { received.append(label); };
    }
};

}

TEST(NotificationCenter, DeliversByNameAndSender)
{
    FXNotificationCenter center;
    Recorder recorder;
    int senderA = 0;
    int senderB = 0;
    center.addObserver(&recorder, Ping, recorder.handler(QStringLiteral("any")));
    center.addObserver(&recorder, Ping, recorder.handler(QStringLiteral("fromA")), &senderA);
    center.addObserver(&recorder, Pong, recorder.handler(QStringLiteral("pong")));

    center.postNotification(Ping, &senderA);
    center.postNotification(Ping, &senderB);
    center.postNotification(Ping);

    EXPECT_EQ(recorder.received, (QStringList{QStringLiteral("any"), QStringLiteral("fromA"),
                                              QStringLiteral("any"), QStringLiteral("any")}));
}

TEST(NotificationCenter, HandsOverNameSenderAndUserInfo)
{
    FXNotificationCenter center;
    int sender = 0;
    FXNotification seen;
    center.addObserver(&seen, Ping, [&](const FXNotification &n) { seen = n; });

    center.postNotification(Ping, &sender, {{QStringLiteral("countryCode"), QStringLiteral("DE")}});

    EXPECT_EQ(seen.name, Ping);
    EXPECT_EQ(seen.object, &sender);
    EXPECT_EQ(seen.userInfo.value(QStringLiteral("countryCode")).toString(), u"DE");
}

TEST(NotificationCenter, RemovesOneNameOrEverything)
{
    FXNotificationCenter center;
    Recorder recorder;
    center.addObserver(&recorder, Ping, recorder.handler(Ping));
    center.addObserver(&recorder, Pong, recorder.handler(Pong));

    center.removeObserver(&recorder, Ping);
    center.postNotification(Ping);
    center.postNotification(Pong);
    EXPECT_EQ(recorder.received, QStringList{Pong});

    center.removeObserver(&recorder);
    center.postNotification(Pong);
    EXPECT_EQ(recorder.received, QStringList{Pong});
}

TEST(NotificationCenter, RemovalWithSenderLeavesOtherSendersRegistered)
{
    FXNotificationCenter center;
    Recorder recorder;
    int senderA = 0;
    int senderB = 0;
    center.addObserver(&recorder, Ping, recorder.handler(QStringLiteral("A")), &senderA);
    center.addObserver(&recorder, Ping, recorder.handler(QStringLiteral("B")), &senderB);

    center.removeObserver(&recorder, Ping, &senderA);
    center.postNotification(Ping, &senderA);
    center.postNotification(Ping, &senderB);

    EXPECT_EQ(recorder.received, QStringList{QStringLiteral("B")});
}

TEST(NotificationCenter, ObserverRemovedDuringDeliveryIsNotCalledAgain)
{
    FXNotificationCenter center;
    Recorder later;
    int selfRemoving = 0;
    int calls = 0;
    center.addObserver(&selfRemoving, Ping, [&](const FXNotification &) {
        ++calls;
        center.removeObserver(&selfRemoving);
        center.removeObserver(&later);
    });
    center.addObserver(&later, Ping, later.handler(QStringLiteral("later")));

    center.postNotification(Ping);
    center.postNotification(Ping);

    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(later.received.isEmpty());
}
