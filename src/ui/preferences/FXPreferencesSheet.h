#pragma once

#include <QDialog>

#include <initializer_list>

class FXFailureLabel;
class QAbstractItemView;
class QLineEdit;
class QPushButton;

// What the sheets of the preferences share: a dialog modal to the window it stands over, which
// takes the keyboard back once the sheet is closed and gone, a line telling a change that could not be saved, and a search field whose Up,
// Down, Page Up and Page Down move through the list it searches while the keyboard stays in it.
class FXPreferencesSheet : public QDialog {
    Q_OBJECT

public:
    FXPreferencesSheet(const QString &title, QWidget *parent);

    FXFailureLabel *failureLabel() const { return m_failure; }

protected:
    // Lays the sheet out as every sheet is: `above` over `list`, which takes the height left, then
    // the failure line and the buttons. Answers the default button, titled `acceptTitle`, for the
    // sheet to connect; Cancel closes the sheet.
    QPushButton *layOut(std::initializer_list<QWidget *> above, QWidget *list,
                        const QString &acceptTitle);
    void setSearchedList(QLineEdit *search, QAbstractItemView *list);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FXFailureLabel *m_failure;
    QLineEdit *m_search = nullptr;
    QAbstractItemView *m_list = nullptr;
};
