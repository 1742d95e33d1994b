#include "file_io.h"

#include <QFile>
#include <QSaveFile>

#include "file_error.h"

namespace platewise {

void open_to_read(QFile& file) {
  if (!file.open(QIODevice::ReadOnly)) {
    throw FileError(FileFault::Unreadable, file.fileName(), 0, {},
                    QStringLiteral("无法读取：%1").arg(file.errorString()));
  }
}

QByteArray read_whole_file(const QString& path) {
  QFile file(path);
  open_to_read(file);
  return file.readAll();
}

void write_atomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw FileError(FileFault::Unwritable, path, 0, {},
                    QStringLiteral("无法保存，原文件未改动：%1").arg(file.errorString()));
  }
}

}  // namespace platewise
