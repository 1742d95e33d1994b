#pragma once
// The help menu's windows: 使用说明 (what to type where, beam files, the
// command line) and 关于 Platewise (version, licence, code basis, Qt).
// Both are made when first asked for, so that the window starts without them.

class QWidget;

namespace platewise {

// Shows the one help window of `window`, made on first use; it does not block the window.
void show_help(QWidget& window);
// Shows the about box over `window`; it returns at once.
void show_about(QWidget& window);

}  // namespace platewise
