#include "FXApplicationDelegate.h"

#include "FXCompositionRoot.h"
#include "FXCurrencyManager.h"
#include "FXFeedbackManager.h"
#include "FXFlagCache.h"
#include "FXLocalizedString.h"
#include "FXMainTemplateButton.h"
#include "FXMainViewController.h"
#include "FXMainWindowController.h"
#include "FXPreferencesSegue.h"
#include "FXPreferencesWindowController.h"
#include "FXReportingManager.h"
#include "FXResidentMemory.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// Names this application in its crash reports and feedback: the MD5 of its desktop identifier.
const QString ApplicationIdentifier = QStringLiteral("cc1fde859ffde575351f01f2dbcf5752");

// The title of the message box's button that shows the details, as Qt's own translations give it
// and without its dots, so that a text naming the button names it as it reads.
QString detailsButtonTitle()
{
    QString title = QMessageBox::tr("Show Details...");
    while (title.endsWith(u'.') || title.endsWith(u'…'))
        title.chop(1);
    return title;
}

}

FXApplicationDelegate::FXApplicationDelegate(const FXConverterServices &services,
                                             FXReportingManager &reporting, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_reporting(reporting)
    , m_preferencesServices{
          .center = services.center,
          .locale = services.locale,
          .settings = services.settings,
          .currencies = services.currencies,
          .flags = services.flags,
          .ratesServerFromEnvironment =
              FXCompositionRoot::ratesServerURLFromEnvironment().has_value(),
      }
    , m_window(std::make_unique<FXMainWindowController>(services))
    , m_menu(std::make_unique<QMenu>())
{
    FXMainViewController *content = m_window->contentViewController();
    m_menu->addActions(content->editActions());
    m_menu->addSeparator();
    m_menu->addAction(content->refreshAction());
    m_menu->addSeparator();
    m_preferences = m_menu->addAction(FXLocalizedString::text("Preferences…"));
    m_preferences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(m_preferences, &QAction::triggered, this,
            &FXApplicationDelegate::orderFrontPreferencesPanel);
    m_feedback = m_menu->addAction(FXLocalizedString::text("Send Feedback…"));
    connect(m_feedback, &QAction::triggered, this, &FXApplicationDelegate::provideFeedback);
    m_menu->addSeparator();
    m_about = m_menu->addAction(FXLocalizedString::text("About Cambio"));
    connect(m_about, &QAction::triggered, this, &FXApplicationDelegate::orderFrontAboutPanel);
    m_menu->addSeparator();
    m_quit = m_menu->addAction(FXLocalizedString::text("Quit Cambio"));
    // Not QKeySequence::Quit, which only some desktops' themes bind.
    m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_quit, &QAction::triggered, this, &FXApplicationDelegate::terminate);
    for (QAction *action : {m_preferences, m_feedback, m_quit}) {
        action->setShortcutContext(Qt::WindowShortcut);
        m_window->addAction(action);
    }
    content->setApplicationMenu(m_menu.get());
    // F10 opens the application menu, as the menu bar it stands for would.
    auto *openMenu = new QShortcut(QKeySequence(Qt::Key_F10), m_window.get());
    connect(openMenu, &QShortcut::activated, content->menuButton(), &QToolButton::showMenu);

    // Quitting otherwise (Ctrl+Q, the end of the session, a termination signal) closes the window
    // first, which keeps its frame.
    connect(m_window.get(), &FXMainWindowController::windowWillClose, qApp,
            &QCoreApplication::quit, Qt::QueuedConnection);
}

FXApplicationDelegate::~FXApplicationDelegate() = default;

void FXApplicationDelegate::applicationDidFinishLaunching()
{
    showMainWindow();
    m_reporting.configureWithIdentifier(ApplicationIdentifier);
    m_reporting.startManager();
}

void FXApplicationDelegate::provideFeedback()
{
    FXFeedbackManager &feedback = m_reporting.feedbackManager();
    // Asked anew at every request, right before the form shows.
    feedback.setRequireUserEmail(FXFeedbackUserEmail::Required);
    feedback.showFeedbackWindow();
}

