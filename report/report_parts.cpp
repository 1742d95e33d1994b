#include "report_parts.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>

#include "member_notation.h"
#include "report_fonts.h"
#include "report_info_fields.h"
#include "report_text.h"

namespace platewise {
namespace {

QString qt(const std::string& utf8) { return QString::fromStdString(utf8); }

// "编制依据：CECS 25:90" as label and text; a line without "：" is all text.
LabelledText split_at_colon(const std::string& line) {
  const QString text = qt(line);
  const qsizetype colon = text.indexOf(QStringLiteral("："));
  if (colon < 0) return {{}, text};
  return {text.left(colon), text.mid(colon + 1)};
}

std::string name_of(const MemberRow& m) { return m.name; }
std::string bottom_plate_of(const MemberRow& m) { return compact_plate(m.bottom_plate); }
std::string top_plate_of(const MemberRow& m) { return compact_plate(m.top_plate); }
std::string anchorage_of(const MemberRow& m) { return without_mm(m.anchorage); }
std::string anchorage_used_of(const MemberRow& m) { return without_mm(m.anchorage_used); }
std::string u_plates_of(const MemberRow& m) { return compact_u_plates(m.side_u_plates); }
std::string crack_width_of(const MemberRow& m) { return m.crack_width; }
std::string hoops_of(const MemberRow& m) { return compact_hoops(m.hoop_plates); }

constexpr MemberColumn kMemberColumns[] = {
    {"序号", MemberCell::Index},
    {"构件编号", MemberCell::Text, name_of},
    {"梁底钢板", MemberCell::Text, bottom_plate_of},
    {"梁面钢板", MemberCell::Text, top_plate_of},
    {"锚固长度(mm)", MemberCell::Text, anchorage_of},
    {"取用(mm)", MemberCell::Text, anchorage_used_of},
    {"梁侧U型钢板", MemberCell::Text, u_plates_of},
    {"裂缝宽度(mm)", MemberCell::Text, crack_width_of},
    {"端部U型箍板", MemberCell::Text, hoops_of},
    {"验算结论", MemberCell::Verdict},
    {"页码", MemberCell::Page},
};

// Room a cell's text leaves to its rules, mm: the widest padding of the
// formats (1 mm a side in .docx and .odt) and a millimetre to spare for
// word processors, which measure the faces a little wider.
constexpr double kCellRoomMm = 3.2;
constexpr double kTableWidthMm = 170;  // the text's width on A4 with the binding margin

// Widths in mm, measured in the members' size on a device of 96 dpi.
class MemberMeasure {
 public:
  MemberMeasure() : device_(1, 1, QImage::Format_RGB32) {
    const int dots_per_metre = static_cast<int>(std::lround(96 / 0.0254));
    device_.setDotsPerMeterX(dots_per_metre);
    device_.setDotsPerMeterY(dots_per_metre);
  }
  double mm(const QString& text) const {
    const QFontMetricsF metrics(report_font(kMembersPoints), &device_);
    return metrics.horizontalAdvance(text) * 25.4 / 96;
  }

