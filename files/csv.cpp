#include "csv.h"

#include "file_error.h"

namespace platewise {
namespace {

constexpr qsizetype kChunk = 1 << 16;
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

int CsvReader::get() {
  if (pos_ == buffer_.size() && !refill()) return kEnd;
  return static_cast<unsigned char>(buffer_[pos_++]);
}

bool CsvReader::next_is(char c) {
  const int next = get();
  if (next == static_cast<unsigned char>(c)) return true;
  if (next != kEnd) --pos_;  // get() refills only when the buffer is used up
  return false;
}

void CsvReader::end_cell(std::vector<std::string>& cells) {
  cells.push_back(cell_);
  cell_.clear();
}

void CsvReader::count_byte(bool quoted) {
  if (++record_size_ <= kCsvRecordLimit) return;
  const QString too_long =
      QStringLiteral("这一行超过%1 MB，不像梁表格，不读取").arg(kCsvRecordLimit >> 20);
  if (quoted) {  // most likely a quote left open
    throw FileError(FileFault::UnclosedQuote, file_, record_line_, {},
                    QStringLiteral("引号未闭合（") + too_long + QStringLiteral("）"));
  }
  throw FileError(FileFault::TooLarge, file_, record_line_, {}, too_long);
}

bool CsvReader::next(std::vector<std::string>& cells) {
  cells.clear();
  cell_.clear();
  record_line_ = line_;
  record_size_ = 0;
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
    }
  }
  if (quoted) {
    throw FileError(FileFault::UnclosedQuote, file_, record_line_, {},
                    QStringLiteral("引号未闭合"));
  }
  end_cell(cells);
  return true;
}

std::string csv_record(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& cell = cells[i];
    const bool quoted = cell.find_first_of(",\"\r\n") != std::string::npos;
    if (quoted) line += '"';
    for (char c : cell) {
      if (c == '"') line += '"';
      // A NUL, which many programs take for the end of the text, never
      // stands raw in a cell: it is written as text output shows it.
      if (c == '\0') {
        line += "\\x00";
      } else {
        line += c;
      }
    }
    if (quoted) line += '"';
  }
  line += "\r\n";
  return line;
}

std::string formula_guarded(std::string cell) {
  if (!cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos) {
    cell.insert(0, 1, '\'');
  }
  return cell;
}

}  // namespace platewise
