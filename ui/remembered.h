#pragma once
// What the window remembers from one run to the next, in the user's
// settings (QSettings: ~/.config/platewise/platewise.conf on Linux): the
// beam files opened or saved last, and the report information accepted last.

#include <QStringList>

#include "report_info.h"

namespace platewise {

inline constexpr int kRecentFileCount = 8;

// The beam files opened or saved last, the newest first, as absolute paths.
QStringList recent_files();
// Puts `path` first in the list, which keeps kRecentFileCount files at most.
void remember_recent_file(const QString& path);
void forget_recent_file(const QString& path);

// The report information accepted last; no member, which is each beam's own.
ReportInfo remembered_report_info();
void remember_report_info(const ReportInfo& info);

}  // namespace platewise
