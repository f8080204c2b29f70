// Every window, sheet and alert of the program in every language it speaks: no text needs more
// room than its widget gives it, no menu or window repeats a mnemonic, and the right-to-left
// languages mirror the window while amounts still read left to right. Run at the default scale and
// again with QT_SCALE_FACTOR=2 (ctest's ui.Languages.Scale2).

#include "ConverterApplication.h"
#include "FXFeedbackManager.h"
#include "FXMainViewController.h"
#include "FXPreferencesSegue.h"
#include "FXPreferencesWindowController.h"
#include "FXRatesCellView.h"
#include "FXWindowButton.h"
#include "TestData.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QMessageBox>

namespace {

// Whether `widget` lies inside a scrolled area, where being larger than what shows is its purpose.
bool isScrolled(const QWidget *widget)
{
    for (const QWidget *ancestor = widget->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(ancestor))
            return true;
    }
    return false;
}

// The texts of `window` that need more room than their widgets give them, or that stick out of
// their parent.
QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
        if (!widget->isVisible() || widget->window() != window || isScrolled(widget))
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        QString text;
        bool fits = true;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                              -label->margin(), -label->margin());
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed = metrics.boundingRect(room, flags, text);
            // A line of Chinese, Japanese or Korean letters in a fallback font measures a pixel
            // or two taller or shorter from one measure to the next: a lost line or letter is
            // what counts.
            constexpr int Slack = 2;
            fits = needed.width() <= room.width() && needed.height() <= room.height() + Slack;
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            text = button->text();
            // The room the style leaves inside the button's bevel, against the text and icon.
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            fits = metrics.horizontalAdvance(QString(text).remove(u'&')) + icon <= room.width();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            fits = button->sizeHint().width() <= button->width();
        } else if (auto *field = qobject_cast<QLineEdit *>(widget); field && field->text().isEmpty()) {
            text = field->placeholderText();
            // QLineEdit keeps two pixels free on either side of its text.
            const QRect room = field->contentsRect().marginsRemoved(field->textMargins());
            fits = metrics.horizontalAdvance(text) <= room.width() - 4;
        }
        if (text.isEmpty())
            continue;
        const QString described = QStringLiteral("%1 in %2: “%3”").arg(
            QString::fromLatin1(widget->metaObject()->className()),
            QString::fromLatin1(window->metaObject()->className()), text);
        if (!fits)
            clipped.append(described);
        else if (widget != window && !widget->parentWidget()->rect().contains(widget->geometry()))
            clipped.append(described + QStringLiteral(" sticks out"));
    }
    return clipped;
}

// The texts of a menu's items, or of a window's visible buttons and of the labels that name a
// field, whose mnemonic ("&x") an earlier one of them uses.
QStringList repeatedMnemonics(const QWidget *widget)
{
    QStringList texts, seen, repeated;
    if (const auto *menu = qobject_cast<const QMenu *>(widget)) {
        for (const QAction *action : menu->actions())
            texts.append(action->text());
    }
    for (const QAbstractButton *button : widget->findChildren<QAbstractButton *>()) {
        if (button->isVisible())
            texts.append(button->text());
    }
    for (const QLabel *label : widget->findChildren<QLabel *>()) {
        if (label->isVisible() && label->buddy())
            texts.append(label->text());
    }
    for (const QString &text : std::as_const(texts)) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (!key.isEmpty() && seen.contains(key))
            repeated.append(text);
        seen.append(key);
    }
    return repeated;
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !qobject_cast<QMenu *>(widget))
            windows.append(widget);
    }
    return windows;
}

}

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextHasRoomInEveryWindowMirroredForRightToLeft_data();
    void everyTextHasRoomInEveryWindowMirroredForRightToLeft();
};

void LanguagesTest::everyTextHasRoomInEveryWindowMirroredForRightToLeft_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("rightToLeft");
    // The languages of the program, as its built-in translations name them ("de", "pt_BR").
    const QStringList catalogues = QDir(u":/i18n"_qs).entryList({u"cambio_*.qm"_qs});
    QVERIFY(catalogues.size() >= 17);
    for (const QString &catalogue : catalogues) {
        const QString language = catalogue.mid(7).chopped(3);
        const bool rightToLeft = QStringList{u"ar"_qs, u"he"_qs, u"fa"_qs}.contains(language);
        QTest::newRow(qPrintable(language)) << language << rightToLeft;
    }
}

