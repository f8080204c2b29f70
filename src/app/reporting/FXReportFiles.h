#pragma once

#include "FXResult.h"

#include <QString>

// The moves of crash reports and feedback messages between their folders. A report or message is
// never deleted, so a move that fails leaves it where it was, and the reason is for the user.
namespace FXReportFiles {

// Moves the file at `path` into `folder`, made first when missing, under the same name.
FXResult moveIntoFolder(const QString &path, const QString &folder);

}
