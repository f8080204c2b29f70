#include "FXReportingManager.h"

#include "FXCrashHandler.h"
#include "FXFeedbackManager.h"
#include "FXLocalizedString.h"
#include "FXPaths.h"
#include "FXReportPoster.h"
#include "FXUserDefaults.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

QWidget *FXReportingManager::applicationWindow()
{
    const auto isMainWindow = [](const QWidget *widget) {
        return widget && widget->isVisible() && widget->windowType() == Qt::Window
               && !qobject_cast<const QDialog *>(widget);
    };
    if (QWidget *active = QApplication::activeWindow(); isMainWindow(active))
        return active;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (isMainWindow(widget))
            return widget;
    }
    return nullptr;
}

QString FXReportingManager::standardStateFolder()
{
    return FXPaths::stateHome() + QStringLiteral("/io.github.cambio.Cambio");
}

FXReportingManager::FXReportingManager(const Environment &environment, QObject *parent)
    : QObject(parent)
    , m_environment(environment)
    , m_crashReports(environment.stateFolder + QStringLiteral("/crashes"))
{
}

FXReportingManager::~FXReportingManager() = default;

void FXReportingManager::configureWithIdentifier(const QString &identifier)
{
    m_identifier = identifier;
    feedbackManager().setIdentity(identifier, QCoreApplication::applicationVersion());
}

FXFeedbackManager &FXReportingManager::feedbackManager()
{
    if (!m_feedback) {
        m_feedback = std::make_unique<FXFeedbackManager>(
            m_environment.stateFolder + QStringLiteral("/feedback"), m_environment.defaults,
            m_environment.window, [this]() -> FXReportPoster & { return poster(); });
    }
    return *m_feedback;
}

FXReportPoster &FXReportingManager::poster()
{
    if (!m_poster)
        m_poster = std::make_unique<FXReportPoster>(m_environment.fetcher);
    return *m_poster;
}

void FXReportingManager::startManager()
{
    if (m_identifier.isEmpty()) {
        qWarning("cambio: crash reporting starts only once the application's identifier is known");
        return;
    }
    if (m_environment.catchesCrashes && QDir().mkpath(m_crashReports.folder())) {
        const bool installed = FXCrashHandler::install({
            .folder = QFile::encodeName(m_crashReports.folder()).toStdString(),
            .identifier = m_identifier.toStdString(),
            .version = QCoreApplication::applicationVersion().toStdString(),
        });
        if (!installed)
            qWarning("cambio: cannot catch crashes: %s", strerror(errno));
    }
    // Once the window is up: the question attaches to it.
    QMetaObject::invokeMethod(this, &FXReportingManager::offerPendingReports, Qt::QueuedConnection);
}

QMessageBox *FXReportingManager::makeAlert(const QString &informativeText,
                                           const QList<FXCrashReportStore::Report> &reports)
{
    auto *alert = new QMessageBox(m_environment.window());
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->setIcon(QMessageBox::Warning);
    alert->setWindowTitle(QStringLiteral("Cambio"));
    alert->setText(FXLocalizedString::text("CrashReportAlertMessage"));
    alert->setInformativeText(informativeText);
    QStringList texts;
    for (const FXCrashReportStore::Report &report : reports)
        texts.append(report.text);
    // What would be sent, for anyone who wants to see it first.
    alert->setDetailedText(texts.join(u'\n'));
    return alert;
}

