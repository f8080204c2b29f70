#include "FXGnomeSearchProvider.h"

#include "FXDesktopSearch.h"

#include <QDBusMetaType>

FXGnomeSearchProvider::FXGnomeSearchProvider(FXDesktopSearch &search, QObject *parent)
    : QObject(parent)
    , m_search(search)
{
}

void FXGnomeSearchProvider::registerTypes()
{
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

QStringList FXGnomeSearchProvider::GetInitialResultSet(const QStringList &terms)
{
    QStringList identifiers;
    for (const FXConversionResult &result : m_search.resultsForText(terms.join(u' ')))
        identifiers.append(result.identifier);
    return identifiers;
}

// The terms are searched afresh: a query's results are few and quick, and a narrower text may
// read as a different query ("100 usd in e" → "100 usd in eur").
QStringList FXGnomeSearchProvider::GetSubsearchResultSet(const QStringList &, const QStringList &terms)
{
    return GetInitialResultSet(terms);
}

QList<QVariantMap> FXGnomeSearchProvider::GetResultMetas(const QStringList &identifiers)
{
    QList<QVariantMap> metas;
    for (const QString &identifier : identifiers) {
        const auto result = m_search.resultForIdentifier(identifier);
        if (!result)
            continue;
        // "gicon" is read as a GIcon's text form, which for a file icon is its path.
        metas.append({{QStringLiteral("id"), result->identifier},
                      {QStringLiteral("name"), result->title},
                      {QStringLiteral("description"), result->description},
                      {QStringLiteral("gicon"), result->iconPath}});
    }
    return metas;
}

void FXGnomeSearchProvider::ActivateResult(const QString &identifier, const QStringList &, uint)
{
    m_search.openResult(identifier);
}

void FXGnomeSearchProvider::LaunchSearch(const QStringList &terms, uint)
{
    m_search.openQuery(terms.join(u' '));
}
