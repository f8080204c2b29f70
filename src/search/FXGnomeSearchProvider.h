#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class FXDesktopSearch;

// GNOME Shell's search provider interface over the desktop search: the shell asks for the
// identifiers of the results of the typed terms, then for what each shows (title, description, the
// flag as a file icon), and opens one, or the window for the whole search. The slots are the
// interface's methods, named as the interface names them.
class FXGnomeSearchProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    static inline const QString ObjectPath = QStringLiteral("/io/github/cambio/Cambio/SearchProvider");

    explicit FXGnomeSearchProvider(FXDesktopSearch &search, QObject *parent = nullptr);
    // Makes the result metas' type known to the bus; before the first object is registered.
    static void registerTypes();

public slots:
    QStringList GetInitialResultSet(const QStringList &terms);
    QStringList GetSubsearchResultSet(const QStringList &previousResults, const QStringList &terms);
    QList<QVariantMap> GetResultMetas(const QStringList &identifiers);
    void ActivateResult(const QString &identifier, const QStringList &terms, uint timestamp);
    void LaunchSearch(const QStringList &terms, uint timestamp);

private:
    FXDesktopSearch &m_search;
};
