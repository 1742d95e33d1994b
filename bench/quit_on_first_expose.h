#pragma once
// Ends the event loop as soon as a shown window is first on screen, so
// that a process's run time is its start-up time.

#include <QWidget>

void quit_on_first_expose(QWidget& window);
