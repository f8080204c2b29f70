// The converter window in its application: its frame, its buttons, its status line, its menu, the
// keyboard and screen readers in it and in the preferences, and its texts.

#include "ConverterHarness.h"
#include "FXApplicationDelegate.h"
#include "FXFeedbackManager.h"
#include "FXFeedbackWindow.h"
#include "FXLocalizedString.h"
#include "FXMainWindowController.h"
#include "FXReportingManager.h"
#include "FXStatusLine.h"
#include "FXWindowButton.h"
#include "Readables.h"
#include "ScopedEnvironment.h"
#include "TableDriver.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

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

// Crash reports and feedback of the window under test, in the harness's home, leaving the test's
// signals alone.
struct Reporting : FXReportingManager {
    explicit Reporting(ConverterHarness &core)
        : FXReportingManager({.stateFolder = core.home.stateHome(),
                              .defaults = core.standardDefaults,
                              .fetcher = core.fetcher,
                              .window = FXReportingManager::applicationWindow,
                              .catchesCrashes = false})
    {
    }
};

// The application in a language as the desktop sets it (LC_ALL), with its translations.
struct Translated {
    explicit Translated(const char *language)
        : environment("LC_ALL", QByteArray(language) + ".UTF-8")
    {
        FXApplicationDelegate::installTranslators(*qApp);
    }
    ~Translated()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    const ScopedEnvironment environment;
};

}

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void theFrameIsKeptAndBroughtBackOntoAScreen_data();
    void theFrameIsKeptAndBroughtBackOntoAScreen();
    void theWindowButtonsAreColouredWhileTheWindowIsActive();
    void theBackgroundMovesTheWindowWithTheLeftButtonOnly_data();
    void theBackgroundMovesTheWindowWithTheLeftButtonOnly();
    void screenReadersFindEveryControlAndAmountAndWhyARefreshFailed();
    void oldRatesShowTheirAgeAndWhyNoNewerOnesCame();
    void theApplicationMenuOpensFromTheKeyboard();
    void theKeyboardAloneGoesFromStartToQuit();
    void thePreferencesCloseFromTheKeyboard_data();
    void thePreferencesCloseFromTheKeyboard();
    void textsComeFromTheTranslations_data();
    void textsComeFromTheTranslations();
    void germanShortcutsAndDialogsAreGerman();
};

void WindowTest::theFrameIsKeptAndBroughtBackOntoAScreen_data()
{
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("closed");   // else the session ends with the window open
    QTest::addColumn<bool>("onScreen");
    QTest::newRow("closed on the screen") << QPoint(120, 40) << true << true;
    QTest::newRow("open when the session ends") << QPoint(140, 60) << false << true;
    QTest::newRow("on a screen that is gone") << QPoint(5000, 4000) << true << false;
}

void WindowTest::theFrameIsKeptAndBroughtBackOntoAScreen()
{
    QFETCH(QPoint, place);
    QFETCH(bool, closed);
    QFETCH(bool, onScreen);
    ConverterHarness core;
    {
        Reporting reporting(core);
        FXApplicationDelegate application(core.services, reporting);
        FXMainWindowController &window = *application.mainWindow();
        application.showMainWindow();
        window.move(place);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
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
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (onScreen)
        QCOMPARE(next.pos(), place);
    else
        QVERIFY(screen.contains(next.frameGeometry()));
}

void WindowTest::theWindowButtonsAreColouredWhileTheWindowIsActive()
{
    ConverterHarness core;
    FXMainWindowController window(core.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget other;
    other.show();

    for (const bool active : {true, false, true}) {
        if (active)
            window.activateWindow();
        else
            other.activateWindow();
        QTRY_COMPARE(window.isActiveWindow(), active);
        for (const FXWindowButton *button : {window.closeButton(), window.minimizeButton()}) {
            QTRY_COMPARE(isGrey(shownColour(button)), !active);
        }
    }
    QVERIFY(shownColour(window.closeButton()).red() > 200);
}

void WindowTest::theBackgroundMovesTheWindowWithTheLeftButtonOnly_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("left") << Qt::LeftButton << QPoint(40, 20);
    QTest::newRow("right") << Qt::RightButton << QPoint();
    QTest::newRow("middle") << Qt::MiddleButton << QPoint();
}

void WindowTest::theBackgroundMovesTheWindowWithTheLeftButtonOnly()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, moved);
    ConverterHarness core;
    FXMainWindowController window(core.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    QWidget *status = window.contentViewController()->statusTextField()->textField();

    QTest::mousePress(status, button, {}, QPoint(5, 5));
    QTest::mouseMove(status, QPoint(45, 25));
    QTest::mouseRelease(status, button, {}, QPoint(45, 25));

    QCOMPARE(window.pos() - start, moved);
}