void FXApplicationDelegate::showMainWindow()
{
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool FXApplicationDelegate::showAmount(double amount, const QString &currency)
{
    showMainWindow();
    return m_window->contentViewController()->showAmount(amount, currency);
}

void FXApplicationDelegate::orderFrontAboutPanel()
{
    auto *panel = new QMessageBox(m_window.get());
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setWindowModality(Qt::WindowModal);
    panel->setWindowTitle(FXLocalizedString::text("About Cambio"));
    panel->setIconPixmap(QApplication::windowIcon().pixmap(64));
    panel->setText(QStringLiteral("Cambio"));
    panel->setInformativeText(
        FXLocalizedString::format("Version %@", QCoreApplication::applicationVersion())
        + u'\n'
        + FXLocalizedString::format("Rates of %@",
                                    m_services.currencies.humanReadableUpdateDate())
        + QStringLiteral("\n\n") + FXLocalizedString::format("AboutDataLicences", detailsButtonTitle())
        + QStringLiteral("\n\n")
        + QStringLiteral(CAMBIO_HOMEPAGE_URL));
    // The borders' licence asks for its notice in every copy.
    QFile notice(QStringLiteral(":/licences/borders-LICENSE.md"));
    if (notice.open(QIODevice::ReadOnly))
        panel->setDetailedText(QString::fromUtf8(notice.readAll()));
    panel->setStandardButtons(QMessageBox::Ok);
    panel->open();
}

void FXApplicationDelegate::orderFrontPreferencesPanel()
{
    if (!m_preferencesWindow) {
        m_preferencesWindow = new FXPreferencesWindowController(m_preferencesServices, m_window.get());
        // Quitting works from the preferences too.
        m_preferencesWindow->addAction(m_quit);
    }
    m_preferencesWindow->show();
    m_preferencesWindow->raise();
    m_preferencesWindow->activateWindow();
}

void FXApplicationDelegate::terminate()
{
    m_window->close();
}

void FXApplicationDelegate::quitAfterFirstPaint(const QString &screenshotPath)
{
    m_quitsAfterFirstPaint = true;
    m_screenshotPath = screenshotPath;
    m_window->installEventFilter(this);
}

bool FXApplicationDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (m_quitsAfterFirstPaint && watched == m_window.get() && event->type() == QEvent::Paint) {
        m_quitsAfterFirstPaint = false;
        // Once this paint has reached the screen.
        QMetaObject::invokeMethod(this, &FXApplicationDelegate::didPaintFirstFrame,
                                  Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void FXApplicationDelegate::didPaintFirstFrame()
{
    std::printf("first-paint rss_kib=%ld\n", FXResidentKibibytes());
    std::fflush(stdout);
    if (m_screenshotPath.isEmpty()) {
        QCoreApplication::quit();
        return;
    }
    // The refresh starts once the first frame is on screen, that is, in a moment.
    QTimer::singleShot(100, this, &FXApplicationDelegate::takeScreenshot);
}

void FXApplicationDelegate::takeScreenshot()
{
    // The flags and the end of the first refresh arrive a moment after the first frame; the
    // picture waits for them.
    if (m_services.flags.isRendering() || m_services.currencies.isUpdating()) {
        QTimer::singleShot(50, this, &FXApplicationDelegate::takeScreenshot);
        return;
    }
    if (!savePicture(m_window.get(), m_screenshotPath)) {
        QCoreApplication::exit(1);
        return;
    }
    // The preferences beside it ("NAME-preferences.png"), once their pane has slid in.
    orderFrontPreferencesPanel();
    savePreferencesPicture();
}

void FXApplicationDelegate::savePreferencesPicture()
{
    const QWindow *shown = m_preferencesWindow->windowHandle();
    if (!shown || !shown->isExposed() || !m_preferencesWindow->paneViewController()
        || m_preferencesWindow->segue()->isRunning()) {
        QTimer::singleShot(50, this, &FXApplicationDelegate::savePreferencesPicture);
        return;
    }
    // Painted once more after the last resize, as the screen will show it.
    QCoreApplication::processEvents();
    QString path = m_screenshotPath;
    if (path.endsWith(QStringLiteral(".png")))
        path.chop(4);
    QCoreApplication::exit(savePicture(m_preferencesWindow, path + QStringLiteral("-preferences.png")) ? 0 : 1);
}

bool FXApplicationDelegate::savePicture(QWidget *window, const QString &path)
{
    window->repaint();
    QPixmap picture;
    if (QScreen *screen = window->screen())
        picture = screen->grabWindow(window->winId());
    if (picture.isNull())
        picture = window->grab();
    const bool saved = picture.save(path);
    if (!saved)
        std::fprintf(stderr, "cambio: cannot write %s\n", qPrintable(path));
    return saved;
}
