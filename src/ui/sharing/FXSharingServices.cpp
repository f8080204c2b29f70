#include "FXSharingServices.h"

#include "FXLocalizedString.h"
#include "FXPaths.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace {

// Writes the picture whole or not at all; the reason when it could not.
std::optional<QString> savePicture(const QPixmap &picture, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, "png");
    if (!writer.write(picture.toImage())) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

void showFailure(QWidget *window, const QString &message, const QString &reason)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Cambio"), message,
                                QMessageBox::Ok, window);
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

}

QString FXCopySharingService::title() const
{
    return FXLocalizedString::text("Copy to Clipboard");
}

QIcon FXCopySharingService::image() const
{
    return QIcon::fromTheme(QStringLiteral("edit-copy"), QIcon(QStringLiteral(":/icons/copy.svg")));
}

void FXCopySharingService::performWithItems(const FXSharingItems &items, QWidget *)
{
    auto *data = new QMimeData;
    data->setText(items.text + u'\n' + items.url.toString());
    data->setImageData(items.picture.toImage());
    QGuiApplication::clipboard()->setMimeData(data);
}

QString FXSavePictureSharingService::title() const
{
    return FXLocalizedString::text("Save Picture…");
}

QIcon FXSavePictureSharingService::image() const
{
    return QIcon::fromTheme(QStringLiteral("document-save-as"),
                            QIcon(QStringLiteral(":/icons/save.svg")));
}

QString FXSavePictureSharingService::proposedFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    // A fresh account may not have it yet; a file manager would make it too.
    if (!pictures.isEmpty() && QDir().mkpath(pictures))
        return pictures;
    return QDir::homePath();
}

void FXSavePictureSharingService::performWithItems(const FXSharingItems &items, QWidget *window)
{
    auto *dialog = new QFileDialog(window, FXLocalizedString::text("Save Picture"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(FXLocalizedString::text("PNG images (*.png)"));
    dialog->setDefaultSuffix(QStringLiteral("png"));
    const QString folder = proposedFolder();
    dialog->setDirectory(folder);
    dialog->selectFile(folder + QStringLiteral("/Cambio.png"));
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [picture = items.picture, window](const QString &path) {
                         if (const auto failure = savePicture(picture, path))
                             showFailure(window,
                                         FXLocalizedString::format("The picture could not be saved as %@.",
                                                                   QDir::toNativeSeparators(path)),
                                         *failure);
                     });
    dialog->open();
}

FXEmailSharingService::FXEmailSharingService(const QString &program)
    : m_program(program)
{
}

QString FXEmailSharingService::findProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}

QString FXEmailSharingService::attachmentPath()
{
    return FXPaths::cacheHome() + QStringLiteral("/io.github.cambio.Cambio/Cambio.png");
}

QString FXEmailSharingService::title() const
{
    return FXLocalizedString::text("Email");
}

QIcon FXEmailSharingService::image() const
{
    return QIcon::fromTheme(QStringLiteral("mail-message-new"),
                            QIcon(QStringLiteral(":/icons/mail.svg")));
}

void FXEmailSharingService::performWithItems(const FXSharingItems &items, QWidget *window)
{
    const QString attachment = attachmentPath();
    QDir().mkpath(QFileInfo(attachment).path());
    if (const auto failure = savePicture(items.picture, attachment)) {
        showFailure(window, FXLocalizedString::text("The e-mail could not be prepared."), *failure);
        return;
    }
    // Each item is one argument of its own: no shell reads them.
    const QStringList arguments{
        QStringLiteral("--utf8"),
        QStringLiteral("--subject"), items.text,
        QStringLiteral("--body"), items.text + QStringLiteral("\n\n") + items.url.toString(),
        QStringLiteral("--attach"), attachment,
    };
    if (!QProcess::startDetached(m_program, arguments))
        showFailure(window, FXLocalizedString::text("The mail program could not be opened."),
                    QDir::toNativeSeparators(m_program));
}
