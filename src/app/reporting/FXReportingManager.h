#pragma once

#include "FXCrashReportStore.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class FXFeedbackManager;
class FXFetcher;
class FXReportPoster;
class FXUserDefaults;
class QWidget;

// Crash reports and feedback for the window. startManager() catches fatal signals from then on
// (FXCrashHandler writes their reports) and offers the reports left by an earlier run: the user
// sends them, keeps them, or has them always sent. Reports go to the address of the setting
// "CrashReportURL"; without one they stay on disk and the user is told where. Nothing is sent
// without the user's consent, and no report is deleted. feedbackManager() takes the user's
// feedback the same way.
//
// Files live under XDG_STATE_HOME (default ~/.local/state)/io.github.cambio.Cambio: "crashes" and
// "feedback". The settings are in the window's own user defaults. One per window process, made by
// the window's composition root; tests make their own over a folder of theirs.
class FXReportingManager : public QObject {
    Q_OBJECT

public:
    static inline const QString CrashReportURLKey = QStringLiteral("CrashReportURL");
    static inline const QString AlwaysSendKey = QStringLiteral("AlwaysSendCrashReports");

    struct Environment {
        QString stateFolder;
        FXUserDefaults &defaults;
        // Posts the reports.
        FXFetcher &fetcher;
        // The window that dialogs attach to.
        std::function<QWidget *()> window;
        // Tests of the dialogs leave the signals of their process alone.
        bool catchesCrashes = true;
    };

    // The user's state folder for the program: XDG_STATE_HOME/io.github.cambio.Cambio.
    static QString standardStateFolder();
    // The window the user works in: the active one unless that is a dialog, else the first window
    // shown; none before a window shows.
    static QWidget *applicationWindow();

    explicit FXReportingManager(const Environment &environment, QObject *parent = nullptr);
    ~FXReportingManager() override;

    // Names the application in every report; comes before startManager().
    void configureWithIdentifier(const QString &identifier);
    void startManager();
    FXFeedbackManager &feedbackManager();

    FXCrashReportStore &crashReports() { return m_crashReports; }
    // The question about the last run's reports while it is open.
    QMessageBox *crashReportAlert() const { return m_alert; }

private:
    void offerPendingReports();
    void send(const QList<FXCrashReportStore::Report> &reports, bool tellsFailure);
    // Moves the reports to the unsent ones; for the user, why one stays pending, if one does.
    QString putAside(const QList<FXCrashReportStore::Report> &reports);
    QString notPutAsideText(const QString &reason) const;
    void showWarning(const QString &text, const QString &informativeText);
    QMessageBox *makeAlert(const QString &informativeText, const QList<FXCrashReportStore::Report> &reports);
    FXReportPoster &poster();

    Environment m_environment;
    QString m_identifier;
    FXCrashReportStore m_crashReports;
    std::unique_ptr<FXFeedbackManager> m_feedback;
    std::unique_ptr<FXReportPoster> m_poster;
    QPointer<QMessageBox> m_alert;
};
