#include "FXSettingsManager.h"

#include "FXNotificationCenter.h"
#include "FXUserDefaults.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace {

struct FixedCurrencyLists : FXCurrencyLists {
    QStringList mainCurrencies() const override { return codes("USD EUR GBP JPY BTC"); }
    QStringList allCurrencies() const override { return codes("BTC CHF EUR GBP JPY NOK USD"); }
    bool isKnownCurrency(const QString &code) const override { return allCurrencies().contains(code); }
};

class SettingsManager : public TemporaryHomeTest {
protected:
    QString storePath() const { return home.configHome() + QStringLiteral("/group.conf"); }
    SettingsManager()
    {
        center.addObserver(&observer, FXSettingsDidChangeNotification,
                           [this](const FXNotification &) { ++posts; });
    }

    FXUserDefaults defaults{storePath()};
    FixedCurrencyLists lists;
    FXNotificationCenter center;
    QObject observer;
    FXSettingsManager settings{defaults, lists, center};
    int posts = 0;
};

}

// Defaults are read, never written; restoring them resets the visible currencies alone.
TEST_F(SettingsManager, SettingsPersistAndOutliveARestoreAndOnlyTheMainCurrencyIsAnnounced)
{
    EXPECT_TRUE(settings.isAutomaticUpdateAllowed() && settings.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(settings.invisibleCurrencies(), codes("CHF NOK"));
    EXPECT_FALSE(settings.defaultCurrency());
    EXPECT_FALSE(FXUserDefaults(storePath()).objectForKey(QStringLiteral("AutomaticUpdate")).isValid());
    settings.setAutomaticUpdateAllowed(false);
    settings.setLocationBasedCurrencyEnabled(false);
    settings.setDefaultCurrency(QStringLiteral("CHF"));
    ASSERT_TRUE(settings.setNumberFormatLocale(QStringLiteral("de_CH")).isDone());
    ASSERT_TRUE(settings.setRatesServerURL(u" http://rates.lan:8642/u.php "_qs).isDone());
    // Refused, the address before kept: another scheme, no host.
    EXPECT_FALSE(settings.setRatesServerURL(u"ftp://rates.example/u"_qs).isDone());
    EXPECT_FALSE(settings.setRatesServerURL(u"http:///u.php"_qs).isDone());
    settings.restoreDefaults();
    FXUserDefaults reopened(storePath());
    FXSettingsManager again(reopened, lists, center);
    EXPECT_FALSE(again.isAutomaticUpdateAllowed() || again.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(again.defaultCurrency(), u"CHF");
    EXPECT_EQ(again.numberFormatLocale(), u"de_CH");
    EXPECT_EQ(again.ratesServerURL(), u"http://rates.lan:8642/u.php");
    settings.setDefaultCurrency(std::nullopt);
    EXPECT_FALSE(defaults.objectForKey(QStringLiteral("UserBaseCurrency")).isValid());
    EXPECT_EQ(posts, 3);
}

// Both settings are stored before the one announcement, read by whoever reads the main currency.
TEST_F(SettingsManager, TheMainCurrencyChoiceIsStoredWithTheLocationSwitchAndAnnouncedOnce)
{
    std::optional<QString> fixedWhenAnnounced;
    bool followsWhenAnnounced = true;
    center.addObserver(&observer, FXSettingsDidChangeNotification, [&](const FXNotification &) {
        fixedWhenAnnounced = settings.defaultCurrency();
        followsWhenAnnounced = settings.isLocationBasedCurrencyEnabled();
    });
    for (const auto &fixed : {std::optional(QStringLiteral("EUR")), std::optional<QString>()}) {
        ASSERT_TRUE(settings.setMainCurrency(fixed).isDone());
        EXPECT_EQ(std::exchange(posts, 0), 1);
        EXPECT_EQ(fixedWhenAnnounced, fixed);
        EXPECT_EQ(followsWhenAnnounced, !fixed);
        FXUserDefaults reopened(storePath());
        EXPECT_EQ(FXSettingsManager(reopened, lists, center).isLocationBasedCurrencyEnabled(), !fixed);
    }
}

// An edit decides from the stored list read clean and writes it clean; a refused one writes nothing.
TEST_F(SettingsManager, VisibleCurrencyEditsDecideFromTheCleanListAndRewriteIt)
{
    const struct { const char *stored, *edit, *after; bool made; } edits[] = {
        {"XXX, eur, , EUR, EUR, ZZZ, 123, \"\\x1b[31mGBP\", gbp", "read", "EUR GBP", false},
        {"", "read", "", false},                                       // every currency removed
        {nullptr, "add CHF", "CHF USD EUR GBP JPY BTC", true},         // to the front
        {"USD, EUR", "add XXX", "USD EUR", false},                     // not in the rates table
        {"USD, EUR", "add eur", "USD EUR", false},                     // already visible
        {"chf, , XXX, EUR, CHF", "add GBP", "GBP CHF EUR", true},
        {"EUR, USD, GBP", "remove eur", "USD GBP", true},
        {"USD, GBP", "remove EUR", "USD GBP", false},
        {"USD, EUR, GBP, JPY", "exchange USD GBP", "EUR GBP USD JPY", true},
        {nullptr, "exchange CHF USD", "USD EUR GBP JPY BTC", false},
        {"CHF, NOK", "reset", "USD EUR GBP JPY BTC", true}};
    for (const auto &edit : edits) {
        SCOPED_TRACE(std::string(edit.stored ? edit.stored : "nothing stored") + " " + edit.edit);
        QFile file(home.configHome() + u"/edit-%1.conf"_qs.arg(&edit - edits));
        if (edit.stored) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("[General]\nVisibleCurrencies=") + edit.stored + '\n');
            file.close();
        }
        const QByteArray before = contents(file.fileName());
        FXUserDefaults store(file.fileName());
        FXSettingsManager edited(store, lists, center);
        const QStringList words = codes(edit.edit);
        FXResult result = FXResult::done();
        if (words[0] == u"add")
            result = edited.addCurrencyToVisible(words[1]);
        else if (words[0] == u"remove")
            result = edited.removeCurrencyFromVisible(words[1]);
        else if (words[0] == u"exchange")
            result = edited.exchangeCurrency(words[1], words[2]);
        else if (words[0] == u"reset")
            result = edited.restoreDefaults();

        const QStringList after = *edit.after ? codes(edit.after) : QStringList();
        EXPECT_EQ(edited.visibleCurrencies(), after);
        EXPECT_EQ(result.isDone(), edit.made || words[0] == u"read") << qPrintable(result.failureReason());
        EXPECT_EQ(result.isRefused(), !result.isDone());
        EXPECT_EQ(std::exchange(posts, 0), edit.made ? 1 : 0);
        if (edit.made)
            EXPECT_EQ(FXUserDefaults(file.fileName()).stringArrayForKey(u"VisibleCurrencies"_qs), after);
        else
            EXPECT_EQ(contents(file.fileName()), before);
    }
}
