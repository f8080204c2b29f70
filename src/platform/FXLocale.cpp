#include "FXLocale.h"

#include "FXICUString.h"
#include "FXLocalizedString.h"
#include "FXNotificationCenter.h"

#include <QHash>
#include <QtGlobal>

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numsys.h>
#include <unicode/region.h>
#include <unicode/ucurr.h>
#include <unicode/uloc.h>
#include <unicode/bytestream.h>

#include <algorithm>
#include <string>

namespace {

std::optional<QString> currencyOfLocale(const char *localeId)
{
    UErrorCode status = U_ZERO_ERROR;
    UChar buffer[4] = {};
    const int32_t length = ucurr_forLocale(localeId, buffer, 4, &status);
    if (U_FAILURE(status) || length != 3)
        return std::nullopt;
    const QString code(reinterpret_cast<const QChar *>(buffer), length);
    // ICU answers "XXX" (no currency) for regions that have none.
    if (code == u"XXX")
        return std::nullopt;
    return code;
}

std::optional<QString> icuCurrencyName(const icu::Locale &locale, const QString &code,
                                       UCurrNameStyle style)
{
    if (code.size() != 3)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    UBool isChoiceFormat = false;
    int32_t length = 0;
    const UChar *name = ucurr_getName(FXICUString::utf16(code),
                                      locale.getName(), style, &isChoiceFormat, &length, &status);
    if (U_FAILURE(status) || !name)
        return std::nullopt;
    const QString result(reinterpret_cast<const QChar *>(name), length);
    // Without data ICU echoes the code itself.
    if (result == code)
        return std::nullopt;
    return result;
}

// ICU sets every symbol to its last-resort value before it loads the locale's own, and falls back
// to its root locale for a locale it has no data for: the symbols are usable whatever the status.
icu::DecimalFormatSymbols numberSymbolsOf(const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    return icu::DecimalFormatSymbols(locale, status);
}

icu::DecimalFormatSymbols latinNumberSymbolsOf(const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::NumberingSystem> latin(
        icu::NumberingSystem::createInstanceByName("latn", status));
    return U_SUCCESS(status) ? icu::DecimalFormatSymbols(locale, *latin, status)
                             : icu::DecimalFormatSymbols(locale, status);
}

// Why the program would not honour an ICU keyword of `locale`, if there is one: it honours a
// decimal numbering system ICU knows ("numbers=latn") and a currency ICU knows ("currency=EUR"),
// which decide how amounts are written and the main currency; nothing else.
QString unhonouredKeyword(const icu::Locale &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::StringEnumeration> keywords(locale.createKeywords(status));
    if (!keywords)
        return {};
    while (const char *keyword = keywords->next(nullptr, status)) {
        UErrorCode valueStatus = U_ZERO_ERROR;
        std::string value;
        icu::StringByteSink<std::string> sink(&value);
        locale.getKeywordValue(keyword, sink, valueStatus);
        const QString setting = QString::fromLatin1(keyword) + u'=' + QString::fromStdString(value);
        if (qstrcmp(keyword, "numbers") == 0) {
            const std::unique_ptr<icu::NumberingSystem> numbers(
                icu::NumberingSystem::createInstanceByName(value.c_str(), valueStatus));
            if (U_FAILURE(valueStatus) || !numbers || numbers->isAlgorithmic() || numbers->getRadix() != 10)
                return FXLocalizedString::format("no decimal numbering system: %@", setting);
        } else if (qstrcmp(keyword, "currency") == 0) {
            const QString code = QString::fromStdString(value).toUpper();
            if (code.size() != 3
                || !ucurr_isAvailable(FXICUString::utf16(code), -U_DATE_MAX, U_DATE_MAX, &valueStatus))
                return FXLocalizedString::format("unknown currency: %@", setting);
        } else {
            return FXLocalizedString::format(
                "locale keyword not supported: %@ (numbers and currency are)", setting);
        }
    }
    return {};
}

}

struct FXLocale::Data {
    QString identifier;
    icu::Locale locale;
    icu::DecimalFormatSymbols symbols;
    icu::DecimalFormatSymbols latinSymbols;

    explicit Data(const QString &id)
        : identifier(id)
        , locale(id.toUtf8().constData())
        , symbols(numberSymbolsOf(locale))
        , latinSymbols(symbols.getSymbol(icu::DecimalFormatSymbols::kZeroDigitSymbol) == u"0"
                           ? symbols
                           : latinNumberSymbolsOf(locale))
    {
    }

    QString symbol(icu::DecimalFormatSymbols::ENumberFormatSymbol which) const
    {
        return FXICUString::toQString(symbols.getSymbol(which));
    }

