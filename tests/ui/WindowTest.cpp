// The converter window in its application: its frame, its buttons, its status line, its menu, the
// keyboard and screen readers in it and in the preferences, and its texts.

#include "ConverterApplication.h"
#include "FXStatusLine.h"
#include "FXWindowButton.h"
#include "MenuDriver.h"
#include "Readables.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

namespace {

// The colour of the middle of `button` as the screen shows it, not as a new rendering would.
QColor shownColour(const FXWindowButton *button)
{
    const QPixmap screen = button->screen()->grabWindow(button->window()->winId());
    const QPoint middle = button->mapTo(button->window(), button->rect().center());
    return screen.toImage().pixelColor(middle * screen.devicePixelRatio());
}

bool isGrey(const QColor &colour)
{
    return qAbs(colour.red() - colour.green()) < 8 && qAbs(colour.green() - colour.blue()) < 8;
}

// A start `now` whose refresh fails for `why`; the preferences closed by `close`, `active` or not.
struct Walk { QDateTime now; QString why; QKeySequence close; bool active; };

}

Q_DECLARE_METATYPE(Walk)

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowIsMovedKeptAndBroughtBackOntoAScreen_data()
    {
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<bool>("closed");   // else the session ends with the window open
        QTest::addColumn<bool>("onScreen");
        QTest::newRow("closed on the screen") << QPoint(120, 40) << true << true;
        QTest::newRow("open when the session ends") << QPoint(140, 60) << false << true;
        QTest::newRow("on a screen that is gone") << QPoint(5000, 4000) << true << false;
    }

    void theWindowIsMovedKeptAndBroughtBackOntoAScreen()
    {
        QFETCH(QPoint, place);
        QFETCH(bool, closed);
        QFETCH(bool, onScreen);
        ConverterHarness core;
        {
            ConverterApplication app(core);
            FXMainWindowController &window = app.window();
            app.delegate.showMainWindow();
            window.move(place - QPoint(40, 20));
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // Its background moves the window with the left button only.
            QWidget *background = window.contentViewController()->statusTextField()->textField();
            for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
                QTest::mousePress(background, button, {}, QPoint(5, 5));
                QTest::mouseMove(background, QPoint(45, 25));
                QTest::mouseRelease(background, button, {}, QPoint(45, 25));
            }
            QCOMPARE(window.pos(), place);
            // Closing the window ends the program; so does the system, ending the session.
            QTimer::singleShot(0, &window, [&window, closed] {
                if (closed)
                    QTest::mouseClick(window.closeButton(), Qt::LeftButton);
                else
                    QCoreApplication::quit();
            });
            QTimer stillRunning;
            stillRunning.setSingleShot(true);
            connect(&stillRunning, &QTimer::timeout, qApp, &QCoreApplication::quit);
            stillRunning.start(10'000);
            QCoreApplication::exec();
            QVERIFY(stillRunning.isActive());
        }

        FXMainWindowController next(core.services);
        if (onScreen)
            QCOMPARE(next.pos(), place);
        else
            QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(next.frameGeometry()));
    }

    void theKeyboardAndScreenReadersReachEverythingFromStartToQuit_data()
    {
        QTest::addColumn<Walk>("walk");
        const QDateTime start(QDate(2026, 9, 29), QTime(12, 0), Qt::UTC);
        const QString failed = u"Cannot update the rates from"_qs;
        const QString old = u"Rates are 12 days old: cannot update the rates from "_qs;
        const QKeySequence escape(Qt::Key_Escape);
        const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
        QTest::newRow("a refresh failed; Escape") << Walk{start, failed, escape, true};
        QTest::newRow("a refresh failed; Ctrl+W, not made active") << Walk{start, failed, ctrlW, false};
        QTest::newRow("rates 12 days old; Ctrl+W") << Walk{start.addDays(12), old, ctrlW, true};
        QTest::newRow("rates 12 days old; Escape, not made active")
            << Walk{start.addDays(12), old, escape, false};
    }

    void theKeyboardAndScreenReadersReachEverythingFromStartToQuit()
    {
        QFETCH(Walk, walk);
        ConverterHarness core({.now = walk.now});
        ConverterApplication app(core);
        FXApplicationDelegate &application = app.delegate;
        application.applicationDidFinishLaunching();
        FXMainWindowController &window = app.window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        FXMainViewController &content = *window.contentViewController();
        FXStatusLine *status = content.statusTextField();
        TableDriver table(content);
        const auto focused = [] { return QApplication::focusWidget(); };
        // The close and minimise buttons are coloured on the screen while the converter is active.
        const auto greyButtons = [&window] {
            return isGrey(shownColour(window.closeButton())) + isGrey(shownColour(window.minimizeButton()));
        };
        QCOMPARE(focused(), content.ratesTableView());
        QCOMPARE(status->text(), QStringLiteral("Updating…"));
        QTRY_COMPARE(status->text(), QStringLiteral("Updated ") + core.currencies.humanReadableUpdateDate());

        // The warning sign, which Tab reaches, and the status line tell why.
        const QString reason = status->warningSign()->toolTip();
        QVERIFY2(reason.startsWith(walk.why) && reason.endsWith(u"connection refused"), qPrintable(reason));
        QCOMPARE(readableNamed(&window, status->text()).description, reason);
        QCOMPARE(readableNamed(&window, QStringLiteral("Rates not updated")).description, reason);

        // Tab goes through every row, along the toolbar (past the failed refresh's sign), and round.
        QStringList path;
        for (int key = 0; key < 11; ++key) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            path.append(focused()->accessibleName());
        }
        QCOMPARE(path, QStringList({u"US Dollar (USD)"_qs, u"Euro (EUR)"_qs, u"British Pound (GBP)"_qs,
                                    u"Japanese Yen (JPY)"_qs, u"Bitcoin (BTC)"_qs, u"Refresh Rates"_qs,
                                    u"Rates not updated"_qs, u"Reset Amounts"_qs, u"Share"_qs, u"Menu"_qs,
                                    u"US Dollar (USD)"_qs}));
        // Shift+Tab goes the same way back, from the toolbar into the last row, its amount selected.
        QStringList back;
        for (int key = 0; key < 6; ++key) {
            QTest::keyClick(focused(), Qt::Key_Backtab);
            back.prepend(focused()->accessibleName());
        }
        QCOMPARE(back, path.mid(4, 6));
        QTest::keyClicks(focused(), QStringLiteral("25"));
        QCOMPARE(table.shown(4), QStringLiteral("25"));
        // Return on the warning sign tries again.
        status->warningSign()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(status->warningSign(), Qt::Key_Return);
        QCOMPARE(status->text(), QStringLiteral("Updating…"));
        QTRY_VERIFY(status->warningSign()->isVisible());

        // F10 opens the menu, whose Preferences… open on their first pane; asked again, they come up.
        QVERIFY(pickFromMenuOpenedBy(u"Preferences…"_qs, [] {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        }));
        QWidget *preferences = application.preferencesWindow();
        QVERIFY(preferences);
        QTRY_COMPARE(QApplication::activeWindow(), preferences);
        QCOMPARE(application.preferencesWindow()->selectedItemIdentifier(), u"General"_qs);
        QTRY_COMPARE(greyButtons(), 2);
        window.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        QTRY_COMPARE(greyButtons(), 0);
        QVERIFY(shownColour(window.closeButton()).red() > 200);
        QTest::keyClick(focused(), Qt::Key_Comma, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::activeWindow(), preferences);
        // They close by the keys sent to their focused control, made the active window or not.
        if (!walk.active) {
            window.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &window);
        }
        QTest::keySequence(preferences->focusWidget(), walk.close);
        QVERIFY(!preferences->isVisible());
        QVERIFY(window.isVisible());

        // Quitting works from the preferences too.
        window.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        QTest::keyClick(focused(), Qt::Key_Comma, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::activeWindow(), application.preferencesWindow());
        QSignalSpy closing(&window, &FXMainWindowController::windowWillClose);
        QTest::keyClick(focused(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(closing.count(), 1);
    }

    // Qt's texts and shortcut names in German, and the About text naming Qt's German button title.
    void germanShortcutsAndDialogsAreGerman()
    {
        const Translated german(u"de_DE"_qs);
        ConverterHarness core;
        ConverterApplication app(core);
        QCOMPARE(app.delegate.quitAction()->shortcut().toString(QKeySequence::NativeText),
                 u"Strg+Q"_qs);

        app.delegate.showMainWindow();
        app.delegate.orderFrontAboutPanel();
        QMessageBox *about = app.window().findChild<QMessageBox *>();
        QVERIFY(about && childReading<QAbstractButton>(about, u"Details einblenden..."_qs));
        QVERIFY2(about->informativeText().contains(u"„Details einblenden“"_qs),
                 qPrintable(about->informativeText()));
        about->close();
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
