#pragma once
// Reading a beam file whole, and writing a file so that a failure leaves the
// old file as it was and no part of the new one.

#include <QByteArray>
#include <QString>

#include "input_file.h"

namespace platewise {

// No beam file comes near this; a larger one is refused before it is read.
inline constexpr qint64 kBeamFileLimit = 16 << 20;
// A project file or a workbook of a few thousand beams fits in this, the
// workbook unpacked too.
inline constexpr qint64 kProjectFileLimit = 64 << 20;

// The bytes of `file`, read whole. Throws FileError(TooLarge) for more than
// `limit` bytes, FileError(Unreadable) or (Changed) when reading fails.
QByteArray read_whole(InputFile& file, qint64 limit = kBeamFileLimit);
// Opens `path` (only a regular file: InputFile) and reads it whole.
QByteArray read_whole_file(const QString& path, qint64 limit = kBeamFileLimit);
// Writes `bytes` to `path` as OutputTarget does: a regular file through a
// temporary file that replaces it only once complete, anything else in
// place, never waiting for a FIFO's reader. Throws FileError(Unwritable);
// an old file is then unchanged.
void write_atomically(const QString& path, const QByteArray& bytes);

}  // namespace platewise
