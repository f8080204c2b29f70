#include "FXShareButton.h"

#include "FXLocalizedString.h"
#include "FXSharingManager.h"

#include <QMenu>
#include <QMouseEvent>

FXShareButton::FXShareButton(FXSharingManager &sharing, QWidget *parent)
    : FXMainTemplateButton(QStringLiteral(":/icons/share.svg"), FXLocalizedString::text("Share"),
                           parent)
    , m_sharing(sharing)
    , m_menu(new QMenu(FXLocalizedString::text("Sharing"), this))
{
    m_menu->setAccessibleName(m_menu->title());
    // A click on the button while its menu is open closes the menu, rather than opening it anew.
    m_menu->setAttribute(Qt::WA_NoMouseReplay);
    connect(m_menu, &QMenu::aboutToHide, this, [this] { setDown(false); });
    // A click by the mouse opens the menu on the press; this is the keyboard's (and a screen
    // reader's press).
    connect(this, &QAbstractButton::clicked, this, &FXShareButton::openMenu);
}

QPoint FXShareButton::menuPosition() const
{
    return mapToGlobal(QPoint(0, height() + 4));
}

void FXShareButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        FXMainTemplateButton::mousePressEvent(event);
        return;
    }
    openMenu();
}

void FXShareButton::openMenu()
{
    // Filled when first opened: the services' icons are looked up in the icon theme, which takes
    // longer than anything else in the window's first frame.
    if (m_menu->isEmpty())
        m_menu->addActions(m_sharing.sharingMenuItems(this));
    // Before anything on screen changes: the picture shows neither the menu nor the highlight.
    m_sharing.setWindowScreenshot(window()->grab());
    setDown(true);
    m_menu->popup(menuPosition());
}