void LanguagesTest::everyTextHasRoomInEveryWindowMirroredForRightToLeft()
{
    QFETCH(QString, language);
    QFETCH(bool, rightToLeft);
    const Translated speaking(language);
    QCOMPARE(QGuiApplication::isRightToLeft(), rightToLeft);
    const QByteArray locale = QLocale(language).name().toLatin1();
    ConverterHarness core({.locale = locale.constData(), .visible = codes("EUR GBP JPY CHF")});
    ConverterApplication app(core);
    FXApplicationDelegate &application = app.delegate;
    FXReportingManager &reporting = app.reporting;
    QStringList clipped;
    QStringList repeated;
    const auto check = [&](const char *moment) {
        // Measured at rest: no refresh about to change a text, no window still resizing to it.
        QTRY_VERIFY(!core.currencies.isUpdating());
        if (FXPreferencesWindowController *preferences = application.preferencesWindow())
            QTRY_VERIFY(!preferences->segue()->isRunning());
        QCoreApplication::processEvents();
        for (QWidget *window : visibleWindows()) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            for (const QString &text : clippedTexts(window))
                clipped.append(QString::fromLatin1(moment) + QStringLiteral(": ") + text);
            repeated += repeatedMnemonics(window);
        }
    };

    application.showMainWindow();
    check("converter");
    repeated += repeatedMnemonics(application.applicationMenu());
    FXMainWindowController *window = &app.window();
    const FXRatesCellView *cell = window->findChildren<FXRatesCellView *>().value(0);
    const auto middle = [window](const QWidget *widget) {
        return widget->mapTo(window, widget->rect().center()).x();
    };
    // The window's buttons stand at its leading edge.
    for (const FXWindowButton *button : window->findChildren<FXWindowButton *>())
        QCOMPARE(middle(button) > window->width() / 2, rightToLeft);
    // The flag and sign lead, the amount trails: on the right in a right-to-left language.
    QCOMPARE(middle(cell->flagImageView()) > middle(cell->inputTextField()), rightToLeft);
    // An amount stays a number: written left to right, at the trailing side of its field.
    const QLineEdit *amount = cell->inputTextField();
    QCOMPARE(amount->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(amount->alignment() & Qt::AlignHorizontal_Mask, Qt::Alignment(rightToLeft ? Qt::AlignLeft : Qt::AlignRight));

    application.orderFrontAboutPanel();
    check("about");
    qDeleteAll(application.mainWindow()->findChildren<QMessageBox *>());

    QTRY_VERIFY(core.locationManager.has_value());
    core.locationSystem.find(QStringLiteral("CH"));
    check("location alert");
    qDeleteAll(application.mainWindow()->findChildren<QMessageBox *>());

    application.orderFrontPreferencesPanel();
    FXPreferencesWindowController *preferences = application.preferencesWindow();
    for (const QString &pane : {FXPreferencesWindowController::GeneralIdentifier,
                                FXPreferencesWindowController::CurrenciesIdentifier}) {
        preferences->switchToPreferencesTab(pane);
        QTRY_VERIFY(preferences->paneViewController());
        check("preferences");
        // Each button that opens a sheet, the sheet open.
        for (QPushButton *button : preferences->paneViewController()->findChildren<QPushButton *>()) {
            if (!button->text().endsWith(u'…') && button->text() != u"+")
                continue;
            button->click();
            check("sheet");
            for (QWidget *window : visibleWindows()) {
                if (window != application.mainWindow() && window != preferences)
                    window->close();
            }
            QTRY_COMPARE(visibleWindows().size(), 2);
        }
    }
    preferences->close();

    // The form asking for the e-mail address, whose placeholder says so.
    application.provideFeedback();
    check("feedback");
    reporting.feedbackManager().feedbackWindow()->close();

    QVERIFY(QDir().mkpath(core.home.stateHome() + u"/crashes"_qs));
    QFile report(core.home.stateHome() + u"/crashes/crash-1-2.txt"_qs);
    QVERIFY(report.open(QIODevice::WriteOnly) && report.write("Cambio crash report\n") > 0);
    report.close();
    application.applicationDidFinishLaunching();
    QTRY_VERIFY(reporting.crashReportAlert() && reporting.crashReportAlert()->isVisible());
    check("crash report");
    reporting.crashReportAlert()->close();

    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(u'\n')));
}

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
