#include "RatesServiceSupport.h"

#include "FXBaseRates.h"
#include "FXHelpText.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Runs the built cambio-ratesd, and cambio-cli against it, in a home of the test's own.
class RatesServerProcess : public RatesServiceTest {
protected:
    QStringList loopbackSources() const
    {
        return {QStringLiteral("--ecb-url"), ecb.url(QStringLiteral("/eurofxref-daily.xml")).toString(),
                QStringLiteral("--api-url"), api.url(QStringLiteral("/usd.json")).toString(),
                QStringLiteral("--state-dir"), folder.filePath(QStringLiteral("state"))};
    }

    // Waits until the server's log has a line matching `pattern`; its first group.
    QString waitForLog(QProcess &process, const QString &pattern)
    {
        const QRegularExpression expression(pattern);
        QElapsedTimer elapsed;
        elapsed.start();
        for (bool running = true; running && elapsed.elapsed() < 20000;) {
            running = process.waitForReadyRead(100) || process.state() != QProcess::NotRunning;
            m_log += QString::fromUtf8(process.readAllStandardError());
            const QRegularExpressionMatch match = expression.match(m_log);
            if (match.hasMatch())
                return match.captured(1);
        }
        ADD_FAILURE() << "no " << pattern.toStdString() << " in " << m_log.toStdString();
        return {};
    }

    static int finish(QProcess &process, int timeout = 20000)
    {
        EXPECT_TRUE(process.state() == QProcess::NotRunning || process.waitForFinished(timeout));
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    TemporaryHome home;
    QString m_log;
};

}

TEST_F(RatesServerProcess, TakesAPassedSocketAndExitsWhenIdle)
{
    // A launcher in the manner of systemd: a listening socket as descriptor 3, LISTEN_PID naming
    // the process that execs the server. Three idle seconds leave a loaded machine time to ask.
    QTcpServer socket;
    ASSERT_TRUE(socket.listen(QHostAddress::LocalHost, 0));
    ASSERT_EQ(::fcntl(int(socket.socketDescriptor()), F_SETFD, 0), 0);   // the launcher inherits it
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"),
                   QStringLiteral("export LISTEN_PID=$$ LISTEN_FDS=1; exec \"$0\" \"$@\" 3<&%1").arg(socket.socketDescriptor()),
                   QStringLiteral(CAMBIO_RATESD_PATH), QStringLiteral("--idle-exit"), QStringLiteral("3"),
                   QStringLiteral("--listen"), QStringLiteral("127.0.0.1:1"), QStringLiteral("--base"), basePath,
                   QStringLiteral("--max-age"), QString::number(365 * 86400)}
                      + loopbackSources());
    ASSERT_TRUE(process.waitForStarted());
    const quint16 port = socket.serverPort();
    waitForLog(process, QStringLiteral("listening on the passed socket, http://127.0.0.1:%1/").arg(port));
    socket.close();
    waitForLog(process, QStringLiteral("(api: \\d+ currencies)"));

    const QByteArray body = httpRequest(port, "GET", QStringLiteral("/lab/lumenfold/update.php")).body;
    EXPECT_TRUE(body.startsWith("{\"AED\":")) << body.constData();
    waitForLog(process, QStringLiteral("(no request for 3 s; exiting)"));
    EXPECT_EQ(finish(process), 0);
    EXPECT_TRUE(m_log.contains(u"--listen does not apply"));
}

