#include "FXKRunner.h"

#include "FXDesktopSearch.h"
#include "FXLocalizedString.h"

#include <QDBusMetaType>

namespace {

// KRunner's match types: a result that informs, to be shown whatever else matched.
constexpr int InformationalMatch = 50;

}

QDBusArgument &operator<<(QDBusArgument &argument, const FXRunnerMatch &match)
{
    argument.beginStructure();
    argument << match.identifier << match.text << match.iconName << match.type << match.relevance
             << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, FXRunnerMatch &match)
{
    argument.beginStructure();
    argument >> match.identifier >> match.text >> match.iconName >> match.type >> match.relevance
        >> match.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const FXRunnerAction &action)
{
    argument.beginStructure();
    argument << action.identifier << action.text << action.iconName;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, FXRunnerAction &action)
{
    argument.beginStructure();
    argument >> action.identifier >> action.text >> action.iconName;
    argument.endStructure();
    return argument;
}

FXKRunner::FXKRunner(FXDesktopSearch &search, QObject *parent)
    : QObject(parent)
    , m_search(search)
{
}

void FXKRunner::registerTypes()
{
    qDBusRegisterMetaType<FXRunnerMatch>();
    qDBusRegisterMetaType<FXRunnerAction>();
    qDBusRegisterMetaType<QList<FXRunnerMatch>>();
    qDBusRegisterMetaType<QList<FXRunnerAction>>();
}

QList<FXRunnerAction> FXKRunner::Actions()
{
    if (!m_search.canCopy())
        return {};
    return {{CopyAction, FXLocalizedString::text("Copy"), QStringLiteral("edit-copy")}};
}

QList<FXRunnerMatch> FXKRunner::Match(const QString &query)
{
    const QList<FXConversionResult> results = m_search.resultsForText(query);
    if (results.isEmpty())
        return {};
    const QStringList actions = m_search.canCopy() ? QStringList{CopyAction} : QStringList();
    QList<FXRunnerMatch> matches;
    for (const FXConversionResult &result : results) {
        // The order of the results, kept by KRunner's sort.
        const double relevance = 1.0 - 0.1 * double(matches.size());
        matches.append({result.identifier, result.title, result.iconPath, InformationalMatch,
                        relevance,
                        {{QStringLiteral("subtext"), result.description},
                         {QStringLiteral("actions"), actions}}});
    }
    return matches;
}

void FXKRunner::Run(const QString &matchIdentifier, const QString &actionIdentifier)
{
    if (actionIdentifier.isEmpty())
        m_search.openResult(matchIdentifier);
    else if (actionIdentifier == CopyAction)
        m_search.copyResult(matchIdentifier);
}

// Nothing is kept between two searches.
void FXKRunner::Teardown()
{
}
