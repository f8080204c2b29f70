#pragma once

#include "FXSharingService.h"

#include <QList>
#include <QObject>
#include <QPixmap>

#include <memory>
#include <vector>

class QAction;
class QWidget;

// Builds the share button's menu over the sharing services of this desktop, keeps the picture of
// the converter window taken at the last click on the button, and hands the service the user
// chooses the three items to share. One per window, made by its composition root (sharedManager());
// tests make their own over the services they need.
class FXSharingManager : public QObject {
    Q_OBJECT

public:
    static FXSharingManager &sharedManager();
    // The link that is shared: the project's page.
    static QUrl projectPage();
    // The services that can run here, in the menu's order: e-mail when xdg-email is installed,
    // then copying and saving the picture.
    static std::vector<std::unique_ptr<FXSharingService>> availableServices();

    explicit FXSharingManager(std::vector<std::unique_ptr<FXSharingService>> services,
                              QObject *parent = nullptr);
    ~FXSharingManager() override;

    // A new menu item for each service, in order, owned by `source`: its title and image, and
    // when chosen it shares through its service, whose interface attaches to the window of
    // `source`.
    QList<QAction *> sharingMenuItems(QWidget *source);
    void shareFromService(FXSharingService &service, QWidget *window);
    // The localized "SharingFullTitle", the project's page and the window's picture.
    FXSharingItems sharingItems() const;

    QPixmap windowScreenshot() const { return m_windowScreenshot; }
    void setWindowScreenshot(const QPixmap &picture) { m_windowScreenshot = picture; }

private:
    std::vector<std::unique_ptr<FXSharingService>> m_services;
    QPixmap m_windowScreenshot;   // none before the first click on the share button
};
