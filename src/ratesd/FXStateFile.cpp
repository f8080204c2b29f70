#include "FXStateFile.h"

#include "FXAtomicFile.h"
#include "FXPaths.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString SourcesKey = QStringLiteral("sources");
const QString RatesKey = QStringLiteral("rates");
const QString DataDateKey = QStringLiteral("dataDate");
const QString LastSuccessKey = QStringLiteral("lastSuccess");
const QString HeldKey = QStringLiteral("held");
const QString FromBaseKey = QStringLiteral("fromBase");
const QString FirstSeenKey = QStringLiteral("firstSeen");
const QString LastSeenKey = QStringLiteral("lastSeen");
const QString DaysKey = QStringLiteral("days");

QDateTime dateFromJson(const QJsonValue &value)
{
    return QDateTime::fromString(value.toString(), Qt::ISODateWithMs).toUTC();
}

QString dateToJson(const QDateTime &date)
{
    return date.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject heldToJson(const FXHeldRates &held)
{
    QJsonObject object;
    for (auto it = held.cbegin(); it != held.cend(); ++it) {
        object.insert(it.key(), QJsonObject{{FromBaseKey, it->fromBase},
                                            {FirstSeenKey, it->firstSeen.toString(Qt::ISODate)},
                                            {LastSeenKey, dateToJson(it->lastSeen)},
                                            {DaysKey, it->days}});
    }
    return object;
}

FXHeldRates heldFromJson(const QJsonObject &object)
{
    FXHeldRates held;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QJsonObject entry = it->toObject();
        const FXHeldRate rate{entry.value(FromBaseKey).toDouble(),
                              QDate::fromString(entry.value(FirstSeenKey).toString(), Qt::ISODate),
                              dateFromJson(entry.value(LastSeenKey)), entry.value(DaysKey).toInt()};
        if (FXRates::isWithinBounds(rate.fromBase) && rate.firstSeen.isValid() && rate.lastSeen.isValid()
            && rate.days > 0)
            held.insert(it.key(), rate);
    }
    return held;
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
    if (error.error != QJsonParseError::NoError) {
        setReason(failureReason, QStringLiteral("not a state file: ") + error.errorString());
        return std::nullopt;
    }
    if (!document.isObject()) {
        setReason(failureReason, QStringLiteral("not a state file: a JSON array, not an object"));
        return std::nullopt;
    }
    QHash<QString, FXSavedSource> sources;
    const QJsonObject saved = document.object().value(SourcesKey).toObject();
    for (auto it = saved.constBegin(); it != saved.constEnd(); ++it) {
        const QJsonObject source = it->toObject();
        const FXRateMap rates = FXRateEntries::read(source.value(RatesKey).toObject().toVariantMap()).rates;
        sources.insert(it.key(), FXSavedSource{FXRates::servable(rates),
                                               heldFromJson(source.value(HeldKey).toObject()),
                                               dateFromJson(source.value(DataDateKey)),
                                               dateFromJson(source.value(LastSuccessKey))});
    }
    return sources;
}

bool FXStateFile::write(const QHash<QString, FXSavedSource> &sources, QString *failureReason) const
{
    QJsonObject saved;
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        const QVariantMap rates = FXRateEntries::write(FXRates::servable(it->rates));
        saved.insert(it.key(), QJsonObject{{RatesKey, QJsonObject::fromVariantMap(rates)},
                                           {HeldKey, heldToJson(it->held)},
                                           {DataDateKey, dateToJson(it->dataDate)},
                                           {LastSuccessKey, dateToJson(it->lastSuccess)}});
    }
    if (!QDir().mkpath(m_directory)) {
        setReason(failureReason, QStringLiteral("cannot create ") + m_directory);
        return false;
    }
    if (const auto failure = FXAtomicFile::write(path(), QJsonDocument(QJsonObject{{SourcesKey, saved}}).toJson())) {
        setReason(failureReason, *failure);
        return false;
    }
    return true;
}

void FXStateFile::removeLeftovers() const
{
    const QDateTime aMinuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList leftovers = QDir(m_directory).entryInfoList({QStringLiteral("state.json.*")},
                                                                   QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &leftover : leftovers) {
        if (leftover.lastModified().toUTC() < aMinuteAgo)
            QFile::remove(leftover.filePath());
    }
}
