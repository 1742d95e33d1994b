#include "module_loader.h"

#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <cstdio>

namespace platewise {
namespace {

// The running program's folder. No QCoreApplication exists yet to ask.
QString program_dir(const char* argv0) {
#ifdef __linux__
  Q_UNUSED(argv0);
  return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
#else
  return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
#endif
}

}  // namespace

int run_in_module(const char* name, const char* entry, int argc, char* argv[]) {
  const QString dir = program_dir(argv[0]);
  // QLibrary adds the platform's suffix (.so, .dll, .dylib).
  const QString module = QStringLiteral("/") + QString::fromUtf8(name);
  QString failure;
  for (const QString& path :
       {dir + module, dir + QStringLiteral("/" PLATEWISE_MODULE_DIR) + module}) {
    QLibrary library(path);
    using Entry = int (*)(int*, char**);
    if (auto run = reinterpret_cast<Entry>(library.resolve(entry))) return run(&argc, argv);
    failure = library.errorString();
  }
  std::fprintf(stderr, "无法载入程序模块%s：%s\n", name, failure.toLocal8Bit().constData());
  return 1;
}

}  // namespace platewise
