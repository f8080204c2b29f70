#pragma once

#include <QString>

// How an operation that can fail for a reason a user should hear went: done, or why not, in
// words the command-line tool prints and the window shows.
class FXResult {
public:
    static FXResult done() { return FXResult(); }
    static FXResult failed(QString reason) { return FXResult(std::move(reason)); }

    bool isDone() const { return m_failureReason.isEmpty(); }
    // Empty when done.
    QString failureReason() const { return m_failureReason; }

private:
    FXResult() = default;
    explicit FXResult(QString reason) : m_failureReason(std::move(reason)) {}

    QString m_failureReason;
};
