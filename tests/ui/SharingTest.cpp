// Sharing from the converter window: the share button's menu, what a chosen service is handed,
// and the services of this desktop.

#include "ConverterHarness.h"
#include "FXMainViewController.h"
#include "FXMainWindowController.h"
#include "FXShareButton.h"
#include "FXSharingServices.h"
#include "FXTranslations.h"
#include "ScopedEnvironment.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Remembers what it was handed, and over which window.
struct RecordingService : FXSharingService {
    explicit RecordingService(QString title) : name(std::move(title)) {}
    QString title() const override { return name; }
    QIcon image() const override { return QIcon(QStringLiteral(":/icons/share.svg")); }
    void performWithItems(const FXSharingItems &items, QWidget *window) override
    {
        handed = items;
        sourceWindow = window;
    }

    QString name;
    std::optional<FXSharingItems> handed;
    QWidget *sourceWindow = nullptr;
};

QStringList titles(const std::vector<std::unique_ptr<FXSharingService>> &services)
{
    QStringList found;
    for (const auto &service : services)
        found.append(service->title());
    return found;
}

}

class SharingTest : public QObject {
    Q_OBJECT

private slots:
    // The texts the user reads, as the application shows them.
    void initTestCase() { FXTranslations::install(*qApp); }
    void aClickTakesThePictureThenOpensTheMenu();
    void theServicesOfThisDesktopHandOnTheTextLinkAndPicture();
    void savingProposesThePicturesFolder_data();
    void savingProposesThePicturesFolder();
};

void SharingTest::aClickTakesThePictureThenOpensTheMenu()
{
    auto *first = new RecordingService(QStringLiteral("First"));
    auto *second = new RecordingService(QStringLiteral("Second"));
    ConverterHarness core({.sharingServices = [&] {
        std::vector<std::unique_ptr<FXSharingService>> services;
        services.emplace_back(first);
        services.emplace_back(second);
        return services;
    }});
    FXSharingManager &sharing = core.sharing;
    FXMainWindowController window(core.services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    FXShareButton *button = window.contentViewController()->shareButton();
    QMenu *menu = button->sharingMenu();
    QVERIFY(sharing.windowScreenshot().isNull());

    QPixmap pictureWhenShown;
    bool downWhenShown = false;
    connect(menu, &QMenu::aboutToShow, this, [&] {
        pictureWhenShown = sharing.windowScreenshot();
        downWhenShown = button->isDown();
    });
    const QPixmap before = window.grab();
    QTest::mousePress(button, Qt::LeftButton);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(pictureWhenShown.size(), window.size() * pictureWhenShown.devicePixelRatio());
    QVERIFY(downWhenShown);

    menu->actions().at(1)->trigger();
    menu->close();
    QVERIFY(!button->isDown());
    // The picture was taken before the highlight: it is the window as it looked before the click.
    QCOMPARE(pictureWhenShown.toImage(), before.toImage());
    QVERIFY(!first->handed);
    QVERIFY(second->handed);
    QCOMPARE(second->handed->text, QStringLiteral("Cambio – the currency converter for your desktop"));
    QCOMPARE(second->handed->url, FXSharingManager::projectPage());
    QCOMPARE(second->handed->picture.toImage(), pictureWhenShown.toImage());
    QCOMPARE(second->sourceWindow, &window);
}

// E-mail is offered where xdg-email is installed; each service hands on the text, the link and the
// picture, and the e-mail each as an argument of its own.
void SharingTest::theServicesOfThisDesktopHandOnTheTextLinkAndPicture()
{
    QTemporaryDir home;
    ScopedEnvironment path("PATH", home.path().toUtf8());
    ScopedEnvironment cache("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    QCOMPARE(titles(FXSharingManager::availableServices()),
             QStringList({u"Copy to Clipboard"_qs, u"Save Picture…"_qs}));
    // A stand-in for xdg-email that writes each argument it gets into `record`, each ended by a NUL.
    const QString record = home.filePath(QStringLiteral("arguments"));
    QFile script(home.filePath(QStringLiteral("xdg-email")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + record.toUtf8() + "'\n");
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    script.close();
    const auto services = FXSharingManager::availableServices();
    QCOMPARE(titles(services), QStringList({u"Email"_qs, u"Copy to Clipboard"_qs, u"Save Picture…"_qs}));
    QImage picture(30, 12, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    // A shell would split, expand and run these.
    const QString title = QStringLiteral("Cambio \"quoted\" $HOME; echo split");
    const FXSharingItems items{title, QUrl(u"https://example.org/cambio"_qs), QPixmap::fromImage(picture)};

    services[1]->performWithItems(items, nullptr);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), title + u"\nhttps://example.org/cambio"_qs);
    QCOMPARE(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32), picture);

    services[0]->performWithItems(items, nullptr);
    QFile written(record);
    QTRY_VERIFY(written.exists() && written.size() > 0);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QString attachment = FXEmailSharingService::attachmentPath();
    QCOMPARE(QString::fromUtf8(written.readAll()).split(QChar(0), Qt::SkipEmptyParts),
             QStringList({u"--utf8"_qs, u"--subject"_qs, title, u"--body"_qs,
                          title + u"\n\nhttps://example.org/cambio"_qs, u"--attach"_qs, attachment}));
    QVERIFY(attachment.startsWith(home.filePath(QStringLiteral("cache"))));
    QCOMPARE(QImage(attachment).convertToFormat(QImage::Format_RGB32), picture);
}

void SharingTest::savingProposesThePicturesFolder_data()
{
    QTest::addColumn<QByteArray>("userDirs");   // the desktop's user-dirs.dirs
    QTest::addColumn<QString>("blocked");       // a file where the folder would be
    QTest::addColumn<QString>("proposed");      // under the home folder
    QTest::newRow("made on a fresh account") << QByteArray() << "" << "Pictures";
    QTest::newRow("the desktop's own name") << QByteArray("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n")
                                            << "" << "Bilder";
    QTest::newRow("the home folder when it cannot be made") << QByteArray() << "Pictures" << "";
}

void SharingTest::savingProposesThePicturesFolder()
{
    QFETCH(QByteArray, userDirs);
    QFETCH(QString, blocked);
    QFETCH(QString, proposed);
    QTemporaryDir home;
    ScopedEnvironment homeVariable("HOME", home.path().toUtf8());
    ScopedEnvironment config("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QDir(home.path()).mkpath(QStringLiteral("config"));
    QFile dirs(home.filePath(QStringLiteral("config/user-dirs.dirs")));
    if (!userDirs.isEmpty() && dirs.open(QIODevice::WriteOnly))
        dirs.write(userDirs);
    dirs.close();
    if (!blocked.isEmpty()) {
        QFile file(home.filePath(blocked));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QImage picture(30, 12, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QWidget window;

    FXSavePictureSharingService().performWithItems(
        {u"Title"_qs, QUrl(u"https://example.org/cambio"_qs), QPixmap::fromImage(picture)}, &window);

    auto *dialog = window.findChild<QFileDialog *>();
    QVERIFY(dialog);
    const QString folder = QDir::cleanPath(home.path() + u'/' + proposed);
    QCOMPARE(dialog->directory().absolutePath(), folder);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(dialog->selectedFiles(), QStringList(folder + QStringLiteral("/Cambio.png")));
    static_cast<QDialog *>(dialog)->accept();
    QCOMPARE(QImage(folder + QStringLiteral("/Cambio.png")).convertToFormat(QImage::Format_RGB32),
             picture);
}

QTEST_MAIN(SharingTest)
#include "SharingTest.moc"
