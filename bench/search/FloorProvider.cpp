// The floor that cambio-search-provider is measured against: a bare QtDBus program, started by the
// bus like it, that answers GNOME Shell's first question with a fixed result.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QStringList>

class FloorProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public slots:
    QStringList GetInitialResultSet(const QStringList &) { return {QStringLiteral("USD 100>EUR")}; }
};

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    FloorProvider provider;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.registerObject(QStringLiteral("/io/github/cambio/Floor"), &provider,
                       QDBusConnection::ExportAllSlots);
    if (!bus.registerService(QStringLiteral("io.github.cambio.Floor")))
        return 1;
    return application.exec();
}

#include "FloorProvider.moc"
