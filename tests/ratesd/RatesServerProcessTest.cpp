#include "RatesServiceSupport.h"

#include "FXBaseRates.h"
#include "FXHelpText.h"
#include "TemporaryHome.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Runs the built cambio-ratesd, and cambio-cli against it, in a home of the test's own.
class RatesServerProcess : public RatesServiceTest {
protected:
    // Starts the server with `arguments` (split at spaces) and the loopback sources, after `shell`.
    void start(QProcess &process, const QString &arguments, const QString &shell = u":"_qs)
    {
        const QStringList all = arguments.split(u' ', Qt::SkipEmptyParts) + QStringList{
            u"--ecb-url"_qs, ecb.url(u"/eurofxref-daily.xml"_qs).toString(), u"--api-url"_qs,
            api.url(u"/usd.json"_qs).toString(), u"--state-dir"_qs, folder.filePath(u"state"_qs)};
        const QString exec = shell + u"; exec \"$0\" \"$@\""_qs;
        process.start(u"/bin/sh"_qs, QStringList{u"-c"_qs, exec, QStringLiteral(CAMBIO_RATESD_PATH)} + all);
    }

    // Waits until the server's log has a line matching `pattern`; its first group.
    QString waitForLog(QProcess &process, const QString &pattern)
    {
        const QRegularExpression expression(pattern);
        QRegularExpressionMatch match;
        runUntil([&] {
            process.waitForReadyRead(100);
            m_log += QString::fromUtf8(process.readAllStandardError());
            match = expression.match(m_log);
            return match.hasMatch() || process.state() == QProcess::NotRunning;
        }, Patience);
        EXPECT_TRUE(match.hasMatch()) << "no " << pattern.toStdString() << " in " << m_log.toStdString();
        return match.captured(1);
    }

    static int finish(QProcess &process)
    {
        EXPECT_TRUE(process.state() == QProcess::NotRunning || process.waitForFinished(20000));
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    TemporaryHome home;
    QString m_log;
};

}

// Started as systemd does, with a listening socket as descriptor 3; cambio-cli's default "localhost"
// reaches it on 127.0.0.1. Five idle seconds leave a loaded machine time to ask.
TEST_F(RatesServerProcess, TakesAPassedSocketServesCambioCliAndExitsWhenIdle)
{
    QTcpServer socket;
    ASSERT_TRUE(socket.listen(QHostAddress::LocalHost, 0));
    ASSERT_EQ(::fcntl(int(socket.socketDescriptor()), F_SETFD, 0), 0);   // the launcher inherits it
    QProcess server;
    start(server, QStringLiteral("--idle-exit 5 --listen 127.0.0.1:1 --max-age 31536000 --base ") + basePath,
          QStringLiteral("export LISTEN_PID=$$ LISTEN_FDS=1; exec 3<&%1").arg(socket.socketDescriptor()));
    const quint16 port = socket.serverPort();
    waitForLog(server, QStringLiteral("listening on the passed socket, http://127.0.0.1:%1/").arg(port));
    socket.close();
    waitForLog(server, QStringLiteral("(api: \\d+ currencies)"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    environment.insert(QStringLiteral("CAMBIO_RATES_URL"), QStringLiteral("http://localhost:%1/lab/lumenfold/update.php").arg(port));
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(CAMBIO_CLI_PATH), {u"update"_qs});
    EXPECT_EQ(finish(cli), 0) << cli.readAllStandardError().constData();
    EXPECT_TRUE(cli.readAllStandardOutput().startsWith("Updated "));

    waitForLog(server, QStringLiteral("(no request for 5 s; exiting)"));
    EXPECT_EQ(finish(server), 0);
    EXPECT_TRUE(m_log.contains(u"--listen does not apply"));
}

// A full disk (the file size limit) or silent sources leave the previous file and fail --once.
TEST_F(RatesServerProcess, OnceWritesTheTableOrFailsLeavingThePreviousFile)
{
    const QString output = folder.filePath(QStringLiteral("rates.json"));
    QProcess process;
    start(process, QStringLiteral("--once ") + output);
    EXPECT_EQ(finish(process), 0) << process.readAllStandardError().constData();
    const auto written = FXBaseRates::read(output);
    ASSERT_TRUE(written.isSuccess());
    EXPECT_EQ(written.rates().rates.value(QStringLiteral("CZK")), FXRates::fromBase(25.012 / 1.0867));

    const QByteArray previous = contents(output);
    QDir(folder.filePath(QStringLiteral("state"))).removeRecursively();
    start(process, QStringLiteral("--once ") + output, QStringLiteral("trap '' XFSZ; ulimit -f 2"));
    EXPECT_EQ(finish(process), 1);
    EXPECT_TRUE(process.readAllStandardError().endsWith(
        QStringLiteral("\ncannot write %1: File too large; %1 left as it was\n").arg(output).toUtf8()));
    EXPECT_EQ(contents(output), previous);

    ecb.setResponse({503, {}});
    api.setResponse({503, {}});
    start(process, QStringLiteral("--once ") + output);
    EXPECT_EQ(finish(process), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("no live source answered"));
    EXPECT_EQ(contents(output), previous);
}

// Its help, within 80 columns, and the mistakes of its command line in the user's language.
TEST_F(RatesServerProcess, SpeaksTheUsersLanguageOnItsCommandLine)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"LC_ALL"_qs);
    environment.insert(u"LANGUAGE"_qs, u"ja"_qs);
    environment.insert(u"LANG"_qs, u"en_US.UTF-8"_qs);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CAMBIO_RATESD_PATH), {u"--help"_qs});
    EXPECT_EQ(finish(process), 0);
    const QString help = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(help.contains(u"オプション:"));
    for (const QString &line : help.split(u'\n'))
        EXPECT_LE(FXHelpText::columns(line), FXHelpText::Width) << qPrintable(line);

    environment.insert(u"LANGUAGE"_qs, u"de"_qs);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CAMBIO_RATESD_PATH), {u"--max-age"_qs, u"soon"_qs});
    EXPECT_EQ(finish(process), 2);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()).toStdString(),
              "cambio-ratesd: --max-age braucht eine ganze Zahl von Sekunden zwischen 1 und "
              "315360000: soon (siehe cambio-ratesd --help)\n");
}

