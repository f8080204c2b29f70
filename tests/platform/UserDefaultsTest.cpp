#include "FXUserDefaults.h"

#include "TemporaryHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class UserDefaults : public TemporaryHomeTest {
protected:
    const QString path = home.path() + QStringLiteral("/store/defaults.conf");
    const QString key = QStringLiteral("Key");
};

}

// Lists of one and of no element, which the INI format would read back as a text and as nothing.
TEST_F(UserDefaults, TwoStoresOnOneFileSeeEachOthersWritesOfEveryKind)
{
    FXUserDefaults window(path), tool(path);
    const QVariantMap dictionary{{QStringLiteral("Value"), 25.5}, {key, QStringLiteral("USD")}};
    window.setObject(QStringLiteral("EUR"), key);
    window.setObject(QStringList{QStringLiteral("CHF")}, QStringLiteral("OneElement"));
    window.setObject(QStringList{}, QStringLiteral("Empty"));
    window.setObject(dictionary, QStringLiteral("Dictionary"));
    EXPECT_EQ(tool.stringForKey(key), u"EUR");
    EXPECT_EQ(tool.stringArrayForKey(QStringLiteral("OneElement")), QStringList{u"CHF"_qs});
    EXPECT_EQ(tool.stringArrayForKey(QStringLiteral("Empty")), QStringList{});
    EXPECT_EQ(tool.dictionaryForKey(QStringLiteral("Dictionary")), dictionary);
    EXPECT_FALSE(tool.stringForKey(QStringLiteral("Dictionary")));
    EXPECT_FALSE(tool.stringArrayForKey(QStringLiteral("Dictionary")));
    EXPECT_EQ(tool.doubleForKey(QStringLiteral("Dictionary")), 0.0);
    tool.setObject(QVariant(), key);
    EXPECT_FALSE(window.objectForKey(key).isValid());
}

TEST_F(UserDefaults, ACorruptFileReadsAsEmptyAndIsKeptUntilTheNextWrite)
{
    const char bytes[] = "\x00\x01[unterminated\n\xff\xfe=\n=[";
    const QByteArray garbage(bytes, sizeof bytes - 1);
    QDir().mkpath(home.path() + QStringLiteral("/store"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size());
    file.close();

    FXUserDefaults defaults(path);
    defaults.registerDefaults({{key, QStringLiteral("fallback")}});
    EXPECT_EQ(defaults.stringForKey(key), u"fallback");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
    defaults.setObject(QStringLiteral("EUR"), key);
    // A text reads as a list of one, as in a hand-edited file.
    EXPECT_EQ(FXUserDefaults(path).stringArrayForKey(key), QStringList{u"EUR"_qs});
}
