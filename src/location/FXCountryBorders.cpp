#include "FXCountryBorders.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

struct Ring {
    std::vector<double> xs, ys;
};

// A feature's code when it is an ISO 3166-1 code of its own. Exceptionally reserved codes (FX for
// metropolitan France, IC for the Canary Islands, ...) name parts of a country that the standard
// counts as that country.
std::optional<QString> ownCode(const QJsonObject &properties)
{
    const QString code = properties.value(u"iso1A2").toString();
    if (code.isEmpty() || properties.value(u"isoStatus").toString() == u"excRes")
        return std::nullopt;
    return code;
}

// The code a point inside the feature gets: its own, else that of the smallest group it belongs
// to that has one (Sark is part of Guernsey, Ascension of Saint Helena), else its country's.
std::optional<QString> placeCode(const QJsonObject &properties,
                                 const QHash<QString, QJsonObject> &featuresById)
{
    if (auto code = ownCode(properties))
        return code;
    // Groups are listed from the smallest to the largest.
    for (const QJsonValue &group : properties.value(u"groups").toArray()) {
        const auto found = featuresById.constFind(group.toString());
        if (found == featuresById.cend())
            continue;
        if (auto code = ownCode(*found))
            return code;
    }
    const QString country = properties.value(u"country").toString();
    if (country.isEmpty())
        return std::nullopt;
    return country;
}

std::vector<std::vector<Ring>> polygonsOf(const QJsonObject &geometry)
{
    const QString type = geometry.value(u"type").toString();
    QJsonArray polygons;
    if (type == u"MultiPolygon")
        polygons = geometry.value(u"coordinates").toArray();
    else if (type == u"Polygon")
        polygons.append(geometry.value(u"coordinates"));

    std::vector<std::vector<Ring>> result;
    for (const QJsonValue &polygon : polygons) {
        std::vector<Ring> rings;
        for (const QJsonValue &ringValue : polygon.toArray()) {
            Ring ring;
            for (const QJsonValue &position : ringValue.toArray()) {
                const QJsonArray pair = position.toArray();
                if (pair.size() < 2)
                    continue;
                ring.xs.push_back(pair.at(0).toDouble());
                ring.ys.push_back(pair.at(1).toDouble());
            }
            if (ring.xs.size() >= 3)
                rings.push_back(std::move(ring));
        }
        if (!rings.empty())
            result.push_back(std::move(rings));
    }
    return result;
}

}

const FXCountryBorders *FXCountryBorders::bundled()
{
    static const std::optional<FXCountryBorders> borders = [] {
        QFile file(QStringLiteral(":/location/borders.json"));
        if (!file.open(QIODevice::ReadOnly))
            return std::optional<FXCountryBorders>();
        return fromJson(file.readAll());
    }();
    return borders ? &*borders : nullptr;
}

