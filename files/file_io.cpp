#include "file_io.h"

#include "file_error.h"
#include "output_target.h"

namespace platewise {
namespace {

[[noreturn]] void refuse_size(const QString& path, qint64 limit) {
  throw FileError(FileFault::TooLarge, path, 0, {},
                  QStringLiteral("超过%1 MB，不像梁文件，不读取").arg(limit >> 20));
}

}  // namespace

QByteArray read_whole(InputFile& file, qint64 limit) {
  if (file.size() > limit) refuse_size(file.path(), limit);
  QByteArray bytes;
  // Read in pieces, not by the size: a file may hold more than its size says.
  for (QByteArray piece = file.read(1 << 16); !piece.isEmpty(); piece = file.read(1 << 16)) {
    bytes += piece;
    if (bytes.size() > limit) refuse_size(file.path(), limit);
  }
  file.check_unchanged();
  return bytes;
}

QByteArray read_whole_file(const QString& path, qint64 limit) {
  InputFile file(path);
  return read_whole(file, limit);
}

void write_atomically(const QString& path, const QByteArray& bytes) {
  OutputTarget target(path, -1, OutputTarget::Waiting::Never);
  target.device().write(bytes);
  target.commit();
}

}  // namespace platewise
