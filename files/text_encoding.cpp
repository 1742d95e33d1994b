#include "text_encoding.h"

#include <optional>
#include <string_view>

#include "file_error.h"

namespace platewise {
namespace {

constexpr qint64 kChunk = 1 << 16;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A byte of the text: its line, its place in the line (both from 1), its value.
struct BytePlace {
  int line = 0;
  qint64 column = 0;
  unsigned char value = 0;

  QString describe() const {
    return QStringLiteral("第%1个字节(0x%2)")
        .arg(column)
        .arg(QString::number(value, 16).toUpper().rightJustified(2, QChar('0')));
  }
};

// Reads bytes one at a time and keeps, for UTF-8 and for GB18030, whether
// they are valid and where the first invalid sequence starts.
class EncodingScan {
 public:
  void add(const char* data, qint64 size) {
    for (qint64 i = 0; i < size;) {
      // A run of ASCII outside any sequence counts only its lines.
      if (utf8_needed_ == 0 && gb_stage_ == 0) {
        qint64 run = i;
        while (run < size && static_cast<unsigned char>(data[run]) < 0x80) {
          if (data[run++] == '\n') {
            ++line_;
            column_ = 1;
          } else {
            ++column_;
          }
        }
        if (run > i) {
          i = run;
          continue;
        }
      }
      add(static_cast<unsigned char>(data[i++]));
    }
  }

  void finish() {
    if (utf8_needed_ > 0) utf8_invalid();
    if (gb_stage_ > 0) gb_invalid();
  }

  bool utf8_valid() const { return !first_utf8_error_; }
  bool gb18030_valid() const { return !first_gb_error_; }
  // Chinese in UTF-8, at least as much of it as invalid bytes.
  bool mostly_utf8() const { return long_utf8_sequences_ >= utf8_errors_; }
  const BytePlace& first_utf8_error() const { return *first_utf8_error_; }
  const BytePlace& first_gb18030_error() const { return *first_gb_error_; }

 private:
  void add(unsigned char byte) {
    if (byte >= 0x80 || utf8_needed_ > 0 || gb_stage_ > 0) {  // plain ASCII needs no more
      const BytePlace here{line_, column_, byte};
      add_utf8(byte, here);
      add_gb18030(byte, here);
    }
    if (byte == '\n') {
      ++line_;
      column_ = 0;
    }
    ++column_;
  }

  // UTF-8 as RFC 3629 has it: no overlong forms, no surrogates, nothing
  // above U+10FFFF. A broken sequence counts once; the byte that broke it
  // starts the next one.
  void add_utf8(unsigned char byte, const BytePlace& here) {
    if (utf8_needed_ > 0) {
      if (byte >= utf8_low_ && byte <= utf8_high_) {
        utf8_low_ = 0x80;
        utf8_high_ = 0xBF;
        if (--utf8_needed_ == 0 && utf8_length_ >= 3) ++long_utf8_sequences_;
        return;
      }
      utf8_invalid();
    }
    utf8_start_ = here;
    utf8_low_ = 0x80;
    utf8_high_ = 0xBF;
    if (byte < 0x80) return;
    if (byte >= 0xC2 && byte <= 0xDF) {
      utf8_needed_ = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
      utf8_needed_ = 2;
      if (byte == 0xE0) utf8_low_ = 0xA0;
      if (byte == 0xED) utf8_high_ = 0x9F;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
      utf8_needed_ = 3;
      if (byte == 0xF0) utf8_low_ = 0x90;
      if (byte == 0xF4) utf8_high_ = 0x8F;
    } else {
      utf8_invalid();
      return;
    }
    utf8_length_ = utf8_needed_ + 1;
  }

  void utf8_invalid() {
    utf8_needed_ = 0;
    ++utf8_errors_;
    if (!first_utf8_error_) first_utf8_error_ = utf8_start_;
  }

  // GB18030: one byte 0x00-0x7F; two bytes 0x81-0xFE, then 0x40-0x7E or
  // 0x80-0xFE; four bytes 0x81-0xFE, 0x30-0x39, 0x81-0xFE, 0x30-0x39.
  void add_gb18030(unsigned char byte, const BytePlace& here) {
    const bool lead = byte >= 0x81 && byte <= 0xFE;
    const bool digit = byte >= 0x30 && byte <= 0x39;
    switch (gb_stage_) {
      case 1:
        if (digit) {
          gb_stage_ = 2;
        } else if ((byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE)) {
          gb_stage_ = 0;
        } else {
          gb_invalid();
        }
        return;
      case 2:
        if (lead) {
          gb_stage_ = 3;
        } else {
          gb_invalid();
        }
        return;
      case 3:
        if (digit) {
          gb_stage_ = 0;
        } else {
          gb_invalid();
        }
        return;
      default:
        break;
    }
    gb_start_ = here;
    if (lead) {
      gb_stage_ = 1;
    } else if (byte >= 0x80) {
      gb_invalid();
    }
  }

  void gb_invalid() {
    gb_stage_ = 0;
    if (!first_gb_error_) first_gb_error_ = gb_start_;
  }

  int line_ = 1;
  qint64 column_ = 1;

  int utf8_needed_ = 0;                               // continuation bytes still to come
  int utf8_length_ = 0;                               // of the sequence under way
  unsigned char utf8_low_ = 0x80, utf8_high_ = 0xBF;  // the next continuation byte's range
  BytePlace utf8_start_;
  qint64 long_utf8_sequences_ = 0;
  qint64 utf8_errors_ = 0;
  std::optional<BytePlace> first_utf8_error_;

  int gb_stage_ = 0;  // bytes of the sequence under way
  BytePlace gb_start_;
  std::optional<BytePlace> first_gb_error_;
};

[[noreturn]] void refuse(const QString& file, const BytePlace& place, const QString& why) {
  throw FileError(FileFault::BadEncoding, file, place.line, {}, place.describe() + why);
}

}  // namespace

TextEncoding detect_encoding(QIODevice& in, const QString& file) {
  EncodingScan scan;
  QByteArray chunk = in.read(kChunk);
  const bool marked = chunk.startsWith(kUtf8Mark.data());
  while (!chunk.isEmpty()) {
    scan.add(chunk.constData(), chunk.size());
    chunk = in.read(kChunk);
  }
  scan.finish();
  if (scan.utf8_valid()) return TextEncoding::Utf8;
  if (marked) {
    refuse(file, scan.first_utf8_error(),
           QStringLiteral("不是有效的UTF-8（文件以UTF-8的字节顺序标记开头）"));
  }
  if (scan.mostly_utf8()) {
    refuse(file, scan.first_utf8_error(),
           QStringLiteral("不是有效的UTF-8，而文件其余部分是UTF-8；请改正这个字节"));
  }
  if (!scan.gb18030_valid()) {
    refuse(file, scan.first_gb18030_error(),
           QStringLiteral("起的文字既不是UTF-8也不是GBK（GB18030）"));
  }
  return TextEncoding::Gb18030;
}

void check_utf8(const QByteArray& bytes, const QString& file) {
  EncodingScan scan;
  scan.add(bytes.constData(), bytes.size());
  scan.finish();
  if (!scan.utf8_valid()) {
    refuse(file, scan.first_utf8_error(), QStringLiteral("不是有效的UTF-8"));
  }
}

}  // namespace platewise
