#pragma once

// A state folder and window settings of their own for the crash report and feedback tests, with a
// reporting manager over them that leaves the test's signals alone.

#include "FXLoadedFetcher.h"
#include "FXReportingManager.h"
#include "FXUserDefaults.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>

inline const QString ReportingIdentifier = QStringLiteral("0123456789abcdef0123456789abcdef");

struct ReportingHome {
    QTemporaryDir folder;
    FXUserDefaults defaults{folder.filePath(QStringLiteral("standard.conf"))};
    FXLoadedFetcher fetcher;
    FXReportingManager manager{{.stateFolder = folder.filePath(QStringLiteral("state")),
                                .defaults = defaults,
                                .fetcher = fetcher,
                                .window = [] { return nullptr; },
                                .catchesCrashes = false}};

    // The folder of state/`kind`, or of its `subfolder`.
    QString state(const QString &kind, const QString &subfolder = QString()) const
    {
        return folder.filePath(QStringLiteral("state/") + kind) + (subfolder.isEmpty() ? QString() : u'/' + subfolder);
    }
    QStringList files(const QString &kind, const QString &subfolder = QString()) const
    {
        return QDir(state(kind, subfolder)).entryList(QDir::Files, QDir::Name);
    }
};

// The visible message box, or the one among them saying `text`.
inline QMessageBox *visibleMessageBox(const QString &text = QString())
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->isVisible() && (text.isEmpty() || box->text() == text))
            return box;
    }
    return nullptr;
}
