// The program's start-up, ending as soon as its window is on screen.

#include <QApplication>

#include "quit_on_first_expose.h"
#include "startup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const auto window = platewise::start_platewise();
  quit_on_first_expose(*window);
  return QApplication::exec();
}
