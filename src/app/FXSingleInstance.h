#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

// Keeps one converter window per user and configuration folder: the first start listens on a Unix
// domain socket in the user's runtime folder, and a later start asks it there to show its window
// and ends. Plain sockets with QtCore's notifier: QLocalServer would load QtNetwork and its
// libraries into every start of the window.
class FXSingleInstance : public QObject {
    Q_OBJECT

public:
    explicit FXSingleInstance(QString socketPath, QObject *parent = nullptr);
    ~FXSingleInstance() override;

    // In the user's runtime folder, named after the configuration folder, so that a program
    // running with other settings (a test's) is another instance.
    static QString serverNameForConfiguration(const QString &configDirectory);

    // True when a running instance was found and asked to show its window.
    bool askRunningInstanceToActivate();
    // Starts answering later starts; false when the socket cannot be made.
    bool listen();

signals:
    void activationRequested();

private:
    void acceptConnections();

    QString m_socketPath;
    int m_listeningSocket = -1;
    std::unique_ptr<QSocketNotifier> m_connections;
};
