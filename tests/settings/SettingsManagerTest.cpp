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
    bool isKnownCurrency(const QString &code) const override { return allCurrencies().contains(code); }
};

class SettingsManager : public TemporaryHomeTest {
protected:
    QString storePath() const { return home.configHome() + QStringLiteral("/group.conf"); }
    // Puts `lines` in the store's file as a hand or another program would.
    void plant(const QByteArray &lines) const
    {
        QFile file(storePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n" + lines + '\n');
    }

    // Counts what `store` announces.
    void count(const FXSettingsManager &store)
    {
        center.addObserver(&observer, FXSettingsDidChangeNotification, [this](const FXNotification &) { ++posts; },
                           &store);
    }

    FXUserDefaults defaults{storePath()};
    FixedCurrencyLists lists;
    FXNotificationCenter center;
    QObject observer;
    FXSettingsManager settings{defaults, lists, center};
    int posts = 0;
};

// The visible currencies as the file holds them (none: nothing stored), an edit or "read", the
// list read afterwards, and whether the edit was made (written and announced) or refused.
struct VisibleEdit { const char *stored, *edit, *after; bool made; };

void PrintTo(const VisibleEdit &edit, std::ostream *out)
{
    *out << (edit.stored ? edit.stored : "nothing stored") << ' ' << edit.edit;
}
class VisibleCurrencyEdits : public SettingsManager,
                             public ::testing::WithParamInterface<VisibleEdit> {};

}

