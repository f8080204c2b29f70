#include "FXFeedbackManager.h"

#include "FXFeedbackWindow.h"
#include "FXLocalizedString.h"
#include "FXReportFiles.h"
#include "FXReportPoster.h"

#include <QDir>
#include <QMessageBox>
#include <QSaveFile>

FXFeedbackManager::FXFeedbackManager(const QString &folder, FXUserDefaults &defaults,
                                     std::function<QWidget *()> window,
                                     std::function<FXReportPoster &()> poster, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_defaults(defaults)
    , m_mainWindow(std::move(window))
    , m_poster(std::move(poster))
{
}

FXFeedbackManager::~FXFeedbackManager()
{
    delete m_window;
}

void FXFeedbackManager::setIdentity(const QString &identifier, const QString &version)
{
    m_identifier = identifier;
    m_version = version;
}

void FXFeedbackManager::setRequireUserEmail(FXFeedbackUserEmail requirement)
{
    m_requirement = requirement;
}

void FXFeedbackManager::showFeedbackWindow()
{
    if (!m_window) {
        m_window = new FXFeedbackWindow(m_mainWindow());
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_window, &FXFeedbackWindow::sendRequested, this, &FXFeedbackManager::send);
    }
    m_window->setRequireUserEmail(m_requirement);
    const std::optional<QUrl> url = FXReportPoster::configuredURL(m_defaults, FeedbackURLKey);
    m_window->setDestination(
        url ? FXLocalizedString::format("FeedbackDestinationAddress", url->host())
            : FXLocalizedString::format("FeedbackDestinationComputer",
                                        QDir::toNativeSeparators(m_folder)));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void FXFeedbackManager::send(const FXFeedbackMessage &message)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString path = m_folder + QStringLiteral("/feedback-")
                         + now.toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz")) + QStringLiteral(".json");
    const QByteArray body = message.json(m_identifier, m_version, now);
    QSaveFile file(path);
    if (!QDir().mkpath(m_folder) || !file.open(QIODevice::WriteOnly) || file.write(body) != body.size()
        || !file.commit()) {
        m_window->showProblem(FXLocalizedString::format("Your message could not be saved: %@",
                                                        file.errorString()));
        return;
    }
    const std::optional<QUrl> url = FXReportPoster::configuredURL(m_defaults, FeedbackURLKey);
    if (!url) {
        finish(FXLocalizedString::text("Thank you for your feedback."),
               FXLocalizedString::format("FeedbackKeptInformativeText",
                                         QDir::toNativeSeparators(m_folder)),
               false);
        return;
    }
    m_window->setSending(true);
    m_poster().post(*url, body, "application/json",
                    [this, path](const std::optional<QString> &failure) {
                        if (failure) {
                            finish(FXLocalizedString::text("Your feedback could not be sent."),
                                   FXLocalizedString::format("FeedbackNotSentInformativeText", m_folder)
                                       + u'\n' + *failure,
                                   true);
                            return;
                        }
                        QString details = FXLocalizedString::text("It has been sent.");
                        const FXResult moved =
                            FXReportFiles::moveIntoFolder(path, m_folder + QStringLiteral("/sent"));
                        if (!moved.isDone()) {
                            details += u'\n'
                                       + FXLocalizedString::format(
                                           "FeedbackNotMovedInformativeText",
                                           QDir::toNativeSeparators(m_folder))
                                       + u'\n' + moved.failureReason();
                        }
                        finish(FXLocalizedString::text("Thank you for your feedback."), details,
                               !moved.isDone());
                    });
}

void FXFeedbackManager::finish(const QString &title, const QString &details, bool failed)
{
    if (m_window)
        m_window->close();
    auto *box = new QMessageBox(failed ? QMessageBox::Warning : QMessageBox::Information,
                                FXLocalizedString::text("Send Feedback"), title, QMessageBox::Ok,
                                m_mainWindow());
    box->setInformativeText(details);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
