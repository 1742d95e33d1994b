#include "report_book.h"

#include <algorithm>
#include <map>

#include "quantities.h"

namespace platewise {
namespace {

const ReportSection* section_of(const ReportModel& chapter, SectionKind kind) {
  for (const ReportSection& section : chapter.sections) {
    if (section.kind == kind) return &section;
  }
  return nullptr;
}

// Every chapter's symbols in one table, in the catalogue's order; unset when
// a symbol means two things, or a chapter has none to share.
std::optional<ReportSection> book_symbols(const std::vector<ReportModel>& chapters) {
  std::map<std::string, std::string, std::less<>> meanings;
  for (const ReportModel& chapter : chapters) {
    const ReportSection* symbols = section_of(chapter, SectionKind::Symbols);
    if (symbols == nullptr) return std::nullopt;
    for (const ReportRow& row : symbols->rows) {
      const auto [at, added] = meanings.try_emplace(row.label, row.text);
      if (!added && at->second != row.text) return std::nullopt;
    }
  }
  ReportSection shared{kSymbolsTitle, {}, {}, SectionKind::Symbols};
  for (const Quantity& q : quantities()) {
    const auto at = meanings.find(q.symbol);
    if (at == meanings.end()) continue;
    shared.rows.push_back({at->first, at->second, ""});
    meanings.erase(at);
  }
  // A symbol the catalogue does not hold keeps the tables apart.
  if (!meanings.empty()) return std::nullopt;
  return shared;
}

std::optional<ReportSection> book_materials(const std::vector<ReportModel>& chapters) {
  const ReportSection* first = nullptr;
  for (const ReportModel& chapter : chapters) {
    const ReportSection* materials = section_of(chapter, SectionKind::Materials);
    if (materials == nullptr) return std::nullopt;
    if (first == nullptr) first = materials;
    if (materials->rows.size() != first->rows.size() || materials->lines != first->lines) {
      return std::nullopt;
    }
  }
  if (first == nullptr) return std::nullopt;
  ReportSection shared = *first;
  shared.title = "材料";
  return shared;
}

std::string names_of(const std::vector<const MemberRow*>& members) {
  std::string names;
  for (const MemberRow* member : members) {
    if (!names.empty()) names += "、";
    names += member->name.empty() ? std::string("（未命名）") : member->name;
  }
  return names;
}

std::vector<ReportLine> book_conclusion(const std::vector<MemberRow>& members) {
  std::vector<const MemberRow*> failing, stopped;
  std::size_t satisfied = 0, attention = 0, rounding = 0;
  for (const MemberRow& member : members) {
    if (!member.complete || !member.worst) {
      stopped.push_back(&member);
    } else if (*member.worst == Verdict::NotSatisfied) {
      failing.push_back(&member);
    } else if (*member.worst == Verdict::Satisfied) {
      ++satisfied;
    } else {
      ++attention;
      if (*member.worst == Verdict::Rounding) ++rounding;
    }
  }
  std::string count = "共 " + std::to_string(members.size()) + " 个构件：满足 " +
                      std::to_string(satisfied) + " 个，注意 " + std::to_string(attention) + " 个";
  if (rounding > 0) count += "（其中 " + std::to_string(rounding) + " 个仅因宽度取整）";
  count += "，不满足 " + std::to_string(failing.size()) + " 个，计算未完成 " +
           std::to_string(stopped.size()) + " 个。";
  std::vector<ReportLine> lines{{count}};
  if (!failing.empty()) {
    lines.push_back({names_of(failing) + "：不满足", Verdict::NotSatisfied});
  }
  if (!stopped.empty()) {
    lines.push_back({names_of(stopped) + "：计算未完成", {}, true});
  }
  if (failing.empty() && stopped.empty()) {
    lines.push_back({"全部构件加固设计满足要求。"});
  }
  return lines;
}

// The chapter's section of `kind` cut down to the line that refers to the front.
void refer_to_front(ReportModel& chapter, SectionKind kind, const char* line) {
  for (ReportSection& section : chapter.sections) {
    if (section.kind != kind) continue;
    section.rows.clear();
    section.lines = {{line}};
  }
}

}  // namespace

ReportBook gathered(ReportBook book) {
  if (book.front || book.members.empty()) return book;
  BookFront& front = book.front.emplace();
  front.symbols = book_symbols(book.chapters);
  front.materials = book_materials(book.chapters);
  front.conclusion = book_conclusion(book.members);
  for (ReportModel& chapter : book.chapters) {
    if (front.symbols) refer_to_front(chapter, SectionKind::Symbols, kSharedSymbolsLine);
    if (front.materials) refer_to_front(chapter, SectionKind::Materials, kSharedMaterialsLine);
  }
  return book;
}

const ReportBook& shown_book(const ReportBook& book, std::optional<ReportBook>& made) {
  if (book.front || book.members.empty()) return book;
  return made.emplace(gathered(book));
}

}  // namespace platewise