void WindowTest::screenReadersFindEveryControlAndAmountAndWhyARefreshFailed()
{
    ConverterHarness core;
    Reporting reporting(core);
    FXApplicationDelegate application(core.services, reporting);
    application.applicationDidFinishLaunching();
    FXMainWindowController &window = *application.mainWindow();
    FXStatusLine *status = window.contentViewController()->statusTextField();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(status->text(), QStringLiteral("Updating…"));
    QTRY_COMPARE(status->text(), QStringLiteral("Updated ") + core.currencies.humanReadableUpdateDate());

    for (const char *control : {"Currencies", "Menu", "Refresh Rates", "Reset Amounts", "Share",
                                "Close", "Minimize", "Zoom"}) {
        QVERIFY2(readableNamed(&window, QString::fromLatin1(control)), control);
    }
    // Every row's amount is read where it stands, without moving the keyboard there.
    const auto euros = readableNamed(&window, QStringLiteral("Euro (EUR)"));
    QVERIFY(euros);
    QCOMPARE(euros->role, QAccessible::EditableText);
    QCOMPARE(euros->value, QStringLiteral("88.02"));
    QVERIFY(readableNamed(&window, QStringLiteral("Bitcoin (BTC)")));
    const auto line = readableNamed(&window, status->text());
    QVERIFY(line);
    QVERIFY(line->description.endsWith(QStringLiteral("connection refused")));

    // The warning sign, which Tab reaches, tells why; Return on it tries again.
    const auto sign = readableNamed(&window, QStringLiteral("Rates not updated"));
    QVERIFY(sign);
    QVERIFY(sign->description.startsWith(QStringLiteral("Cannot update the rates from")));
    status->warningSign()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(status->warningSign(), Qt::Key_Return);
    QCOMPARE(status->text(), QStringLiteral("Updating…"));
    QTRY_VERIFY(status->warningSign()->isVisible());
}

void WindowTest::oldRatesShowTheirAgeAndWhyNoNewerOnesCame()
{
    ConverterHarness core({.now = QDateTime(QDate(2026, 10, 11), QTime(12, 0), Qt::UTC)});
    Reporting reporting(core);
    FXApplicationDelegate application(core.services, reporting);
    application.applicationDidFinishLaunching();
    FXMainWindowController &window = *application.mainWindow();
    FXStatusLine *status = window.contentViewController()->statusTextField();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(status->text(), QStringLiteral("Updated 9/29/26"));
    QVERIFY(status->warningSign()->isVisible());
    const QString why = QStringLiteral("Rates are 12 days old: cannot update the rates from ");
    QVERIFY2(status->warningSign()->toolTip().startsWith(why), qPrintable(status->warningSign()->toolTip()));
    const auto line = readableNamed(&window, status->text());
    QVERIFY(line);
    QCOMPARE(line->description, status->warningSign()->toolTip());
    QCOMPARE(readableNamed(&window, QStringLiteral("Rates not updated"))->description,
             status->warningSign()->toolTip());
}

void WindowTest::theApplicationMenuOpensFromTheKeyboard()
{
    ConverterHarness core;
    Reporting reporting(core);
    FXApplicationDelegate application(core.services, reporting);
    // F10 opens it, as it would a menu bar.
    FXMainWindowController &window = *application.mainWindow();
    application.showMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    std::optional<QWidget *> popup;
    QTimer::singleShot(0, &window, [&popup] {
        popup = QApplication::activePopupWidget();
        if (*popup)
            (*popup)->close();
    });
    QTest::keyClick(&window, Qt::Key_F10);
    QTRY_VERIFY(popup);
    QCOMPARE(*popup, application.applicationMenu());

    // Send Feedback… opens the form, which asks for the e-mail address.
    application.feedbackAction()->trigger();
    FXFeedbackWindow *form = reporting.feedbackManager().feedbackWindow();
    QVERIFY(form && form->isVisible());
    QCOMPARE(form->emailField()->placeholderText(), QStringLiteral("Required"));
    form->close();
}

