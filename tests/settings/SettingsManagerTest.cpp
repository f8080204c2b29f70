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
    SettingsManager()
    {
        // What whoever reads the main currency in force finds at each announcement.
        center.addObserver(&observer, FXSettingsDidChangeNotification, [this](const FXNotification &) {
            announced.append({settings.defaultCurrency(), settings.isLocationBasedCurrencyEnabled()});
        });
    }

    FXUserDefaults defaults{home.configHome() + QStringLiteral("/group.conf")};
    FixedCurrencyLists lists;
    FXNotificationCenter center;
    QObject observer;
    FXSettingsManager settings{defaults, lists, center};
    QList<std::pair<std::optional<QString>, bool>> announced;
};

}

// Restoring the defaults resets the visible currencies alone.
TEST_F(SettingsManager, SettingsPersistAndOutliveARestoreAndOnlyTheMainCurrencyIsAnnounced)
{
    EXPECT_TRUE(settings.isAutomaticUpdateAllowed() && settings.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(settings.invisibleCurrencies(), codes("CHF NOK"));
    EXPECT_FALSE(settings.defaultCurrency());
    settings.setAutomaticUpdateAllowed(false);
    settings.setLocationBasedCurrencyEnabled(false);
    settings.setDefaultCurrency(QStringLiteral("CHF"));
    ASSERT_TRUE(settings.setNumberFormatLocale(QStringLiteral("de_CH")).isDone());
    ASSERT_TRUE(settings.setRatesServerURL(u" http://rates.lan:8642/u.php "_qs).isDone());
    // Another scheme or no host: refused, the address before kept.
    EXPECT_FALSE(settings.setRatesServerURL(u"ftp://rates.example/u"_qs).isDone());
    EXPECT_FALSE(settings.setRatesServerURL(u"http:///u.php"_qs).isDone());
    settings.restoreDefaults();
    FXUserDefaults reopened(home.configHome() + QStringLiteral("/group.conf"));
    FXSettingsManager again(reopened, lists, center);
    EXPECT_FALSE(again.isAutomaticUpdateAllowed() || again.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(again.defaultCurrency(), u"CHF");
    EXPECT_EQ(again.numberFormatLocale(), u"de_CH");
    EXPECT_EQ(again.ratesServerURL(), u"http://rates.lan:8642/u.php");
    settings.setDefaultCurrency(std::nullopt);
    EXPECT_FALSE(defaults.objectForKey(QStringLiteral("UserBaseCurrency")).isValid());
    EXPECT_EQ(announced.size(), 3);
}

// Both settings are stored before the one announcement.
TEST_F(SettingsManager, TheMainCurrencyChoiceIsStoredWithTheLocationSwitchAndAnnouncedOnce)
{
    for (const auto &fixed : {std::optional(QStringLiteral("EUR")), std::optional<QString>()}) {
        ASSERT_TRUE(settings.setMainCurrency(fixed).isDone());
        EXPECT_EQ(std::exchange(announced, {}), (decltype(announced){{fixed, !fixed}}));
    }
}

// An edit decides from the stored list read clean and writes it clean; a refused one writes nothing.
TEST_F(SettingsManager, VisibleCurrencyEditsDecideFromTheCleanListAndRewriteIt)
{
    const struct { const char *stored, *edit, *after; bool made; } edits[] = {
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
        const QByteArray stored = edit.stored ? QByteArray("VisibleCurrencies=") + edit.stored : QByteArray();
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[General]\n" + stored + '\n') > 0);
        file.close();
        const QByteArray before = contents(file.fileName());
        FXUserDefaults store(file.fileName());
        FXSettingsManager edited(store, lists, center);
        const QStringList words = codes(edit.edit);
        const FXResult result = words[0] == u"add" ? edited.addCurrencyToVisible(words[1])
            : words[0] == u"remove"                  ? edited.removeCurrencyFromVisible(words[1])
            : words[0] == u"exchange"                ? edited.exchangeCurrency(words[1], words[2])
            : words[0] == u"reset"                   ? edited.restoreDefaults()
                                                     : FXResult::done();
        const QStringList after = *edit.after ? codes(edit.after) : QStringList();
        EXPECT_EQ(edited.visibleCurrencies(), after);
        EXPECT_EQ(result.isDone(), edit.made || words[0] == u"read") << qPrintable(result.failureReason());
        EXPECT_EQ(result.isRefused(), !result.isDone());
        EXPECT_EQ(std::exchange(announced, {}).size(), edit.made ? 1 : 0);
        if (edit.made)
            EXPECT_EQ(FXUserDefaults(file.fileName()).stringArrayForKey(u"VisibleCurrencies"_qs), after);
        else
            EXPECT_EQ(contents(file.fileName()), before);
    }
}
