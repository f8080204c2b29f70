#include "FXReportFiles.h"

#include "FXLocalizedString.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FXResult FXReportFiles::moveIntoFolder(const QString &path, const QString &folder)
{
    if (!QDir().mkpath(folder))
        return FXResult::failed(FXLocalizedString::format("cannot make the folder %@", folder));
    QFile file(path);
    if (!file.rename(folder + u'/' + QFileInfo(path).fileName()))
        return FXResult::failed(file.errorString());
    return FXResult::done();
}