    // ICU opens the locale's currency data anew at every question, which costs more than a search
    // query does: each answer is kept for as long as the locale is in force. Only answers for
    // codes as ISO writes them (three capitals) are kept, so that the memory stays bounded
    // whatever is asked.
    std::optional<QString> currencyName(const QString &code, UCurrNameStyle style) const
    {
        const bool isCode = code.size() == 3
                            && std::all_of(code.cbegin(), code.cend(),
                                           [](QChar c) { return c >= u'A' && c <= u'Z'; });
        if (!isCode)
            return icuCurrencyName(locale, code, style);
        const QString key = code + QChar(u'0' + style);
        std::lock_guard lock(namesMutex);
        if (const auto known = names.constFind(key); known != names.cend())
            return *known;
        const auto name = icuCurrencyName(locale, code, style);
        names.insert(key, name);
        return name;
    }

    mutable std::mutex namesMutex;
    mutable QHash<QString, std::optional<QString>> names;   // by code and style
};

FXLocale::FXLocale(const QString &identifier, FXNotificationCenter *center)
    : m_center(center)
    , m_data(std::make_shared<const Data>(icuIdentifier(identifier)))
{
}

QString FXLocale::identifierFromEnvironment()
{
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return icuIdentifier(value);
    }
    return icuIdentifier(QString());
}

QString FXLocale::icuIdentifier(const QString &name)
{
    const QString modifier = name.section(u'@', 1);
    QString id = name.section(u'@', 0, 0).section(u'.', 0, 0);
    if (id.isEmpty() || id == u"C" || id == u"POSIX")
        return QStringLiteral("en_US");
    id.replace(u'-', u'_');
    if (modifier.contains(u'='))
        id += u'@' + modifier;
    return QString::fromUtf8(icu::Locale(id.toUtf8().constData()).getName());
}

FXResult FXLocale::checkLocaleName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return FXResult::failed(FXLocalizedString::text("no locale given"));
    const icu::Locale wanted(icuIdentifier(name).toUtf8().constData());
    const auto unknown = [&] {
        return FXResult::failed(FXLocalizedString::format("unknown locale: %@", name));
    };
    if (wanted.isBogus() || qstrlen(wanted.getLanguage()) == 0)
        return unknown();
    int32_t count = 0;
    const icu::Locale *available = icu::Locale::getAvailableLocales(count);
    const bool hasData = std::any_of(available, available + count, [&](const icu::Locale &locale) {
        return qstrcmp(locale.getLanguage(), wanted.getLanguage()) == 0;
    });
    if (!hasData)
        return unknown();

    const QString reason = unhonouredKeyword(wanted);
    return reason.isEmpty() ? FXResult::done() : FXResult::failed(reason);
}

std::shared_ptr<const FXLocale::Data> FXLocale::data() const
{
    std::lock_guard lock(m_mutex);
    return m_data;
}

QString FXLocale::identifier() const
{
    return data()->identifier;
}

void FXLocale::setIdentifier(const QString &identifier)
{
    auto replacement = std::make_shared<const Data>(icuIdentifier(identifier));
    {
        std::lock_guard lock(m_mutex);
        if (m_data->identifier == replacement->identifier)
            return;
        m_data = std::move(replacement);
        m_generation.fetch_add(1, std::memory_order_acq_rel);
    }
    if (m_center)
        m_center->postNotification(FXCurrentLocaleDidChangeNotification, this);
}

icu::Locale FXLocale::icuLocale() const
{
    return data()->locale;
}

QString FXLocale::decimalSeparator() const
{
    return data()->symbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol);
}

QString FXLocale::groupingSeparator() const
{
    return data()->symbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol);
}

QString FXLocale::minusSign() const
{
    return data()->symbol(icu::DecimalFormatSymbols::kMinusSignSymbol);
}

icu::DecimalFormatSymbols FXLocale::numberSymbols() const
{
    return data()->symbols;
}

icu::DecimalFormatSymbols FXLocale::latinNumberSymbols() const
{
    return data()->latinSymbols;
}

std::optional<QString> FXLocale::currencyCode() const
{
    return currencyOfLocale(data()->locale.getName());
}

std::optional<QString> FXLocale::displayNameForCurrency(const QString &code) const
{
    return data()->currencyName(code, UCURR_LONG_NAME);
}

std::optional<QString> FXLocale::symbolForCurrency(const QString &code) const
{
    return data()->currencyName(code, UCURR_SYMBOL_NAME);
}

std::optional<QString> FXLocale::narrowSymbolForCurrency(const QString &code) const
{
    return data()->currencyName(code, UCURR_NARROW_SYMBOL_NAME);
}

std::optional<QString> FXLocale::currencyCodeForRegion(const QString &countryCode)
{
    const QByteArray region = countryCode.toUpper().toLatin1();
    // Only real territories: ICU also knows macro-regions and the "unknown region" ZZ.
    UErrorCode status = U_ZERO_ERROR;
    const icu::Region *territory = icu::Region::getInstance(region.constData(), status);
    if (region.size() != 2 || U_FAILURE(status) || territory->getType() != URGN_TERRITORY)
        return std::nullopt;
    const QByteArray id = "und_" + region;
    return currencyOfLocale(id.constData());
}
