#include "RatesServiceSupport.h"

#include "FXBaseRates.h"
#include "FXHelpText.h"
#include "TemporaryHome.h"
#include "TestData.h"

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
    // Starts the server with `arguments` (split at spaces) and the loopback sources, after `shell`
    // (as "ulimit -n 48"), which ends by running it in its own process.
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
        waitUntil([&] {
            process.waitForReadyRead(100);
            m_log += QString::fromUtf8(process.readAllStandardError());
            match = expression.match(m_log);
            return match.hasMatch() || process.state() == QProcess::NotRunning;
        });
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

// Processor time that the process has used so far, in clock ticks.
qint64 processorTicks(qint64 pid)
{
    // The fields after the command's name, which may hold spaces, in parentheses.
    const QList<QByteArray> fields = contents(QStringLiteral("/proc/%1/stat").arg(pid)).split(')').last().trimmed().split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

}

// A launcher in the manner of systemd: a listening socket as descriptor 3, LISTEN_PID naming the
// process that execs the server. cambio-cli updates from it, "localhost" (the clients' default
// address) reaching a server on 127.0.0.1. Five idle seconds leave a loaded machine time to ask.
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

// A write that fails midway, here past the file size limit as it would on a full disk, or sources
// that do not answer leave the previous file whole and make --once fail with the reason.
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
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("rates.json*")}, QDir::Files), QStringList{QStringLiteral("rates.json")});

    ecb.setResponse({503, {}});
    api.setResponse({503, {}});
    start(process, QStringLiteral("--once ") + output);
    EXPECT_EQ(finish(process), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("no live source answered"));
    EXPECT_EQ(contents(output), previous);
}

TEST_F(RatesServerProcess, RefusesAnAddressInUse)
{
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
    QProcess process;
    start(process, QStringLiteral("--listen 127.0.0.1:%1").arg(taken.serverPort()));
    EXPECT_EQ(finish(process), 1);
    EXPECT_TRUE(process.readAllStandardError().contains(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(taken.serverPort()).toUtf8()));
}

// Its help and the mistakes of its command line in the user's language; the help fits a terminal
// of 80 columns in every language.
TEST_F(RatesServerProcess, SpeaksTheUsersLanguageOnItsCommandLine)
{
    QProcess process;
    const auto run = [&](const QString &language, const QStringList &arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"LC_ALL"_qs);
        environment.insert(u"LANGUAGE"_qs, language);
        environment.insert(u"LANG"_qs, u"en_US.UTF-8"_qs);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CAMBIO_RATESD_PATH), arguments);
        return finish(process);
    };
    ASSERT_EQ(run(u"en"_qs, {u"--help"_qs}), 0);
    const QByteArray english = process.readAllStandardOutput();
    const QDir translations(QStringLiteral(CAMBIO_TRANSLATIONS_DIR));
    const QStringList catalogues = translations.entryList({u"cambio_*.ts"_qs});
    ASSERT_GT(catalogues.size(), 10);
    for (const QString &catalogue : catalogues) {
        const QString language = catalogue.mid(7).chopped(3);
        EXPECT_EQ(run(language, {u"--help"_qs}), 0) << qPrintable(language);
        const QByteArray shown = process.readAllStandardOutput();
        EXPECT_EQ(shown == english, language == u"en") << qPrintable(language);
        for (const QString &line : QString::fromUtf8(shown).split(u'\n'))
            EXPECT_LE(FXHelpText::columns(line), FXHelpText::Width) << qPrintable(language) << ": " << qPrintable(line);
    }
    EXPECT_EQ(run(u"de"_qs, {u"--max-age"_qs, u"soon"_qs}), 2);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()).toStdString(),
              "cambio-ratesd: --max-age braucht eine ganze Zahl von Sekunden zwischen 1 und "
              "315360000: soon (siehe cambio-ratesd --help)\n");
}

// The soft limit of 1024 that services get by default is soon reached on a network: the server
// raises it to the hard one. Idle connections by the hundred beyond that: it neither spins on
// accepting nor stops answering.
TEST_F(RatesServerProcess, RaisesItsDescriptorLimitAndKeepsAnsweringWhenOutOfDescriptors)
{
    QProcess server;
    start(server, QStringLiteral("--listen 127.0.0.1:0 --max-age 31536000 --base ") + basePath,
          QStringLiteral("ulimit -Sn 40; ulimit -Hn 64"));
    const quint16 port = waitForLog(server, QStringLiteral("listening on http://127.0.0.1:(\\d+)/")).toUShort();
    ASSERT_NE(port, 0);
    const QByteArray limits = contents(QStringLiteral("/proc/%1/limits").arg(server.processId()));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("Max open files +64 +64 ")).match(QString::fromLatin1(limits)).hasMatch())
        << limits.constData();

    std::vector<std::unique_ptr<RawHttpClient>> idle;
    for (int index = 0; index < 100; ++index)
        idle.push_back(std::make_unique<RawHttpClient>(port));
    waitUntil([] { return false; }, std::chrono::milliseconds(500));
    const qint64 ticksBefore = processorTicks(server.processId());
    RawHttpClient client(port);
    client.send("GET /lab/lumenfold/update.php HTTP/1.1\r\nHost: x\r\n\r\n");
    const QList<HttpAnswer> answers = client.receive(1);
    ASSERT_EQ(answers.size(), 1) << server.readAllStandardError().constData();
    EXPECT_EQ(answers[0].status, 200);
    waitUntil([] { return false; }, std::chrono::seconds(1));
    EXPECT_LT(processorTicks(server.processId()) - ticksBefore, sysconf(_SC_CLK_TCK) / 2);
    server.kill();
    server.waitForFinished();
}
