#pragma once

#include <QString>

// What tells one version of a file from another without reading it: a file put in place by a
// rename is a new inode, a file rewritten in place has a new time. Taken with one stat(), which
// follows a symbolic link.
struct FXFileState {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNanoseconds = 0;
    bool isRegular = false;   // neither a folder nor a FIFO, device or socket

    static FXFileState of(const QString &path);
    // Gives the file a modification time later than its own and than any earlier one to the
    // millisecond (the precision of QFileInfo), leaving its contents alone.
    static void touch(const QString &path);

    bool operator==(const FXFileState &) const = default;
};
