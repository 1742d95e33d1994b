#include "qt_chinese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace platewise {

void use_chinese_qt_texts() {
  // Once for each application: the translator goes with the application
  // that owns it, and an application made after it needs one of its own.
  static QPointer<QTranslator> installed;
  if (installed != nullptr) return;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_zh_CN"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
    installed = translator;
  } else {
    delete translator;
  }
}

}  // namespace platewise
