// Platewise: sizes bonded steel plates for strengthening reinforced-concrete beams.

#include <QApplication>

#include "startup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const auto window = platewise::start_platewise();
  // Closing the window, the last one, ends the event loop and the program.
  return QApplication::exec();
}
