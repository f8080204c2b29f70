#pragma once

#include "TableDriver.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

// Picks the item titled `title` (before its shortcut, if any) from the context menu that `open`
// opens, when it is enabled; answers whether it was.
template <typename Open>
inline bool pickFromMenuOpenedBy(const QString &title, Open open)
{
    bool enabled = false;
    bool picked = false;
    QWidget *window = QApplication::activeWindow();
    QTimer::singleShot(0, [title, window, &enabled, &picked] {
        picked = true;
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions()) {
            if (action->text().section(u'\t', 0, 0) == title) {
                menu->close();
                // The offscreen display activates menus; under X11 the window keeps the keyboard.
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window));
                enabled = action->isEnabled();
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable(title));
    });
    open();
    // A menu that pops up without waiting (an amount field's edit menu) is picked a moment later.
    return QTest::qWaitFor([&picked] { return picked; }) && enabled;
}

// Opens the table's context menu on `row` with the mouse and picks the item titled `title`.
inline bool pickFromContextMenu(TableDriver &table, int row, const QString &title)
{
    return pickFromMenuOpenedBy(title, [&table, row] {
        QWidget *field = table.field(row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &event);
    });
}

