// The module "cambio-symbolizer": makes the crash handler's reports readable with elfutils, for
// the start after a crash. The window loads it only when it finds a new report, so that its
// usual start maps neither elfutils nor the compression libraries it brings.

#include "FXCrashReport.h"

#include <QtGlobal>

// The readable form of the handler's report `written`; false when that is not a whole report.
extern "C" Q_DECL_EXPORT bool cambioReadableCrashReport(const QByteArray *written, QString *readable)
{
    const std::optional<FXCrashReport> report = FXCrashReport::read(*written);
    if (!report)
        return false;
    *readable = report->readableText();
    return true;
}
