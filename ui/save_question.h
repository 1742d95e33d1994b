#pragma once
// The question asked before changes would be lost: 保存 / 不保存 / 取消, with
// 保存 the default and Escape cancelling.

#include <QString>

class QWidget;

namespace platewise {

enum class SaveAnswer { Save, Discard, Cancel };

// Asks `question` in a modal box captioned `caption` over `parent`.
SaveAnswer ask_to_save(QWidget* parent, const QString& caption, const QString& question);

}  // namespace platewise
