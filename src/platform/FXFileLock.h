#pragma once

#include <QString>

#include <chrono>

// A lock that processes take on a file for a moment: shared by readers, exclusive for one writer.
// It is flock(2) on the file, which is made when missing and never removed, so the system ends
// the lock with its holder: a program that crashed or was killed leaves no stale lock behind.
//
// A waiter tries again at short, even intervals: when the holders work for milliseconds each,
// every waiter has its turn within moments of the lock coming free, however many wait. (QLockFile
// doubles its pauses up to seconds, so that under fifty writers one of them could sleep through
// every turn and give up.)
class FXFileLock {
public:
    enum class Mode { Shared, Exclusive };

    // Waits up to `timeout` for the lock on `path`.
    FXFileLock(const QString &path, Mode mode, std::chrono::milliseconds timeout);
    ~FXFileLock();
    FXFileLock(const FXFileLock &) = delete;
    FXFileLock &operator=(const FXFileLock &) = delete;

    bool isLocked() const { return m_failureReason.isEmpty(); }
    // Why the lock was not taken: the system's reason when the file cannot be opened (a folder
    // in its place, say), or that another program held it for the whole time-out. Empty when
    // locked.
    QString failureReason() const { return m_failureReason; }

private:
    int m_descriptor = -1;
    QString m_failureReason;
};
