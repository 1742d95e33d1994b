#pragma once
// platewise report FILE… -o OUT [--project TEXT] [--crack-limit MM]
// Writes the calculation report of beam files (.json) and tables of beams
// (.csv), each beam computed as in the window, without a display: a single
// beam file gives that beam's report; otherwise the report opens with a
// title page and the members' table (构件一览表), one chapter a beam.
// --project and --crack-limit override the beam files' "report" values.

#include <QStringList>

#include "headless_command.h"

namespace platewise {

// `arguments` as main gets them, the program first and "report" second;
// the report (-o -) and help go to standard output, messages to
// `streams.err`. Needs a QGuiApplication. The exit status is one of
// headless_command.h's.
int run_report(const QStringList& arguments, const CommandStreams& streams);

}  // namespace platewise
