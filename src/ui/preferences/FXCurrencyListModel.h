#pragma once

#include <QAbstractListModel>
#include <QStringList>

class FXCurrencyManager;

// A list of currency codes as the preference lists show them: each row's code, the currency's
// name in the current locale, and for screen readers "Euro (EUR)". The display text is the code,
// so that typing a code in a list finds its row.
class FXCurrencyListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { CodeRole = Qt::UserRole + 1, NameRole };

    explicit FXCurrencyListModel(const FXCurrencyManager &currencies, QObject *parent = nullptr);

    QStringList currencies() const { return m_codes; }
    // Shows `codes`; nothing happens when they are the ones shown.
    void setCurrencies(const QStringList &codes);
    QString currencyAt(int row) const { return m_codes.value(row); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const FXCurrencyManager &m_currencies;
    QStringList m_codes;
};
