#pragma once
// The beams of the files a command line names: beam files (.json), one beam
// each, and tables of beams (.csv), one beam a row.

#include <QString>
#include <QStringList>
#include <functional>

#include "beam.h"

namespace platewise {

// Named as a beam file: ".json" in any letter case.
bool is_beam_file(const QString& path);

// Calls `each` with every beam of `files`, in order. Throws FileError, also
// for a file that is neither a beam file nor a table.
void for_each_beam(const QStringList& files, const std::function<void(const Beam&)>& each);

}  // namespace platewise
