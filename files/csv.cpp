#include "csv.h"

#include "file_error.h"

namespace platewise {
namespace {

constexpr qsizetype kChunk = 1 << 16;
// A record within one buffer (a chunk, up to half as long again as UTF-8
// from GB18030) is never over the limit: only the careful path counts.
static_assert(kChunk * 3 / 2 < kCsvRecordLimit);

// A set of bytes to look for, one test a byte.
class Bytes {
 public:
  constexpr explicit Bytes(std::string_view bytes) {
    for (const char c : bytes) in_[static_cast<unsigned char>(c)] = true;
  }
  // Where the first byte of the set stands in `text`; its size when none does.
  constexpr std::size_t first_in(std::string_view text) const {
    std::size_t at = 0;
    while (at < text.size() && !in_[static_cast<unsigned char>(text[at])]) ++at;
    return at;
  }

 private:
  bool in_[256] = {};
};

constexpr Bytes kCellEnds(",\"\n\r");                         // of a cell not quoted
constexpr Bytes kQuotedEnds("\"\n");                          // of a quoted run
constexpr Bytes kMustQuote(",\"\r\n");                        // a cell written in quotes
constexpr Bytes kWrittenApart(std::string_view("\"\0", 2));   // a quote, a NUL
constexpr Bytes kNotPlain(std::string_view(",\"\r\n\0", 5));  // either of the two above
constexpr Bytes kFormulaStarts("=+-@\t\r");                   // what a formula begins with
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(QIODevice& in, TextEncoding encoding, const QString& file)
    : in_(in), encoding_(encoding), file_(file) {
  if (encoding_ == TextEncoding::Gb18030) gb18030_ = QStringDecoder("GB18030");
  if (refill() && encoding_ == TextEncoding::Utf8 && buffer_.startsWith(kUtf8Mark.data())) {
    pos_ = static_cast<qsizetype>(kUtf8Mark.size());
  }
}

bool CsvReader::refill() {
  pos_ = 0;
  do {
    const QByteArray bytes = in_.read(kChunk);
    if (bytes.isEmpty()) {
      buffer_.clear();  // at the end it stays at the end
      return false;
    }
    // GB18030 becomes UTF-8 a chunk at a time; a character split between two
    // chunks waits in the decoder. Commas, quotes and line ends stay as they are.
    buffer_ = encoding_ == TextEncoding::Utf8 ? bytes : QString(gb18030_.decode(bytes)).toUtf8();
  } while (buffer_.isEmpty());
  return true;
}

inline int CsvReader::get() {
  if (pos_ == buffer_.size() && !refill()) return kEnd;
  return static_cast<unsigned char>(buffer_.constData()[pos_++]);
}

bool CsvReader::next_is(char c) {
  const int next = get();
  if (next == static_cast<unsigned char>(c)) return true;
  if (next != kEnd) --pos_;  // get() refills only when the buffer is used up
  return false;
}

inline void CsvReader::end_cell(std::vector<std::string>& cells) {
  cells.push_back(cell_);
  cell_.clear();
}

inline void CsvReader::count_byte(bool quoted) {
  if (++record_size_ > kCsvRecordLimit) refuse_long_record(quoted);
}

void CsvReader::refuse_long_record(bool quoted) const {
  const QString too_long =
      QStringLiteral("这一行超过%1 MB，不像梁表格，不读取").arg(kCsvRecordLimit >> 20);
  if (quoted) {  // most likely a quote left open
    throw FileError(FileFault::UnclosedQuote, file_, record_line_, {},
                    QStringLiteral("引号未闭合（") + too_long + QStringLiteral("）"));
  }
  throw FileError(FileFault::TooLarge, file_, record_line_, {}, too_long);
}

inline void CsvReader::take_run(bool quoted) {
  const std::string_view rest(buffer_.constData() + pos_, buffer_.size() - pos_);
  const std::size_t run = (quoted ? kQuotedEnds : kCellEnds).first_in(rest);
  if (run == 0) return;
  record_size_ += static_cast<qsizetype>(run) - 1;
  count_byte(quoted);
  cell_.append(rest.substr(0, run));
  pos_ += static_cast<qsizetype>(run);
}

bool CsvReader::next_plain(std::vector<std::string>& cells) {
  const std::string_view rest(buffer_.constData() + pos_, buffer_.size() - pos_);
  const std::size_t end = rest.find('\n');
  if (end == std::string_view::npos) return false;
  std::string_view record = rest.substr(0, end);
  if (record.ends_with('\r')) record.remove_suffix(1);
  if (record.find('"') != std::string_view::npos || record.find('\r') != std::string_view::npos) {
    return false;
  }
  std::size_t count = 0;  // cells taken; the vector's strings are filled again
  for (std::size_t from = 0;;) {
    const std::size_t comma = record.find(',', from);
    if (count == cells.size()) cells.emplace_back();
    cells[count++].assign(record.substr(from, comma - from));
    if (comma == std::string_view::npos) break;
    from = comma + 1;
  }
  cells.resize(count);
  pos_ += static_cast<qsizetype>(end) + 1;
  ++line_;
  return true;
}

bool CsvReader::next(std::vector<std::string>& cells) {
  cell_.clear();
  record_line_ = line_;
  record_size_ = 0;
  if (pos_ < buffer_.size() && next_plain(cells)) return true;
  cells.clear();
  bool quoted = false;  // inside a quoted cell
  int c = get();
  if (c == kEnd) return false;
  for (; c != kEnd; c = get()) {
    count_byte(quoted);
    if (quoted) {
      if (c == '"' && !next_is('"')) {
        quoted = false;
      } else {
        if (c == '\n') ++line_;
        cell_ += static_cast<char>(c);
        // The text up to the next quote or line end, whole.
        take_run(true);
      }
    } else if (c == '"' && cell_.empty()) {
      quoted = true;
    } else if (c == ',') {
      end_cell(cells);
    } else if (c == '\n' || c == '\r') {
      if (c == '\r') next_is('\n');
      ++line_;
      end_cell(cells);
      return true;
    } else {
      cell_ += static_cast<char>(c);
      // The cell's text up to the next comma, quote or line end, whole.
      take_run(false);
    }
  }
  if (quoted) {
    throw FileError(FileFault::UnclosedQuote, file_, record_line_, {},
                    QStringLiteral("引号未闭合"));
  }
  end_cell(cells);
  return true;
}

void append_csv_cell(std::string& line, std::string_view cell, bool guarded) {
  // A cell a spreadsheet would take for a formula gets an apostrophe before
  // it, which the spreadsheet shows as text.
  const bool formula = guarded && !cell.empty() && kFormulaStarts.first_in(cell.substr(0, 1)) == 0;
  const std::size_t special = kNotPlain.first_in(cell);
  if (special == cell.size()) {  // most cells: as they are
    if (formula) line += '\'';
    line.append(cell);
    return;
  }
  const bool quoted = kMustQuote.first_in(cell.substr(special)) < cell.size() - special;
  if (quoted) line += '"';
  if (formula) line += '\'';
  // Runs without a quote or a NUL go in whole; a quote is doubled, and a
  // NUL, which many programs take for the end of the text, never stands raw
  // in a cell: it is written as text output shows it.
  while (!cell.empty()) {
    const std::size_t apart = kWrittenApart.first_in(cell);
    line.append(cell.substr(0, apart));
    if (apart == cell.size()) break;
    line += cell[apart] == '"' ? std::string_view("\"\"") : std::string_view("\\x00");
    cell.remove_prefix(apart + 1);
  }
  if (quoted) line += '"';
}

std::string csv_record(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += ',';
    append_csv_cell(line, cells[i]);
  }
  line += "\r\n";
  return line;
}

}  // namespace platewise
