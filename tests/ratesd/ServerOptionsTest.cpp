#include "FXServerOptions.h"
#include "ReadableName.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ServerOptions : public ::testing::Test {
protected:
    FXServerCommandLine::Result parse(const char *arguments, const QByteArray &config = {})
    {
        QFile file(configPath);
        if (!config.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(config);
        file.close();
        QStringList list;
        for (const QString &argument : QString::fromUtf8(arguments).split(u' ', Qt::SkipEmptyParts))
            list.append(argument == u"''" ? QString() : argument);
        return FXServerCommandLine::parse(list, configPath);
    }

    QTemporaryDir folder;
    QString configPath = folder.filePath(QStringLiteral("cambio-ratesd.conf"));
};

struct Refusal {
    const char *arguments;
    const char *config;
    const char *error;   // the start of the message
};

void PrintTo(const Refusal &refusal, std::ostream *out) { *out << refusal.arguments << " / " << refusal.config; }

class ServerOptionsRefusal : public ServerOptions, public ::testing::WithParamInterface<Refusal> {};

}

// Loopback unless told otherwise, and a maximum age that covers the bank's Easter closing. The
// command line wins over the config file, whose empty URLs turn a source off.
TEST_F(ServerOptions, DefaultsToLoopbackAndTheCommandLineWinsOverTheConfigFile)
{
    const auto defaults = parse("");
    ASSERT_EQ(defaults.action, FXServerCommandLine::Action::Run) << defaults.text.toStdString();
    EXPECT_EQ(defaults.options.address, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(defaults.options.port, 8642);
    EXPECT_EQ(defaults.options.apiUrls.size(), 2);
    EXPECT_EQ(defaults.options.maximumAge.count(), 7 * 86400);

    const auto result = parse("--listen [::1]:9000 --api-url http://b.example/usd.json --ecb-url ''",
                              "# a household server\n"
                              "listen = 0.0.0.0:8000\n"
                              "api-url = http://a.example/usd.json\n"
                              "api-url = http://a2.example/usd.json\n"
                              "max-age = 86400\n"
                              "idle-exit = 600\n");
    ASSERT_EQ(result.action, FXServerCommandLine::Action::Run) << result.text.toStdString();
    EXPECT_EQ(result.options.address, QHostAddress(QStringLiteral("::1")));
    EXPECT_EQ(result.options.port, 9000);
    EXPECT_EQ(result.options.apiUrls, QList<QUrl>{QUrl(QStringLiteral("http://b.example/usd.json"))});
    EXPECT_TRUE(result.options.ecbUrls.isEmpty());
    EXPECT_EQ(result.options.ecbHistoryUrl, QUrl(FXServerCommandLine::defaultEcbHistoryUrl()));
    EXPECT_EQ(result.options.maximumAge.count(), 86400);
    EXPECT_EQ(result.options.idleExit.count(), 600);

    const auto fromFile = parse("", "api-url = http://a.example/usd.json\napi-url = http://a2.example/usd.json\n"
                                    "ecb-url = \"\"\necb-history-url = \"\"\n");
    EXPECT_TRUE(fromFile.options.ecbHistoryUrl.isEmpty());
    EXPECT_EQ(fromFile.options.apiUrls.size(), 2);
    EXPECT_TRUE(fromFile.options.ecbUrls.isEmpty());
}

TEST_P(ServerOptionsRefusal, SaysWhatIsWrong)
{
    const auto result = parse(GetParam().arguments, GetParam().config);
    EXPECT_EQ(result.action, FXServerCommandLine::Action::UsageError);
    EXPECT_TRUE(result.text.contains(QString::fromLatin1(GetParam().error))) << result.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Options, ServerOptionsRefusal, ::testing::Values(
    Refusal{"--listen 8642", "", "--listen needs ADDRESS:PORT"},
    Refusal{"--listen 127.0.0.1:70000", "", "--listen needs ADDRESS:PORT"},
    Refusal{"--api-url ftp://example.org/usd.json", "", "--api-url needs an http or https URL"},
    Refusal{"--ecb-history-url file:///tmp/hist.xml", "", "--ecb-history-url needs an http or https URL"},
    Refusal{"--max-age 0", "", "--max-age needs a whole number of seconds from 1 to 315360000: 0"},
    Refusal{"--max-age 315360001", "", "--max-age needs a whole number of seconds from 1 to 315360000"},
    Refusal{"--max-age 3d", "", "--max-age needs a whole number of seconds"},
    Refusal{"--idle-exit -1", "", "--idle-exit needs a whole number of seconds from 0 to 2147483: -1"},
    Refusal{"--idle-exit 2147484", "", "--idle-exit needs a whole number of seconds from 0 to 2147483"},
    Refusal{"", "idle-exit = 4294968\n", "--idle-exit needs a whole number of seconds from 0 to 2147483"},
    Refusal{"--once", "", "Missing value after '--once'"},
    Refusal{"serve", "", "unexpected argument: serve"},
    Refusal{"", "listen = 127.0.0.1:8642\ncolour = blue\n", "cambio-ratesd.conf:2: not a setting: colour = blue"}),
    ReadableName());
