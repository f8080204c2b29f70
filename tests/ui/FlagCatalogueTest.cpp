// Which flag shows a currency, and its rendering once per size and scale.

#include "FXFlagCache.h"
#include "FXFlagCatalogue.h"

#include <QFileInfo>
#include <QTest>

class FlagCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void aCurrencyShowsTheFlagOfItsCountry_data()
    {
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("image");
        QTest::newRow("the country its code names") << "CHF" << "ch.svg";
        QTest::newRow("a union its code names") << "EUR" << "eu.svg";
        QTest::newRow("a code that names no country of it") << "XOF" << "bf.svg";
        QTest::newRow("our own image") << "BTC" << "BTC.svg";
        QTest::newRow("a code newer than ICU's data") << "ZWG" << "ZWG.svg";
        QTest::newRow("a currency of no country") << "XAU" << "UnknownCurrency.svg";
        QTest::newRow("no currency at all") << "" << "UnknownCurrency.svg";
    }

    void aCurrencyShowsTheFlagOfItsCountry()
    {
        QFETCH(QString, currency);
        QFETCH(QString, image);
        const QString path = FXFlagCatalogue().imagePathForCurrency(currency);
        QCOMPARE(QFileInfo(path).fileName(), image);
        QVERIFY(QFileInfo::exists(path));
    }

    void flagsAreRenderedOncePerSizeAndScale()
    {
        FXFlagCache flags;
        QVERIFY(flags.flag(QStringLiteral("EUR"), 28, 2.0).isNull());
        QTRY_VERIFY(!flags.flag(QStringLiteral("EUR"), 28, 2.0).isNull());

        const QPixmap flag = flags.flag(QStringLiteral("EUR"), 28, 2.0);
        QCOMPARE(flag.size(), QSize(56, 56));
        QCOMPARE(flag.devicePixelRatio(), 2.0);
        QCOMPARE(flags.flag(QStringLiteral("EUR"), 28, 2.0).cacheKey(), flag.cacheKey());
        QVERIFY(flags.flag(QStringLiteral("EUR"), 28, 1.0).isNull());
    }
};

QTEST_MAIN(FlagCatalogueTest)
#include "FlagCatalogueTest.moc"
