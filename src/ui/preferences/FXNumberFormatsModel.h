#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <optional>

// The notations amounts can be written in: first the system's, then every locale ICU has data for
// that names a region (a locale without one has no currency to fall back on), sorted by their
// names in the language of the program's texts. Column 0 names the locale, column 1 shows an
// amount written in it, as the converter would.
class FXNumberFormatsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Role {
        // The ICU id; none for the system's notation.
        IdentifierRole = Qt::UserRole + 1,
        // The names in the program's language and in the locale's own, and the id.
        SearchTextRole,
    };

    explicit FXNumberFormatsModel(QObject *parent = nullptr);

    // `identifier`'s name in the language of the program's texts: "German (Switzerland)".
    static QString displayName(const QString &identifier);
    // The row of a choice; the system's (0) for an identifier that is not listed.
    int rowForIdentifier(const std::optional<QString> &identifier) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Format {
        QString identifier;
        QString name;
        QString ownName;
    };

    QString example(int row) const;

    QList<Format> m_formats;   // the system's first, with no identifier
    mutable QHash<int, QString> m_examples;   // by row, made as rows are shown
};
