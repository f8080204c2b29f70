#pragma once

#include <QDate>
#include <QSet>
#include <QString>

// Which codes the server hands out on the day that a source's data stands for: every code of the
// converter's seed (Bitcoin, the metals, drawing rights and the like), and every code that ICU
// counts as in use on that day, except those that name no money that anyone holds (the testing
// code, "no currency", bond-market units) or that are no ISO 4217 code at all (CNH), which
// never-served-codes.txt lists. Anything ICU does not know is refused, so the sources' tokens,
// dead codes they still carry with garbage values and codes that someone made up stay out.
class FXCurrencyCodes {
public:
    // The seed's codes and the list of the program's resources, read once.
    static const FXCurrencyCodes &shared();

    FXCurrencyCodes(QSet<QString> seedCodes, QSet<QString> neverServed);

    bool isServable(const QString &code, const QDate &day) const;

private:
    QSet<QString> m_seedCodes;
    QSet<QString> m_neverServed;
};
