#include "FXTableTextField.h"

#include "FXCurrencyInputValidator.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Focus that comes and goes with the window or a popup menu does not begin or end an edit.
bool isEditingFocus(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// What QLineEdit keeps free on each side of its text, and the caret's width.
constexpr int LineEditMargin = 2;
constexpr int CaretWidth = 1;

// The Paste of QLineEdit's edit menu, known by its title ("&Paste", a tab, the shortcut).
QAction *pasteItemOf(const QMenu &menu)
{
    const QString title = QLineEdit::tr("&Paste");
    for (QAction *action : menu.actions()) {
        if (action->text().section(u'\t', 0, 0) == title)
            return action;
    }
    return nullptr;
}

qreal widthOf(const QString &text, const QFont &font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

}

FXTableTextField::FXTableTextField(FXCurrencyInputValidator *validator, QWidget *parent)
    : QLineEdit(parent)
    , m_validator(validator)
{
    m_validator->setParent(this);
    setValidator(m_validator);
    setFrame(false);
    // An amount is a number in any language: its digits and separators read left to right, and the
    // caret and selection move over them so. It stands at the trailing edge of its row, which is
    // the left one in a right-to-left language.
    const bool rightToLeft = QGuiApplication::isRightToLeft();
    setLayoutDirection(Qt::LeftToRight);
    setAlignment((rightToLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    // Clicks give the field the keyboard; Tab reaches it through the table, which moves row by row.
    setFocusPolicy(Qt::ClickFocus);
    // Until the field is being edited, a right click opens the table's menu for the row.
    setContextMenuPolicy(Qt::NoContextMenu);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::transparent);
    // Selected text is marked green and keeps its own colour.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Highlight, QColor(135, 196, 138));
        colours.setColor(group, QPalette::HighlightedText, colours.color(group, QPalette::Text));
    }
    setPalette(colours);
    connect(this, &QLineEdit::textChanged, this, &FXTableTextField::fitText);
}

void FXTableTextField::setAmountFont(const QFont &font, int minimumPixelSize)
{
    m_amountFont = font;
    m_minimumPixelSize = minimumPixelSize;
    fitText();
}

int FXTableTextField::textWidth() const
{
    const QRect area = contentsRect().marginsRemoved(textMargins());
    return area.width() - 2 * LineEditMargin - CaretWidth;
}

void FXTableTextField::fitText()
{
    if (m_amountFont.pixelSize() <= 0)
        return;
    QFont fitted = m_amountFont;
    const QString amount = text();
    for (int size = m_amountFont.pixelSize();
         size > m_minimumPixelSize && widthOf(amount, fitted) > textWidth(); --size) {
        fitted.setPixelSize(size - 1);
    }
    if (fitted != font())
        setFont(fitted);
}

QString FXTableTextField::shownText() const
{
    const QString amount = text();
    if (hasFocus() || widthOf(amount, font()) <= textWidth())
        return amount;
    // Fraction digits give way, the last first; the integer digits and the separator stay. The
    // separator is the last character that is no digit, when a digit comes before it.
    const QChar ellipsis(0x2026);
    qsizetype separator = amount.size() - 1;
    while (separator > 0 && amount.at(separator).isDigit())
        --separator;
    if (separator <= 0 || !amount.at(separator - 1).isDigit())
        return amount;
    QString shown = amount;
    while (shown.size() > separator + 1 && widthOf(shown + ellipsis, font()) > textWidth())
        shown.chop(1);
    return shown + ellipsis;
}

void FXTableTextField::paintEvent(QPaintEvent *event)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect().marginsRemoved(textMargins())
                           .adjusted(LineEditMargin, 0, -LineEditMargin - CaretWidth, 0);
    painter.setPen(palette().color(QPalette::Text));
    // Even without fraction digits too wide: the end is cut rather than the leading digits.
    const bool fits = widthOf(shown, font()) <= area.width();
    painter.drawText(area, int(fits ? alignment() : Qt::AlignLeft | Qt::AlignVCenter), shown);
}

void FXTableTextField::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

void FXTableTextField::setAmount(const QString &text)
{
    if (text == this->text())
        return;
    setValidator(nullptr);
    setText(text);
    m_validator->setCurrentText(text);
    setValidator(m_validator);
}

void FXTableTextField::activateWithCharacterOffset(int offset)
{
    setFocus(Qt::OtherFocusReason);
    const int length = int(text().size());
    setCursorPosition(qMax(0, length - offset));
}

bool FXTableTextField::perform(Command command)
{
    return m_commandHandler && m_commandHandler(*this, command);
}

bool FXTableTextField::event(QEvent *event)
{
    // Tab and Backtab would move the keyboard along the window's focus chain before keyPressEvent.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Backtab
                      || (key->key() == Qt::Key_Tab && key->modifiers() & Qt::ShiftModifier))) {
            if (perform(Command::InsertBacktab))
                return true;
        } else if (plain && key->key() == Qt::Key_Tab) {
            if (perform(Command::InsertTab))
                return true;
        }
    }
    return QLineEdit::event(event);
}

void FXTableTextField::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested(QClipboard::Clipboard);
        return;
    }
    // Shift+F10 asks for the context menu, as the Menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QCoreApplication::sendEvent(this, &fromKeyboard);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
        if (perform(Command::MoveUp))
            return;
        break;
    case Qt::Key_Down:
        if (perform(Command::MoveDown))
            return;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (perform(Command::EndEditing))
            return;
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
    // Keys the field has no use for (an arrow at its end) must not scroll the table under it.
    event->accept();
}

void FXTableTextField::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard, the row's menu: left to the table, which the event reaches next. A right
    // click on the text being edited opens the field's own edit menu.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    QMenu *menu = createStandardContextMenu();
    // QLineEdit's Paste would insert the text as it is.
    if (QAction *paste = pasteItemOf(*menu)) {
        paste->disconnect(this);
        connect(paste, &QAction::triggered, this,
                [this] { emit pasteRequested(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void FXTableTextField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        emit pasteRequested(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FXTableTextField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!isEditingFocus(event->reason()))
        return;
    setContextMenuPolicy(Qt::DefaultContextMenu);
    emit didBeginEditing();
    // An amount of zero turns into an empty field, ready for the first digit.
    if (text() == u"0") {
        setAmount(QString());
        end(false);
    }
}

void FXTableTextField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!isEditingFocus(event->reason()))
        return;
    setContextMenuPolicy(Qt::NoContextMenu);
    if (text().isEmpty())
        setAmount(QStringLiteral("0"));
    emit didEndEditing();
}
