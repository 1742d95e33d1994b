// The yardstick for the program's start-up: a window of the same size with a
// single Chinese label in the design's font, started the same way (font
// substitutes, icon, centred, shown), ending as soon as it is on screen. Any
// Chinese Qt window pays for Qt and for loading a CJK typeface; what the
// program costs beyond this is its own.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>

#include "app_icon.h"
#include "cjk_fonts.h"
#include "design_fonts.h"
#include "quit_on_first_expose.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  platewise::register_cjk_font_substitutes();
  QApplication::setWindowIcon(platewise::app_icon());

  QWidget window;
  window.setWindowTitle(QStringLiteral("Platewise1.0"));
  window.setFixedSize(570, 486);
  auto* label = new QLabel(QStringLiteral("计算"), &window);
  label->setFont(platewise::design_font(platewise::window_design::Font::Normal));
  label->move(10, 10);
  window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                         window.screen()->availableGeometry()));
  window.show();
  quit_on_first_expose(window);
  return QApplication::exec();
}
