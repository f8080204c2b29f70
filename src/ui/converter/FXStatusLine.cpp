#include "FXStatusLine.h"

#include "FXLocalizedString.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QToolButton>
#include <QTimer>

namespace {

const QString NoticeName = QStringLiteral("FXStatusNotice");
constexpr int NoticeMilliseconds = 6000;

// The notice is an alert to screen readers, which announce it wherever the keyboard is.
QAccessibleInterface *noticeAccessible(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || widget->objectName() != NoticeName)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::AlertMessage);
}

QPixmap warningImage(int size, qreal scale)
{
    QImage image(qRound(size * scale), qRound(size * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(QStringLiteral(":/icons/warning.svg")).render(&painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

}

FXStatusLine::FXStatusLine(QWidget *parent)
    : QWidget(parent)
    , m_text(new QLabel(this))
    , m_warning(new QToolButton(this))
    , m_notice(new QLabel(this))
    , m_noticeEnds(new QTimer(this))
{
    QFont small = m_text->font();
    small.setPixelSize(11);
    m_text->setFont(small);
    QPalette colours = m_text->palette();
    colours.setColor(QPalette::WindowText, QColor(110, 110, 110));
    m_text->setPalette(colours);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumWidth(40);

    m_warning->setFixedSize(16, 16);
    m_warning->setIconSize(QSize(14, 14));
    m_warning->setAutoRaise(true);
    m_warning->setFocusPolicy(Qt::TabFocus);
    m_warning->setAccessibleName(FXLocalizedString::text("Rates not updated"));
    m_warning->hide();
    m_warning->installEventFilter(this);
    connect(m_warning, &QToolButton::clicked, this, &FXStatusLine::retryRequested);

    static const bool noticesAreAlerts = (QAccessible::installFactory(noticeAccessible), true);
    Q_UNUSED(noticesAreAlerts);
    m_notice->setObjectName(NoticeName);
    m_notice->setFont(small);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->hide();
    m_noticeEnds->setSingleShot(true);
    m_noticeEnds->setInterval(NoticeMilliseconds);
    connect(m_noticeEnds, &QTimer::timeout, this, [this] {
        m_notice->hide();
        m_notice->clear();
        m_text->show();
    });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    layout->addWidget(m_text, 0, Qt::AlignVCenter);
    layout->addWidget(m_warning, 0, Qt::AlignVCenter);
    layout->addWidget(m_notice, 1, Qt::AlignVCenter);
    layout->addStretch(1);
}

QString FXStatusLine::text() const
{
    return m_text->text();
}

void FXStatusLine::setText(const QString &text)
{
    m_text->setText(text);
}

void FXStatusLine::setFailureReason(const QString &reason)
{
    // The core's reasons start in lower case, to fit inside its own sentences.
    QString shown = reason;
    if (!shown.isEmpty())
        shown[0] = shown[0].toUpper();
    m_text->setAccessibleDescription(shown);
    m_warning->setToolTip(shown);
    m_warning->setAccessibleDescription(shown);
    if (!reason.isEmpty() && m_warning->icon().isNull())
        m_warning->setIcon(warningImage(m_warning->iconSize().width(), devicePixelRatioF()));
    m_warning->setVisible(!reason.isEmpty());
}

bool FXStatusLine::eventFilter(QObject *watched, QEvent *event)
{
    // A button takes Space; Return and Enter try again too, as on the buttons of a dialog.
    if (watched == m_warning && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_warning->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FXStatusLine::showNotice(const QString &notice)
{
    m_notice->setText(notice);
    m_notice->setAccessibleName(notice);
    m_text->hide();
    m_notice->show();
    m_noticeEnds->start();
    QAccessibleEvent alert(m_notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QString FXStatusLine::notice() const
{
    return m_noticeEnds->isActive() ? m_notice->text() : QString();
}
