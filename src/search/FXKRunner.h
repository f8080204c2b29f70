#pragma once

#include <QDBusArgument>
#include <QList>
#include <QObject>
#include <QVariantMap>

class FXDesktopSearch;

// One match as KRunner takes it: (id, text, icon, type, relevance, properties).
struct FXRunnerMatch {
    QString identifier;
    QString text;
    QString iconName;   // our flags are files: their path
    int type = 0;
    double relevance = 0;
    QVariantMap properties;
};
// An action KRunner offers on a match: (id, text, icon).
struct FXRunnerAction {
    QString identifier;
    QString text;
    QString iconName;
};
Q_DECLARE_METATYPE(FXRunnerMatch)
Q_DECLARE_METATYPE(FXRunnerAction)
QDBusArgument &operator<<(QDBusArgument &argument, const FXRunnerMatch &match);
const QDBusArgument &operator>>(const QDBusArgument &argument, FXRunnerMatch &match);
QDBusArgument &operator<<(QDBusArgument &argument, const FXRunnerAction &action);
const QDBusArgument &operator>>(const QDBusArgument &argument, FXRunnerAction &action);

// KRunner's D-Bus runner interface over the desktop search: the matches of a typed text, run to
// open the window, or with the "copy" action to copy the converted amount, which is offered only
// while KDE's clipboard manager is there to keep it. The slots are the interface's methods, named
// as the interface names them.
class FXKRunner : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    static inline const QString ObjectPath = QStringLiteral("/io/github/cambio/Cambio/KRunner");
    static inline const QString CopyAction = QStringLiteral("copy");

    explicit FXKRunner(FXDesktopSearch &search, QObject *parent = nullptr);
    // Makes the matches' and actions' types known to the bus; before the object is registered.
    static void registerTypes();

public slots:
    QList<FXRunnerAction> Actions();
    QList<FXRunnerMatch> Match(const QString &query);
    void Run(const QString &matchIdentifier, const QString &actionIdentifier);
    void Teardown();

private:
    FXDesktopSearch &m_search;
};
