// GoogleTest main for the window tests: they need a QApplication.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

namespace {

// Each test has a home of its own, made as it starts and removed as it
// ends: the settings the window remembers (recent files, the report
// information) and the documents folder the report dialogs start in. So no
// test sees what another left, and no two runs side by side share a file.
class HomeOfItsOwn : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    home_ = std::make_unique<QTemporaryDir>();
    const QString config = home_->filePath(QStringLiteral(".config"));
    qputenv("HOME", home_->path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
  }
  void OnTestEnd(const testing::TestInfo&) override { home_.reset(); }

  std::unique_ptr<QTemporaryDir> home_;
};

}  // namespace

int main(int argc, char* argv[]) {
  // The window tests never need a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Nor the runtime folder every Qt program of the user would otherwise share.
  const QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new HomeOfItsOwn);
  return RUN_ALL_TESTS();
}
