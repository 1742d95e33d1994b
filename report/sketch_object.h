#pragma once
// The section sketch as an object in a Qt text document: it takes its size
// on paper (narrowed to the text's width where that is smaller, as in the
// window's panel) and is painted by paint_sketch, so that it stays lines and
// text, not pixels, in PDF and print.

#include "section_sketch.h"

class QTextCursor;

namespace platewise {

// Inserts the sketch at the cursor, as one character of the text.
void insert_sketch(QTextCursor& cursor, const SectionSketch& sketch);

}  // namespace platewise
