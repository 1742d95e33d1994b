// The report as an HTML page: in Chinese and titled with the beam, A4 print
// styles with the running header on every printed page, marks as <sub> and
// <sup>, verdict words by class, a stopped run marked; a book with its title page, members' table
// and a chapter per beam, each from a new page.

#include "report_html.h"

#include <gtest/gtest.h>

#include "sample_reports.h"

namespace platewise::testing {
namespace {

// What only the HTML page has: its head, its print styles, and how it spells
// the blocks the other formats share (report_formats_test.cpp compares those).
TEST(ReportHtml, OneBeamPageHoldsEach) {
  const QString html = report_html(one_beam_book(sample_report("KL-1", false, 1)));
  const char* const parts[] = {
      "<!DOCTYPE html>\n<html lang=\"zh-CN\">",
      "<meta charset=\"utf-8\"/>",
      "<title>滨江花园 KL-1 计算书</title>",
      "@page { size: A4; margin: 15mm 15mm 15mm 25mm;",
      "font-family: \"Liberation Serif\", \"Times New Roman\", \"SimSun\"",
      "@page chapter-1 { @top-left { content: \"滨江花园 KL-1 计算书\"; font-size: 9pt; }"
      " @top-right { content: \"计算未完成\"; color: #c00000; font-weight: bold; } }",
      "<article class=\"chapter\" id=\"chapter-1\" style=\"page: chapter-1\">\n"
      "<header class=\"running\"><span>滨江花园 KL-1 计算书</span>"
      "<span class=\"alert\">计算未完成</span></header>\n<h1>计算书</h1>",  // no beam's name
      "<tr><td>构件编号</td><td>KL-1</td></tr>",
      "<tr style=\"height:10mm\"><td class=\"centre\">计算</td><td class=\"centre\">张工</td>"
      "<td></td><td></td></tr>",
      "<p class=\"banner\"><span class=\"alert\">计算未完成</span></p>",
      "<p class=\"line\">钢筋缺额 ΔA<sub>s,b</sub> = A<sub>s,req,b</sub> − A<sub>s,b</sub> = 1800 "
      "− 1472 = 328.1\u00A0mm<sup>2</sup></p>",
      "330\u00A0mm，<span class=\"not-satisfied\">不满足</span></p>",
      "<td>331 <span class=\"not-satisfied\">不满足</span></td>",
      "<figure class=\"sketch\"><svg",
      "<figcaption>图 1-1 截面简图</figcaption></figure>\n<h2>2 梁底钢板</h2>",
  };
  for (const char* part : parts) {
    EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part;
  }
  EXPECT_FALSE(html.contains("<section class=\"title-page\">"));
}

TEST(ReportHtml, BookOpensWithTitleAndMembersAndBreaksBeforeEachChapter) {
  const QString html = report_html(sample_book(3, 1, 1));
  const char* const parts[] = {
      "<title>滨江花园 计算书</title>",
      ".title-page + .contents, .contents + .members, .members + .front,"
      " .members + .chapter, .front + .chapter, .chapter + .chapter {"
      " break-before: page; page-break-before: always; }",
      "<section class=\"title-page\">\n<p class=\"title\">滨江花园</p>\n"
      "<p class=\"title\">计算书</p>\n<p class=\"centered\">共 3 个构件</p>",
      "<section class=\"members\" id=\"members\">\n<h1>构件一览表</h1>\n<table class=\"small\" "
      "border=\"1\">",
      "<td class=\"centre\"><span class=\"alert\">计算未完成</span></td>"
      "<td class=\"page\"><a class=\"page\" href=\"#chapter-2\">查看</a></td></tr>",
      "<h2 id=\"conclusion\">总结论</h2>",
      "<article class=\"chapter\" id=\"chapter-3\" style=\"page: chapter-3\">",
      "<h1>KL-3 计算书</h1>",
  };
  for (const char* part : parts) {
    EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part;
  }
  EXPECT_EQ(html.count("<article class=\"chapter\""), 3);
  EXPECT_EQ(html.count("@top-right { content: \"计算未完成\""), 1);
  // Signatures on the title page only.
  EXPECT_EQ(html.count("<tr style=\"height:10mm\">"), 3);
}

// A project's name is text wherever it stands, in the styles too.
TEST(ReportHtml, NameThatLooksLikeMarkupStaysText) {
  ReportBook book = sample_book(2);
  book.project = "</style><b>%1&";
  const QString html = report_html(book);
  EXPECT_TRUE(
      html.contains("@page members { @top-left { content: \"\\3c /style>\\3c b>%1\\26  计算书\";"));
  EXPECT_TRUE(html.contains("<title>&lt;/style&gt;&lt;b&gt;%1&amp; 计算书</title>"));
  EXPECT_EQ(html.count("</style>"), 1);
}

}  // namespace
}  // namespace platewise::testing