TEST_F(RatesServerProcess, OnceWritesTheTableOrFailsWithoutTouchingIt)
{
    const QString output = folder.filePath(QStringLiteral("rates.json"));
    QProcess process;
    process.start(QStringLiteral(CAMBIO_RATESD_PATH), loopbackSources() + QStringList{QStringLiteral("--once"), output});
    EXPECT_EQ(finish(process), 0) << process.readAllStandardError().constData();
    const auto written = FXBaseRates::read(output);
    ASSERT_TRUE(written.isSuccess());
    EXPECT_EQ(written.rates().rates.value(QStringLiteral("CZK")), FXRates::fromBase(25.012 / 1.0867));

    QFile::remove(output);
    const QString refusing = LoopbackHttpServer::refusingUrl().toString();
    process.start(QStringLiteral(CAMBIO_RATESD_PATH),
                  {QStringLiteral("--ecb-url"), refusing, QStringLiteral("--api-url"), refusing,
                   QStringLiteral("--state-dir"), folder.filePath(QStringLiteral("state")), QStringLiteral("--once"), output});
    EXPECT_EQ(finish(process), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("no live source answered"));
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(RatesServerProcess, CambioCliUpdatesFromIt)
{
    QProcess server;
    server.start(QStringLiteral(CAMBIO_RATESD_PATH), loopbackSources() + QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")});
    const QString port = waitForLog(server, QStringLiteral("listening on http://127.0.0.1:(\\d+)/"));

    // "localhost", as in the clients' default address, also reaches a server on 127.0.0.1.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    environment.insert(QStringLiteral("CAMBIO_RATES_URL"), QStringLiteral("http://localhost:%1/lab/lumenfold/update.php").arg(port));
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(CAMBIO_CLI_PATH), {QStringLiteral("update")});
    EXPECT_EQ(finish(cli), 0) << cli.readAllStandardError().constData();
    EXPECT_TRUE(cli.readAllStandardOutput().startsWith("Updated "));
    cli.start(QStringLiteral(CAMBIO_CLI_PATH), {QStringLiteral("rates"), QStringLiteral("EUR"), QStringLiteral("BTC")});
    EXPECT_EQ(finish(cli), 0);
    const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[1], QStringLiteral("EUR 0.9301 1.0751532093323297"));
    EXPECT_EQ(lines[2], QStringLiteral("BTC 1.05e-05 95238.09523809524"));
    server.kill();
    server.waitForFinished();
}

TEST_F(RatesServerProcess, RefusesAnAddressInUseOrABadOption)
{
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
    QProcess process;
    process.start(QStringLiteral(CAMBIO_RATESD_PATH),
                  loopbackSources() + QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(taken.serverPort())});
    EXPECT_EQ(finish(process), 1);
    EXPECT_TRUE(process.readAllStandardError().contains(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(taken.serverPort()).toUtf8()));

    process.start(QStringLiteral(CAMBIO_RATESD_PATH), {QStringLiteral("--max-age"), QStringLiteral("soon")});
    EXPECT_EQ(finish(process), 2);
    EXPECT_EQ(process.readAllStandardError().toStdString(),
              "cambio-ratesd: --max-age needs a whole number of seconds from 1 to 315360000: soon "
              "(see cambio-ratesd --help)\n");
}

// Its help and the mistakes of its command line in the user's language; the help fits a terminal
// of 80 columns in every language.
TEST_F(RatesServerProcess, SpeaksTheUsersLanguageOnItsCommandLine)
{
    QProcess process;
    const auto run = [&](const QString &language, const QStringList &arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(CAMBIO_RATESD_PATH), arguments);
        return finish(process);
    };
    const QStringList help{QStringLiteral("--help")};
    ASSERT_EQ(run(QStringLiteral("en"), help), 0);
    const QByteArray english = process.readAllStandardOutput();
    const QStringList catalogues = QDir(QStringLiteral(CAMBIO_TRANSLATIONS_DIR))
                                       .entryList({QStringLiteral("cambio_*.ts")});
    ASSERT_GT(catalogues.size(), 10);
    for (const QString &catalogue : catalogues) {
        const QString language = catalogue.mid(7).chopped(3);
        EXPECT_EQ(run(language, help), 0) << qPrintable(language);
        const QByteArray shown = process.readAllStandardOutput();
        EXPECT_EQ(shown == english, language == u"en") << qPrintable(language);
        for (const QString &line : QString::fromUtf8(shown).split(u'\n'))
            EXPECT_LE(FXHelpText::columns(line), FXHelpText::Width) << qPrintable(language) << ": " << qPrintable(line);
    }

    EXPECT_EQ(run(QStringLiteral("de"), {QStringLiteral("--max-age"), QStringLiteral("soon")}), 2);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()).toStdString(),
              "cambio-ratesd: --max-age braucht eine ganze Zahl von Sekunden zwischen 1 und "
              "315360000: soon (siehe cambio-ratesd --help)\n");
}

