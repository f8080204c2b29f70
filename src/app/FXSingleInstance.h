#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// Keeps one converter window per user and configuration folder: the first start listens on a local
// socket, and a later start asks it to show its window and ends.
class FXSingleInstance : public QObject {
    Q_OBJECT

public:
    explicit FXSingleInstance(QString serverName, QObject *parent = nullptr);

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
    QString m_serverName;
    QLocalServer m_server;
};
