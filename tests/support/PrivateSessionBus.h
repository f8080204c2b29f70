#pragma once

#include <QDBusConnection>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A session bus of one test's (or benchmark's) own: a dbus-daemon that starts the given services
// when they are first called, as the desktop's bus does, with `environment` as theirs. Ended with
// the object.
class PrivateSessionBus {
public:
    struct Service {
        QString name;
        QStringList command;   // the program, then its arguments
    };

    PrivateSessionBus(const QList<Service> &services, const QProcessEnvironment &environment);
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus &) = delete;
    PrivateSessionBus &operator=(const PrivateSessionBus &) = delete;

    // Empty when the daemon did not start.
    QString address() const { return m_address; }
    // A connection of this process to the bus, under `name` within the process.
    QDBusConnection connect(const QString &name) const;
    // Whether `name` has an owner on the bus.
    bool hasOwner(const QString &name) const;

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
};