// A write that fails midway, here past the file size limit as it would on a full disk, leaves the
// previous file whole and makes --once fail with the reason.
TEST_F(RatesServerProcess, OnceKeepsThePreviousFileWhenTheWriteFails)
{
    const QString output = folder.filePath(QStringLiteral("rates.json"));
    QFile previous(output);
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write(QByteArray(4096, ' ') + "{}");
    previous.close();
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 2; exec \"$0\" \"$@\""),
                              QStringLiteral(CAMBIO_RATESD_PATH), QStringLiteral("--once"), output}
                      + loopbackSources());
    EXPECT_EQ(finish(process), 1);
    EXPECT_TRUE(process.readAllStandardError().endsWith(
        QStringLiteral("\ncannot write %1: File too large; %1 left as it was\n").arg(output).toUtf8()));
    EXPECT_EQ(contents(output), QByteArray(4096, ' ') + "{}");
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("rates.json*")}, QDir::Files),
              QStringList{QStringLiteral("rates.json")});
}

namespace {

// Processor time that the process has used so far, in clock ticks.
qint64 processorTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // The fields after the command's name, which may hold spaces, in parentheses.
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

}

// Idle connections by the hundred under a descriptor limit that cannot be raised: the server
// neither spins on accepting nor stops answering.
TEST_F(RatesServerProcess, KeepsAnsweringWhenOutOfDescriptors)
{
    QProcess server;
    server.start(QStringLiteral("/bin/sh"),
                 QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -n 48; exec \"$0\" \"$@\""),
                             QStringLiteral(CAMBIO_RATESD_PATH), QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                             QStringLiteral("--base"), basePath, QStringLiteral("--max-age"), QString::number(365 * 86400)}
                     + loopbackSources());
    const quint16 port = waitForLog(server, QStringLiteral("listening on http://127.0.0.1:(\\d+)/")).toUShort();
    ASSERT_NE(port, 0);
    std::vector<std::unique_ptr<RawHttpClient>> idle;
    for (int index = 0; index < 100; ++index)
        idle.push_back(std::make_unique<RawHttpClient>(port));
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    const qint64 ticksBefore = processorTicks(server.processId());
    RawHttpClient client(port);
    client.send("GET /lab/lumenfold/update.php HTTP/1.1\r\nHost: x\r\n\r\n");
    const QList<HttpAnswer> answers = client.receive(1);
    ASSERT_EQ(answers.size(), 1) << server.readAllStandardError().constData();
    EXPECT_EQ(answers[0].status, 200);
    elapsed.restart();
    while (elapsed.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_LT(processorTicks(server.processId()) - ticksBefore, sysconf(_SC_CLK_TCK) / 2);
    server.kill();
    server.waitForFinished();
}

// The soft limit of 1024 that services get by default is soon reached on a network.
TEST_F(RatesServerProcess, RaisesItsDescriptorLimitToTheHardOne)
{
    QProcess server;
    server.start(QStringLiteral("/bin/sh"),
                 QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -Sn 64; exec \"$0\" \"$@\""),
                             QStringLiteral(CAMBIO_RATESD_PATH), QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")}
                     + loopbackSources());
    waitForLog(server, QStringLiteral("listening on http://127.0.0.1:(\\d+)/"));
    QFile limits(QStringLiteral("/proc/%1/limits").arg(server.processId()));
    ASSERT_TRUE(limits.open(QIODevice::ReadOnly));
    QByteArray openFiles;
    for (const QByteArray &line : limits.readAll().split('\n')) {
        if (line.startsWith("Max open files"))
            openFiles = line.simplified();
    }
    const QList<QByteArray> values = openFiles.split(' ');
    ASSERT_GE(values.size(), 5) << openFiles.constData();
    EXPECT_EQ(values[3], values[4]);
    EXPECT_NE(values[3], "64");
    server.kill();
    server.waitForFinished();
}
