#pragma once
// How the editable formats (.docx and .odt) set the report: faces, sizes,
// colours and the page, named once for both writers.
//
// Faces: Chinese in a Song face, everything else (Latin and Greek letters,
// digits, operators, units) in a Latin serif. The Song face is named as
// Debian has it, since LibreOffice on Debian maps "SimSun" and "宋体" to
// WenQuanYi Zen Hei, a sans; Word, which has no AR PL UMing, finds 宋体
// through the alternative names of the Word font table. "Times New Roman"
// is Word's serif; LibreOffice on Debian sets it in Liberation Serif, its
// metric twin, or else in DejaVu Serif.

#include <optional>

#include "report_outline.h"
#include "report_parts.h"

namespace platewise::editable {

inline constexpr const char* kSongFace = "AR PL UMing CN";
inline constexpr const char* kSongAltNames = "宋体,SimSun";  // Word's font table: tried in turn
inline constexpr const char* kLatinFace = "Times New Roman";

// Sizes in points: 二号, 三号, 四号, 五号 and 小五.
inline constexpr double kTitlePoints = 22;
inline constexpr double kHeading1Points = 16;
inline constexpr double kHeading2Points = 14;
inline constexpr double kBodyPoints = 10.5;
inline constexpr double kSmallPoints = 9;  // running header, footer, captions

// A4 portrait; 25 mm on the left for binding, 15 mm elsewhere. The running
// header and the page footer stand 8 mm from the paper's edge.
inline constexpr double kPageWidthMm = 210;
inline constexpr double kPageHeightMm = 297;
inline constexpr double kMarginLeftMm = 25;
inline constexpr double kMarginMm = 15;
inline constexpr double kHeaderFooterMm = 8;
inline constexpr double kTextWidthMm = kPageWidthMm - kMarginLeftMm - kMarginMm;  // 170

// Room between a table cell's rules and its text, on every side.
inline constexpr double kCellPaddingMm = 1;
// A formula line that wraps goes on indented by this much.
inline constexpr double kHangingIndentMm = 7.4;
// The signature table's rows leave this much room to sign in.
inline constexpr double kSignatureRowMm = 10;

// How a paragraph of each role is set, and the names of its style: Word
// shows its built-in names in its own language ("heading 1" as 标题 1),
// LibreOffice shows the display names.
struct ParagraphLook {
  outline::Role role;
  const char* word_id;                    // "Heading1"
  const char* word_name;                  // "heading 1"
  const char* odf_name;                   // "Heading_20_1"
  const char* odf_display;                // "Heading 1"
  std::optional<outline::Role> based_on;  // unset: on the body text's defaults
  int outline_level;                      // 1, 2; 0: none
  bool centered;
  double before_pt, after_pt;
  bool keep_with_next;  // headings and pictures stay with what follows
  bool hanging;         // wraps with a hanging indent
  bool rule_below;
  bool bold;
  double points;  // 0: as the body text
};

using outline::Role;

// clang-format off
inline constexpr ParagraphLook kParagraphLooks[] = {
//   role            Word id      Word name    ODF name             ODF display       based on    level centre before after keep  hang  rule  bold  size
    {Role::Title,    "Title",     "Title",     "Title",             "Title",          {},         0, true,  60, 24, false, false, false, true,  kTitlePoints},
    {Role::Heading1, "Heading1",  "heading 1", "Heading_20_1",      "Heading 1",      {},         1, true,  12, 6,  true,  false, false, true,  kHeading1Points},
    {Role::Heading2, "Heading2",  "heading 2", "Heading_20_2",      "Heading 2",      {},         2, false, 9,  3,  true,  false, false, true,  kHeading2Points},
    {Role::Body,     "CalcLine",  "计算行",    "Calc_20_Line",      "计算行",         {},         0, false, 0,  0,  false, true,  false, false, 0},
    {Role::Banner,   "Banner",    "醒目提示",  "Banner",            "醒目提示",       {},         0, true,  6,  6,  false, false, false, true,  kHeading1Points},
    {Role::Centered, "Centered",  "居中说明",  "Centered",          "居中说明",       {},         0, true,  3,  0,  false, false, false, false, 0},
    {Role::Cell,     "TableText", "表格文字",  "Table_20_Contents", "Table Contents", {},         0, false, 0,  0,  false, false, false, false, 0},
    {Role::CellCentred, "TableTextCentred", "表格文字居中", "Table_20_Contents_20_Centred", "Table Contents Centred", Role::Cell, 0, true, 0, 0, false, false, false, false, 0},
    {Role::CellHead, "TableHead", "表头",      "Table_20_Heading",  "Table Heading",  Role::Cell, 0, true,  0,  0,  false, false, false, true,  0},
    {Role::Figure,   "Figure",    "图",        "Figure",            "图",             {},         0, true,  3,  0,  true,  false, false, false, 0},
    {Role::Caption,  "Caption",   "caption",   "Caption",           "Caption",        {},         0, true,  3,  6,  false, false, false, false, kSmallPoints},
    {Role::Header,   "Header",    "header",    "Header",            "Header",         {},         0, true,  0,  0,  false, false, true,  false, kSmallPoints},
    {Role::Footer,   "Footer",    "footer",    "Footer",            "Footer",         {},         0, true,  0,  0,  false, false, false, false, kSmallPoints},
};
// clang-format on

constexpr const ParagraphLook& look_of(Role role) {
  for (const ParagraphLook& look : kParagraphLooks) {
    if (look.role == role) return look;
  }
  return kParagraphLooks[3];  // the body's
}

}  // namespace platewise::editable
