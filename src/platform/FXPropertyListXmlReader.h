#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringView>
#include <QVariant>

#include <optional>

// Reads the XML form of a property list into the Qt values FXPropertyList hands out.
//
// QXmlStreamReader reads the XML, with a stack of its own and a limit on entity expansion; this
// class understands the property-list elements and keeps the nesting within `maximumDepth`. The
// document must be well-formed XML; between elements only white space, comments and processing
// instructions may stand. libplist's own XML reader is not used: it frees what it read by
// recursion, also after an error, so that a deep document can exhaust the stack before any
// check of ours could run.
class FXPropertyListXmlReader {
public:
    FXPropertyListXmlReader() = delete;

    // The root value, at depth 0; none when the document is damaged or nested too deep.
    static std::optional<QVariant> read(const QByteArray &data, int maximumDepth);
    // A date as the XML form writes it ("2026-09-29T12:00:00Z"), to the whole second, in UTC; a
    // date without a zone is taken as UTC.
    static std::optional<QDateTime> dateFromText(QStringView text);
};
