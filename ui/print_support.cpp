#include "print_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace platewise {

PrintSupport* print_support(QString& why) {
  static PrintSupport* loaded = nullptr;
  if (loaded != nullptr) return loaded;
  // Installed: a folder beside the program's; built: the build tree's.
  const QStringList places = {
      QDir(QCoreApplication::applicationDirPath()).filePath(PLATEWISE_PRINT_MODULE_FROM_BIN),
      QStringLiteral(PLATEWISE_PRINT_MODULE_BUILT)};
  for (const QString& place : places) {
    QLibrary module(place);
    using Entry = PrintSupport* (*)();
    if (auto entry = reinterpret_cast<Entry>(module.resolve(PLATEWISE_PRINT_ENTRY))) {
      loaded = entry();
      return loaded;
    }
    why = module.errorString();
  }
  return nullptr;
}

}  // namespace platewise
