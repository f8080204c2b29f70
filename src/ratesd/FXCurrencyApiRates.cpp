#include "FXCurrencyApiRates.h"

#include "FXCurrencyCodes.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

// Walks the answer as it is parsed, which, unlike a parsed document, shows every member that is
// listed twice. Takes the top level's "date" and the numbers of its "usd" object; every other
// value, however deep, is passed over.
class AnswerWalker final : public nlohmann::json_sax<Json> {
public:
    QString failure;
    std::optional<QString> date;            // set when the top level has a string "date"
    bool dateGiven = false;                 // any "date" member at the top level
    bool tableGiven = false;                // a "usd" object at the top level
    QList<std::pair<QString, double>> rates;   // the "usd" object's numbers, as listed

    bool null() override { return value(); }
    bool boolean(bool) override { return value(); }
    bool number_integer(number_integer_t value) override { return rate(double(value)); }
    bool number_unsigned(number_unsigned_t value) override { return rate(double(value)); }
    bool number_float(number_float_t value, const string_t &) override { return rate(value); }
    bool binary(binary_t &) override { return value(); }
    bool string(string_t &text) override
    {
        if (m_depth == 1 && m_key == "date")
            date = QString::fromStdString(text);
        return value();
    }

    bool start_object(std::size_t) override
    {
        if (m_depth == 1 && m_key == "usd") {
            if (tableGiven)
                return fail(QStringLiteral("two \"usd\" tables in the answer"));
            tableGiven = true;
            m_inTable = true;
        }
        ++m_depth;
        return true;
    }
    bool end_object() override
    {
        --m_depth;
        if (m_depth == 1)
            m_inTable = false;
        return true;
    }
    bool start_array(std::size_t) override
    {
        ++m_depth;
        return true;
    }
    bool end_array() override
    {
        --m_depth;
        return true;
    }
    bool key(string_t &name) override
    {
        m_key = name;
        if (m_depth == 1 && name == "date") {
            if (dateGiven)
                return fail(QStringLiteral("two dates in the answer"));
            dateGiven = true;
        }
        return true;
    }
    bool parse_error(std::size_t position, const std::string &, const nlohmann::detail::exception &) override
    {
        return fail(QStringLiteral("not JSON: unexpected text at byte %1").arg(position));
    }

private:
    bool value() { return true; }
    bool rate(double value)
    {
        if (m_inTable && m_depth == 2)
            rates.append({QString::fromStdString(m_key), value});
        return true;
    }
    bool fail(const QString &reason)
    {
        if (failure.isEmpty())
            failure = reason;
        return false;
    }

    int m_depth = 0;
    bool m_inTable = false;
    std::string m_key;
};

QString numberText(double value)
{
    return QString::number(value, 'g', 17);
}

}

namespace FXCurrencyApiRates {

FXReadResult read(const QByteArray &json, const FXCurrencyCodes &codes)
{
    AnswerWalker walker;
    const bool parsed = Json::sax_parse(json.cbegin(), json.cend(), &walker, Json::input_format_t::json, true);
    if (!parsed)
        return FXReadResult::failure(walker.failure.isEmpty() ? QStringLiteral("not JSON") : walker.failure);
    if (!walker.tableGiven)
        return FXReadResult::failure(QStringLiteral("no \"usd\" table in the answer"));
    if (!walker.dateGiven)
        return FXReadResult::failure(QStringLiteral("no date in the answer"));
    const QDate date = QDate::fromString(walker.date.value_or(QString()), Qt::ISODate);
    if (!date.isValid())
        return FXReadResult::failure(QStringLiteral("not a date: ") + walker.date.value_or(QStringLiteral("a non-string value")));

    QMap<QString, double> listed;
    for (const auto &[key, value] : std::as_const(walker.rates)) {
        const QString code = key.toUpper();
        const auto earlier = listed.constFind(code);
        if (earlier != listed.cend() && *earlier != value)
            return FXReadResult::failure(QStringLiteral("%1 listed twice, at %2 and %3")
                                             .arg(code, numberText(*earlier), numberText(value)));
        listed.insert(code, value);
    }
    if (const auto dollar = listed.constFind(QStringLiteral("USD")); dollar != listed.cend() && *dollar != 1.0)
        return FXReadResult::failure(QStringLiteral("the answer gives USD %1, not 1").arg(numberText(*dollar)));

    FXDatedRates result{{}, QDateTime(date, QTime(0, 0), Qt::UTC)};
    for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
        const FXRate rate = FXRates::fromBase(it.value());
        if (FXRates::isServable(it.key(), rate) && codes.isServable(it.key(), date))
            result.rates.insert(it.key(), rate);
    }
    if (result.rates.isEmpty())
        return FXReadResult::failure(QStringLiteral("no usable rates in the answer"));
    return FXReadResult::success(std::move(result));
}

}
