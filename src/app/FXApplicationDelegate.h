#pragma once

#include "FXConverterServices.h"
#include "FXPreferencesServices.h"
#include "FXPreferencesWindowController.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class FXMainWindowController;
class FXReportingManager;
class QAction;
class QMenu;

// The application around the converter window: the application menu behind the toolbar's menu
// button (the edit commands, Refresh Rates, Preferences…, Send Feedback…, About Cambio, Quit)
// with their shortcuts, crash reports and feedback, and the end of the program when the window
// closes.
class FXApplicationDelegate : public QObject {
    Q_OBJECT

public:
    // `services` and `reporting` outlive the delegate.
    FXApplicationDelegate(const FXConverterServices &services, FXReportingManager &reporting,
                          QObject *parent = nullptr);
    ~FXApplicationDelegate() override;

    // Shows the converter window and starts crash reporting.
    void applicationDidFinishLaunching();
    // Opens the feedback form.
    void provideFeedback();
    // Brings the window to the front: a second start of the program asks for this.
    void showMainWindow();
    // Brings the window to the front with `amount` in the row of `currency`, as if typed there;
    // false when that currency has no row, which leaves the amounts alone.
    bool showAmount(double amount, const QString &currency);
    // Once the window's first frame is painted: prints the resident memory ("first-paint
    // rss_kib=N") and quits, or, given a `screenshotPath`, saves a picture of the window there as
    // soon as its flags are drawn and the first refresh has ended, and one of the preferences
    // beside it (NAME-preferences.png). For start-up measures and screenshots.
    void quitAfterFirstPaint(const QString &screenshotPath = QString());

    FXMainWindowController *mainWindow() const { return m_window.get(); }
    QMenu *applicationMenu() const { return m_menu.get(); }
    QAction *preferencesAction() const { return m_preferences; }
    QAction *feedbackAction() const { return m_feedback; }
    QAction *quitAction() const { return m_quit; }

    void orderFrontAboutPanel();
    // Opens the preferences window, or brings it to the front.
    void orderFrontPreferencesPanel();
    // None until the preferences are first opened.
    FXPreferencesWindowController *preferencesWindow() const { return m_preferencesWindow; }
    // Closes the window, which ends the program.
    void terminate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void didPaintFirstFrame();
    void takeScreenshot();
    void savePreferencesPicture();
    // Saves a picture of `window` as the screen shows it; says why not on stderr.
    static bool savePicture(QWidget *window, const QString &path);

    const FXConverterServices &m_services;
    FXReportingManager &m_reporting;
    const FXPreferencesServices m_preferencesServices;
    std::unique_ptr<FXMainWindowController> m_window;
    // Made on first use, over the converter window, which owns it.
    QPointer<FXPreferencesWindowController> m_preferencesWindow;
    std::unique_ptr<QMenu> m_menu;
    QAction *m_preferences;
    QAction *m_feedback;
    QAction *m_about;
    QAction *m_quit;
    bool m_quitsAfterFirstPaint = false;
    QString m_screenshotPath;
};
