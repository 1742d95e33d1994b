#include "workbook_reader.h"

#include <zip.h>

#include <QDir>
#include <QXmlStreamReader>
#include <memory>

#include "beam_table.h"
#include "file_error.h"
#include "file_io.h"
#include "number_rules.h"
#include "qt_utf8.h"

namespace platewise {
namespace {

// The first bytes of an OLE compound file: an encrypted workbook, or an old .xls.
constexpr char kOleMagic[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr int kMaxColumns = 16384;  // A to XFD, as far as Excel goes

struct ArchiveClose {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryClose {
  void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};

class Workbook {
 public:
  Workbook(const QByteArray& bytes, const QString& file) : file_(file) {
    if (bytes.startsWith(QByteArray::fromRawData(kOleMagic, sizeof kOleMagic - 1))) {
      fail({}, QStringLiteral("工作簿已加密或是旧的.xls格式，请在Excel中另存为不加密的.xlsx"));
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    if (source != nullptr) archive_.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
    if (source != nullptr && !archive_) zip_source_free(source);
    zip_error_fini(&error);
    if (!archive_) fail({}, QStringLiteral("不是.xlsx工作簿（不是zip文件）"));
    refuse_large_entries();
  }

  [[noreturn]] void fail(const QString& where, const QString& reason,
                         FileFault fault = FileFault::NotWorkbook) const {
    throw FileError(fault, file_, 0, where, reason);
  }

  // The bytes of the part `name`; empty when it is not there and not `required`.
  QByteArray part(const QString& name, bool required) {
    const QByteArray path = name.toUtf8();
    const zip_int64_t index = zip_name_locate(archive_.get(), path.constData(), 0);
    if (index < 0) {
      if (required) fail(name, QStringLiteral("工作簿缺少此部分"));
      return {};
    }
    std::unique_ptr<zip_file_t, EntryClose> entry(
        zip_fopen_index(archive_.get(), static_cast<zip_uint64_t>(index), 0));
    if (!entry) fail(name, QStringLiteral("无法解压：%1").arg(zip_strerror(archive_.get())));
    QByteArray bytes;
    char chunk[1 << 16];
    zip_int64_t got = 0;
    while ((got = zip_fread(entry.get(), chunk, sizeof chunk)) > 0) {
      unpacked_ += got;
      if (unpacked_ > kProjectFileLimit) refuse_size(name);
      bytes.append(chunk, static_cast<qsizetype>(got));
    }
    if (got < 0) fail(name, QStringLiteral("无法解压：%1").arg(zip_file_strerror(entry.get())));
    return bytes;
  }

  [[noreturn]] void refuse_size(const QString& name) const {
    fail(name, QStringLiteral("解压后超过%1 MB，不像梁表格，不读取").arg(kProjectFileLimit >> 20),
         FileFault::TooLarge);
  }

 private:
  // Before anything is unpacked: what the zip says its entries unpack to,
  // and that none is encrypted.
  void refuse_large_entries() const {
    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
      zip_stat_t stat;
      zip_stat_init(&stat);
      if (zip_stat_index(archive_.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0) continue;
      const QString name = QString::fromUtf8(stat.name);
      if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
        fail(name, QStringLiteral("工作簿已加密，请在Excel中另存为不加密的.xlsx"));
      }
      if ((stat.valid & ZIP_STAT_SIZE) == 0) continue;
      if (stat.size > static_cast<zip_uint64_t>(kProjectFileLimit - total)) refuse_size(name);
      total += static_cast<qint64>(stat.size);
    }
  }

  QString file_;
  std::unique_ptr<zip_t, ArchiveClose> archive_;
  qint64 unpacked_ = 0;
};

// A part's name from a relationship's target: relative to the folder of the
// part that names it, or from the package's root after a "/".
QString part_name(const QString& folder, const QString& target) {
  if (target.startsWith(QLatin1Char('/'))) return QDir::cleanPath(target.mid(1));
  return QDir::cleanPath(folder.isEmpty() ? target : folder + QLatin1Char('/') + target);
}

QString folder_of(const QString& part) { return part.section(QLatin1Char('/'), 0, -2); }

QString rels_of(const QString& part) {
  const QString folder = folder_of(part);
  const QString name = part.section(QLatin1Char('/'), -1);
  return (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + "_rels/" + name + ".rels";
}

// The attribute of local name `name`, whatever its prefix.
QString attribute(const QXmlStreamReader& xml, QLatin1StringView name) {
  for (const QXmlStreamAttribute& attribute : xml.attributes()) {
    if (attribute.name() == name) return attribute.value().toString();
  }
  return {};
}

class PartReader {
 public:
  PartReader(const Workbook& workbook, const QString& name, const QByteArray& bytes)
      : workbook_(workbook), name_(name), xml_(bytes) {}

  bool start(QLatin1StringView element) {
    while (!xml_.atEnd()) {
      if (xml_.readNext() == QXmlStreamReader::StartElement && xml_.name() == element) return true;
    }
    check();
    return false;
  }
  void check() const {
    if (xml_.hasError()) {
      workbook_.fail(name_, QStringLiteral("不是有效的XML：%1").arg(xml_.errorString()));
    }
  }
  QXmlStreamReader& xml() { return xml_; }
  const QString& name() const { return name_; }

  // The text of every <t> inside the element just started, up to its end,
  // leaving out phonetic runs (<rPh>).
  QString texts() {
    QString text;
    int phonetic = 0;
    for (int depth = 1; depth > 0 && !xml_.atEnd();) {
      const auto token = xml_.readNext();
      if (token == QXmlStreamReader::StartElement) {
        if (xml_.name() == QLatin1StringView("rPh")) ++phonetic;
        if (xml_.name() == QLatin1StringView("t") && phonetic == 0) {
          text += xml_.readElementText(QXmlStreamReader::IncludeChildElements);
        } else {
          ++depth;
        }
      } else if (token == QXmlStreamReader::EndElement) {
        if (xml_.name() == QLatin1StringView("rPh")) --phonetic;
        --depth;
      }
    }
    check();
    return text;
  }

 private:
  const Workbook& workbook_;
  QString name_;
  QXmlStreamReader xml_;
};

// The target of the relationship of `rels` whose type ends in `/type` or whose id is `id`.
QString related(Workbook& workbook, const QString& part, QLatin1StringView type,
                const QString& id = {}) {
  const QString name = rels_of(part);
  PartReader rels(workbook, name, workbook.part(name, true));
  while (rels.start(QLatin1StringView("Relationship"))) {
    const bool wanted = id.isEmpty()
                            ? attribute(rels.xml(), QLatin1StringView("Type")).endsWith(type)
                            : attribute(rels.xml(), QLatin1StringView("Id")) == id;
    if (wanted) {
      return part_name(folder_of(part), attribute(rels.xml(), QLatin1StringView("Target")));
    }
  }
  return {};
}

// "B12" as column 1; -1 when `reference` is no cell reference.
int column_of(const QString& reference) {
  int column = 0;
  qsizetype i = 0;
  for (; i < reference.size() && reference[i].unicode() >= u'A' && reference[i].unicode() <= u'Z';
       ++i) {
    column = column * 26 + (reference[i].unicode() - u'A' + 1);
    if (column > kMaxColumns) return -1;
  }
  return i == 0 ? -1 : column - 1;
}

class SheetReader {
 public:
  explicit SheetReader(Workbook& workbook) : workbook_(workbook) {}

  std::vector<SheetRow> rows() {
    const QString book = related(workbook_, QString(), QLatin1StringView("/officeDocument"));
    if (book.isEmpty()) {
      workbook_.fail(QStringLiteral("_rels/.rels"), QStringLiteral("没有指明工作簿部分"));
    }
    const QString sheet = first_sheet(book);
    const QString strings = related(workbook_, book, QLatin1StringView("/sharedStrings"));
    if (!strings.isEmpty()) read_shared_strings(strings);
    return read_sheet(sheet);
  }

 private:
  QString first_sheet(const QString& book) {
    PartReader xml(workbook_, book, workbook_.part(book, true));
    if (!xml.start(QLatin1StringView("sheet"))) {
      workbook_.fail(book, QStringLiteral("工作簿中没有工作表"));
    }
    const QString id = attribute(xml.xml(), QLatin1StringView("id"));
    const QString sheet = id.isEmpty() ? QString() : related(workbook_, book, {}, id);
    if (sheet.isEmpty()) {
      workbook_.fail(rels_of(book), QStringLiteral("找不到第一个工作表“%1”").arg(id));
    }
    return sheet;
  }

  void read_shared_strings(const QString& name) {
    PartReader xml(workbook_, name, workbook_.part(name, false));
    while (xml.start(QLatin1StringView("si"))) {
      shared_.push_back(utf8(xml.texts()));
      count(shared_.back().size(), name);
    }
  }

  void count(std::size_t bytes, const QString& where) {
    text_bytes_ += static_cast<qint64>(bytes);
    if (text_bytes_ > kProjectFileLimit) workbook_.refuse_size(where);
  }

  std::vector<SheetRow> read_sheet(const QString& name) {
    PartReader xml(workbook_, name, workbook_.part(name, true));
    std::vector<SheetRow> rows;
    int row_number = 0;
    while (xml.start(QLatin1StringView("row"))) {
      const QString r = attribute(xml.xml(), QLatin1StringView("r"));
      row_number = r.isEmpty() ? row_number + 1 : r.toInt();
      SheetRow row{row_number, {}};
      read_cells(xml, row);
      if (!row.cells.empty()) rows.push_back(std::move(row));
    }
    return rows;
  }

  void read_cells(PartReader& xml, SheetRow& row) {
    int column = -1;
    while (!xml.xml().atEnd()) {
      const auto token = xml.xml().readNext();
      if (token == QXmlStreamReader::EndElement && xml.xml().name() == QLatin1StringView("row")) {
        break;
      }
      if (token != QXmlStreamReader::StartElement || xml.xml().name() != QLatin1StringView("c")) {
        continue;
      }
      QString reference = attribute(xml.xml(), QLatin1StringView("r"));
      column = reference.isEmpty() ? column + 1 : column_of(reference);
      if (reference.isEmpty())
        reference = QStringLiteral("第%1行第%2列").arg(row.number).arg(column + 1);
      if (column < 0 || column >= kMaxColumns) {
        workbook_.fail(reference, QStringLiteral("不是有效的单元格位置"));
      }
      std::string text = cell_text(xml, reference);
      if (text.empty()) continue;
      count(text.size(), reference);
      row.cells.push_back({column, std::move(text)});
    }
    xml.check();
  }

  // The text of the cell just started, read to its end.
  std::string cell_text(PartReader& xml, const QString& reference) {
    const QString type = attribute(xml.xml(), QLatin1StringView("t"));
    QString value;
    bool inline_text = false;
    for (int depth = 1; depth > 0 && !xml.xml().atEnd();) {
      const auto token = xml.xml().readNext();
      if (token == QXmlStreamReader::StartElement) {
        if (xml.xml().name() == QLatin1StringView("v")) {
          value = xml.xml().readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.xml().name() == QLatin1StringView("is")) {
          value = xml.texts();
          inline_text = true;
        } else {
          xml.xml().skipCurrentElement();
        }
      } else if (token == QXmlStreamReader::EndElement) {
        --depth;
      }
    }
    xml.check();
    if (type == QLatin1StringView("s")) return shared_string(value, reference);
    if (type == QLatin1StringView("b"))
      return value.trimmed() == QLatin1StringView("1") ? "true" : "false";
    if (inline_text || type == QLatin1StringView("str") || type == QLatin1StringView("e") ||
        type == QLatin1StringView("d") || type == QLatin1StringView("inlineStr")) {
      return utf8(value);
    }
    if (value.isEmpty()) return {};
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok) workbook_.fail(reference, QStringLiteral("数值单元格“%1”不是数").arg(value));
    return number_text(number);
  }

  std::string shared_string(const QString& value, const QString& reference) const {
    bool ok = false;
    const qulonglong index = value.trimmed().toULongLong(&ok);
    if (!ok || index >= shared_.size()) {
      workbook_.fail(reference, QStringLiteral("共享文字“%1”不存在").arg(value));
    }
    return shared_[index];
  }

  Workbook& workbook_;
  std::vector<std::string> shared_;
  qint64 text_bytes_ = 0;  // of the texts read, which shared strings may repeat many times
};

}  // namespace

std::vector<SheetRow> first_worksheet_rows(const QByteArray& bytes, const QString& file) {
  Workbook workbook(bytes, file);
  return SheetReader(workbook).rows();
}

bool SheetRows::next(std::vector<std::string>& cells) {
  if (next_ == rows_.size()) return false;
  const SheetRow& row = rows_[next_++];
  line_ = row.number;
  const auto last = static_cast<std::size_t>(row.cells.back().column) + 1;
  if (width_ == 0) width_ = last;
  cells.assign(std::max(width_, last), std::string());
  for (const SheetCell& cell : row.cells) cells[static_cast<std::size_t>(cell.column)] = cell.text;
  return true;
}

std::vector<Beam> workbook_beams(const QByteArray& bytes, const QString& file) {
  const std::vector<SheetRow> rows = first_worksheet_rows(bytes, file);
  SheetRows table_rows(rows);
  BeamTable table(table_rows, file);
  std::vector<Beam> beams;
  for (Beam beam; table.next(beam);) beams.push_back(beam);
  return beams;
}

}  // namespace platewise
