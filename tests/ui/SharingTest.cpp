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

}

class SharingTest : public QObject {
    Q_OBJECT

private slots:
    // The texts the user reads, as the application shows them.
    void initTestCase() { FXTranslations::install(*qApp); }

    // The picture shows the window as it looked before the click, not the button pressed.
    void aClickTakesThePictureThenOpensTheMenu()
    {
        auto *first = new RecordingService(QStringLiteral("First"));
        auto *second = new RecordingService(QStringLiteral("Second"));
        ConverterHarness core({.sharingServices = [&] {
            std::vector<std::unique_ptr<FXSharingService>> services;
            services.emplace_back(first);
            services.emplace_back(second);
            return services;
        }});
        FXMainWindowController window(core.services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QMenu *menu = window.contentViewController()->shareButton()->sharingMenu();
        const QPixmap before = window.grab();
        QTest::mousePress(window.contentViewController()->shareButton(), Qt::LeftButton);
        QTRY_VERIFY(menu->isVisible());
        menu->actions().at(1)->trigger();
        menu->close();

        QVERIFY(!first->handed && second->handed);
        QCOMPARE(second->handed->text, QStringLiteral("Cambio – the currency converter for your desktop"));
        QCOMPARE(second->handed->url, FXSharingManager::projectPage());
        QCOMPARE(second->handed->picture.toImage(), before.toImage());
        QCOMPARE(second->sourceWindow, &window);
    }

    // E-mail where xdg-email is installed; each service gets text, link and picture (e-mail: as arguments).
    void theServicesOfThisDesktopHandOnTheTextLinkAndPicture()
    {
        QTemporaryDir home;
        ScopedEnvironment path("PATH", home.path().toUtf8());
        ScopedEnvironment cache("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
        // A stand-in for xdg-email that writes each argument it gets into `record`, each ended by a NUL.
        const QString record = home.filePath(QStringLiteral("arguments"));
        QFile script(home.filePath(QStringLiteral("xdg-email")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + record.toUtf8() + "'\n");
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        script.close();
        const auto services = FXSharingManager::availableServices();
        QStringList titles;
        for (const auto &service : services)
            titles.append(service->title());
        QCOMPARE(titles, QStringList({u"Email"_qs, u"Copy to Clipboard"_qs, u"Save Picture…"_qs}));
        QImage picture(30, 12, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        // A shell would split, expand and run these.
        const QString title = QStringLiteral("Cambio \"quoted\" $HOME; echo split");
        const FXSharingItems items{title, QUrl(u"https://example.org/cambio"_qs),
                                   QPixmap::fromImage(picture)};

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

    void savingProposesThePicturesFolder_data()
    {
        QTest::addColumn<bool>("blocked");   // by a file where the folder would be
        QTest::newRow("made on a fresh account") << false;
        QTest::newRow("the home folder when it cannot be made") << true;
    }

    void savingProposesThePicturesFolder()
    {
        QFETCH(bool, blocked);
        QTemporaryDir home;
        ScopedEnvironment homeVariable("HOME", home.path().toUtf8());
        ScopedEnvironment config("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        QFile file(home.filePath(QStringLiteral("Pictures")));
        QVERIFY(!blocked || file.open(QIODevice::WriteOnly));
        QImage picture(30, 12, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QWidget window;

        FXSavePictureSharingService().performWithItems(
            {u"Title"_qs, QUrl(u"https://example.org/cambio"_qs), QPixmap::fromImage(picture)}, &window);

        auto *dialog = window.findChild<QFileDialog *>();
        QVERIFY(dialog);
        const QString folder = blocked ? home.path() : file.fileName();
        QCOMPARE(dialog->directory().absolutePath(), folder);
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(dialog->selectedFiles(), QStringList(folder + QStringLiteral("/Cambio.png")));
        static_cast<QDialog *>(dialog)->accept();
        QCOMPARE(QImage(folder + QStringLiteral("/Cambio.png")).convertToFormat(QImage::Format_RGB32),
                 picture);
    }
};

QTEST_MAIN(SharingTest)
#include "SharingTest.moc"
