#include "FXFlagCatalogue.h"

#include "FXLocale.h"

#include <QFileInfo>

#include <unicode/region.h>
#include <unicode/strenum.h>
#include <unicode/ucurr.h>

#include <memory>

namespace {

// For every currency, the first of its countries by code. Built once, and only when some
// currency's code does not name a country or union of its own.
const QHash<QString, QString> &firstCountryByCurrency()
{
    static const QHash<QString, QString> countries = [] {
        QHash<QString, QString> result;
        UErrorCode status = U_ZERO_ERROR;
        const std::unique_ptr<icu::StringEnumeration> territories(
            icu::Region::getAvailable(URGN_TERRITORY, status));
        if (U_FAILURE(status) || !territories)
            return result;
        while (const char *territory = territories->next(nullptr, status)) {
            if (U_FAILURE(status))
                break;
            const QString country = QString::fromLatin1(territory);
            const auto currency = FXLocale::currencyCodeForRegion(country);
            if (currency && (!result.contains(*currency) || country < result.value(*currency)))
                result.insert(*currency, country);
        }
        return result;
    }();
    return countries;
}

// Whether the region that `currency`'s first two letters name pays in it: a country (USD: US) or a
// union of countries with a currency of its own (EUR: EU). Asked of the region's locale by its
// name alone, which is quick: a whole FXLocale would load the region's number symbols as well,
// and ICU's list of territories costs milliseconds and megabytes, and waits for a currency that
// needs it.
bool regionOfCodePaysIn(const QString &currency)
{
    const QByteArray locale = "und_" + currency.left(2).toLatin1();
    UErrorCode status = U_ZERO_ERROR;
    UChar code[4] = {};
    const int32_t length = ucurr_forLocale(locale.constData(), code, 4, &status);
    return U_SUCCESS(status) && length == 3 && QStringView(code, length) == currency;
}

}

FXFlagCatalogue::FXFlagCatalogue(QString flagsDirectory, QString ownImagesDirectory)
    : m_flagsDirectory(std::move(flagsDirectory))
    , m_ownImagesDirectory(std::move(ownImagesDirectory))
{
}

QString FXFlagCatalogue::systemFlagsDirectory()
{
    return QStringLiteral(CAMBIO_FLAGS_DIRECTORY);
}

QString FXFlagCatalogue::unknownCurrencyImagePath() const
{
    return m_ownImagesDirectory + QStringLiteral("/UnknownCurrency.svg");
}

std::optional<QString> FXFlagCatalogue::countryForCurrency(const QString &currency)
{
    if (currency.size() != 3)
        return std::nullopt;
    if (regionOfCodePaysIn(currency))
        return currency.left(2);
    const auto &countries = firstCountryByCurrency();
    const auto found = countries.constFind(currency);
    if (found == countries.cend())
        return std::nullopt;
    return *found;
}

QString FXFlagCatalogue::imagePathForCurrency(const QString &currency) const
{
    const auto known = m_paths.constFind(currency);
    if (known != m_paths.cend())
        return *known;
    QString path = m_ownImagesDirectory + u'/' + currency + QStringLiteral(".svg");
    if (currency.isEmpty() || !QFileInfo::exists(path)) {
        const auto country = countryForCurrency(currency);
        path = country ? m_flagsDirectory + u'/' + country->toLower() + QStringLiteral(".svg")
                       : QString();
        if (path.isEmpty() || !QFileInfo::exists(path))
            path = unknownCurrencyImagePath();
    }
    m_paths.insert(currency, path);
    return path;
}
