#include "FXSettingsManager.h"

#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

namespace {

QStringList codes(const char *spaceSeparated)
{
    return QString::fromLatin1(spaceSeparated).split(u' ', Qt::SkipEmptyParts);
}

class FixedCurrencyLists : public FXCurrencyLists {
public:
    QStringList mainCurrencies() const override { return codes("USD EUR GBP JPY BTC"); }
    QStringList allCurrencies() const override { return codes("BTC CHF EUR GBP JPY NOK USD"); }
};

class SettingsManager : public TemporaryHomeTest {
protected:
    QString storePath() const { return home.configHome() + QStringLiteral("/group.conf"); }

    FXUserDefaults defaults{storePath()};
    FixedCurrencyLists lists;
    FXNotificationCenter center;
    FXSettingsManager settings{defaults, lists, center};
    int posts = 0;

    void SetUp() override
    {
        center.addObserver(this, FXSettingsDidChangeNotification,
                           [this](const FXNotification &n) {
                               EXPECT_EQ(n.object, &settings);
                               ++posts;
                           });
    }
};

struct VisibleEdit {
    const char *name;
    const char *before;   // nullptr: nothing stored yet
    std::function<void(FXSettingsManager &)> edit;
    const char *after;
    int posts;
};

class VisibleCurrencyEdits : public SettingsManager,
                             public ::testing::WithParamInterface<VisibleEdit> {};

}

TEST_F(SettingsManager, AFreshStoreReadsItsDefaults)
{
    EXPECT_TRUE(settings.isAutomaticUpdateAllowed());
    EXPECT_TRUE(settings.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(settings.visibleCurrencies(), codes("USD EUR GBP JPY BTC"));
    EXPECT_EQ(settings.invisibleCurrencies(), codes("CHF NOK"));
    EXPECT_FALSE(settings.defaultCurrency());
    // Registered defaults are a fallback only: nothing reaches the file.
    EXPECT_FALSE(FXUserDefaults(storePath()).objectForKey(QStringLiteral("AutomaticUpdate")).isValid());
    EXPECT_EQ(posts, 0);
}

TEST_F(SettingsManager, SwitchesPersistAndAnnounceNothing)
{
    settings.setAutomaticUpdateAllowed(false);
    settings.setLocationBasedCurrencyEnabled(false);

    FXUserDefaults reopened(storePath());
    FXSettingsManager again(reopened, lists, center);
    EXPECT_FALSE(again.isAutomaticUpdateAllowed());
    EXPECT_FALSE(again.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(posts, 0);
}

TEST_F(SettingsManager, FixedMainCurrencyIsStoredAndRemoved)
{
    settings.setDefaultCurrency(QStringLiteral("EUR"));
    EXPECT_EQ(settings.defaultCurrency(), u"EUR");
    EXPECT_EQ(defaults.stringForKey(QStringLiteral("UserBaseCurrency")), u"EUR");

    settings.setDefaultCurrency(std::nullopt);
    EXPECT_FALSE(settings.defaultCurrency());
    EXPECT_FALSE(defaults.objectForKey(QStringLiteral("UserBaseCurrency")).isValid());
    EXPECT_EQ(posts, 2);
}

TEST_F(SettingsManager, RestoringDefaultsKeepsTheMainCurrencyAndSwitches)
{
    settings.setDefaultCurrency(QStringLiteral("CHF"));
    settings.setLocationBasedCurrencyEnabled(false);
    settings.addCurrencyToVisible(QStringLiteral("NOK"));
    settings.removeCurrencyFromVisible(QStringLiteral("USD"));

    settings.restoreDefaults();

    EXPECT_EQ(settings.visibleCurrencies(), codes("USD EUR GBP JPY BTC"));
    EXPECT_EQ(defaults.stringArrayForKey(QStringLiteral("VisibleCurrencies")),
              codes("USD EUR GBP JPY BTC"));
    EXPECT_EQ(settings.defaultCurrency(), u"CHF");
    EXPECT_FALSE(settings.isLocationBasedCurrencyEnabled());
}

TEST_F(SettingsManager, RemovingEveryCurrencyKeepsTheEmptyList)
{
    for (const QString &code : settings.visibleCurrencies())
        settings.removeCurrencyFromVisible(code);
    EXPECT_EQ(settings.visibleCurrencies(), QStringList{});
    EXPECT_EQ(settings.invisibleCurrencies(), lists.allCurrencies());
}

TEST_P(VisibleCurrencyEdits, RewriteTheWholeList)
{
    const VisibleEdit &edit = GetParam();
    if (edit.before)
        defaults.setObject(codes(edit.before), QStringLiteral("VisibleCurrencies"));

    edit.edit(settings);

    EXPECT_EQ(settings.visibleCurrencies(), codes(edit.after));
    EXPECT_EQ(posts, edit.posts);
    if (edit.posts == 0 && !edit.before) {
        EXPECT_FALSE(defaults.objectForKey(QStringLiteral("VisibleCurrencies")).isValid());
    }
}

INSTANTIATE_TEST_SUITE_P(Edits, VisibleCurrencyEdits, ::testing::Values(
    VisibleEdit{"AddGoesToTheFront", nullptr,
                [](FXSettingsManager &s) { s.addCurrencyToVisible(QStringLiteral("CHF")); },
                "CHF USD EUR GBP JPY BTC", 1},
    VisibleEdit{"AddingAVisibleCodeAddsASecondCopy", "USD EUR",
                [](FXSettingsManager &s) { s.addCurrencyToVisible(QStringLiteral("EUR")); },
                "EUR USD EUR", 1},
    VisibleEdit{"RemoveTakesEveryCopy", "EUR USD EUR GBP",
                [](FXSettingsManager &s) { s.removeCurrencyFromVisible(QStringLiteral("EUR")); },
                "USD GBP", 1},
    VisibleEdit{"RemovingAnInvisibleCodeStillWritesAndPosts", nullptr,
                [](FXSettingsManager &s) { s.removeCurrencyFromVisible(QStringLiteral("NOK")); },
                "USD EUR GBP JPY BTC", 1},
    VisibleEdit{"ExchangeMovesDownToTheTargetsPlace", "A B C D",
                [](FXSettingsManager &s) { s.exchangeCurrency(QStringLiteral("A"), QStringLiteral("C")); },
                "B C A D", 1},
    VisibleEdit{"ExchangeMovesUpToTheTargetsPlace", "A B C D",
                [](FXSettingsManager &s) { s.exchangeCurrency(QStringLiteral("D"), QStringLiteral("B")); },
                "A D B C", 1},
    VisibleEdit{"ExchangeWithItselfWritesTheSameList", "A B C D",
                [](FXSettingsManager &s) { s.exchangeCurrency(QStringLiteral("A"), QStringLiteral("A")); },
                "A B C D", 1},
    VisibleEdit{"ExchangeWithAnUnknownCodeDoesNothing", nullptr,
                [](FXSettingsManager &s) { s.exchangeCurrency(QStringLiteral("CHF"), QStringLiteral("USD")); },
                "USD EUR GBP JPY BTC", 0}),
    [](const auto &info) { return std::string(info.param.name); });
