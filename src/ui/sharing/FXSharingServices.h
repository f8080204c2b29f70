#pragma once

#include "FXSharingService.h"

// Puts the title and the link on the clipboard as text, and the picture as an image.
class FXCopySharingService : public FXSharingService {
public:
    QString title() const override;
    QIcon image() const override;
    void performWithItems(const FXSharingItems &items, QWidget *window) override;
};

// Saves the picture as a PNG file where the user chooses.
class FXSavePictureSharingService : public FXSharingService {
public:
    // The folder the file dialog opens in: the desktop's pictures folder (XDG_PICTURES_DIR, else
    // ~/Pictures), made when it is missing; the home folder when it cannot be made.
    static QString proposedFolder();

    QString title() const override;
    QIcon image() const override;
    void performWithItems(const FXSharingItems &items, QWidget *window) override;
};

// Opens a new e-mail in the user's mail program through xdg-email: the title as its subject, the
// title and the link as its text, the picture attached.
class FXEmailSharingService : public FXSharingService {
public:
    // `program`: xdg-email, found on the PATH.
    explicit FXEmailSharingService(const QString &program);
    // The xdg-email of the PATH; empty when there is none.
    static QString findProgram();

    QString title() const override;
    QIcon image() const override;
    void performWithItems(const FXSharingItems &items, QWidget *window) override;

    // Where the attached picture is written: XDG_CACHE_HOME (default ~/.cache)/io.github.cambio.Cambio.
    // The mail program reads it after xdg-email has returned, so it stays until the next share.
    static QString attachmentPath();

private:
    QString m_program;
};
