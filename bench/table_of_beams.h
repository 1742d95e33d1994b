#pragma once
// A table of beams for the benchmarks.

#include <QByteArray>

// `beams` beams that differ in section, materials and options, as a spreadsheet writes them.
QByteArray table_of_beams(int beams);
