#include "FXPropertyListXmlReader.h"

#include <QTimeZone>
#include <QVariantList>
#include <QVariantMap>
#include <QXmlStreamReader>

#include <charconv>

namespace {

enum class Element { Dictionary, Array, Key, String, Real, Integer, True, False, Date, Data, Other };

Element elementNamed(QStringView name)
{
    static const std::pair<QStringView, Element> names[] = {
        {u"dict", Element::Dictionary}, {u"array", Element::Array}, {u"key", Element::Key},
        {u"string", Element::String}, {u"real", Element::Real}, {u"integer", Element::Integer},
        {u"true", Element::True}, {u"false", Element::False}, {u"date", Element::Date},
        {u"data", Element::Data}};
    for (const auto &[elementName, element] : names) {
        if (name == elementName)
            return element;
    }
    return Element::Other;
}

// The whole text must be the number; a leading '+' is allowed ("+infinity" is how reals that are
// infinite are written).
template <typename Number>
std::optional<QVariant> numberFromText(QStringView text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char *begin = bytes.constData();
    const char *end = begin + bytes.size();
    if (begin != end && *begin == '+' && (end - begin == 1 || begin[1] != '-'))
        ++begin;
    Number value{};
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || begin == end)
        return std::nullopt;
    return QVariant(value);
}

std::optional<QVariant> dataFromText(QStringView text)
{
    QByteArray base64 = text.toLatin1();
    base64.removeIf([](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return QVariant(*decoded);
}

class Reader {
public:
    Reader(const QByteArray &data, int maximumDepth)
        : m_xml(data)
        , m_maximumDepth(maximumDepth)
    {
    }

    std::optional<QVariant> readDocument()
    {
        if (!nextElement())
            return std::nullopt;
        std::optional<QVariant> root;
        if (m_xml.qualifiedName() == u"plist") {
            if (nextElement())
                root = readValue(0);
            // The plist element holds one value and nothing else.
            if (nextElement())
                return std::nullopt;
        } else {
            root = readValue(0);
        }
        // What follows must still be well-formed.
        while (!m_xml.atEnd())
            m_xml.readNext();
        if (!root || m_xml.hasError())
            return std::nullopt;
        return root;
    }

private:
    // Moves to the next element inside the current one; false at the end of the current one.
    bool nextElement()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
                return false;
            case QXmlStreamReader::Characters:
                if (!m_xml.isWhitespace()) {
                    m_xml.raiseError(QStringLiteral("text between elements"));
                    return false;
                }
                break;
            default:
                break;
            }
        }
        return false;
    }

    std::optional<QString> text()
    {
        QString text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (m_xml.hasError())
            return std::nullopt;
        return text;
    }

    // The reader stands on the value's start element and ends on its end element.
    std::optional<QVariant> readValue(int depth)
    {
        if (depth > m_maximumDepth)
            return std::nullopt;
        const Element element = elementNamed(m_xml.qualifiedName());
        if (element == Element::Dictionary)
            return readDictionary(depth);
        if (element == Element::Array)
            return readArray(depth);
        if (element == Element::Key || element == Element::Other)
            return std::nullopt;

        const std::optional<QString> content = text();
        if (!content)
            return std::nullopt;
        switch (element) {
        case Element::String:
            return QVariant(*content);
        case Element::Real:
            return numberFromText<double>(*content);
        case Element::Integer:
            return numberFromText<qlonglong>(*content);
        case Element::True:
        case Element::False:
            if (!content->trimmed().isEmpty())
                return std::nullopt;
            return QVariant(element == Element::True);
        case Element::Date:
            if (auto date = FXPropertyListXmlReader::dateFromText(*content))
                return QVariant(*date);
            return std::nullopt;
        case Element::Data:
            return dataFromText(*content);
        default:
            return std::nullopt;
        }
    }

    std::optional<QVariant> readDictionary(int depth)
    {
        QVariantMap dictionary;
        while (nextElement()) {
            if (m_xml.qualifiedName() != u"key")
                return std::nullopt;
            std::optional<QString> key = text();
            if (!key || !nextElement())
                return std::nullopt;
            std::optional<QVariant> value = readValue(depth + 1);
            if (!value)
                return std::nullopt;
            dictionary.insert(*key, std::move(*value));
        }
        if (m_xml.hasError())
            return std::nullopt;
        return QVariant(std::move(dictionary));
    }

    std::optional<QVariant> readArray(int depth)
    {
        QVariantList array;
        while (nextElement()) {
            std::optional<QVariant> value = readValue(depth + 1);
            if (!value)
                return std::nullopt;
            array.append(std::move(*value));
        }
        if (m_xml.hasError())
            return std::nullopt;
        return QVariant(std::move(array));
    }

    QXmlStreamReader m_xml;
    int m_maximumDepth;
};

}

std::optional<QVariant> FXPropertyListXmlReader::read(const QByteArray &data, int maximumDepth)
{
    return Reader(data, maximumDepth).readDocument();
}

std::optional<QDateTime> FXPropertyListXmlReader::dateFromText(QStringView text)
{
    QDateTime date = QDateTime::fromString(text.trimmed().toString(), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    if (date.timeSpec() == Qt::LocalTime)
        date.setTimeZone(QTimeZone::utc());
    const qint64 milliseconds = date.toMSecsSinceEpoch();
    const qint64 seconds = milliseconds / 1000 - (milliseconds % 1000 < 0 ? 1 : 0);
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}