void FXReportingManager::offerPendingReports()
{
    if (m_alert)
        return;
    const QList<FXCrashReportStore::Report> reports = m_crashReports.pendingReports();
    if (reports.isEmpty())
        return;
    FXUserDefaults &defaults = m_environment.defaults;
    const std::optional<QUrl> url = FXReportPoster::configuredURL(defaults, CrashReportURLKey);
    if (!url) {
        QString informativeText = FXLocalizedString::format(
            "CrashReportKeptInformativeText", QDir::toNativeSeparators(m_crashReports.unsentFolder()));
        if (const QString stays = putAside(reports); !stays.isEmpty())
            informativeText += QStringLiteral("\n\n") + stays;
        m_alert = makeAlert(informativeText, reports);
        m_alert->setStandardButtons(QMessageBox::Ok);
        m_alert->open();
        return;
    }
    if (defaults.boolForKey(AlwaysSendKey)) {
        send(reports, false);
        return;
    }
    m_alert = makeAlert(FXLocalizedString::format("CrashReportAlertInformativeText", url->host()),
                        reports);
    QPushButton *sendButton =
        m_alert->addButton(FXLocalizedString::text("Send Report"), QMessageBox::AcceptRole);
    QPushButton *dontSend =
        m_alert->addButton(FXLocalizedString::text("Don't Send"), QMessageBox::RejectRole);
    QPushButton *always =
        m_alert->addButton(FXLocalizedString::text("Always Send"), QMessageBox::ApplyRole);
    m_alert->setDefaultButton(sendButton);
    m_alert->setEscapeButton(dontSend);
    connect(m_alert, &QMessageBox::buttonClicked, this,
            [this, reports, dontSend, always](QAbstractButton *button) {
                if (button == dontSend) {
                    if (const QString stays = putAside(reports); !stays.isEmpty())
                        showWarning(FXLocalizedString::text("The crash report could not be put aside."),
                                    stays);
                    return;
                }
                if (button == always)
                    m_environment.defaults.setBool(true, AlwaysSendKey);
                send(reports, true);
            });
    m_alert->open();
}

void FXReportingManager::send(const QList<FXCrashReportStore::Report> &reports, bool tellsFailure)
{
    const std::optional<QUrl> url =
        FXReportPoster::configuredURL(m_environment.defaults, CrashReportURLKey);
    if (!url)
        return;
    auto remaining = std::make_shared<qsizetype>(reports.size());
    auto failures = std::make_shared<QStringList>();
    auto staying = std::make_shared<QStringList>();
    for (const FXCrashReportStore::Report &report : reports) {
        poster().post(*url, report.text.toUtf8(), "text/plain; charset=utf-8",
                      [this, report, remaining, failures, staying, tellsFailure](
                          const std::optional<QString> &failure) {
                          if (failure) {
                              failures->append(*failure);
                          } else if (const FXResult moved = m_crashReports.markSent(report);
                                     !moved.isDone()) {
                              // Sent, but it would be offered and sent again at every start.
                              staying->append(moved.failureReason());
                          }
                          if (--*remaining > 0)
                              return;
                          if (!staying->isEmpty()) {
                              showWarning(FXLocalizedString::text(
                                              "The crash report could not be put aside."),
                                          notPutAsideText(staying->first()));
                          }
                          if (failures->isEmpty())
                              return;
                          // Unsent reports stay where they are and are offered at the next start.
                          qWarning("cambio: cannot send a crash report: %s",
                                   qPrintable(failures->first()));
                          if (!tellsFailure)
                              return;
                          showWarning(FXLocalizedString::text("The crash report could not be sent."),
                                      FXLocalizedString::format("CrashReportNotSentInformativeText",
                                                                m_crashReports.folder())
                                          + u'\n' + failures->first());
                      });
    }
}

QString FXReportingManager::putAside(const QList<FXCrashReportStore::Report> &reports)
{
    QString stays;
    for (const FXCrashReportStore::Report &report : reports) {
        if (const FXResult moved = m_crashReports.markUnsent(report); !moved.isDone() && stays.isEmpty())
            stays = notPutAsideText(moved.failureReason());
    }
    return stays;
}

QString FXReportingManager::notPutAsideText(const QString &reason) const
{
    qWarning("cambio: a crash report stays among the new ones: %s", qPrintable(reason));
    return FXLocalizedString::format("CrashReportNotPutAsideInformativeText",
                                     QDir::toNativeSeparators(m_crashReports.folder()))
           + u'\n' + reason;
}

void FXReportingManager::showWarning(const QString &text, const QString &informativeText)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Cambio"), text, QMessageBox::Ok,
                                m_environment.window());
    box->setInformativeText(informativeText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
