#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QUrl>

class QWidget;

// What the share button hands a service, in this order: a title, the link to the project's page and
// the picture of the converter window.
struct FXSharingItems {
    QString text;
    QUrl url;
    QPixmap picture;
};

// One way of sharing on this desktop, as the share button's menu offers it.
class FXSharingService {
public:
    virtual ~FXSharingService() = default;

    virtual QString title() const = 0;
    virtual QIcon image() const = 0;
    // Shares the items; its own interface (a file dialog, a message) attaches to `window`.
    virtual void performWithItems(const FXSharingItems &items, QWidget *window) = 0;
};
