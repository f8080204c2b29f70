#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <functional>

class FXCurrencyInputValidator;

// The amount field of a converter row. It looks like text (no frame, no focus ring, its selection
// marked green), empties a "0" when it takes the keyboard and puts the "0" back when it is left
// empty. Tab, Backtab and the up and down arrows are first offered to its command handler, which
// moves between rows; Return and Escape hand the keyboard back to the table. The Menu key and
// Shift+F10 open the row's context menu, as in the table. Every paste (the shortcut, the edit
// menu's Paste, the middle button's paste of the selection) is handed to the controller, which
// reads the text as one amount or refuses it; the field never inserts pasted text itself.
//
// Every integer digit of its amount is always on screen: a text too wide for the field is drawn
// smaller, down to a readable size, and past that, while the field is not being edited, loses
// fraction digits from its end behind an ellipsis. Screen readers still read the whole amount.
class FXTableTextField : public QLineEdit {
    Q_OBJECT

public:
    enum class Command { MoveUp, MoveDown, InsertTab, InsertBacktab, EndEditing };
    // Answers whether it performed the command; otherwise the field does what it always does.
    using CommandHandler = std::function<bool(FXTableTextField &field, Command command)>;

    FXTableTextField(FXCurrencyInputValidator *validator, QWidget *parent = nullptr);

    void setCommandHandler(CommandHandler handler) { m_commandHandler = std::move(handler); }

    // Shows an amount the program wrote. The edit check is for what the user types; a written
    // amount is shown as it is.
    void setAmount(const QString &text);
    // Takes the keyboard with the caret `offset` characters before the end of the text (at its
    // start when the text is shorter).
    void activateWithCharacterOffset(int offset);

    // The font of amounts that fit, and the smallest pixel size a longer one is drawn in.
    void setAmountFont(const QFont &font, int minimumPixelSize);
    // The text as it is drawn: the amount, or the amount cut short when it does not fit.
    QString shownText() const;
    // The width the field gives its text.
    int textWidth() const;

signals:
    void didBeginEditing();
    void didEndEditing();
    // The user pasted what `mode` holds: the clipboard, or the selection for the middle button.
    void pasteRequested(QClipboard::Mode mode);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool perform(Command command);
    // Draws the text as small as it must be to fit, within the readable sizes.
    void fitText();

    FXCurrencyInputValidator *m_validator;
    CommandHandler m_commandHandler;
    QFont m_amountFont;
    int m_minimumPixelSize = 0;
};
