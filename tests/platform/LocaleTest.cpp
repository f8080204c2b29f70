#include <QDebug>
#include "FXLocale.h"

#include <gtest/gtest.h>

TEST(Locale, Smoke)
{
    for (const char *id : {"en_US", "de_DE", "fr_FR", "ar_EG", "C", "de-CH", "de_DE.UTF-8@euro", "ja_JP", "de"}) {
        FXLocale locale(QString::fromLatin1(id));
        qDebug() << id << locale.identifier() << locale.decimalSeparator() << locale.groupingSeparator()
                 << locale.minusSign() << locale.currencyCode().value_or(QStringLiteral("nil"))
                 << locale.displayNameForCurrency(QStringLiteral("EUR")).value_or(QStringLiteral("nil"))
                 << locale.symbolForCurrency(QStringLiteral("USD")).value_or(QStringLiteral("nil"))
                 << locale.symbolForCurrency(QStringLiteral("BTC")).value_or(QStringLiteral("nil"))
                 << FXLocale::isKnownLocale(QString::fromLatin1(id));
    }
    for (const char *c : {"DE", "US", "CH", "AQ", "XK", "PS", "zz"})
        qDebug() << c << FXLocale::currencyCodeForRegion(QString::fromLatin1(c)).value_or(QStringLiteral("nil"));
}
