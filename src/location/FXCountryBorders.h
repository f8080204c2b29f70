#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The land borders of the world's countries and territories, indexed for answering "which
// country is this point in" in microseconds. Borders are generalised, so points within a few
// kilometres of a border may land on either side; points at sea belong to no country.
class FXCountryBorders {
public:
    // The borders compiled into the program, read and indexed on the first call. None when the
    // bundled data cannot be read.
    static const FXCountryBorders *bundled();

    // Reads a GeoJSON FeatureCollection of country features (see resources/README.md). None when
    // the text is not a FeatureCollection.
    static std::optional<FXCountryBorders> fromJson(const QByteArray &json);

    // The ISO 3166-1 alpha-2 code of the country or territory containing the point; none at sea
    // and for coordinates outside the earth's range.
    std::optional<QString> countryCodeAt(double latitude, double longitude) const;

    qsizetype polygonCount() const { return qsizetype(m_polygons.size()); }

private:
    struct Edge {
        double x0, y0, x1, y1;   // longitude, latitude of both ends
    };
    struct Polygon {
        double minX, minY, maxX, maxY;
        int code;                // index into m_codes
        int firstBand;           // the whole degree of latitude of bands[0]
        // The edges of every ring (outer and holes) that reach into each degree of latitude, so a
        // ray cast from a point crosses only the edges of its own band.
        std::vector<std::vector<Edge>> bands;
        // Of the bounding box. Where polygons overlap the smaller wins, so that an enclave drawn
        // over its surroundings (Llívia over France) keeps its own country.
        double area;
    };

    FXCountryBorders() = default;
    static bool contains(const Polygon &polygon, double x, double y);
    static int cellIndex(int column, int row) { return row * kColumns + column; }

    static constexpr int kColumns = 360;   // one cell per degree of longitude
    static constexpr int kRows = 180;      // and of latitude

    std::vector<QString> m_codes;
    std::vector<Polygon> m_polygons;
    // For each one-degree cell, the polygons whose bounding box reaches into it, smallest first.
    std::vector<std::vector<int>> m_cells;
};
