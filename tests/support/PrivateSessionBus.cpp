#include "PrivateSessionBus.h"

#include <QDBusConnectionInterface>
#include <QFile>

#include <csignal>

#include <sys/prctl.h>

namespace {

bool write(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

}

PrivateSessionBus::PrivateSessionBus(const QList<Service> &services,
                                     const QProcessEnvironment &environment)
{
    const QString folder = m_folder.path();
    const QString configuration = QStringLiteral(
        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
        "<busconfig>\n"
        "  <type>session</type>\n"
        "  <listen>unix:dir=%1</listen>\n"
        "  <servicedir>%1</servicedir>\n"
        "  <policy context=\"default\">\n"
        "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
        "    <allow eavesdrop=\"true\"/>\n"
        "    <allow own=\"*\"/>\n"
        "  </policy>\n"
        "</busconfig>\n").arg(folder);
    if (!write(folder + QStringLiteral("/bus.conf"), configuration))
        return;
    for (const Service &service : services) {
        QStringList quoted;
        for (const QString &word : service.command)
            quoted.append(u'"' + word + u'"');
        const QString file = QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2\n")
                                 .arg(service.name, quoted.join(u' '));
        if (!write(folder + u'/' + service.name + QStringLiteral(".service"), file))
            return;
    }
    m_daemon.setProcessEnvironment(environment);
    // Nor does it outlive a test that crashes.
    m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // It logs every activation.
    m_daemon.setStandardErrorFile(QProcess::nullDevice());
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + folder + QStringLiteral("/bus.conf"),
                    QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    while (m_daemon.waitForReadyRead(10000) && !m_daemon.canReadLine()) {
    }
    if (m_daemon.canReadLine())
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateSessionBus::~PrivateSessionBus()
{
    m_daemon.terminate();
    m_daemon.waitForFinished(5000);
}

QDBusConnection PrivateSessionBus::connect(const QString &name) const
{
    return QDBusConnection::connectToBus(m_address, name);
}

bool PrivateSessionBus::hasOwner(const QString &name) const
{
    QDBusConnection bus = connect(QStringLiteral("PrivateSessionBus.hasOwner"));
    const bool owned = bus.interface() && bus.interface()->isServiceRegistered(name).value();
    QDBusConnection::disconnectFromBus(QStringLiteral("PrivateSessionBus.hasOwner"));
    return owned;
}