std::optional<FXCountryBorders> FXCountryBorders::fromJson(const QByteArray &json)
{
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    if (root.value(u"type").toString() != u"FeatureCollection")
        return std::nullopt;
    const QJsonArray features = root.value(u"features").toArray();

    // Groups name other features by their ISO code or their UN M49 number.
    QHash<QString, QJsonObject> featuresById;
    for (const QJsonValue &feature : features) {
        const QJsonObject properties = feature.toObject().value(u"properties").toObject();
        for (const auto key : {u"iso1A2", u"m49"}) {
            const QString id = properties.value(key).toString();
            if (!id.isEmpty())
                featuresById.insert(id, properties);
        }
    }

    FXCountryBorders borders;
    QHash<QString, int> codeIndex;
    for (const QJsonValue &featureValue : features) {
        const QJsonObject feature = featureValue.toObject();
        const auto polygons = polygonsOf(feature.value(u"geometry").toObject());
        if (polygons.empty())
            continue;
        const auto code = placeCode(feature.value(u"properties").toObject(), featuresById);
        if (!code)
            continue;
        auto index = codeIndex.constFind(*code);
        if (index == codeIndex.cend()) {
            index = codeIndex.insert(*code, int(borders.m_codes.size()));
            borders.m_codes.push_back(*code);
        }

        for (const auto &rings : polygons) {
            Polygon polygon{};
            polygon.code = *index;
            polygon.minX = polygon.minY = INFINITY;
            polygon.maxX = polygon.maxY = -INFINITY;
            for (const Ring &ring : rings) {
                polygon.minX = std::min(polygon.minX, *std::ranges::min_element(ring.xs));
                polygon.maxX = std::max(polygon.maxX, *std::ranges::max_element(ring.xs));
                polygon.minY = std::min(polygon.minY, *std::ranges::min_element(ring.ys));
                polygon.maxY = std::max(polygon.maxY, *std::ranges::max_element(ring.ys));
            }
            polygon.area = (polygon.maxX - polygon.minX) * (polygon.maxY - polygon.minY);
            polygon.firstBand = int(std::floor(polygon.minY));
            polygon.bands.resize(size_t(int(std::floor(polygon.maxY)) - polygon.firstBand + 1));
            for (const Ring &ring : rings) {
                // A ring whose last point repeats the first closes itself; one that does not is
                // closed by the edge from the last point back to the first.
                const size_t count = ring.xs.size();
                for (size_t i = 0; i < count; ++i) {
                    const size_t j = (i + 1) % count;
                    const Edge edge{ring.xs[i], ring.ys[i], ring.xs[j], ring.ys[j]};
                    if (edge.y0 == edge.y1)
                        continue;   // a horizontal edge never crosses a horizontal ray
                    const int low = int(std::floor(std::min(edge.y0, edge.y1)));
                    const int high = int(std::floor(std::max(edge.y0, edge.y1)));
                    for (int band = low; band <= high; ++band)
                        polygon.bands[size_t(band - polygon.firstBand)].push_back(edge);
                }
            }
            borders.m_polygons.push_back(std::move(polygon));
        }
    }

    // Filled smallest polygon first, so every cell lists its polygons in the order they win.
    std::vector<int> bySize(borders.m_polygons.size());
    std::iota(bySize.begin(), bySize.end(), 0);
    std::ranges::stable_sort(bySize, {}, [&](int i) { return borders.m_polygons[size_t(i)].area; });
    borders.m_cells.resize(size_t(kColumns * kRows));
    for (const int i : bySize) {
        const Polygon &polygon = borders.m_polygons[size_t(i)];
        const int firstColumn = std::clamp(int(std::floor(polygon.minX + 180)), 0, kColumns - 1);
        const int lastColumn = std::clamp(int(std::floor(polygon.maxX + 180)), 0, kColumns - 1);
        const int firstRow = std::clamp(int(std::floor(polygon.minY + 90)), 0, kRows - 1);
        const int lastRow = std::clamp(int(std::floor(polygon.maxY + 90)), 0, kRows - 1);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column)
                borders.m_cells[size_t(cellIndex(column, row))].push_back(i);
        }
    }
    return borders;
}

std::optional<QString> FXCountryBorders::countryCodeAt(double latitude, double longitude) const
{
    if (!(latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180))
        return std::nullopt;
    const int column = std::min(int(std::floor(longitude + 180)), kColumns - 1);
    const int row = std::min(int(std::floor(latitude + 90)), kRows - 1);
    for (const int i : m_cells[size_t(cellIndex(column, row))]) {
        const Polygon &polygon = m_polygons[size_t(i)];
        if (contains(polygon, longitude, latitude))
            return m_codes[size_t(polygon.code)];
    }
    return std::nullopt;
}

bool FXCountryBorders::contains(const Polygon &polygon, double x, double y)
{
    if (x < polygon.minX || x > polygon.maxX || y < polygon.minY || y > polygon.maxY)
        return false;
    // Even-odd rule over all rings: a hole's edges undo the outer ring's crossing.
    bool inside = false;
    for (const Edge &edge : polygon.bands[size_t(int(std::floor(y)) - polygon.firstBand)]) {
        if ((edge.y0 > y) != (edge.y1 > y)
            && x < edge.x0 + (y - edge.y0) * (edge.x1 - edge.x0) / (edge.y1 - edge.y0))
            inside = !inside;
    }
    return inside;
}
