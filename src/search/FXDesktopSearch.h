#pragma once

#include "FXConversionResults.h"
#include "FXLocale.h"
#include "FXNumberFormatter.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <chrono>

// What the desktop's search asks of Cambio, whichever shell asks: the conversions a typed text
// asks for, the window opened on one of them, and its amount copied through the desktop's
// clipboard manager. Every question keeps the program alive for another idle interval; after one
// without questions it announces idle(), and the program ends: the bus starts it again when asked.
// Main thread only.
class FXDesktopSearch : public QObject {
    Q_OBJECT

public:
    // The window's name, object and interface on the session bus.
    static inline const QString WindowService = QStringLiteral("io.github.cambio.Cambio");
    static inline const QString WindowPath = QStringLiteral("/io/github/cambio/Cambio");
    static inline const QString WindowInterface = QStringLiteral("io.github.cambio.Cambio");
    // KDE's clipboard manager, which keeps what it is given after this program has ended.
    static inline const QString ClipboardService = QStringLiteral("org.kde.klipper");

    // `results` must outlive the search.
    FXDesktopSearch(const FXConversionResults &results, const QDBusConnection &bus,
                    std::chrono::milliseconds idleInterval, QObject *parent = nullptr);

    QList<FXConversionResult> resultsForText(const QString &text);
    std::optional<FXConversionResult> resultForIdentifier(const QString &identifier);
    // Opens the window (the bus starts it when none runs) with the result's amount typed into its
    // source currency's row, or without it when typing could not build it (below zero, too many
    // digits); a text that is no query opens nothing.
    void openResult(const QString &identifier);
    void openQuery(const QString &text);
    // Whether a clipboard manager that outlives this program is on the bus.
    bool canCopy();
    // Hands the converted amount of a result to the clipboard manager.
    void copyResult(const QString &identifier);

signals:
    void idle();

private:
    void keepAlive();
    void showAmount(const QString &currency, double amount);

    const FXConversionResults &m_results;
    QDBusConnection m_bus;
    QTimer m_idleTimer;
    // The window takes its amount in the C locale's notation, written as the rows write it.
    FXLocale m_plainLocale{QStringLiteral("C")};
    FXNumberFormatter m_plainNumbers{m_plainLocale};
};
