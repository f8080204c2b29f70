#include "FXSessionService.h"

#include "FXApplicationDelegate.h"
#include "FXInput.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QLoggingCategory>
#include <QRegularExpression>

#include <charconv>
#include <optional>

namespace {

// Silent unless asked for (QT_LOGGING_RULES="cambio.session.debug=true"): a desktop without a
// session bus is no fault of the user's.
Q_LOGGING_CATEGORY(sessionLog, "cambio.session", QtInfoMsg)

// A start whose call finds the name without an owner tries to claim it again this often: the
// owner may have been ending.
constexpr int Attempts = 3;

// The amount `text` writes in the notation every locale shares, when typing could build it.
std::optional<double> plainAmount(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("\\A[0-9]+(\\.[0-9]+)?\\z"));
    if (!plain.match(text).hasMatch())
        return std::nullopt;
    const QByteArray digits = text.toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(digits.cbegin(), digits.cend(), value,
                                              std::chars_format::fixed);
    if (error != std::errc() || end != digits.cend() || !FXInput::fitsTyping(value))
        return std::nullopt;
    return value;
}

// `text` as an error quotes it: whatever size the caller sent, the answer stays short.
QString quoted(const QString &text)
{
    constexpr qsizetype Longest = 40;
    return text.size() <= Longest ? text : text.left(Longest) + QStringLiteral("…");
}

// Whether a call failed because nobody owns the name any more, rather than for its owner's
// answer.
bool ownerIsGone(const QDBusMessage &reply)
{
    const QDBusError::ErrorType error = QDBusError(reply).type();
    return error == QDBusError::ServiceUnknown || error == QDBusError::NoReply
           || reply.errorName() == u"org.freedesktop.DBus.Error.NameHasNoOwner";
}

}

FXSessionService::FXSessionService(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
}

FXSessionService::~FXSessionService()
{
    if (!m_ownsName)
        return;
    m_bus.unregisterService(ServiceName);
    m_bus.unregisterObject(ObjectPath);
}

FXSessionService::Start FXSessionService::start()
{
    if (!m_bus.isConnected()) {
        qCDebug(sessionLog) << "No session bus, so no check for a running window:"
                            << m_bus.lastError().message();
        return Start::WithoutBus;
    }
    // The object first: a call that arrives the moment the name is ours finds it.
    if (!m_bus.registerObject(ObjectPath, this, QDBusConnection::ExportScriptableSlots)) {
        qWarning("cambio: a second start cannot reach this window and will open its own: %s",
                 qPrintable(m_bus.lastError().message()));
        return Start::WithoutBus;
    }
    QDBusMessage activate =
        QDBusMessage::createMethodCall(ServiceName, ObjectPath, ServiceName, QStringLiteral("Activate"));
    // Should the owner have gone, this start shows the window itself, in its own environment
    // (its locale, its folders) rather than one the bus would start in the bus's.
    activate.setAutoStartService(false);
    QDBusMessage reply;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        // Never queued for the name: of two starts at once, one owns it and the other asks it.
        if (m_bus.registerService(ServiceName)) {
            m_ownsName = true;
            return Start::First;
        }
        reply = m_bus.call(activate);
        if (reply.type() == QDBusMessage::ReplyMessage || !ownerIsGone(reply))
            break;
    }
    m_bus.unregisterObject(ObjectPath);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return Start::Answered;
    qWarning("cambio: the running window does not answer, so this start opens its own: %s",
             qPrintable(reply.errorMessage()));
    return Start::WithoutBus;
}

void FXSessionService::setApplication(FXApplicationDelegate &application)
{
    m_application = &application;
}

void FXSessionService::Activate()
{
    if (m_application)
        m_application->showMainWindow();
}

void FXSessionService::ShowAmount(const QString &currencyCode, const QString &amount)
{
    const std::optional<double> value = plainAmount(amount);
    if (!value) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("Not an amount: ") + quoted(amount));
        return;
    }
    if (!m_application || !m_application->showAmount(*value, currencyCode)) {
        sendErrorReply(NotShownError,
                       QStringLiteral("%1 is not among the currencies shown").arg(quoted(currencyCode)));
    }
}
