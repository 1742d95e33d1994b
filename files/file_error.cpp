#include "file_error.h"

#include "text_escape.h"

namespace platewise {
namespace {

QString place(const QString& file, int line, int beam, const QString& key) {
  QString text = QStringLiteral("“%1”").arg(file);
  if (line > 0) text += QStringLiteral("第%1行").arg(line);
  if (beam > 0) text += QStringLiteral("第%1根梁").arg(beam);
  if (!key.isEmpty()) text += QStringLiteral("“%1”").arg(key);
  return text;
}

}  // namespace

FileError::FileError(FileFault fault, const QString& file, int line, const QString& key,
                     const QString& reason)
    : std::runtime_error(
          escape_controls(place(file, line, 0, key) + QStringLiteral("：") + reason).toStdString()),
      fault(fault),
      file(file),
      line(line),
      key(key) {}

FileError::FileError(FileFault fault, const QString& file, BeamNumber beam, const QString& key,
                     const QString& reason)
    : std::runtime_error(
          escape_controls(place(file, 0, beam.number, key) + QStringLiteral("：") + reason)
              .toStdString()),
      fault(fault),
      file(file),
      line(0),
      key(key),
      beam(beam.number) {}

}  // namespace platewise
