#include "FXSettingsManager.h"

#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"
#include "ReadableName.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString Visible = QStringLiteral("VisibleCurrencies");

struct FixedCurrencyLists : FXCurrencyLists {
    QStringList mainCurrencies() const override { return codes("USD EUR GBP JPY BTC"); }
    QStringList allCurrencies() const override { return codes("BTC CHF EUR GBP JPY NOK USD"); }
};

class SettingsManager : public TemporaryHomeTest {
protected:
    QString storePath() const { return home.configHome() + QStringLiteral("/group.conf"); }

    // Counts what `store` announces.
    void count(const FXSettingsManager &store)
    {
        center.addObserver(this, FXSettingsDidChangeNotification, [this](const FXNotification &) { ++posts; },
                           &store);
    }

    FXUserDefaults defaults{storePath()};
    FixedCurrencyLists lists;
    FXNotificationCenter center;
    FXSettingsManager settings{defaults, lists, center};
    int posts = 0;
};

struct VisibleEdit { const char *before, *edit, *after; int posts; };

void PrintTo(const VisibleEdit &edit, std::ostream *out)
{
    *out << (edit.before ? edit.before : "nothing stored") << ' ' << edit.edit;
}
class VisibleCurrencyEdits : public SettingsManager,
                             public ::testing::WithParamInterface<VisibleEdit> {};

}

TEST_F(SettingsManager, AFreshStoreReadsItsDefaultsWithoutWritingThem)
{
    EXPECT_TRUE(settings.isAutomaticUpdateAllowed());
    EXPECT_TRUE(settings.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(settings.visibleCurrencies(), codes("USD EUR GBP JPY BTC"));
    EXPECT_EQ(settings.invisibleCurrencies(), codes("CHF NOK"));
    EXPECT_FALSE(settings.defaultCurrency());
    EXPECT_FALSE(FXUserDefaults(storePath()).objectForKey(QStringLiteral("AutomaticUpdate")).isValid());
}

// Restoring the defaults resets the visible currencies alone.
TEST_F(SettingsManager, SwitchesPersistSilentlyAndTheMainCurrencyIsAnnouncedAndBothOutliveARestore)
{
    count(settings);
    settings.setAutomaticUpdateAllowed(false);
    settings.setLocationBasedCurrencyEnabled(false);
    settings.setDefaultCurrency(QStringLiteral("CHF"));
    settings.restoreDefaults();
    FXUserDefaults reopened(storePath());
    FXSettingsManager again(reopened, lists, center);
    EXPECT_FALSE(again.isAutomaticUpdateAllowed());
    EXPECT_FALSE(again.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(again.defaultCurrency(), u"CHF");
    settings.setDefaultCurrency(std::nullopt);
    EXPECT_FALSE(defaults.objectForKey(QStringLiteral("UserBaseCurrency")).isValid());
    EXPECT_EQ(posts, 3);
}

TEST_F(SettingsManager, RemovingEveryCurrencyKeepsTheEmptyListForTheNextStart)
{
    for (const QString &code : settings.visibleCurrencies())
        settings.removeCurrencyFromVisible(code);
    FXUserDefaults reopened(storePath());
    FXSettingsManager again(reopened, lists, center);
    EXPECT_EQ(again.visibleCurrencies(), QStringList{});
    EXPECT_EQ(again.invisibleCurrencies(), lists.allCurrencies());
}

TEST_F(SettingsManager, AFailedWriteIsReportedAndNotAnnounced)
{
    // The store's file is a folder: nothing can be written there.
    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("/folder.conf")));
    FXUserDefaults blocked(home.path() + QStringLiteral("/folder.conf"));
    FXSettingsManager unwritable(blocked, lists, center);
    count(unwritable);

    const FXResult result = unwritable.addCurrencyToVisible(QStringLiteral("CHF"));
    EXPECT_FALSE(result.isDone());
    EXPECT_TRUE(result.failureReason().contains(u"folder.conf")) << qPrintable(result.failureReason());
    EXPECT_EQ(posts, 0);
    EXPECT_EQ(unwritable.visibleCurrencies(), codes("USD EUR GBP JPY BTC"));
}

TEST_P(VisibleCurrencyEdits, RewriteTheWholeList)
{
    const VisibleEdit &edit = GetParam();
    count(settings);
    if (edit.before)
        defaults.setObject(codes(edit.before), Visible);
    const QStringList words = codes(edit.edit);
    if (words[0] == u"add")
        settings.addCurrencyToVisible(words[1]);
    else if (words[0] == u"remove")
        settings.removeCurrencyFromVisible(words[1]);
    else if (words[0] == u"reset")
        settings.restoreDefaults();
    else
        settings.exchangeCurrency(words[1], words[2]);

    EXPECT_EQ(settings.visibleCurrencies(), codes(edit.after));
    EXPECT_EQ(posts, edit.posts);
    EXPECT_EQ(defaults.objectForKey(Visible).isValid(), edit.before || edit.posts);
}

INSTANTIATE_TEST_SUITE_P(Edits, VisibleCurrencyEdits, ::testing::Values(
    VisibleEdit{nullptr, "add CHF", "CHF USD EUR GBP JPY BTC", 1},       // to the front
    VisibleEdit{"USD EUR", "add EUR", "EUR USD EUR", 1},                // a second copy
    VisibleEdit{"EUR USD EUR GBP", "remove EUR", "USD GBP", 1},         // every copy
    VisibleEdit{"A B C D", "exchange A C", "B C A D", 1},
    VisibleEdit{"A B C D", "exchange D B", "A D B C", 1},
    VisibleEdit{nullptr, "exchange CHF USD", "USD EUR GBP JPY BTC", 0},   // CHF is not visible
    VisibleEdit{"CHF NOK", "reset", "USD EUR GBP JPY BTC", 1}), ReadableName());
