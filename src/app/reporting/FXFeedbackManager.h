#pragma once

#include "FXFeedbackMessage.h"
#include "FXFeedbackWindow.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class FXReportPoster;
class FXUserDefaults;
class QWidget;

// Takes the user's feedback: shows the form, which tells where the message will go, keeps each
// message in its folder (STATE/feedback/feedback-TIME.json) and posts it to the address of the
// setting "FeedbackURL" when there is one, then tells the user how it went. A message that was posted moves to "sent" beside
// the others; nothing is deleted. Made by FXReportingManager.
class FXFeedbackManager : public QObject {
    Q_OBJECT

public:
    static inline const QString FeedbackURLKey = QStringLiteral("FeedbackURL");

    FXFeedbackManager(const QString &folder, FXUserDefaults &defaults,
                      std::function<QWidget *()> window, std::function<FXReportPoster &()> poster,
                      QObject *parent = nullptr);
    ~FXFeedbackManager() override;

    // What the form does with the e-mail field from its next showing on.
    void setRequireUserEmail(FXFeedbackUserEmail requirement);
    FXFeedbackUserEmail requireUserEmail() const { return m_requirement; }
    // Shows the form, or brings the open one to the front.
    void showFeedbackWindow();

    QString folder() const { return m_folder; }
    void setIdentity(const QString &identifier, const QString &version);
    // The open form; none while it is closed.
    FXFeedbackWindow *feedbackWindow() const { return m_window; }

private:
    void send(const FXFeedbackMessage &message);
    void finish(const QString &title, const QString &details, bool failed);

    QString m_folder;
    FXUserDefaults &m_defaults;
    std::function<QWidget *()> m_mainWindow;
    std::function<FXReportPoster &()> m_poster;
    FXFeedbackUserEmail m_requirement = FXFeedbackUserEmail::Optional;
    QString m_identifier;
    QString m_version;
    QPointer<FXFeedbackWindow> m_window;
};
