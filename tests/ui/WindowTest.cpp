// The converter window as a whole: its frame, its chrome, its status line, its menu, what screen
// readers find in it, and its texts.

#include "ConverterHarness.h"
#include "FXApplicationDelegate.h"
#include "FXFeedbackManager.h"
#include "FXFeedbackWindow.h"
#include "FXLocalizedString.h"
#include "FXMainTemplateButton.h"
#include "FXMainWindowController.h"
#include "FXReportingManager.h"
#include "FXSingleInstance.h"
#include "FXStatusLine.h"
#include "FXWindowButton.h"
#include "Readables.h"
#include "TableDriver.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QTranslator>

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void theCloseButtonSavesTheFrameBroughtBackOntoAScreen_data();
    void theCloseButtonSavesTheFrameBroughtBackOntoAScreen();
    void screenReadersFindEveryControlAndAmountAndWhyARefreshFailed();
    void theApplicationMenuHoldsEveryCommand();
    void theKeyboardAloneGoesFromStartToQuit();
    void aSecondStartRaisesTheFirst();
    void textsComeFromTheTranslations_data();
    void textsComeFromTheTranslations();
};

void WindowTest::theCloseButtonSavesTheFrameBroughtBackOntoAScreen_data()
{
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("onScreen");
    QTest::newRow("on the screen") << QPoint(120, 40) << true;
    QTest::newRow("on a screen that is gone") << QPoint(5000, 4000) << false;
}

void WindowTest::theCloseButtonSavesTheFrameBroughtBackOntoAScreen()
{
    QFETCH(QPoint, place);
    QFETCH(bool, onScreen);
    ConverterHarness core;
    {
        FXMainWindowController window(core.services);
        window.show();
        window.move(place);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.closeButton()->x(), 10);
        QCOMPARE(window.minimizeButton()->x(), 30);
        QCOMPARE(window.zoomButton()->x(), 50);
        QSignalSpy closing(&window, &FXMainWindowController::windowWillClose);
        QTest::mouseClick(window.closeButton(), Qt::LeftButton);
        QCOMPARE(closing.size(), 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.savedFrame().value_or(QRect()).topLeft(), place);
    }

    FXMainWindowController next(core.services);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (onScreen)
        QCOMPARE(next.pos(), place);
    else
        QVERIFY(screen.contains(next.frameGeometry()));
}

void WindowTest::screenReadersFindEveryControlAndAmountAndWhyARefreshFailed()
{
    ConverterHarness core;
    FXApplicationDelegate application(core.services);
    application.applicationDidFinishLaunching();
    FXMainWindowController &window = *application.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    FXStatusLine *status = window.contentViewController()->statusTextField();
    QCOMPARE(status->text(), QStringLiteral("Updating…"));
    QTRY_COMPARE(status->text(), QStringLiteral("Updated ") + core.currencies.humanReadableUpdateDate());
    QVERIFY(status->warningSign()->isVisible());
    QVERIFY(status->warningSign()->toolTip().startsWith(QStringLiteral("Cannot update the rates from")));

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
}

