#include "FXSharingManager.h"

#include "FXLocalizedString.h"
#include "FXSharingServices.h"

#include <QAction>
#include <QPointer>
#include <QWidget>

QUrl FXSharingManager::projectPage()
{
    return QUrl(QStringLiteral(CAMBIO_HOMEPAGE_URL));
}

std::vector<std::unique_ptr<FXSharingService>> FXSharingManager::availableServices()
{
    std::vector<std::unique_ptr<FXSharingService>> services;
    if (const QString mail = FXEmailSharingService::findProgram(); !mail.isEmpty())
        services.push_back(std::make_unique<FXEmailSharingService>(mail));
    services.push_back(std::make_unique<FXCopySharingService>());
    services.push_back(std::make_unique<FXSavePictureSharingService>());
    return services;
}

FXSharingManager::FXSharingManager(std::vector<std::unique_ptr<FXSharingService>> services,
                                   QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{
}

FXSharingManager::~FXSharingManager() = default;

QList<QAction *> FXSharingManager::sharingMenuItems(QWidget *source)
{
    QList<QAction *> items;
    for (const std::unique_ptr<FXSharingService> &service : m_services) {
        auto *item = new QAction(service->image(), service->title(), source);
        connect(item, &QAction::triggered, this,
                [this, service = service.get(), source = QPointer<QWidget>(source)] {
                    shareFromService(*service, source ? source->window() : nullptr);
                });
        items.append(item);
    }
    return items;
}

FXSharingItems FXSharingManager::sharingItems() const
{
    return {FXLocalizedString::text("SharingFullTitle"), projectPage(), m_windowScreenshot};
}

void FXSharingManager::shareFromService(FXSharingService &service, QWidget *window)
{
    service.performWithItems(sharingItems(), window);
}
