#pragma once

#include <QString>

// How an operation that can fail for a reason a user should hear went: done, or why not, in
// words the command-line tool prints and the window shows. Not done is either a failure (the
// operation was tried: a write that did not reach the disk) or a refusal (what was asked does not
// fit what the operation found, so nothing was tried: adding a currency that is already there).
class FXResult {
public:
    static FXResult done() { return FXResult(); }
    static FXResult failed(QString reason) { return FXResult(std::move(reason), false); }
    static FXResult refused(QString reason) { return FXResult(std::move(reason), true); }

    bool isDone() const { return m_failureReason.isEmpty(); }
    bool isRefused() const { return m_refused; }
    // Empty when done.
    QString failureReason() const { return m_failureReason; }

private:
    FXResult() = default;
    FXResult(QString reason, bool refused) : m_failureReason(std::move(reason)), m_refused(refused) {}

    QString m_failureReason;
    bool m_refused = false;
};
