#include "FXBaseRates.h"

#include "FXPropertyList.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

FXRateMap ratesFromPropertyList(const QVariantMap &rates)
{
    FXRateMap result;
    for (auto it = rates.cbegin(); it != rates.cend(); ++it) {
        const QVariantMap entry = it->toMap();
        const QVariant fromBase = entry.value(QStringLiteral("from_base"));
        const QVariant toBase = entry.value(QStringLiteral("to_base"));
        // Text that happens to read as a number is not a rate.
        if (fromBase.typeId() == QMetaType::QString || toBase.typeId() == QMetaType::QString)
            continue;
        const FXRatePair rate{fromBase.toDouble(), toBase.toDouble()};
        if (FXRates::isServable(it.key(), rate))
            result.insert(it.key(), rate);
    }
    return result;
}

}

namespace FXBaseRates {

QString seedPath()
{
    return QStringLiteral(":/ratesd/CurrencyRates.plist");
}

FXReadResult read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FXReadResult::failure(file.errorString());
    const QByteArray data = file.readAll();

    if (const auto document = FXPropertyList::readDictionary(data)) {
        FXDatedRates result{ratesFromPropertyList(document->value(QStringLiteral("CurrencyRates")).toMap()),
                            document->value(QStringLiteral("Date")).toDateTime()};
        if (result.rates.isEmpty())
            return FXReadResult::failure(QStringLiteral("no usable rates in the rates document"));
        return FXReadResult::success(std::move(result));
    }

    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return FXReadResult::failure(QStringLiteral("neither a rates document nor a JSON object"));
    FXDatedRates result{FXRates::fromJson(json.object()),
                        QFileInfo(path).lastModified().toUTC()};
    if (result.rates.isEmpty())
        return FXReadResult::failure(QStringLiteral("no usable rates in the JSON object"));
    return FXReadResult::success(std::move(result));
}

}
