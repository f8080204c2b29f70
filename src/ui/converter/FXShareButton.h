#pragma once

#include "FXMainTemplateButton.h"

class FXSharingManager;
class QMenu;

// The converter's share button. A click takes a picture of the window, then pops up the menu of
// the sharing services with its top-left corner 4 pixels below the button's lower-left corner;
// the button stays highlighted while the menu is open. The menu is filled when it first opens,
// with the services the sharing manager offers then. Space opens it from the keyboard.
class FXShareButton : public FXMainTemplateButton {
    Q_OBJECT

public:
    explicit FXShareButton(FXSharingManager &sharing, QWidget *parent = nullptr);

    QMenu *sharingMenu() const { return m_menu; }
    // Where the menu's top-left corner goes, in global coordinates.
    QPoint menuPosition() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void openMenu();

    FXSharingManager &m_sharing;
    QMenu *m_menu;
};