// It raises the soft descriptor limit (services get 1024) to the hard one; beyond it, idle
// connections by the hundred neither make it spin nor stop it answering. A second server is refused.
TEST_F(RatesServerProcess, KeepsItsAddressAndAnswersWhenOutOfDescriptors)
{
    QProcess server;
    start(server, QStringLiteral("--listen 127.0.0.1:0 --max-age 31536000 --base ") + basePath,
          QStringLiteral("ulimit -Sn 40; ulimit -Hn 64"));
    const quint16 port = waitForLog(server, QStringLiteral("listening on http://127.0.0.1:(\\d+)/")).toUShort();
    ASSERT_NE(port, 0);
    QProcess second;
    start(second, QStringLiteral("--listen 127.0.0.1:%1").arg(port));
    EXPECT_EQ(finish(second), 1);
    const QByteArray refused = second.readAllStandardError();
    EXPECT_TRUE(refused.contains(QByteArray("cannot listen on 127.0.0.1:" + QByteArray::number(port))));
    const QByteArray limits = contents(QStringLiteral("/proc/%1/limits").arg(server.processId()));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("Max open files +64 +64 ")).match(QString::fromLatin1(limits)).hasMatch())
        << limits.constData();

    std::vector<std::unique_ptr<RawHttpClient>> idle;
    for (int index = 0; index < 100; ++index)
        idle.push_back(std::make_unique<RawHttpClient>(port));
    QTest::qWait(500);
    // Its processor time in clock ticks, from the fields after its name (in parentheses).
    const auto ticks = [&server] {
        const QByteArray stat = contents(u"/proc/%1/stat"_qs.arg(server.processId()));
        const QList<QByteArray> fields = stat.split(')').last().trimmed().split(' ');
        return fields.value(11).toLongLong() + fields.value(12).toLongLong();
    };
    const qint64 ticksBefore = ticks();
    RawHttpClient client(port);
    client.send("GET /lab/lumenfold/update.php HTTP/1.1\r\nHost: x\r\n\r\n");
    const QList<HttpAnswer> answers = client.receive(1);
    ASSERT_EQ(answers.size(), 1) << server.readAllStandardError().constData();
    EXPECT_EQ(answers[0].status, 200);
    QTest::qWait(1000);
    EXPECT_LT(ticks() - ticksBefore, sysconf(_SC_CLK_TCK) / 2);
    server.kill();
    server.waitForFinished();
}
