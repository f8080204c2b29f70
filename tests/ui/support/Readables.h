#pragma once

#include <QAccessible>
#include <QList>
#include <QWidget>

// What a screen reader finds in a window: each visible element's role and texts.
struct Readable { QAccessible::Role role = QAccessible::NoRole; QString name, value, description; };

inline void collectReadables(QAccessibleInterface *interface, QList<Readable> &found)
{
    if (!interface || interface->state().invisible)
        return;
    found.append({interface->role(), interface->text(QAccessible::Name),
                  interface->text(QAccessible::Value), interface->text(QAccessible::Description)});
    for (int i = 0; i < interface->childCount(); ++i)
        collectReadables(interface->child(i), found);
}

inline QList<Readable> readablesIn(QWidget *widget)
{
    QList<Readable> found;
    collectReadables(QAccessible::queryAccessibleInterface(widget), found);
    return found;
}

// What a screen reader reads as `name`: no role when nothing reads so.
inline Readable readableNamed(QWidget *widget, const QString &name)
{
    for (const Readable &readable : readablesIn(widget)) {
        if (readable.name == name)
            return readable;
    }
    return {};
}

// The child of `parent` of type T that reads `text`, as its text or to a screen reader.
template <typename T>
T *childReading(const QWidget *parent, const QString &text)
{
    for (T *child : parent->findChildren<T *>()) {
        if (child->text() == text || child->accessibleName() == text)
            return child;
    }
    return nullptr;
}
