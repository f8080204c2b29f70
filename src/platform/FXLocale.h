#pragma once

#include "FXResult.h"

#include <QString>

#include <unicode/uversion.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

class FXNotificationCenter;

U_NAMESPACE_BEGIN
class DecimalFormatSymbols;
class Locale;
U_NAMESPACE_END

// Posted by FXLocale::setIdentifier on its centre, with the locale as the object, when the locale
// in force changed.
inline const QString FXCurrentLocaleDidChangeNotification =
    QStringLiteral("FXCurrentLocaleDidChangeNotification");

// The conventions of one locale, as ICU knows them: separators, the locale's currency, currency
// names and signs. The program's locale, FXLocale::current(), is the composition root's, taken from
// the environment like any Linux program's and replaceable at run time; tests build their own.
//
// Every answer follows the identifier in force at the moment of the call. Readers that cache
// something derived from the locale key it on generation(), which changes with every replacement.
class FXLocale {
public:
    static FXLocale &current();

    // `identifier` is an ICU locale id ("de_DE") or a POSIX locale name ("de_DE.UTF-8", "C").
    explicit FXLocale(const QString &identifier, FXNotificationCenter *center = nullptr);
    FXLocale(const FXLocale &) = delete;
    FXLocale &operator=(const FXLocale &) = delete;

    // The locale a program of this user should use: LC_ALL, then LC_NUMERIC, then LANG.
    static QString identifierFromEnvironment();
    // The ICU id for a POSIX, BCP 47 or ICU name: encoding and POSIX modifier ("@euro") dropped,
    // ICU keywords ("@numbers=latn", "-u-nu-latn") kept, "C" and "POSIX" as en_US (decimal ".",
    // grouping ","): ICU's own en_US_POSIX writes no grouping and so would refuse "1,234.5" in an
    // amount.
    static QString icuIdentifier(const QString &name);
    // Whether a user-given locale name can be used as it is: not empty, ICU has data for its
    // language, and each ICU keyword in it is one the program honours with a value ICU knows (a
    // decimal numbering system for "numbers", an ISO 4217 code for "currency"); else why not.
    static FXResult checkLocaleName(const QString &name);
    static bool isKnownLocale(const QString &name) { return checkLocaleName(name).isDone(); }

    QString identifier() const;
    // Replaces the locale in force; posts FXCurrentLocaleDidChangeNotification when it changed.
    void setIdentifier(const QString &identifier);
    quint64 generation() const { return m_generation.load(std::memory_order_acquire); }

    icu::Locale icuLocale() const;
    QString decimalSeparator() const;
    QString groupingSeparator() const;
    QString minusSign() const;
    // The symbols of numbers as the locale writes them, in its own digits (Arabic-Indic in ar_EG),
    // and as it writes them in the digits 0 to 9 (in ar_EG "." and "," as separators). The two
    // are the same for a locale whose own digits are 0 to 9.
    icu::DecimalFormatSymbols numberSymbols() const;
    icu::DecimalFormatSymbols latinNumberSymbols() const;

    // The currency of the locale's region; none for a locale without a region or currency.
    std::optional<QString> currencyCode() const;
    // The currency's name in this locale's language; none when ICU has no name for it.
    std::optional<QString> displayNameForCurrency(const QString &code) const;
    // The currency's sign in this locale ("$", "€", "CHF"); none when ICU knows no sign for it.
    std::optional<QString> symbolForCurrency(const QString &code) const;
    // The shortest sign of the currency, which it may share with others ("$" for CAD and AUD).
    std::optional<QString> narrowSymbolForCurrency(const QString &code) const;

    // The currency of a country, by its ISO 3166 alpha-2 code; none for a country without one.
    static std::optional<QString> currencyCodeForRegion(const QString &countryCode);

private:
    struct Data;
    std::shared_ptr<const Data> data() const;

    FXNotificationCenter *m_center;
    mutable std::mutex m_mutex;
    std::shared_ptr<const Data> m_data;   // replaced whole, never changed in place
    std::atomic<quint64> m_generation{0};
};
