#include "FXUserDefaults.h"

#include "TemporaryHome.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class UserDefaults : public TemporaryHomeTest {
protected:
    QString storePath() const { return home.path() + QStringLiteral("/store/defaults.conf"); }
};

const QString Key = QStringLiteral("Key");

}

TEST_F(UserDefaults, KeepsEveryKindOfValueAcrossInstances)
{
    const QStringList list{QStringLiteral("USD"), QStringLiteral("EUR")};
    const QVariantMap dictionary{{QStringLiteral("Value"), 25.5},
                                 {QStringLiteral("Currency"), QStringLiteral("USD")}};
    {
        FXUserDefaults defaults(storePath());
        defaults.setObject(QStringLiteral("EUR"), QStringLiteral("String"));
        defaults.setBool(false, QStringLiteral("Bool"));
        defaults.setObject(1234.5678, QStringLiteral("Double"));
        defaults.setObject(list, QStringLiteral("List"));
        defaults.setObject(QStringList{QStringLiteral("CHF")}, QStringLiteral("OneElement"));
        defaults.setObject(QStringList{}, QStringLiteral("Empty"));
        defaults.setObject(dictionary, QStringLiteral("Dictionary"));
    }
    FXUserDefaults reopened(storePath());
    EXPECT_EQ(reopened.stringForKey(QStringLiteral("String")), u"EUR");
    EXPECT_FALSE(reopened.boolForKey(QStringLiteral("Bool")));
    EXPECT_DOUBLE_EQ(reopened.doubleForKey(QStringLiteral("Double")), 1234.5678);
    EXPECT_EQ(reopened.stringArrayForKey(QStringLiteral("List")), list);
    EXPECT_EQ(reopened.stringArrayForKey(QStringLiteral("OneElement")), QStringList{u"CHF"_qs});
    EXPECT_EQ(reopened.stringArrayForKey(QStringLiteral("Empty")), QStringList{});
    const auto readDictionary = reopened.dictionaryForKey(QStringLiteral("Dictionary"));
    ASSERT_TRUE(readDictionary);
    EXPECT_EQ(readDictionary->value(QStringLiteral("Currency")).toString(), u"USD");
    EXPECT_DOUBLE_EQ(readDictionary->value(QStringLiteral("Value")).toDouble(), 25.5);
}

TEST_F(UserDefaults, RegisteredDefaultsAreAFallbackThatIsNeverWritten)
{
    FXUserDefaults defaults(storePath());
    defaults.registerDefaults({{Key, true}});
    EXPECT_TRUE(defaults.boolForKey(Key));

    defaults.setBool(false, Key);
    EXPECT_FALSE(defaults.boolForKey(Key));

    defaults.removeObjectForKey(Key);
    EXPECT_TRUE(defaults.boolForKey(Key));
    EXPECT_FALSE(FXUserDefaults(storePath()).objectForKey(Key).isValid());
}

TEST_F(UserDefaults, StoringNothingRemovesTheKey)
{
    FXUserDefaults defaults(storePath());
    defaults.setObject(QStringLiteral("EUR"), Key);
    defaults.setObject(QVariant(), Key);
    EXPECT_FALSE(defaults.objectForKey(Key).isValid());
    EXPECT_FALSE(defaults.stringForKey(Key));
}

TEST_F(UserDefaults, TypedReadsRefuseValuesOfAnotherKind)
{
    FXUserDefaults defaults(storePath());
    defaults.setObject(QVariantMap{{QStringLiteral("a"), 1}}, Key);
    EXPECT_FALSE(defaults.stringForKey(Key));
    EXPECT_FALSE(defaults.stringArrayForKey(Key));
    EXPECT_EQ(defaults.doubleForKey(Key), 0.0);
    EXPECT_FALSE(defaults.dictionaryForKey(QStringLiteral("Missing")));
}

TEST_F(UserDefaults, TwoStoresOnOneFileSeeEachOthersWrites)
{
    FXUserDefaults window(storePath());
    FXUserDefaults tool(storePath());
    EXPECT_FALSE(tool.stringForKey(Key));

    window.setObject(QStringLiteral("EUR"), Key);
    EXPECT_EQ(tool.stringForKey(Key), u"EUR");

    tool.setObject(QStringList{QStringLiteral("CHF"), QStringLiteral("USD")}, Key);
    EXPECT_EQ(window.stringArrayForKey(Key), (QStringList{u"CHF"_qs, u"USD"_qs}));

    tool.removeObjectForKey(Key);
    EXPECT_FALSE(window.objectForKey(Key).isValid());
}

TEST_F(UserDefaults, ACorruptFileReadsAsEmptyAndIsKeptUntilTheNextWrite)
{
    const char bytes[] = "\x00\x01[unterminated\n\xff\xfe=\n=[";
    const QByteArray garbage(bytes, sizeof bytes - 1);
    {
        FXUserDefaults create(storePath());
    }
    QFile file(storePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();

    FXUserDefaults defaults(storePath());
    defaults.registerDefaults({{Key, QStringLiteral("fallback")}});
    EXPECT_EQ(defaults.stringForKey(Key), u"fallback");
    EXPECT_FALSE(defaults.stringArrayForKey(QStringLiteral("VisibleCurrencies")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
    file.close();

    defaults.setObject(QStringLiteral("EUR"), Key);
    EXPECT_EQ(FXUserDefaults(storePath()).stringForKey(Key), u"EUR");
}

TEST_F(UserDefaults, DomainsLiveUnderTheConfigurationHome)
{
    EXPECT_EQ(FXUserDefaults::filePathForDomain(FXUserDefaults::groupDomain()),
              home.configHome() + u"/io.github.cambio.Cambio/io.github.cambio.Cambio.group.conf");
}
