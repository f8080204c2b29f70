#include "FXCompositionRoot.h"

#include "FXInputManager.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"
#include "ScopedEnvironment.h"
#include "TemporaryHome.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>

// The environment first, then the settings, then the built-in server.
TEST(CompositionRoot, TheRatesServerComesFromTheFirstSourceThatNamesOne)
{
    const struct { std::optional<QByteArray> environment; QVariant stored; const char *url; } sources[] = {
        {"http://env.example/update.php", u"http://defaults.example/u"_qs, "http://env.example/update.php"},
        {std::nullopt, u" http://defaults.example/u "_qs, "http://defaults.example/u"},
        {std::nullopt, QVariant(), "http://localhost:8642/lab/lumenfold/update.php"}};
    const TemporaryHome home;
    FXUserDefaults defaults(home.configHome() + u"/group.conf");
    for (const auto &source : sources) {
        const ScopedEnvironment variable("CAMBIO_RATES_URL", source.environment);
        defaults.setObject(source.stored, QStringLiteral("RatesServerURL"));
        EXPECT_EQ(FXCompositionRoot::ratesServerURL(defaults), QString::fromUtf8(source.url));
    }
}

// What one root made (the locale the number format chose, the settings files of its home) is
// never what the next root finds: each makes its own.
TEST(CompositionRoot, EachRootWorksWithTheLocaleAndFilesOfItsOwnStart)
{
    {
        const TemporaryHome home;
        {
            FXCompositionRoot root(FXCompositionRoot::commandLineOptions());
            ASSERT_TRUE(root.settings().setNumberFormatLocale(u"de_DE"_qs).isDone());
            ASSERT_TRUE(root.settings().setDefaultCurrency(u"CHF"_qs).isDone());
        }
        FXCompositionRoot root(FXCompositionRoot::commandLineOptions());
        root.inputs().setInput(1.5, u"USD"_qs);
        EXPECT_EQ(root.inputs().humanReadableInputForCurrency(u"USD"_qs), u"1,5"_qs);
    }
    const TemporaryHome home;
    FXCompositionRoot root(FXCompositionRoot::commandLineOptions());
    root.inputs().setInput(1.5, u"USD"_qs);
    EXPECT_EQ(root.inputs().humanReadableInputForCurrency(u"USD"_qs), u"1.5"_qs);
    EXPECT_EQ(root.settings().defaultCurrency(), std::nullopt);
    ASSERT_TRUE(root.settings().setDefaultCurrency(u"JPY"_qs).isDone());
    EXPECT_EQ(FXUserDefaults(home.configHome() + u"/io.github.cambio.Cambio/io.github.cambio.Cambio.group.conf"_qs)
                  .stringForKey(u"UserBaseCurrency"_qs),
              u"JPY"_qs);
}

TEST(CompositionRoot, QuittingNeverWaitsForTheRatesServer)
{
    const TemporaryHome home;
    LoopbackHttpServer server;
    server.setResponse({.stalls = true});
    const ScopedEnvironment ratesServer("CAMBIO_RATES_URL", server.url().toString().toUtf8());

    QProcess program;
    program.start(QStringLiteral(QUIT_DURING_REFRESH_PATH), QStringList());
    // The download alone would wait 20 s for the stalled server.
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(server.requests().size(), 1);
    const QStringList stored = QDir(home.dataHome() + QStringLiteral("/io.github.cambio.Cambio.group"))
                                   .entryList(QDir::Files | QDir::Hidden);
    const QStringList kept{u"CurrencyRates.plist"_qs, u"CurrencyRates.plist.cache"_qs};
    EXPECT_TRUE(std::all_of(stored.cbegin(), stored.cend(), [&](const QString &name) { return kept.contains(name); }))
        << qPrintable(stored.join(u' '));
}