void WindowTest::theApplicationMenuHoldsEveryCommand()
{
    ConverterHarness core;
    FXApplicationDelegate application(core.services);
    QStringList items;
    for (const QAction *action : application.applicationMenu()->actions()) {
        if (!action->isSeparator())
            items.append(action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (off)")));
    }
    QCOMPARE(items, QStringList({u"Copy (off)"_qs, u"Copy All"_qs, u"Paste (off)"_qs,
                                 u"Reset Amounts (off)"_qs, u"Refresh Rates"_qs,
                                 u"Preferences…"_qs, u"Send Feedback…"_qs,
                                 u"About Cambio"_qs, u"Quit Cambio"_qs}));
    QCOMPARE(application.quitAction()->shortcut(), QKeySequence(u"Ctrl+Q"_qs));
    QCOMPARE(application.preferencesAction()->shortcut(), QKeySequence(u"Ctrl+,"_qs));
    QCOMPARE(application.mainWindow()->contentViewController()->menuButton()->menu(),
             application.applicationMenu());

    // Ctrl+, in the converter opens the preferences at their first pane.
    application.mainWindow()->show();
    QVERIFY(QTest::qWaitForWindowActive(application.mainWindow()));
    QTest::keyClick(application.mainWindow(), Qt::Key_Comma, Qt::ControlModifier);
    QVERIFY(application.preferencesWindow() && application.preferencesWindow()->isVisible());
    QCOMPARE(application.preferencesWindow()->selectedItemIdentifier(), u"General"_qs);

    // Send Feedback… opens the form, which asks for the e-mail address.
    application.feedbackAction()->trigger();
    FXFeedbackWindow *form = FXReportingManager::sharedManager().feedbackManager().feedbackWindow();
    QVERIFY(form && form->isVisible());
    QCOMPARE(form->emailField()->placeholderText(), QStringLiteral("Required"));
    form->close();
}

void WindowTest::theKeyboardAloneGoesFromStartToQuit()
{
    ConverterHarness core;
    FXApplicationDelegate application(core.services);
    application.applicationDidFinishLaunching();
    FXMainWindowController &window = *application.mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    FXMainViewController &content = *window.contentViewController();
    TableDriver table(content);
    const auto focused = [] { return QApplication::focusWidget(); };
    QCOMPARE(focused(), content.ratesTableView());

    // Tab goes into the first row and on through every row, then to the toolbar and round again.
    QStringList path;
    for (int key = 0; key < 10; ++key) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        path.append(focused()->accessibleName());
    }
    QCOMPARE(path, QStringList({u"US Dollar (USD)"_qs, u"Euro (EUR)"_qs, u"British Pound (GBP)"_qs,
                                u"Japanese Yen (JPY)"_qs, u"Bitcoin (BTC)"_qs, u"Refresh Rates"_qs,
                                u"Reset Amounts"_qs, u"Share"_qs, u"Menu"_qs, u"US Dollar (USD)"_qs}));
    QTest::keyClicks(focused(), QStringLiteral("25"));
    QCOMPARE(table.shown(0), QStringLiteral("25"));
    QCOMPARE(table.shown(1), core.amount(QStringLiteral("EUR")));

    QTest::keyClick(focused(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window.isVisible());
}

void WindowTest::aSecondStartRaisesTheFirst()
{
    const QTemporaryDir folder;
    const QString socket = folder.filePath(QStringLiteral("instance"));
    // A socket that a crashed start left behind: bound, never closed properly, nobody listening.
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, QFile::encodeName(socket).constData());
    const int left = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QCOMPARE(::bind(left, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(left);

    FXSingleInstance first(socket);
    QVERIFY(!first.askRunningInstanceToActivate());
    QVERIFY(first.listen());
    QSignalSpy raised(&first, &FXSingleInstance::activationRequested);
    QVERIFY(FXSingleInstance(socket).askRunningInstanceToActivate());
    QTRY_COMPARE(raised.count(), 1);
}

void WindowTest::textsComeFromTheTranslations_data()
{
    QTest::addColumn<QString>("language");   // empty: no translations installed
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("text");
    QTest::newRow("German status") << "de" << QByteArray("Updating…") << QString() << "Wird aktualisiert…";
    QTest::newRow("German format") << "de" << QByteArray("LocationChangedAlertMessage") << "CHF"
                                   << "CHF zur Hauptwährung machen?";
    QTest::newRow("English for a named key") << "fr" << QByteArray("LocationChangedAlertMessage")
                                             << "CHF" << "Make CHF your main currency?";
    QTest::newRow("the key without translations") << QString() << QByteArray("Updated %@") << "10:42"
                                                  << "Updated 10:42";
}

void WindowTest::textsComeFromTheTranslations()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, key);
    QFETCH(QString, argument);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(language));
    if (!language.isEmpty())
        FXApplicationDelegate::installTranslators(*qApp);

    const QString shown = argument.isEmpty() ? FXLocalizedString::text(key.constData())
                                             : FXLocalizedString::format(key.constData(), argument);

    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale::c());
    QCOMPARE(shown, text);
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
