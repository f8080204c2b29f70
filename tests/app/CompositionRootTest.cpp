#include "FXCompositionRoot.h"

#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"
#include "ScopedEnvironment.h"
#include "TemporaryHome.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

TEST(CompositionRoot, TheRatesServerComesFromTheEnvironmentElseTheSettingsElseTheBuiltInOne)
{
    const TemporaryHome home;
    const ScopedEnvironment unset("CAMBIO_RATES_URL", std::nullopt);
    FXUserDefaults defaults(home.configHome() + u"/group.conf");
    EXPECT_EQ(FXCompositionRoot::ratesServerURL(defaults),
              u"http://localhost:8642/lab/lumenfold/update.php"_qs);
    defaults.setObject(u" http://defaults.example/u "_qs, u"RatesServerURL"_qs);
    EXPECT_EQ(FXCompositionRoot::ratesServerURL(defaults), u"http://defaults.example/u"_qs);
    const ScopedEnvironment variable("CAMBIO_RATES_URL", QByteArray("http://env.example/update.php"));
    EXPECT_EQ(FXCompositionRoot::ratesServerURL(defaults), u"http://env.example/update.php"_qs);
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
    for (const QString &name : stored)
        EXPECT_TRUE(kept.contains(name)) << qPrintable(name);
}

