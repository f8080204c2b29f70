#pragma once

#include <QWidget>

class QLabel;
class QTimer;
class QToolButton;

// The status line of the converter window: the state of the rates ("Updating…", "Updated 10:42"),
// and beside it a warning sign while the last refresh failed or the rates are old, whose tooltip
// and accessible description tell why. Screen readers read the text, with the reason as its description. The
// sign takes the keyboard, so that the reason can be reached without a mouse; clicking it, or
// Return, Enter or Space on it, asks to try again. A notice (why a paste was refused) takes the
// text's place for a few seconds; screen readers announce it as an alert.
class FXStatusLine : public QWidget {
    Q_OBJECT

public:
    explicit FXStatusLine(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    // Empty when the last refresh went well and the rates are not old.
    void setFailureReason(const QString &reason);
    void showNotice(const QString &notice);
    // The notice shown now; empty when none is.
    QString notice() const;

    QLabel *textField() const { return m_text; }
    QToolButton *warningSign() const { return m_warning; }

signals:
    void retryRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_text;
    QToolButton *m_warning;
    QLabel *m_notice;
    QTimer *m_noticeEnds;
};
