#include "FXCompositionRoot.h"

#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"
#include "ReadableName.h"
#include "ScopedEnvironment.h"
#include "TemporaryHome.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Source {
    const char *name;
    std::optional<QByteArray> environment;
    QVariant defaultsValue;
    const char *url;
};

void PrintTo(const Source &source, std::ostream *out) { *out << source.name; }

class RatesServerAddress : public ::testing::TestWithParam<Source> {
protected:
    TemporaryHome home;
};

TEST_P(RatesServerAddress, ComesFromTheFirstSourceThatNamesOne)
{
    const ScopedEnvironment variable("CAMBIO_RATES_URL", GetParam().environment);
    FXUserDefaults defaults(home.configHome() + u"/group.conf");
    defaults.setObject(GetParam().defaultsValue, QStringLiteral("RatesServerURL"));

    EXPECT_EQ(FXCompositionRoot::ratesServerURL(defaults), QString::fromUtf8(GetParam().url));
}

INSTANTIATE_TEST_SUITE_P(Sources, RatesServerAddress, ::testing::Values(
    Source{"environment first", "http://env.example/update.php", QStringLiteral("http://defaults.example/u"),
           "http://env.example/update.php"},
    Source{"then the defaults", std::nullopt, QStringLiteral(" http://defaults.example/u "), "http://defaults.example/u"},
    Source{"then the built-in server", std::nullopt, QVariant(), "http://localhost:8642/lab/lumenfold/update.php"}), ReadableName());

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

