#include "FXNetworkReachability.h"

#include <QNetworkInformation>

void FXNetworkReachability::watch(std::function<void()> happened)
{
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return;
    const QNetworkInformation *information = QNetworkInformation::instance();
    m_online = information->reachability() == QNetworkInformation::Reachability::Online;
    QObject::connect(information, &QNetworkInformation::reachabilityChanged, &m_context,
                     [this, happened = std::move(happened)](QNetworkInformation::Reachability now) {
                         const bool online = now == QNetworkInformation::Reachability::Online;
                         if (online && !m_online)
                             happened();
                         m_online = online;
                     });
}
