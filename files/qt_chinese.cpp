#include "qt_chinese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platewise {

void use_chinese_qt_texts() {
  static QTranslator* installed = nullptr;  // once for the application
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
