#pragma once

#include "FXModuleLoader.h"
#include "FXResult.h"

#include <QList>
#include <QString>

#include <optional>

// The folder of crash reports, STATE/crashes: the crash handler writes its reports there; at the
// next start they are made readable ("crash-….txt") and wait for the user's decision, after which
// each moves to "sent" or "unsent" beside them. No report is ever deleted.
class FXCrashReportStore {
public:
    struct Report {
        QString path;
        QString text;
    };

    explicit FXCrashReportStore(const QString &folder);

    QString folder() const { return m_folder; }
    QString sentFolder() const { return m_folder + QStringLiteral("/sent"); }
    QString unsentFolder() const { return m_folder + QStringLiteral("/unsent"); }

    // The reports that wait for a decision, oldest first. The crash handler's new reports are made
    // readable on the way, and what a crash while writing a report left is removed.
    QList<Report> pendingReports() const;
    // Moves the report out of the pending ones. One that cannot be moved stays pending, and is
    // offered again at the next start.
    FXResult markSent(const Report &report) const;
    FXResult markUnsent(const Report &report) const;

private:
    // Writes the readable form of the handler's report at `path`, then removes the handler's; the
    // readable one's path, none when it could not be written (the handler's stays for next time).
    std::optional<QString> makeReadable(const QString &path) const;

    QString m_folder;
    // The module that makes reports readable, loaded at the first new report.
    mutable std::optional<FXModuleLoader> m_symbolizer;
};
