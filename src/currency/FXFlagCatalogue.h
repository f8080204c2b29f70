#pragma once

#include <QHash>
#include <QString>

#include <optional>

// Which image shows a currency: the flag of the country whose currency it is, as ICU's locale data
// tells, preferring the country or union that the code's first two letters name (USD: us, EUR: eu,
// XOF: the first of its countries by code, bf); our own image where we have one (BTC), and our
// "UnknownCurrency" image for currencies of no country. Images are SVG files.
class FXFlagCatalogue {
public:
    // `flagsDirectory` holds the squared flags named by lower-case country code ("de.svg");
    // `ownImagesDirectory` our own, named by currency code ("BTC.svg", "UnknownCurrency.svg").
    explicit FXFlagCatalogue(QString flagsDirectory = systemFlagsDirectory(),
                             QString ownImagesDirectory = compiledImagesDirectory());

    // Debian's iso-flags-svg.
    static QString systemFlagsDirectory();
    // Our own images as the window carries them in its resources; programs without them (the
    // desktop's search, which hands files to the shells) use the installed copies instead.
    static QString compiledImagesDirectory() { return QStringLiteral(":/flags"); }
    QString unknownCurrencyImagePath() const;

    QString imagePathForCurrency(const QString &currency) const;

private:
    // The country (or union) whose flag stands for `currency`, in upper case.
    static std::optional<QString> countryForCurrency(const QString &currency);

    QString m_flagsDirectory;
    QString m_ownImagesDirectory;
    mutable QHash<QString, QString> m_paths;   // by currency, filled as currencies are asked for
};
