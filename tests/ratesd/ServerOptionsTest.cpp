#include "FXServerOptions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// "ADDRESS:PORT api=HOSTS ecb=HOSTS history=HOST max-age=S idle-exit=S", or what is wrong.
std::string summary(const FXServerCommandLine::Result &result)
{
    if (result.action != FXServerCommandLine::Action::Run)
        return result.text.toStdString();
    const FXServerOptions &options = result.options;
    const auto hosts = [](const QList<QUrl> &urls) {
        QStringList names;
        for (const QUrl &url : urls)
            names.append(url.host());
        return names.join(u',');
    };
    return u"%1:%2 api=%3 ecb=%4 history=%5 max-age=%6 idle-exit=%7"_qs
        .arg(options.address.toString()).arg(options.port).arg(hosts(options.apiUrls), hosts(options.ecbUrls))
        .arg(options.ecbHistoryUrl.host()).arg(options.maximumAge.count()).arg(options.idleExit.count())
        .toStdString();
}

}

// Loopback unless told otherwise, a maximum age over the bank's Easter closing; empty URLs turn off.
TEST(ServerOptions, ComeFromTheCommandLineOverTheConfigFileOrSayWhatIsWrong)
{
    const struct {
        const char *arguments;   // '' for an empty argument
        const char *config;
        const char *answer;      // the options in short, or what is wrong
    } parses[] = {
        {"", "", "127.0.0.1:8642 api=cdn.jsdelivr.net,latest.currency-api.pages.dev ecb=www.ecb.europa.eu "
                 "history=www.ecb.europa.eu max-age=604800 idle-exit=0"},
        {"--listen [::1]:9000 --api-url http://b.example/usd.json --ecb-url ''",
         "# a household server\nlisten = 0.0.0.0:8000\napi-url = http://a.example/usd.json\n"
         "api-url = http://a2.example/usd.json\nmax-age = 86400\nidle-exit = 600\n",
         "::1:9000 api=b.example ecb= history=www.ecb.europa.eu max-age=86400 idle-exit=600"},
        {"", "api-url = http://a.example/usd.json\napi-url = http://a2.example/usd.json\n"
             "ecb-url = \"\"\necb-history-url = \"\"\n", "api=a.example,a2.example ecb= history= "},
        {"--listen 8642", "", "--listen needs ADDRESS:PORT"},
        {"--listen 127.0.0.1:70000", "", "--listen needs ADDRESS:PORT"},
        {"--api-url ftp://example.org/usd.json", "", "--api-url needs an http or https URL"},
        {"--max-age 0", "", "--max-age needs a whole number of seconds from 1 to 315360000: 0"},
        {"--max-age 3d", "", "--max-age needs a whole number of seconds"},
        {"--idle-exit 2147484", "", "--idle-exit needs a whole number of seconds from 0 to 2147483"},
        {"--once", "", "Missing value after '--once'"},
        {"serve", "", "unexpected argument: serve"},
        {"", "listen = 127.0.0.1:8642\ncolour = blue\n",
         "cambio-ratesd.conf:2: not a setting: colour = blue"}};
    QTemporaryDir folder;
    const QString configPath = folder.filePath(u"cambio-ratesd.conf"_qs);
    for (const auto &parse : parses) {
        QFile file(configPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(parse.config);
        file.close();
        QStringList arguments;
        for (const QString &argument : QString::fromUtf8(parse.arguments).split(u' ', Qt::SkipEmptyParts))
            arguments.append(argument == u"''" ? QString() : argument);
        const std::string answer = summary(FXServerCommandLine::parse(arguments, configPath));
        EXPECT_NE(answer.find(parse.answer), std::string::npos) << answer;
    }
}
