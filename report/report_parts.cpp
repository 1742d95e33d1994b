#include "report_parts.h"

#include "report_info_fields.h"

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

constexpr MemberColumn kMemberColumns[] = {
    {"构件编号", &MemberRow::name},
    {"梁底钢板", &MemberRow::bottom_plate},
    {"梁面钢板", &MemberRow::top_plate},
    {"锚固长度", &MemberRow::anchorage},
    {"梁侧U型钢板", &MemberRow::side_u_plates},
    {"裂缝宽度(mm)", &MemberRow::crack_width},
    {"端部U型箍板", &MemberRow::hoop_plates},
    {"验算结论", nullptr},
};

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

QString member_verdict_text(const MemberRow& member) {
  if (!member.complete) return QString::fromUtf8(kIncomplete);
  if (!member.worst) return {};
  const std::string_view word = verdict_word(*member.worst);
  return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

std::optional<Verdict> member_verdict_colour(const MemberRow& member) {
  return member.complete ? member.worst : std::optional(Verdict::NotSatisfied);
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
