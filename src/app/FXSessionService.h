#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>

class FXApplicationDelegate;

// The converter window's own name on the user's session bus, which keeps one window per session:
// the first start owns "io.github.cambio.Cambio" and answers at "/io/github/cambio/Cambio", with
// the interface "io.github.cambio.Cambio":
//
//   Activate()                            brings the window to the front
//   ShowAmount(s currencyCode, s amount)  the same, with `amount` in the row of `currencyCode` as if
//                                         typed there; `amount` is written the same whatever the
//                                         user's locale: digits, optionally a full stop and more
//                                         digits ("100.5"), at most as many integer digits as
//                                         typing allows. A bad amount is refused with
//                                         "org.freedesktop.DBus.Error.InvalidArgs" and changes
//                                         nothing; a currency without a row with
//                                         "io.github.cambio.Cambio.Error.NotShown", and the window
//                                         still comes to the front.
//
// A later start asks the owner to Activate and ends; the desktop's search, or a call to the name
// when no window runs (the bus then starts one), asks for an amount. Nothing else reaches the
// window: the bus itself refuses other methods and other arguments. QtDBus, which QtGui loads
// anyway, so that start-up pays for no network library. Main thread only.
class FXSessionService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.cambio.Cambio")

public:
    static inline const QString ServiceName = QStringLiteral("io.github.cambio.Cambio");
    static inline const QString ObjectPath = QStringLiteral("/io/github/cambio/Cambio");
    static inline const QString NotShownError =
        QStringLiteral("io.github.cambio.Cambio.Error.NotShown");

    enum class Start {
        First,        // this start owns the name and answers the later ones
        Answered,     // the running window was asked to come to the front: this start ends
        WithoutBus,   // no session bus, or the name's owner does not answer: the window runs alone
    };

    explicit FXSessionService(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                              QObject *parent = nullptr);
    ~FXSessionService() override;

    // Claims the name, or asks its owner to show its window.
    Start start();
    // Where the requests go. They are answered from the event loop, once this is set.
    void setApplication(FXApplicationDelegate &application);

    // The bus's methods, named as the bus knows them.
public slots:
    Q_SCRIPTABLE void Activate();
    Q_SCRIPTABLE void ShowAmount(const QString &currencyCode, const QString &amount);

private:
    QDBusConnection m_bus;
    FXApplicationDelegate *m_application = nullptr;
    bool m_ownsName = false;
};
