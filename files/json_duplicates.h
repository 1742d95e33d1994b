#pragma once
// Keys named twice in one JSON object. QJsonDocument keeps the last of them
// without a word, so a file saying "beam_height" twice would be read with
// whichever came last; the readers of beam and project files refuse it.

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace platewise {

struct JsonKeyAt {
  QString key;  // as the object names it, escapes read ("\u0061" is "a")
  int line;     // 1 for the first line
};

// The first key that repeats a key of its own object, where it stands the
// second time; nothing when every object names each key once. `json` is
// meant to be text QJsonDocument has read without an error; any other bytes
// give some answer and never read past their end.
std::optional<JsonKeyAt> first_duplicate_key(QByteArrayView json);

}  // namespace platewise
