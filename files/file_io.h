#pragma once
// Reading a whole file, and writing one so that a failure leaves the old
// file as it was and no part of the new one.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace platewise {

// Opens `file` for reading. Throws FileError(Unreadable).
void open_to_read(QFile& file);
// Throws FileError(Unreadable).
QByteArray read_whole_file(const QString& path);
// Writes through a temporary file that replaces `path` only once complete.
// Throws FileError(Unwritable); the old file, if any, is then unchanged.
void write_atomically(const QString& path, const QByteArray& bytes);

}  // namespace platewise
