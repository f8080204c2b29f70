#include "FXBaseRates.h"

#include "FXPropertyList.h"

#include <QFile>
#include <QFileInfo>

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
        const QVariantMap entries = document->value(QStringLiteral("CurrencyRates")).toMap();
        FXDatedRates result{FXRates::servable(FXRateEntries::read(entries).rates),
                            document->value(QStringLiteral("Date")).toDateTime()};
        if (result.rates.isEmpty())
            return FXReadResult::failure(QStringLiteral("no usable rates in the rates document"));
        return FXReadResult::success(std::move(result));
    }

    const std::optional<FXRateEntries::Read> answer = FXRateEntries::readAnswer(data);
    if (!answer)
        return FXReadResult::failure(QStringLiteral("neither a rates document nor a JSON object"));
    FXDatedRates result{FXRates::servable(answer->rates),
                        QFileInfo(path).lastModified().toUTC()};
    if (result.rates.isEmpty())
        return FXReadResult::failure(QStringLiteral("no usable rates in the JSON object"));
    return FXReadResult::success(std::move(result));
}

}
