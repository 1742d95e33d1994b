#pragma once
// Qt's own texts in Simplified Chinese, like the rest of the program: the
// buttons of message boxes, the file and print dialogs, and the command
// line's help and errors. QtCore only.

namespace platewise {

// Loads Qt's Chinese translation into the running application; without the
// translation installed (Debian: qt6-translations-l10n) Qt keeps its English.
void use_chinese_qt_texts();

}  // namespace platewise
