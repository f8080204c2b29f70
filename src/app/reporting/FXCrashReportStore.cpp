#include "FXCrashReportStore.h"

#include "FXCrashHandler.h"
#include "FXModuleLoader.h"
#include "FXReportFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString ReadableSuffix = QStringLiteral(".txt");

}

FXCrashReportStore::FXCrashReportStore(const QString &folder)
    : m_folder(folder)
{
}

QList<FXCrashReportStore::Report> FXCrashReportStore::pendingReports() const
{
    const QString partial = QString::fromLatin1(FXCrashHandler::PartialSuffix);
    const QString written = QString::fromLatin1(FXCrashHandler::ReportSuffix);
    const QDir folder(m_folder);
    // One listing, at every start: most starts find nothing. Without name filters, which would
    // compile regular expressions for it.
    QStringList readable;
    for (const QString &name : folder.entryList(QDir::Files)) {
        if (name.endsWith(partial)) {
            // What a crash while the handler wrote left: never whole, never offered.
            QFile::remove(folder.filePath(name));
        } else if (name.endsWith(written)) {
            if (const std::optional<QString> made = makeReadable(folder.filePath(name)))
                readable.append(QFileInfo(*made).fileName());
        } else if (name.endsWith(ReadableSuffix)) {
            readable.append(name);
        }
    }
    readable.sort();
    readable.removeDuplicates();

    QList<Report> pending;
    for (const QString &name : readable) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            pending.append({file.fileName(), QString::fromUtf8(file.readAll())});
    }
    return pending;
}

std::optional<QString> FXCrashReportStore::makeReadable(const QString &path) const
{
    QFile raw(path);
    if (!raw.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray written = raw.readAll();
    raw.close();
    if (!m_symbolizer)
        m_symbolizer = FXModuleLoader::load(QStringLiteral("cambio-symbolizer"), "cambioReadableCrashReport");
    using Readable = bool (*)(const QByteArray *, QString *);
    QString text;
    // A report that cannot be made readable is still offered as it is, rather than lost.
    const QByteArray readable =
        m_symbolizer->function && reinterpret_cast<Readable>(m_symbolizer->function)(&written, &text)
            ? text.toUtf8()
            : written;
    const QString made = QFileInfo(path).path() + u'/' + QFileInfo(path).completeBaseName() + ReadableSuffix;
    QSaveFile file(made);
    if (!file.open(QIODevice::WriteOnly) || file.write(readable) != readable.size() || !file.commit())
        return std::nullopt;
    QFile::remove(path);
    return made;
}

FXResult FXCrashReportStore::markSent(const Report &report) const
{
    return FXReportFiles::moveIntoFolder(report.path, sentFolder());
}

FXResult FXCrashReportStore::markUnsent(const Report &report) const
{
    return FXReportFiles::moveIntoFolder(report.path, unsentFolder());
}
