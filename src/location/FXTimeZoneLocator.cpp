#include "FXTimeZoneLocator.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <filesystem>

namespace {

// "…/zoneinfo/Europe/Paris" and the "posix/" and "right/" variants of the zone's file name the
// zone "Europe/Paris".
QString zoneFromPath(const QString &path)
{
    static const QString marker = QStringLiteral("zoneinfo/");
    const qsizetype at = path.lastIndexOf(marker);
    if (at < 0)
        return {};
    QString zone = path.mid(at + marker.size());
    for (const QStringView prefix : {u"posix/", u"right/"}) {
        if (zone.startsWith(prefix))
            zone.remove(0, prefix.size());
    }
    return zone;
}

// Degrees from the sign and digits of one coordinate: `degreeDigits` digits of degrees, then two
// of minutes and, optionally, two of seconds.
std::optional<double> parseAngle(QStringView text, qsizetype degreeDigits, double limit)
{
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5)
        return std::nullopt;
    const QChar sign = text.front();
    if (sign != u'+' && sign != u'-')
        return std::nullopt;
    double parts[3] = {0, 0, 0};
    const qsizetype widths[3] = {degreeDigits, 2, 2};
    qsizetype at = 1;
    for (int i = 0; i < 3 && at < text.size(); ++i) {
        const QStringView digits = text.mid(at, widths[i]);
        if (!std::ranges::all_of(digits, [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return std::nullopt;
        parts[i] = digits.toInt();
        at += widths[i];
    }
    if (parts[1] >= 60 || parts[2] >= 60)
        return std::nullopt;
    const double degrees = parts[0] + parts[1] / 60 + parts[2] / 3600;
    if (degrees > limit)
        return std::nullopt;
    return sign == u'-' ? -degrees : degrees;
}

}

FXTimeZoneLocator::FXTimeZoneLocator(std::optional<QString> zone, QString zoneinfoDirectory)
    : m_zone(std::move(zone))
    , m_zoneinfoDirectory(std::move(zoneinfoDirectory))
{
}

std::optional<FXLocation> FXTimeZoneLocator::location() const
{
    const QString zone = this->zone();
    if (zone.isEmpty())
        return std::nullopt;
    // zone1970.tab lists the zones in use; zone.tab also keeps one zone per country that newer
    // releases merged into a neighbour's (Europe/Amsterdam into Europe/Brussels).
    for (const auto table : {u"/zone1970.tab", u"/zone.tab"}) {
        QFile file(m_zoneinfoDirectory + table);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream stream(&file);
        QString line;
        while (stream.readLineInto(&line)) {
            if (line.startsWith(u'#'))
                continue;
            // Columns: country codes, coordinates, zone, comments.
            const QList<QStringView> columns = QStringView(line).split(u'\t');
            if (columns.size() >= 3 && columns[2] == zone)
                return parseCoordinates(columns[1]);
        }
    }
    return std::nullopt;
}

QString FXTimeZoneLocator::systemZone(const QByteArray &tzVariable, const QString &etcDirectory)
{
    if (!tzVariable.isEmpty()) {
        QString zone = QString::fromLocal8Bit(tzVariable);
        if (zone.startsWith(u':'))
            zone.remove(0, 1);
        return zone.startsWith(u'/') ? zoneFromPath(zone) : zone;
    }

    std::error_code error;
    const auto target = std::filesystem::read_symlink(
        std::filesystem::path(QFile::encodeName(etcDirectory + u"/localtime").toStdString()), error);
    if (!error) {
        const QString zone = zoneFromPath(QFile::decodeName(QByteArray::fromStdString(target.string())));
        if (!zone.isEmpty())
            return zone;
    }

    QFile timezone(etcDirectory + u"/timezone");
    if (timezone.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString::fromUtf8(timezone.readLine()).trimmed();
    return {};
}

std::optional<FXLocation> FXTimeZoneLocator::parseCoordinates(QStringView text)
{
    // The longitude starts at the second sign.
    qsizetype split = 1;
    while (split < text.size() && text[split] != u'+' && text[split] != u'-')
        ++split;
    if (split >= text.size())
        return std::nullopt;
    const auto latitude = parseAngle(text.first(split), 2, 90);
    const auto longitude = parseAngle(text.sliced(split), 3, 180);
    if (!latitude || !longitude)
        return std::nullopt;
    return FXLocation{*latitude, *longitude};
}
