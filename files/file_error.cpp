#include "file_error.h"

#include "text_escape.h"

namespace platewise {
namespace {

QString place(const QString& file, int line, const QString& key) {
  QString text = QStringLiteral("“%1”").arg(file);
  if (line > 0) text += QStringLiteral("第%1行").arg(line);
  if (!key.isEmpty()) text += QStringLiteral("“%1”").arg(key);
  return text;
}

}  // namespace

FileError::FileError(FileFault fault, const QString& file, int line, const QString& key,
                     const QString& reason)
    : std::runtime_error(
          escape_controls(place(file, line, key) + QStringLiteral("：") + reason).toStdString()),
      fault(fault),
      file(file),
      line(line),
      key(key) {}

}  // namespace platewise
