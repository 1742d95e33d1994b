// The report as an HTML page: in Chinese and titled with the beam, A4 print
// styles with the running header on every printed page, marks as <sub> and
// <sup>, verdict words by class, a stopped run marked; a book with its title page, members' table
// and a chapter per beam, each from a new page.

#include "report_html.h"

#include <gtest/gtest.h>

#include "sample_reports.h"

namespace platewise::testing {
namespace {

TEST(ReportHtml, OneBeamPageHoldsEach) {
  const QString html = report_html(one_beam_book(sample_report("KL-1", false, 1)));
  const char* const parts[] = {
      "<!DOCTYPE html>\n<html lang=\"zh-CN\">",
      "<meta charset=\"utf-8\">",
      "<title>滨江花园 KL-1 计算书</title>",
      "@page { size: A4; margin: 15mm 15mm 15mm 25mm;",
      "font-family: \"Liberation Serif\", \"Times New Roman\", \"SimSun\"",
      "@page chapter-1 { @top-left { content: \"滨江花园 KL-1 计算书\"; font-size: 9pt; }"
      " @top-right { content: \"计算未完成\"; color: #c00000; font-weight: bold; } }",
      "<article class=\"chapter\" id=\"chapter-1\" style=\"page: chapter-1\">\n"
      "<header class=\"running\"><span>滨江花园 KL-1 计算书</span>"
      "<span class=\"incomplete\">计算未完成</span></header>\n<h1>计算书</h1>",  // no beam's name
      "<tr><th scope=\"row\">构件编号</th><td>KL-1</td></tr>",
      "<tr><th scope=\"row\">计算</th><td>张工</td><td></td><td></td></tr>",
      "<p class=\"banner alert\">计算未完成</p>\n<p class=\"line "
      "alert\">计算中断：裂缝验算中除数为零</p>",
      "<p class=\"line\">钢筋缺额 ΔA<sub>s,b</sub> = A<sub>s,req,b</sub> − A<sub>s,b</sub> = 1800 "
      "− 1472 = 328.1\u00A0mm<sup>2</sup></p>",
      "330\u00A0mm，<span class=\"not-satisfied\">不满足</span></p>",
      "525.7\u00A0mm<sup>2</sup>，<span class=\"attention\">注意</span></p>",
      "0.3\u00A0mm，<span class=\"satisfied\">满足</span></p>",
      "<td>331 <span class=\"not-satisfied\">不满足</span></td>",
      "</section>\n<figure class=\"sketch\"><svg",  // the sketch follows the inputs
      "<figcaption>图 1-1 截面简图</figcaption></figure>\n<section>\n<h2>2 梁底钢板</h2>",
      "<section>\n<h2>结果汇总</h2>",
  };
  for (const char* part : parts) {
    EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part;
  }
  EXPECT_FALSE(html.contains("<section class=\"title-page\">"));
}

TEST(ReportHtml, BookOpensWithTitleAndMembersAndBreaksBeforeEachChapter) {
  const QString html = report_html(sample_book(3, 1, 1));
  EXPECT_TRUE(html.contains("<title>滨江花园 计算书</title>"));
  EXPECT_TRUE(
      html.contains(".title-page + .contents, .contents + .members, .members + .front,"
                    " .members + .chapter, .front + .chapter, .chapter + .chapter {"
                    " break-before: page; page-break-before: always; }"));
  EXPECT_TRUE(
      html.contains("<section class=\"title-page\">\n<p class=\"project\">滨江花园</p>\n"
                    "<h1>计算书</h1>\n<p>共 3 个构件</p>"));
  EXPECT_TRUE(
      html.contains("<tr><td>2</td><td>KL-2</td><td>−4×131\u00A0A3</td>"
                    "<td>无需加固</td><td>171.5</td><td>172</td><td>无需加固</td>"
                    "<td>0.038</td><td></td>"
                    "<td class=\"verdict not-satisfied\">计算未完成</td>"
                    "<td class=\"page\"><a class=\"page\" href=\"#chapter-2\">查看</a></td></tr>"));
  // The 目录 leads to every part, and the 总结论 follows the members' table.
  EXPECT_TRUE(html.contains("<tr><td><a href=\"#chapter-3\">3 KL-3 计算书</a></td>"));
  EXPECT_TRUE(html.contains("<h2 id=\"conclusion\">总结论</h2>"));
  EXPECT_EQ(html.count("<article class=\"chapter\""), 3);
  EXPECT_TRUE(
      html.contains("<article class=\"chapter\" id=\"chapter-3\" style=\"page: chapter-3\">"));
  EXPECT_EQ(html.count("@top-right { content: \"计算未完成\""), 1);
  EXPECT_EQ(html.count("<span class=\"incomplete\">计算未完成</span>"), 1);
  EXPECT_TRUE(html.contains("<h1>KL-3 计算书</h1>"));
  // Signatures on the title page only.
  EXPECT_EQ(html.count("<table class=\"signatures\">"), 1);
}

}  // namespace
}  // namespace platewise::testing
