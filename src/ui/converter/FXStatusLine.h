#pragma once

#include <QWidget>

class QLabel;

// The status line of the converter window: the state of the rates ("Updating…", "Updated 10:42"),
// and beside it a warning sign while the last refresh failed, whose tooltip and accessible
// description tell why. Screen readers read the text, with the reason as its description.
class FXStatusLine : public QWidget {
    Q_OBJECT

public:
    explicit FXStatusLine(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    // Empty when the last refresh went well.
    void setFailureReason(const QString &reason);

    QLabel *textField() const { return m_text; }
    QLabel *warningSign() const { return m_warning; }

private:
    QLabel *m_text;
    QLabel *m_warning;
};
