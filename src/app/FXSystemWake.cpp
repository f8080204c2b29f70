#include "FXSystemWake.h"

#include <QDBusConnection>

void FXSystemWake::watch(std::function<void()> happened)
{
    m_happened = std::move(happened);
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                this, SLOT(prepareForSleep(bool)));
}

void FXSystemWake::prepareForSleep(bool sleeping)
{
    if (!sleeping && m_happened)
        m_happened();
}
