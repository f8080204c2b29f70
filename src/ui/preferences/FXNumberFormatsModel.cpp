#include "FXNumberFormatsModel.h"

#include "FXICUString.h"
#include "FXLocale.h"
#include "FXLocalizedString.h"
#include "FXNumberFormatter.h"

#include <QCollator>
#include <QLocale>

#include <unicode/locid.h>

#include <algorithm>

namespace {

// What a row shows as an example: an amount with a fraction, as the converter writes it.
constexpr double ExampleAmount = 1234.56;

QString nameIn(const icu::Locale &locale, const icu::Locale &language)
{
    icu::UnicodeString name;
    locale.getDisplayName(language, name);
    return FXICUString::toQString(name);
}

// The language the program's texts are shown in.
icu::Locale textLanguage()
{
    return icu::Locale(FXLocale::icuIdentifier(QLocale().name()).toUtf8().constData());
}

}

FXNumberFormatsModel::FXNumberFormatsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    const icu::Locale language = textLanguage();
    int32_t count = 0;
    const icu::Locale *available = icu::Locale::getAvailableLocales(count);
    for (int32_t i = 0; i < count; ++i) {
        const icu::Locale &locale = available[i];
        if (qstrlen(locale.getCountry()) == 0)
            continue;
        m_formats.append({QString::fromUtf8(locale.getName()), nameIn(locale, language),
                          nameIn(locale, locale)});
    }
    QCollator collator(QLocale(QString::fromUtf8(language.getName())));
    std::sort(m_formats.begin(), m_formats.end(), [&](const Format &a, const Format &b) {
        return collator.compare(a.name, b.name) < 0;
    });
    const QString system = FXLocale::identifierFromEnvironment();
    m_formats.prepend({QString(), FXLocalizedString::format("System (%@)", displayName(system)),
                       QString()});
}

QString FXNumberFormatsModel::displayName(const QString &identifier)
{
    return nameIn(icu::Locale(identifier.toUtf8().constData()), textLanguage());
}

int FXNumberFormatsModel::rowForIdentifier(const std::optional<QString> &identifier) const
{
    if (!identifier)
        return 0;
    const QString wanted = FXLocale::icuIdentifier(*identifier);
    for (int row = 1; row < m_formats.size(); ++row) {
        if (m_formats[row].identifier == wanted)
            return row;
    }
    return 0;
}

int FXNumberFormatsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_formats.size());
}

int FXNumberFormatsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant FXNumberFormatsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Format &format = m_formats[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0 ? format.name : example(index.row());
    case Qt::ToolTipRole:
        return format.ownName.isEmpty() ? QVariant() : QVariant(format.ownName);
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case IdentifierRole:
        return format.identifier.isEmpty() ? QVariant() : QVariant(format.identifier);
    case SearchTextRole:
        return QString(format.name + u' ' + format.ownName + u' ' + format.identifier);
    default:
        return {};
    }
}

QString FXNumberFormatsModel::example(int row) const
{
    auto cached = m_examples.constFind(row);
    if (cached != m_examples.constEnd())
        return *cached;
    const QString &identifier = m_formats[row].identifier;
    const FXLocale locale(identifier.isEmpty() ? FXLocale::identifierFromEnvironment() : identifier);
    const QString example = FXNumberFormatter(locale).formattedStringForInput(ExampleAmount);
    m_examples.insert(row, example);
    return example;
}