void WindowTest::theKeyboardAloneGoesFromStartToQuit()
{
    ConverterHarness core;
    Reporting reporting(core);
    FXApplicationDelegate application(core.services, reporting);
    application.applicationDidFinishLaunching();
    FXMainWindowController &window = *application.mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    FXMainViewController &content = *window.contentViewController();
    TableDriver table(content);
    const auto focused = [] { return QApplication::focusWidget(); };
    QCOMPARE(focused(), content.ratesTableView());
    QTRY_VERIFY(content.statusTextField()->warningSign()->isVisible());

    // Tab goes into the first row and on through every row, then along the toolbar, where the
    // refresh failed, and round again.
    QStringList path;
    for (int key = 0; key < 11; ++key) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        path.append(focused()->accessibleName());
    }
    QCOMPARE(path, QStringList({u"US Dollar (USD)"_qs, u"Euro (EUR)"_qs, u"British Pound (GBP)"_qs,
                                u"Japanese Yen (JPY)"_qs, u"Bitcoin (BTC)"_qs, u"Refresh Rates"_qs,
                                u"Rates not updated"_qs, u"Reset Amounts"_qs, u"Share"_qs, u"Menu"_qs, u"US Dollar (USD)"_qs}));
    // Shift+Tab goes the same way back, from the toolbar into the last row, its amount selected.
    QStringList back;
    for (int key = 0; key < 6; ++key) {
        QTest::keyClick(focused(), Qt::Key_Backtab);
        back.prepend(focused()->accessibleName());
    }
    QCOMPARE(back, path.mid(4, 6));
    QTest::keyClicks(focused(), QStringLiteral("25"));
    QCOMPARE(table.shown(4), QStringLiteral("25"));
    QCOMPARE(table.shown(1), core.amount(QStringLiteral("EUR")));

    // Quitting works from the preferences too.
    QTest::keyClick(focused(), Qt::Key_Comma, Qt::ControlModifier);
    QVERIFY(application.preferencesWindow());
    QTRY_COMPARE(QApplication::activeWindow(), application.preferencesWindow());
    QCOMPARE(application.preferencesWindow()->selectedItemIdentifier(), u"General"_qs);
    // Asked for again from behind the converter, they come to the front.
    window.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &window);
    QTest::keyClick(focused(), Qt::Key_Comma, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::activeWindow(), application.preferencesWindow());
    QSignalSpy closing(&window, &FXMainWindowController::windowWillClose);
    QTest::keyClick(focused(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(closing.count(), 1);
}

void WindowTest::thePreferencesCloseFromTheKeyboard_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("active");   // else no window manager made them the active window
    QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape) << true;
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W) << true;
    QTest::newRow("Escape, not made active") << QKeySequence(Qt::Key_Escape) << false;
    QTest::newRow("Ctrl+W, not made active") << QKeySequence(Qt::CTRL | Qt::Key_W) << false;
}

void WindowTest::thePreferencesCloseFromTheKeyboard()
{
    QFETCH(QKeySequence, keys);
    QFETCH(bool, active);
    ConverterHarness core;
    Reporting reporting(core);
    FXApplicationDelegate application(core.services, reporting);
    application.showMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(application.mainWindow()));
    QTest::keyClick(application.mainWindow(), Qt::Key_Comma, Qt::ControlModifier);
    QWidget *preferences = application.preferencesWindow();
    QVERIFY(preferences);
    QTRY_COMPARE(QApplication::activeWindow(), preferences);
    if (!active) {
        application.mainWindow()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), application.mainWindow());
    }

    // Where the display server sends the keys: to the preferences' control with the keyboard.
    QTest::keySequence(preferences->focusWidget(), keys);

    QVERIFY(!preferences->isVisible());
    QVERIFY(application.mainWindow()->isVisible());
}

void WindowTest::textsComeFromTheTranslations_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("text");
    QTest::newRow("German status") << "de" << QByteArray("Updating…") << QString() << "Wird aktualisiert…";
    QTest::newRow("German format") << "de" << QByteArray("LocationChangedAlertMessage") << "CHF"
                                   << "CHF zur Hauptwährung machen?";
    QTest::newRow("English for a named key") << "eo" << QByteArray("LocationChangedAlertMessage")
                                             << "CHF" << "Make CHF your main currency?";
}

void WindowTest::textsComeFromTheTranslations()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, key);
    QFETCH(QString, argument);
    QFETCH(QString, text);
    const Translated translated(language.toLatin1().constData());

    const QString shown = argument.isEmpty() ? FXLocalizedString::text(key.constData())
                                             : FXLocalizedString::format(key.constData(), argument);

    QCOMPARE(shown, text);
}

void WindowTest::germanShortcutsAndDialogsAreGerman()
{
    const Translated german("de_DE");
    ConverterHarness core;
    Reporting reporting(core);
    FXApplicationDelegate application(core.services, reporting);
    // As the menu shows them.
    QCOMPARE(application.quitAction()->shortcut().toString(QKeySequence::NativeText), u"Strg+Q"_qs);

    application.showMainWindow();
    application.orderFrontAboutPanel();
    QMessageBox *about = application.mainWindow()->findChild<QMessageBox *>();
    QVERIFY(about);
    QAbstractButton *details = nullptr;
    for (QAbstractButton *button : about->buttons()) {
        if (about->buttonRole(button) == QMessageBox::ActionRole)
            details = button;
    }
    QVERIFY(details);
    QCOMPARE(details->text(), u"Details einblenden..."_qs);
    // The text names the button as it reads.
    QVERIFY2(about->informativeText().contains(u"„Details einblenden“"_qs),
             qPrintable(about->informativeText()));
    about->close();
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
