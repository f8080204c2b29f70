// The floor that cambio-search-provider is measured against: a bare QtDBus program, started by the
// bus like it, that answers GNOME Shell's first two questions with a fixed result.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QObject>
#include <QStringList>

class FloorProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public slots:
    // As many results as the provider gives at most.
    QStringList GetInitialResultSet(const QStringList &)
    {
        return {QStringLiteral("USD 100>EUR"), QStringLiteral("USD 100>GBP"),
                QStringLiteral("USD 100>JPY"), QStringLiteral("USD 100>BTC"),
                QStringLiteral("USD 100>CHF")};
    }
    QList<QVariantMap> GetResultMetas(const QStringList &identifiers)
    {
        QList<QVariantMap> metas;
        for (const QString &identifier : identifiers) {
            metas.append({{QStringLiteral("id"), identifier},
                          {QStringLiteral("name"), QStringLiteral("100 USD = 88.02 EUR")},
                          {QStringLiteral("description"), QStringLiteral("Euro, rates of 9/29/26")},
                          {QStringLiteral("gicon"), QStringLiteral("/usr/share/icons/eu.svg")}});
        }
        return metas;
    }
};

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    qDBusRegisterMetaType<QList<QVariantMap>>();
    FloorProvider provider;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.registerObject(QStringLiteral("/io/github/cambio/Floor"), &provider,
                       QDBusConnection::ExportAllSlots);
    if (!bus.registerService(QStringLiteral("io.github.cambio.Floor")))
        return 1;
    return application.exec();
}

#include "FloorProvider.moc"
