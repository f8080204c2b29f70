#include "FXDesktopSearch.h"

#include "FXInput.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QTextStream>

FXDesktopSearch::FXDesktopSearch(const FXConversionResults &results, const QDBusConnection &bus,
                                 std::chrono::milliseconds idleInterval, QObject *parent)
    : QObject(parent)
    , m_results(results)
    , m_bus(bus)
{
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(idleInterval);
    connect(&m_idleTimer, &QTimer::timeout, this, &FXDesktopSearch::idle);
    m_idleTimer.start();
}

void FXDesktopSearch::keepAlive()
{
    m_idleTimer.start();
}

QList<FXConversionResult> FXDesktopSearch::resultsForText(const QString &text)
{
    keepAlive();
    return m_results.resultsForText(text);
}

std::optional<FXConversionResult> FXDesktopSearch::resultForIdentifier(const QString &identifier)
{
    keepAlive();
    return m_results.resultForIdentifier(identifier);
}

void FXDesktopSearch::openResult(const QString &identifier)
{
    if (const auto result = resultForIdentifier(identifier))
        showAmount(result->sourceCurrency, result->sourceAmount);
}

void FXDesktopSearch::openQuery(const QString &text)
{
    keepAlive();
    if (const auto source = m_results.sourceOf(text))
        showAmount(source->currency, source->amount);
}

void FXDesktopSearch::showAmount(const QString &currency, double amount)
{
    // The window takes only what typing builds: a sum below zero ("5 usd - 10 gbp") or one with
    // more integer digits than a row holds opens the window without it.
    const bool typable = amount >= 0 && FXInput::fitsTyping(amount);
    QDBusMessage call = QDBusMessage::createMethodCall(
        WindowService, WindowPath, WindowInterface,
        typable ? QStringLiteral("ShowAmount") : QStringLiteral("Activate"));
    if (typable)
        call << currency << m_plainNumbers.formattedStringForInput(amount);
    // Sent without waiting: starting the window may take longer than the shell waits for us.
    if (!m_bus.send(call))
        QTextStream(stderr) << "cambio-search-provider: cannot reach the window: "
                            << m_bus.lastError().message() << '\n';
}

bool FXDesktopSearch::canCopy()
{
    keepAlive();
    const QDBusConnectionInterface *bus = m_bus.interface();
    return bus && bus->isServiceRegistered(ClipboardService).value();
}

void FXDesktopSearch::copyResult(const QString &identifier)
{
    const auto result = resultForIdentifier(identifier);
    if (!result || !canCopy())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        ClipboardService, QStringLiteral("/klipper"), QStringLiteral("org.kde.klipper.klipper"),
        QStringLiteral("setClipboardContents"));
    call << result->convertedText;
    m_bus.send(call);
}
