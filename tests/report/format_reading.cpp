#include "format_reading.h"

#include <gtest/gtest.h>

#include <QDomDocument>
#include <map>

#include "pdf_text.h"

namespace platewise::testing {
namespace {

// The marked text of an element: "_{…}" and "^{…}" for <sub> and <sup>,
// "{red:…}" for a toned span, "{PAGEREF x}" for a page link; runs of one
// tone joined.
void add_text(const QDomNode& node, const std::string& tone, std::string& text) {
  static const std::map<QString, std::string> kTones = {
      {"not-satisfied", "red"}, {"attention", "amber"}, {"satisfied", "green"}, {"alert", "alert"}};
  for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
    const QDomElement e = child.toElement();
    if (child.isText()) {
      const std::string piece = child.nodeValue().toStdString();
      text += tone.empty() ? piece : "{" + tone + ":" + piece + "}";
    } else if (e.tagName() == "sub" || e.tagName() == "sup") {
      std::string inner;
      add_text(e, {}, inner);
      const std::string piece = (e.tagName() == "sub" ? "_{" : "^{") + inner + "}";
      text += tone.empty() ? piece : "{" + tone + ":" + piece + "}";
    } else if (e.tagName() == "span") {
      const auto found = kTones.find(e.attribute("class"));
      add_text(e, found == kTones.end() ? tone : found->second, text);
    } else if (e.tagName() == "a" && e.attribute("class") == "page") {
      text += "{PAGEREF " + e.attribute("href").mid(1).toStdString() + "}";
    } else if (e.tagName() == "br") {
      text += " / ";
    } else {
      add_text(e, tone, text);
    }
  }
  // Neighbouring runs of one tone read as one: "{red:a}{red:b}" as "{red:ab}".
  for (const auto& [cls, name] : kTones) {
    const std::string seam = "}{" + name + ":";
    for (std::size_t at; (at = text.find(seam)) != std::string::npos;) text.erase(at, seam.size());
  }
}

std::string text_of(const QDomElement& element) {
  std::string text;
  add_text(element, {}, text);
  return text;
}

std::string line_of(const QDomElement& e) {
  static const std::map<QString, std::string> kParagraphs = {{"title", "Title"},
                                                             {"banner", "Banner"},
                                                             {"centered", "Centered"},
                                                             {"caption", "Caption"},
                                                             {"line", "CalcLine"}};
  const QString tag = e.tagName();
  if (tag == "h1") return "Heading1 " + text_of(e);
  if (tag == "h2") return "Heading2 " + text_of(e);
  const auto found = kParagraphs.find(e.attribute("class"));
  return (found == kParagraphs.end() ? "(" + tag.toStdString() + ")" : found->second) + " " +
         text_of(e);
}

void add_blocks(const QDomElement& part, std::vector<std::string>& lines) {
  for (QDomElement e = part.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
    if (e.tagName() == "header") continue;
    if (e.tagName() == "table") {
      const QDomNodeList rows = e.elementsByTagName("tr");
      for (int r = 0; r < rows.size(); ++r) {
        std::string line = "|";
        for (QDomElement cell = rows.at(r).firstChildElement(); !cell.isNull();
             cell = cell.nextSiblingElement()) {
          line += " " + text_of(cell) + " |";
        }
        lines.push_back(line);
      }
    } else if (e.tagName() == "figure") {
      lines.push_back("[picture]");
      const QDomElement caption = e.firstChildElement("figcaption");
      if (!caption.isNull()) lines.push_back("Caption " + text_of(caption));
    } else {
      lines.push_back(line_of(e));
    }
  }
}

}  // namespace

std::vector<std::string> html_lines(const QString& html) {
  QDomDocument document;
  QString error;
  int line = 0;
  EXPECT_TRUE(document.setContent(html, &error, &line))
      << "not XML: " << error.toStdString() << " at line " << line;
  const std::string title = document.documentElement()
                                .firstChildElement("head")
                                .firstChildElement("title")
                                .text()
                                .toStdString();
  std::vector<std::string> lines = {"document title: " + title};
  const QDomElement body = document.documentElement().firstChildElement("body");
  for (QDomElement part = body.firstChildElement(); !part.isNull();
       part = part.nextSiblingElement()) {
    const QDomElement header = part.firstChildElement("header");
    std::string running = title;
    if (!header.isNull()) {
      running.clear();
      for (QDomElement s = header.firstChildElement(); !s.isNull(); s = s.nextSiblingElement()) {
        running += (running.empty() ? "" : " ") + s.text().toStdString();
      }
    }
    lines.push_back("=== " + running);
    add_blocks(part, lines);
  }
  return lines;
}

std::vector<std::string> pdf_coloured_texts(const QString& path) {
  QDomDocument document;
  document.setContent(output_of("pdftohtml", {"-xml", "-i", "-q", "-stdout", path}));
  std::map<QString, QString> colours;  // font id to colour
  const QDomNodeList fonts = document.elementsByTagName("fontspec");
  for (int i = 0; i < fonts.size(); ++i) {
    const QDomElement font = fonts.at(i).toElement();
    colours[font.attribute("id")] = font.attribute("color");
  }
  std::vector<std::string> texts;
  const QDomNodeList runs = document.elementsByTagName("text");
  for (int i = 0; i < runs.size(); ++i) {
    const QDomElement run = runs.at(i).toElement();
    const QString colour = colours[run.attribute("font")];
    if (colour != "#000000") texts.push_back((colour + " " + run.text()).toStdString());
  }
  return texts;
}

}  // namespace platewise::testing
