#include "FXUserDefaults.h"

#include "TemporaryHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class UserDefaults : public TemporaryHomeTest {
protected:
    QString storePath() const { return home.path() + QStringLiteral("/store/defaults.conf"); }
};

const QString Key = QStringLiteral("Key");

}

TEST_F(UserDefaults, TwoStoresOnOneFileSeeEachOthersWritesOfEveryKind)
{
    FXUserDefaults window(storePath()), tool(storePath());
    const QVariantMap dictionary{{QStringLiteral("Value"), 25.5}, {Key, QStringLiteral("USD")}};
    window.setObject(QStringLiteral("EUR"), Key);
    window.setObject(QStringList{QStringLiteral("CHF")}, QStringLiteral("OneElement"));
    window.setObject(QStringList{}, QStringLiteral("Empty"));
    window.setObject(dictionary, QStringLiteral("Dictionary"));
    EXPECT_EQ(tool.stringForKey(Key), u"EUR");
    EXPECT_EQ(tool.stringArrayForKey(QStringLiteral("OneElement")), QStringList{u"CHF"_qs});
    EXPECT_EQ(tool.stringArrayForKey(QStringLiteral("Empty")), QStringList{});
    EXPECT_EQ(tool.dictionaryForKey(QStringLiteral("Dictionary")), dictionary);
    tool.removeObjectForKey(Key);
    EXPECT_FALSE(window.objectForKey(Key).isValid());
}

TEST_F(UserDefaults, TypedReadsRefuseValuesOfAnotherKindAndStoringNothingRemoves)
{
    FXUserDefaults defaults(storePath());
    defaults.setObject(QVariantMap{{QStringLiteral("a"), 1}}, Key);
    EXPECT_FALSE(defaults.stringForKey(Key));
    EXPECT_FALSE(defaults.stringArrayForKey(Key));
    EXPECT_EQ(defaults.doubleForKey(Key), 0.0);
    defaults.setObject(QVariant(), Key);
    EXPECT_FALSE(defaults.dictionaryForKey(Key));
}

TEST_F(UserDefaults, ACorruptFileReadsAsEmptyAndIsKeptUntilTheNextWrite)
{
    const char bytes[] = "\x00\x01[unterminated\n\xff\xfe=\n=[";
    const QByteArray garbage(bytes, sizeof bytes - 1);
    QDir().mkpath(home.path() + QStringLiteral("/store"));
    QFile file(storePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();

    FXUserDefaults defaults(storePath());
    defaults.registerDefaults({{Key, QStringLiteral("fallback")}});
    EXPECT_EQ(defaults.stringForKey(Key), u"fallback");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
    defaults.setObject(QStringLiteral("EUR"), Key);
    EXPECT_EQ(FXUserDefaults(storePath()).stringForKey(Key), u"EUR");
}