 private:
  QImage device_;
};

// The least width a heading takes on two lines: split where it is best,
// between characters but never inside "(mm)".
double heading_on_two_lines(const MemberMeasure& measure, const QString& heading) {
  double least = measure.mm(heading);
  const qsizetype unit = heading.indexOf(QStringLiteral("(mm)"));
  for (qsizetype at = 1; at < heading.size(); ++at) {
    if (unit >= 0 && at > unit && at < unit + 4) continue;
    least = std::min(least, std::max(measure.mm(heading.left(at)), measure.mm(heading.mid(at))));
  }
  return least;
}

}  // namespace

std::vector<LabelledText> title_block(const ReportModel& report) {
  std::vector<LabelledText> block = {{QStringLiteral("工程名称"), qt(report.info.project)},
                                     {QStringLiteral("构件编号"), qt(report.info.member)}};
  for (const std::string* line : {&report.basis, &report.program, &report.calculated_at}) {
    if (!line->empty()) block.push_back(split_at_colon(*line));
  }
  return block;
}

std::vector<LabelledText> signatures(const ReportInfo& info) {
  std::vector<LabelledText> people;
  for (const ReportInfoField& signer : kSigners) {
    people.push_back(
        {QString::fromUtf8(signer.label.data(), static_cast<qsizetype>(signer.label.size())),
         qt(info.*signer.text)});
  }
  return people;
}

std::span<const MemberColumn> member_columns() { return kMemberColumns; }

std::vector<double> member_widths(const ReportBook& book) {
  const MemberMeasure measure;
  const std::size_t n = std::size(kMemberColumns);
  std::vector<double> least(n), full(n);  // mm: the cells whole; and the heading on one line
  for (std::size_t c = 0; c < n; ++c) {
    const MemberColumn& column = kMemberColumns[c];
    const QString heading = QString::fromUtf8(column.heading);
    full[c] = measure.mm(heading) + kCellRoomMm;
    // A heading may take two lines.
    least[c] = heading_on_two_lines(measure, heading) + kCellRoomMm;
    for (std::size_t r = 0; r < book.members.size(); ++r) {
      const MemberRow& member = book.members[r];
      const QString text =
          column.kind == MemberCell::Page
              ? QStringLiteral("999")
              : QString::fromStdString(unmarked(member_cell_text(column, member, r)));
      least[c] = std::max(least[c], measure.mm(text) + kCellRoomMm);
    }
    full[c] = std::max(full[c], least[c]);
  }
  double total = 0, wanted = 0;
  for (std::size_t c = 0; c < n; ++c) {
    total += least[c];
    wanted += full[c] - least[c];
  }
  // What is left goes to the headings that would take two lines, as far as it reaches.
  const double left = std::max(0.0, kTableWidthMm - total);
  const double share = wanted > 0 ? std::min(1.0, left / wanted) : 0;
  std::vector<double> widths(n);
  double sum = 0;
  for (std::size_t c = 0; c < n; ++c) sum += widths[c] = least[c] + share * (full[c] - least[c]);
  // Any rest widens every column alike, room for a word processor that
  // breaks lines a little sooner; a table too wide for the page is narrowed
  // all through.
  for (double& width : widths) width /= std::max(sum, kTableWidthMm);
  if (sum < kTableWidthMm) {
    for (double& width : widths) width += (1 - sum / kTableWidthMm) / static_cast<double>(n);
  }
  return widths;
}

std::string member_cell_text(const MemberColumn& column, const MemberRow& member,
                             std::size_t index) {
  switch (column.kind) {
    case MemberCell::Index:
      return std::to_string(index + 1);
    case MemberCell::Text:
      return column.text(member);
    case MemberCell::Verdict:
      return member_verdict_text(member).toStdString();
    case MemberCell::Page:
      break;
  }
  return {};
}

QString member_verdict_text(const MemberRow& member) {
  if (!member.complete) return QString::fromUtf8(kIncomplete);
  if (!member.worst) return {};
  const std::string_view word = verdict_word(*member.worst);
  return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

std::optional<Verdict> member_verdict_colour(const MemberRow& member) {
  return member.complete ? member.worst : std::optional(Verdict::NotSatisfied);
}

std::size_t sketch_after(const ReportModel& report) {
  if (!report.sketch) return std::string::npos;
  for (std::size_t i = 0; i < report.sections.size(); ++i) {
    if (report.sections[i].kind == SectionKind::Inputs) return i;
  }
  return report.sections.empty() ? std::string::npos : 0;
}

std::string chapter_bookmark(std::size_t index) { return "chapter-" + std::to_string(index + 1); }

std::vector<ContentsEntry> contents_entries(const ReportBook& book) {
  std::vector<ContentsEntry> entries;
  if (!has_title_page(book)) return entries;
  entries.push_back({kMembersTitle, kMembersBookmark});
  if (book.front) {
    entries.push_back({kBookConclusionTitle, kConclusionBookmark});
    std::string front;
    if (book.front->symbols) front = kSymbolsTitle;
    if (book.front->materials) front += (front.empty() ? "" : "、") + std::string("材料");
    if (!front.empty()) entries.push_back({front, kFrontBookmark});
  }
  for (std::size_t i = 0; i < book.chapters.size(); ++i) {
    const ReportModel& chapter = book.chapters[i];
    std::string text = std::to_string(i + 1) + " " + chapter.info.member;
    text += (chapter.info.member.empty() ? "" : " ") + chapter.title;
    if (!chapter.complete) text += std::string("（") + kIncomplete + "）";
    entries.push_back({text, chapter_bookmark(i)});
  }
  return entries;
}

const ReportLine* stop_line_of(const ReportModel& report) {
  for (const ReportSection& section : report.sections) {
    for (const ReportLine& line : section.lines) {
      if (line.alert) return &line;
    }
  }
  return nullptr;
}

QString running_header(const ReportModel& report) {
  if (!report.running_header.empty()) return qt(report.running_header);
  return report.title.empty() ? QStringLiteral("计算书") : qt(report.title);
}

bool has_title_page(const ReportBook& book) { return !book.members.empty(); }

QString document_title(const ReportBook& book) {
  if (!has_title_page(book) && book.chapters.size() == 1) {
    return running_header(book.chapters.front());
  }
  return book.project.empty() ? QStringLiteral("计算书") : qt(book.project) + " 计算书";
}

QColor verdict_colour(Verdict verdict) { return QColor(QRgb(verdict_rgb(verdict))); }

std::size_t ending_word(std::string_view text, std::string_view word) {
  const std::size_t at = text.rfind(word);
  if (word.empty() || at == std::string_view::npos) return std::string_view::npos;
  static constexpr std::string_view kTrailing[] = {" ", "。", ".", "）", ")", "；", ";", "，", ","};
  std::string_view rest = text.substr(at + word.size());
  while (!rest.empty()) {
    bool found = false;
    for (std::string_view t : kTrailing) {
      if (rest.starts_with(t)) {
        rest.remove_prefix(t.size());
        found = true;
        break;
      }
    }
    if (!found) return std::string_view::npos;
  }
  return at;
}

}  // namespace platewise