// Defaults are read, never written; restoring them resets the visible currencies alone.
TEST_F(SettingsManager, SettingsPersistAndOutliveARestoreAndOnlyTheMainCurrencyIsAnnounced)
{
    EXPECT_TRUE(settings.isAutomaticUpdateAllowed() && settings.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(settings.invisibleCurrencies(), codes("CHF NOK"));
    EXPECT_FALSE(settings.defaultCurrency());
    EXPECT_FALSE(FXUserDefaults(storePath()).objectForKey(QStringLiteral("AutomaticUpdate")).isValid());
    count(settings);
    settings.setAutomaticUpdateAllowed(false);
    settings.setLocationBasedCurrencyEnabled(false);
    settings.setDefaultCurrency(QStringLiteral("CHF"));
    ASSERT_TRUE(settings.setNumberFormatLocale(QStringLiteral("de_CH")).isDone());
    settings.restoreDefaults();
    FXUserDefaults reopened(storePath());
    FXSettingsManager again(reopened, lists, center);
    EXPECT_FALSE(again.isAutomaticUpdateAllowed() || again.isLocationBasedCurrencyEnabled());
    EXPECT_EQ(again.defaultCurrency(), u"CHF");
    EXPECT_EQ(again.numberFormatLocale(), u"de_CH");
    settings.setDefaultCurrency(std::nullopt);
    EXPECT_FALSE(defaults.objectForKey(QStringLiteral("UserBaseCurrency")).isValid());
    EXPECT_EQ(posts, 3);
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

// Only http and https addresses are kept, and none of them announced; nothing chooses the built-in
// server.
TEST_F(SettingsManager, TheRatesServerKeepsOnlyHttpAddresses)
{
    // Stored: none for the built-in server; refused, the address before kept.
    const struct { const char *typed, *stored; bool refused; } choices[] = {
        {" http://rates.lan:8642/u.php ", "http://rates.lan:8642/u.php", false},
        {"https://rates.example/u", "https://rates.example/u", false}, {"  ", nullptr, false},
        {"ftp://rates.example/u", "http://before/", true}, {"rates.lan:8642/u.php", "http://before/", true},
        {"http:///u.php", "http://before/", true}};
    count(settings);
    for (const auto &choice : choices) {
        settings.setRatesServerURL(u"http://before/"_qs);
        const FXResult result = settings.setRatesServerURL(QString::fromUtf8(choice.typed));
        EXPECT_EQ(result.failureReason().startsWith(u"not an HTTP address"), choice.refused) << choice.typed;
        EXPECT_EQ(settings.ratesServerURL().value_or(QString()), QString::fromUtf8(choice.stored))
            << choice.typed;
    }
    EXPECT_EQ(posts, 0);
}

// Both settings are stored before the one announcement, so that whoever reads the main currency in
// force then finds them as the user left them: a fixed currency turns the location off, none
// follows the location.
TEST_F(SettingsManager, TheMainCurrencyChoiceIsStoredWithTheLocationSwitchAndAnnouncedOnce)
{
    count(settings);
    std::optional<QString> fixedWhenAnnounced;
    bool followsWhenAnnounced = true;
    center.addObserver(&observer, FXSettingsDidChangeNotification, [&](const FXNotification &) {
        fixedWhenAnnounced = settings.defaultCurrency();
        followsWhenAnnounced = settings.isLocationBasedCurrencyEnabled();
    });
    for (const auto &fixed : {std::optional(QStringLiteral("EUR")), std::optional<QString>()}) {
        const int before = posts;
        ASSERT_TRUE(settings.setMainCurrency(fixed).isDone());
        EXPECT_EQ(posts, before + 1);
        EXPECT_EQ(fixedWhenAnnounced, fixed);
        EXPECT_EQ(followsWhenAnnounced, !fixed);
        FXUserDefaults reopened(storePath());
        EXPECT_EQ(FXSettingsManager(reopened, lists, center).isLocationBasedCurrencyEnabled(), !fixed);
    }
}

// An edit decides from the list as stored, read clean, and writes the whole list clean; the file
// is left as it is until then.
TEST_P(VisibleCurrencyEdits, DecideFromTheCleanListAndRewriteIt)
{
    const VisibleEdit &edit = GetParam();
    count(settings);
    if (edit.stored)
        plant(QByteArray("VisibleCurrencies=") + edit.stored);
    const QByteArray before = contents(storePath());
    const QStringList words = codes(edit.edit);
    FXResult result = FXResult::done();
    if (words[0] == u"add")
        result = settings.addCurrencyToVisible(words[1]);
    else if (words[0] == u"remove")
        result = settings.removeCurrencyFromVisible(words[1]);
    else if (words[0] == u"exchange")
        result = settings.exchangeCurrency(words[1], words[2]);
    else if (words[0] == u"reset")
        result = settings.restoreDefaults();

    const QStringList after = *edit.after ? codes(edit.after) : QStringList();
    EXPECT_EQ(settings.visibleCurrencies(), after);
    EXPECT_EQ(result.isDone(), edit.made || words[0] == u"read") << qPrintable(result.failureReason());
    EXPECT_EQ(result.isRefused(), !result.isDone());
    EXPECT_EQ(posts, edit.made ? 1 : 0);
    if (edit.made)
        EXPECT_EQ(FXUserDefaults(storePath()).stringArrayForKey(Visible), after);
    else
        EXPECT_EQ(contents(storePath()), before);
}

INSTANTIATE_TEST_SUITE_P(Edits, VisibleCurrencyEdits, ::testing::Values(
    VisibleEdit{"XXX, eur, , EUR, EUR, ZZZ, 123, \"\\x1b[31mGBP\", gbp", "read", "EUR GBP", false},
    VisibleEdit{nullptr, "read", "USD EUR GBP JPY BTC", false},            // the default
    VisibleEdit{"", "read", "", false},                                   // every currency removed
    VisibleEdit{nullptr, "add CHF", "CHF USD EUR GBP JPY BTC", true},     // to the front
    VisibleEdit{"USD, EUR", "add XXX", "USD EUR", false},                 // not in the rates table
    VisibleEdit{"USD, EUR", "add eur", "USD EUR", false},                 // already visible
    VisibleEdit{"chf, , XXX, EUR, CHF", "add GBP", "GBP CHF EUR", true},
    VisibleEdit{"EUR, USD, GBP", "remove eur", "USD GBP", true},
    VisibleEdit{"USD, GBP", "remove EUR", "USD GBP", false},
    VisibleEdit{"USD, EUR, GBP, JPY", "exchange USD GBP", "EUR GBP USD JPY", true},
    VisibleEdit{"USD, EUR, GBP, JPY", "exchange JPY EUR", "USD JPY EUR GBP", true},
    VisibleEdit{nullptr, "exchange CHF USD", "USD EUR GBP JPY BTC", false},
    VisibleEdit{"CHF, NOK", "reset", "USD EUR GBP JPY BTC", true}), ReadableName());
