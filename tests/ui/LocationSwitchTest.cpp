// The offer to make the currency of the computer's new country the main currency.

#include "FXTranslations.h"
#include "Readables.h"
#include "TableDriver.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

class LocationSwitchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FXTranslations::install(*qApp); }

    void aNewCountryOffersItsCurrency_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("button");   // empty: no offer
        QTest::addColumn<QString>("mainCurrency");
        QTest::newRow("change") << "CH" << "Change" << "CHF";
        QTest::newRow("cancel") << "CH" << "Cancel" << "USD";
        QTest::newRow("a country without a currency") << "AQ" << QString() << "USD";
        QTest::newRow("a country of the main currency") << "EC" << QString() << "USD";
    }

    void aNewCountryOffersItsCurrency()
    {
        QFETCH(QString, country);
        QFETCH(QString, button);
        QFETCH(QString, mainCurrency);
        ConverterWindow converter;
        QVERIFY(converter.show());
        auto &[core, controller, table] = converter;
        QTRY_VERIFY(core.locationManager.has_value());

        core.locationSystem.find(country);

        auto *alert = controller.findChild<QMessageBox *>();
        QCOMPARE(alert != nullptr, !button.isEmpty());
        if (alert) {
            QCOMPARE(alert->text(), QStringLiteral("Make CHF your main currency?"));
            QPushButton *pressed = childReading<QPushButton>(alert, button);
            QVERIFY(pressed);
            QCOMPARE(alert->defaultButton()->text(), QStringLiteral("Change"));
            QTest::mouseClick(pressed, Qt::LeftButton);
        }

        QTRY_COMPARE(core.currencies.defaultCurrency(), std::optional(mainCurrency));
        QCOMPARE(table.cell(0)->currency(), mainCurrency);
    }

    void becomingActiveAsksForAFixWhenTheCurrencyFollowsTheCountry_data()
    {
        QTest::addColumn<bool>("follows");
        QTest::newRow("following the country") << true;
        QTest::newRow("a fixed main currency only") << false;
    }

    void becomingActiveAsksForAFixWhenTheCurrencyFollowsTheCountry()
    {
        QFETCH(bool, follows);
        ConverterHarness core;
        core.settings.setLocationBasedCurrencyEnabled(follows);
        FXMainViewController controller(core.services);
        core.services.location();
        const int fixes = core.locationSystem.fixesAskedFor;
        int refreshes = 0;
        core.center.addObserver(&controller, FXRatesDidUpdateNotification,
                                [&refreshes](const FXNotification &) { ++refreshes; });

        // Active before its first frame, the window starts nothing the frame does not need.
        controller.applicationDidBecomeActive();
        QCOMPARE(core.locationSystem.fixesAskedFor, fixes);
        QVERIFY(!core.currencies.isUpdating());

        // Rates not updated in this run are old: once on screen, the window refreshes them.
        controller.show();
        QTRY_COMPARE(refreshes, 1);
        // Coming to the front again asks where the computer is.
        controller.applicationDidBecomeActive();
        QCOMPARE(core.locationSystem.fixesAskedFor - fixes, follows ? 1 : 0);
        // Old rates are tried again when the window comes to the front a while after the last try.
        QTimer comingToTheFront;
        connect(&comingToTheFront, &QTimer::timeout, &controller,
                &FXMainViewController::applicationDidBecomeActive);
        comingToTheFront.start(500);
        QTRY_COMPARE_WITH_TIMEOUT(refreshes, 2, 30'000);
    }
};

QTEST_MAIN(LocationSwitchTest)
#include "LocationSwitchTest.moc"
