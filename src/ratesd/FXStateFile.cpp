#include "FXStateFile.h"

#include "FXPaths.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString SourcesKey = QStringLiteral("sources");
const QString RatesKey = QStringLiteral("rates");
const QString DataDateKey = QStringLiteral("dataDate");
const QString LastSuccessKey = QStringLiteral("lastSuccess");

QDateTime dateFromJson(const QJsonValue &value)
{
    return QDateTime::fromString(value.toString(), Qt::ISODateWithMs).toUTC();
}

QString dateToJson(const QDateTime &date)
{
    return date.toUTC().toString(Qt::ISODateWithMs);
}

void setReason(QString *failureReason, const QString &reason)
{
    if (failureReason)
        *failureReason = reason;
}

}

FXStateFile::FXStateFile(QString directory)
    : m_directory(std::move(directory))
{
}

QString FXStateFile::defaultDirectory()
{
    return FXPaths::stateHome() + QStringLiteral("/cambio-ratesd");
}

QString FXStateFile::path() const
{
    return m_directory + QStringLiteral("/state.json");
}

std::optional<QHash<QString, FXSavedSource>> FXStateFile::read(QString *failureReason) const
{
    QFile file(path());
    if (!file.exists())
        return QHash<QString, FXSavedSource>();
    if (!file.open(QIODevice::ReadOnly)) {
        setReason(failureReason, file.errorString());
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        setReason(failureReason, QStringLiteral("not a state file: ") + error.errorString());
        return std::nullopt;
    }
    QHash<QString, FXSavedSource> sources;
    const QJsonObject saved = document.object().value(SourcesKey).toObject();
    for (auto it = saved.constBegin(); it != saved.constEnd(); ++it) {
        const QJsonObject source = it->toObject();
        sources.insert(it.key(), FXSavedSource{FXRates::fromJson(source.value(RatesKey).toObject()),
                                               dateFromJson(source.value(DataDateKey)),
                                               dateFromJson(source.value(LastSuccessKey))});
    }
    return sources;
}

bool FXStateFile::write(const QHash<QString, FXSavedSource> &sources, QString *failureReason) const
{
    QJsonObject saved;
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        saved.insert(it.key(), QJsonObject{{RatesKey, FXRates::toJson(it->rates)},
                                           {DataDateKey, dateToJson(it->dataDate)},
                                           {LastSuccessKey, dateToJson(it->lastSuccess)}});
    }
    if (!QDir().mkpath(m_directory)) {
        setReason(failureReason, QStringLiteral("cannot create ") + m_directory);
        return false;
    }
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly)
        || file.write(QJsonDocument(QJsonObject{{SourcesKey, saved}}).toJson()) < 0 || !file.commit()) {
        setReason(failureReason, file.errorString());
        return false;
    }
    return true;
}
