#pragma once

#include "FXCurrencyManager.h"
#include "FXHttpFetcher.h"
#include "FXLocale.h"
#include "FXNotificationCenter.h"
#include "FXPropertyList.h"
#include "FXRatesFile.h"
#include "FXSettingsManager.h"
#include "FXUserDefaults.h"
#include "LoopbackHttpServer.h"
#include "TemporaryHome.h"
#include "TestData.h"

#include <QDir>
#include <QThread>

#include <gtest/gtest.h>

// A rates document of 2026-09-29 holding `rates`, each made with rate().
inline QVariantMap ratesDocument(const QVariantMap &rates)
{
    return {{QStringLiteral("CurrencyRates"), rates},
            {QStringLiteral("Date"), QDateTime(QDate(2026, 9, 29), QTime(0, 0), Qt::UTC)}};
}

// The core objects of one process over a temporary home, wired as the composition root wires
// them, in the en_US locale. The country and the rates server's address are the test's to set.
class CurrencyCore : public TemporaryHomeTest {
protected:
    CurrencyCore() { QDir().mkpath(home.dataHome()); }

    QString ratesPath() const { return home.dataHome() + QStringLiteral("/CurrencyRates.plist"); }
    QString settingsPath() const { return home.configHome() + QStringLiteral("/group.conf"); }
    // Stores a document as another process would.
    void plant(const QVariantMap &rates) const
    {
        ASSERT_TRUE(FXPropertyList::writeDictionaryToFile(ratesDocument(rates), ratesPath()));
    }

    FXLocale locale{QStringLiteral("en_US")};
    FXNotificationCenter center;
    QObject observer;   // the context of the test's own observations
    FXUserDefaults defaults{settingsPath()};
    FXRatesFile file{ratesPath()};
    FXRatesTable table{file, locale};
    FXSettingsManager settings{defaults, table, center};
    FXHttpFetcher fetcher;
    std::optional<QString> country;
    QString ratesServer;   // as the user wrote it
    FXCurrencyManager currencies{table, file, settings, locale, [this] { return country; },
                                 fetcher, [this] { return ratesServer; }, center};
};

// The core refreshing from a loopback rates server, and what it announces.
class RefreshingCore : public CurrencyCore {
protected:
    RefreshingCore()
    {
        ratesServer = server.url().toString();
        center.addObserver(&observer, FXRatesDidUpdateNotification, [this](const FXNotification &note) {
            announced.append(note.userInfo);
            // Observers update widgets, and may start the next refresh at once.
            idleOnTheMainThread &= !currencies.isUpdating() && QThread::currentThread() == qApp->thread();
        }, &currencies);
    }

    // Starts a refresh as the window does, and waits for its end to be announced.
    bool refreshNow()
    {
        const qsizetype before = announced.size();
        currencies.updateCurrencyRates();
        return runUntil([&] { return announced.size() > before; });
    }

    LoopbackHttpServer server;
    QList<QVariantMap> announced;
    bool idleOnTheMainThread = true;   // at every announcement
};
