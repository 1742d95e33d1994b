#pragma once
// Which encoding a text file's bytes are in. Spreadsheets save UTF-8, with
// or without a byte-order mark, and Chinese Excel saves GBK, a part of
// GB18030:
//  - after a UTF-8 byte-order mark the text must be UTF-8 throughout;
//  - without one it is UTF-8 when all of it is valid UTF-8;
//  - else it is GB18030, unless it reads as UTF-8 with stray bytes: at least
//    as many valid three- and four-byte UTF-8 sequences (Chinese in UTF-8)
//    as invalid ones. GBK text seldom holds such a sequence by chance, and
//    then far fewer of them than invalid ones.
// Text that is UTF-8 with stray bytes, or neither UTF-8 nor GB18030, is
// refused, naming the line and the byte: read with the wrong encoding every
// Chinese name would come out garbled.

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace platewise {

enum class TextEncoding { Utf8, Gb18030 };

// Reads `in` to its end; `file` names it in messages. Throws FileError(BadEncoding).
TextEncoding detect_encoding(QIODevice& in, const QString& file);
// Throws FileError(BadEncoding) naming the first byte of `bytes` that is no UTF-8.
void check_utf8(const QByteArray& bytes, const QString& file);

}  // namespace platewise
