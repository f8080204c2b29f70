#include "FXNotificationCenter.h"

#include <QObject>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Ping = QStringLiteral("Ping");
const QString Pong = QStringLiteral("Pong");

// Observes through the centre, tied to its own life, and notes what reached it.
struct Recorder : QObject {
    QStringList received;
    FXNotification last;
    void observe(FXNotificationCenter &center, const QString &name, const QString &label,
                 const void *sender = nullptr)
    {
        center.addObserver(this, name, [this, label](const FXNotification &n) {
            received.append(label);
            last = n;
        }, sender);
    }
};

}

TEST(NotificationCenter, DeliversByNameAndSenderWithTheUserInfo)
{
    FXNotificationCenter center;
    Recorder recorder;
    int senderA = 0;
    int senderB = 0;
    recorder.observe(center, Ping, QStringLiteral("any"));
    recorder.observe(center, Ping, QStringLiteral("fromA"), &senderA);
    recorder.observe(center, Pong, QStringLiteral("pong"));

    center.postNotification(Ping, &senderB);
    center.postNotification(Ping);
    center.postNotification(Ping, &senderA, {{QStringLiteral("countryCode"), QStringLiteral("DE")}});

    EXPECT_EQ(recorder.received, (QStringList{u"any"_qs, u"any"_qs, u"any"_qs, u"fromA"_qs}));
    EXPECT_EQ(recorder.last.name, Ping);
    EXPECT_EQ(recorder.last.object, &senderA);
    EXPECT_EQ(recorder.last.userInfo, (QVariantMap{{QStringLiteral("countryCode"), QStringLiteral("DE")}}));
}

// An observation ends with its context, also one destroyed while a notification is delivered,
// and with it alone.
TEST(NotificationCenter, ObservationsEndWithTheirContextAlone)
{
    FXNotificationCenter center;
    Recorder staying;
    QStringList calls;
    auto leaving = std::make_unique<QObject>();
    auto later = std::make_unique<QObject>();
    for (const QString &name : {Ping, Pong})
        center.addObserver(leaving.get(), name, [&calls, name](const FXNotification &) { calls.append(name); });
    center.addObserver(leaving.get(), Ping, [&](const FXNotification &) { later.reset(); leaving.reset(); });
    center.addObserver(later.get(), Ping, [&](const FXNotification &) { calls.append(QStringLiteral("later")); });
    staying.observe(center, Ping, Ping);

    center.postNotification(Ping);
    leaving.reset();
    center.postNotification(Ping);
    center.postNotification(Pong);

    EXPECT_EQ(calls, QStringList{Ping});
    EXPECT_EQ(staying.received, (QStringList{Ping, Ping}));
}

TEST(NotificationCenter, AContextMayOutliveTheCentre)
{
    Recorder recorder;
    {
        FXNotificationCenter center;
        recorder.observe(center, Ping, Ping);
        center.postNotification(Ping);
    }
    EXPECT_EQ(recorder.received, QStringList{Ping});
}   // the recorder goes after the centre: its end must not reach the gone centre
