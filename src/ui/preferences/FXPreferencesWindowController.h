#pragma once

#include "FXPreferencesServices.h"

#include <QMainWindow>

class FXPreferencesSegue;
class QAction;
class QActionGroup;
class QToolBar;

// The preferences window: a toolbar of panes ("General" first, then "Currencies"), one of them
// shown below it. Each switch makes the pane afresh, so that it shows the settings as they are,
// and runs the segue that resizes the window to it; a pane that grows (a line telling a failure)
// makes the window grow with it. Ctrl+1 and Ctrl+2 choose a pane; Escape and
// Ctrl+W close the window. Made once by the application and shown again on each request.
class FXPreferencesWindowController : public QMainWindow {
    Q_OBJECT

public:
    static inline const QString GeneralIdentifier = QStringLiteral("General");
    static inline const QString CurrenciesIdentifier = QStringLiteral("Currencies");

    explicit FXPreferencesWindowController(const FXPreferencesServices &services,
                                           QWidget *parent = nullptr);

    QToolBar *toolbar() const { return m_toolbar; }
    QAction *generalAction() const { return m_general; }
    QAction *currenciesAction() const { return m_currencies; }
    FXPreferencesSegue *segue() const { return m_segue; }
    // The identifier of the toolbar item that is selected.
    QString selectedItemIdentifier() const;
    // The pane shown: its identifier is its object name. None while the window resizes to the next.
    QWidget *paneViewController() const;

    // Shows the pane of `identifier`.
    void switchToPreferencesTab(const QString &identifier);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAction *addPane(const QString &identifier, const QString &title, const QString &icon,
                     const QKeySequence &shortcut);

    const FXPreferencesServices &m_services;
    QToolBar *m_toolbar;
    QActionGroup *m_panes;
    QAction *m_general;
    QAction *m_currencies;
    FXPreferencesSegue *m_segue;
};
