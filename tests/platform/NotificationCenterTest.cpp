#include "FXNotificationCenter.h"

#include <gtest/gtest.h>

namespace {

const QString Ping = QStringLiteral("Ping");
const QString Pong = QStringLiteral("Pong");

struct Recorder {
    QStringList received;
    FXNotification last;
    FXNotificationCenter::Handler handler(const QString &label)
    {
        return [this, label](const FXNotification &n) {
            received.append(label);
            last = n;
        };
    }
};

}

TEST(NotificationCenter, DeliversByNameAndSenderWithTheUserInfo)
{
    FXNotificationCenter center;
    Recorder recorder;
    int senderA = 0;
    int senderB = 0;
    center.addObserver(&recorder, Ping, recorder.handler(QStringLiteral("any")));
    center.addObserver(&recorder, Ping, recorder.handler(QStringLiteral("fromA")), &senderA);
    center.addObserver(&recorder, Pong, recorder.handler(QStringLiteral("pong")));

    center.postNotification(Ping, &senderB);
    center.postNotification(Ping);
    center.postNotification(Ping, &senderA, {{QStringLiteral("countryCode"), QStringLiteral("DE")}});

    EXPECT_EQ(recorder.received, (QStringList{u"any"_qs, u"any"_qs, u"any"_qs, u"fromA"_qs}));
    EXPECT_EQ(recorder.last.name, Ping);
    EXPECT_EQ(recorder.last.object, &senderA);
    EXPECT_EQ(recorder.last.userInfo, (QVariantMap{{QStringLiteral("countryCode"), QStringLiteral("DE")}}));
}

TEST(NotificationCenter, RemovesOneSenderOneNameOrEverything)
{
    FXNotificationCenter center;
    Recorder recorder;
    int senderA = 0;
    int senderB = 0;
    center.addObserver(&recorder, Ping, recorder.handler(QStringLiteral("A")), &senderA);
    center.addObserver(&recorder, Ping, recorder.handler(QStringLiteral("B")), &senderB);
    center.addObserver(&recorder, Pong, recorder.handler(Pong));

    center.removeObserver(&recorder, Ping, &senderA);
    center.postNotification(Ping, &senderA);
    center.postNotification(Ping, &senderB);
    center.removeObserver(&recorder, Ping);
    center.postNotification(Ping, &senderB);
    center.postNotification(Pong);
    center.removeObserver(&recorder);
    center.postNotification(Pong);

    EXPECT_EQ(recorder.received, (QStringList{u"B"_qs, Pong}));
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
