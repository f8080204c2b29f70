// The converter, its preferences and the feedback form in every language, at two scales.

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
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

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

// The texts of `window` that need more room than their widgets give them, or stick out of them.
QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
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
            // Chinese, Japanese or Korean letters measure a pixel or two more or less from time to time.
            constexpr int Slack = 2;
            fits = needed.width() <= room.width() && needed.height() <= room.height() + Slack;
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            text = button->text();
            // The room the style leaves inside the button's bevel, against the text and icon.
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            fits = metrics.horizontalAdvance(QString(text).remove(u'&')) + icon <= room.width();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            fits = button->sizeHint().width() <= button->width();
        }
        if (text.isEmpty())
            continue;
        const QString described = QLatin1String(widget->metaObject()->className()) + u" “"_qs + text + u'”';
        if (!fits)
            clipped.append(described);
        else if (!widget->parentWidget()->rect().contains(widget->geometry()))
            clipped.append(described + QStringLiteral(" sticks out"));
    }
    return clipped;
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
    const QStringList catalogues = QDir(u":/i18n"_qs).entryList({u"cambio_*.qm"_qs});
    QVERIFY(catalogues.size() >= 17);
    for (const QString &catalogue : catalogues)
        QTest::newRow(qPrintable(catalogue.mid(7).chopped(3))) << catalogue.mid(7).chopped(3);
}

void LanguagesTest::everyTextHasRoomInEveryWindowMirroredForRightToLeft()
{
    QFETCH(QString, language);
    const bool rightToLeft = QLocale(language).textDirection() == Qt::RightToLeft;
    const Translated speaking(language);
    QCOMPARE(QGuiApplication::isRightToLeft(), rightToLeft);
    const QByteArray locale = QLocale(language).name().toLatin1();
    ConverterHarness core({.locale = locale.constData(), .visible = codes("EUR GBP JPY CHF")});
    ConverterApplication app(core);
    FXApplicationDelegate &application = app.delegate;
    QStringList clipped;
    const auto check = [&](const char *moment) {
        // Measured at rest: no refresh about to change a text, no window still resizing to it.
        QTRY_VERIFY(!core.currencies.isUpdating());
        if (FXPreferencesWindowController *preferences = application.preferencesWindow())
            QTRY_VERIFY(!preferences->segue()->isRunning());
        QCoreApplication::processEvents();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || qobject_cast<QMenu *>(window))
                continue;
            QVERIFY(QTest::qWaitForWindowExposed(window));
            for (const QString &text : clippedTexts(window))
                clipped.append(QString::fromLatin1(moment) + QStringLiteral(": ") + text);
        }
    };

    application.showMainWindow();
    check("converter");
    FXMainWindowController *window = &app.window();
    const FXRatesCellView *cell = window->findChildren<FXRatesCellView *>().value(0);
    const auto middle = [window](const QWidget *widget) {
        return widget->mapTo(window, widget->rect().center()).x();
    };
    for (const FXWindowButton *button : window->findChildren<FXWindowButton *>())
        QCOMPARE(middle(button) > window->width() / 2, rightToLeft);
    // The flag and sign lead, the amount trails: on the right in a right-to-left language.
    QCOMPARE(middle(cell->flagImageView()) > middle(cell->inputTextField()), rightToLeft);
    // An amount stays a number: written left to right, at the trailing side of its field.
    const QLineEdit *amount = cell->inputTextField();
    QCOMPARE(amount->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(amount->alignment() & Qt::AlignHorizontal_Mask,
             Qt::Alignment(rightToLeft ? Qt::AlignLeft : Qt::AlignRight));

    application.orderFrontPreferencesPanel();
    FXPreferencesWindowController *preferences = application.preferencesWindow();
    for (const QString &pane : {FXPreferencesWindowController::GeneralIdentifier,
                                FXPreferencesWindowController::CurrenciesIdentifier}) {
        preferences->switchToPreferencesTab(pane);
        QTRY_VERIFY(preferences->paneViewController());
        check("preferences");
    }
    preferences->close();

    application.provideFeedback();
    check("feedback");
    app.reporting.feedbackManager().feedbackWindow()->close();

    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
