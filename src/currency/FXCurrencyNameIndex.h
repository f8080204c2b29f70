#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <mutex>

class FXCurrencyManager;

// Finds currencies by the names people type: every currency of the catalogue under its name in the
// user's language and in English, singular and plural ("US dollar", "US dollars", "franc suisse"),
// and under the first and the last word of those names ("dollars", "yen", "franc"), which several
// currencies may share. Names are compared without regard to case.
//
// Built at the first question and again whenever the locale or the catalogue changed. Main thread
// only.
class FXCurrencyNameIndex {
public:
    // `currencies` must outlive the index.
    explicit FXCurrencyNameIndex(const FXCurrencyManager &currencies);

    // The currency whose whole name `name` is, in a form just given; empty when none is.
    QString currencyForName(const QString &name) const;
    // The currencies with a name that starts or ends with the word `word`, in the catalogue's
    // order; empty when none has.
    QStringList currenciesForWord(const QString &word) const;

    // `text` as names are compared: case folded, spaces of any kind as one space.
    static QString key(const QString &text);

private:
    void rebuildIfStale() const;

    const FXCurrencyManager &m_currencies;
    mutable QHash<QString, QString> m_names;       // by key: the currency
    mutable QHash<QString, QStringList> m_words;   // by key: the currencies, each once
    mutable quint64 m_generation = 0;              // of the locale the index was built for
    mutable QStringList m_catalogue;               // the codes it was built for
};
