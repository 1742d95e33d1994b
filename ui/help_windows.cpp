#include "help_windows.h"

#include <QMessageBox>
#include <QTextBrowser>
#include <algorithm>
#include <map>
#include <vector>

#include "app_icon.h"
#include "design_fonts.h"
#include "form_access.h"
#include "form_design.h"
#include "form_fields.h"
#include "program_version.h"
#include "qt_text.h"
#include "remembered.h"

namespace platewise {
namespace {

// "“梁底钢板实选宽度”": an input's label, quoted.
QString label_of(std::string_view role) {
  return QStringLiteral("“%1”").arg(qt_text(input_by_key(role)->label));
}

// "“计算”": a control's caption, quoted.
QString caption_of(std::string_view control) {
  return QStringLiteral("“%1”").arg(qt_text(window_design::find(control)->text));
}

QString button(std::string_view role) { return caption_of(control_of(role)); }

// The inputs read by 计算, frame by frame, each frame under its caption.
QString inputs_by_frame() {
  std::vector<std::string_view> frames;
  std::map<std::string_view, QStringList> labels;
  for (const InputField& field : input_fields()) {
    if (field.given != Given::WithCalculate) continue;
    const std::string_view frame = window_design::find(field.control)->parent;
    if (!labels.contains(frame)) frames.push_back(frame);
    labels[frame] << qt_text(field.label);
  }
  QString list;
  for (std::string_view frame : frames) {
    list += QStringLiteral("<li><b>%1</b>：%2</li>")
                .arg(qt_text(window_design::find(frame)->text),
                     labels[frame].join(QStringLiteral("、")));
  }
  return QStringLiteral("<ul>") + list + QStringLiteral("</ul>");
}

// What each result field says, by its role; the labels are the field table's.
struct ResultMeaning {
  std::string_view role;
  const char* meaning;
};
constexpr ResultMeaning kResultMeanings[] = {
    {role::bottom_plate, "梁底粘贴钢板的钢材、厚度和计算宽度（向下取整到毫米）"},
    {role::bottom_width, "实际选用的梁底钢板宽度，可改写；为0表示梁底无需加固"},
    {role::top_plate, "梁面粘贴钢板的钢材、厚度和宽度，或“梁面无需加固”"},
    {role::top_width, "梁面钢板的宽度"},
    {role::anchorage, "钢板在梁端所需的锚固长度；计算书另给取用锚固长度（向上取整到毫米）"},
    {role::side_u_plates, "箍筋不足时梁侧U型钢板的厚、宽bu、高Lu和间距"},
    {role::crack_width, "加固后的最大裂缝宽度，与裂缝宽度限值[w]比较"},
    {role::actual_anchorage, "梁端实际能做到的锚固长度（勾选锚固长度不足后填写）"},
    {role::hoop_plates, "钢板端部锚固区U型箍板的个数和尺寸，或“无需加箍”"},
};

// The results, one line each: label and meaning.
QString results_list() {
  QString list;
  for (const ResultField& field : result_fields()) {
    const auto* meaning = std::ranges::find(kResultMeanings, field.key, &ResultMeaning::role);
    if (meaning == std::end(kResultMeanings)) continue;
    list += QStringLiteral("<li><b>%1</b>：%2</li>")
                .arg(qt_text(field.label), QString::fromUtf8(meaning->meaning));
  }
  return QStringLiteral("<ul>") + list + QStringLiteral("</ul>");
}

QString help_text() {
  return QStringLiteral(
             "<h3>输入</h3><p>按加固前的梁和结构分析的结果填写各组，再点%1：</p>%2"
             "<p>"
             "下拉框可从列表中选，也可直接输入列表中的一项（如“c30”）。数字按所填文字开头的数读取"
             "（“4mm”读作4），空着读作0。</p>"
             "<h3>计算之后</"
             "h3><p>%3可改为实际选用的宽度，裂缝验算随之重算。实际锚固长度不足时勾选%4，"
             "填%5，再点%6。</p>"
             "<h3>计算书</h3><p>%7一栏列出每一步的公式和数值，双击（或选中后按Enter、"
             "“文件 ▸ 预览计算书”）打开全页预览。%8存为PDF、Word(.docx)、ODT或HTML，"
             "%9（Ctrl+P）打印；两者先打开“计算书信息”：工程名称、构件编号、裂缝宽度限值[w]、"
             "计算、校对、审核，按Enter确认。</p>")
             .arg(button(role::calculate_button), inputs_by_frame(), label_of(role::selected_width),
                  label_of(role::short_anchorage_on), label_of(role::actual_anchorage),
                  button(role::hoop_button),
                  caption_of(window_design::find(control_of(role::report_view))->parent),
                  button(role::save_report_button), button(role::print_report_button)) +
         QStringLiteral("<h3>结果</h3>") + results_list() +
         QStringLiteral(
             "<h3>验算结论</h3><p>每次计算后逐项验算（钢板厚度、宽度、面积，U型钢板，裂缝宽度，"
             "U型箍板），状态栏汇总，计算书逐条列出：</p><ul>"
             "<li><b>满足</b>：在限值之内；</li>"
             "<li><b>注意（取整）</b>：只因钢板宽度向下取整到毫米，面积略小于所需；</li>"
             "<li><b>注意</b>：须由设计人判断，如梁面钢板宽于梁宽、箍板个数取整后略少、"
             "下拉框中填了列表以外的项；</li>"
             "<li><b>不满足</b>：超出限值，须修改；</li>"
             "<li><b>计算未完成</b>：计算中途出错（如除数为零、箍板宽度未定），"
             "错误框和状态栏说明原因。</li></ul>") +
         QStringLiteral(
             "<h3>工程</h3><p>一栋楼的各根梁放在一个工程(.pwproj)里：“文件 ▸ 新建工程 / 打开工程…”"
             "打开工程表格，一行一根梁；也可直接打开Excel表格(.xlsx)或."
             "csv表格。表格中改一格即重算该行，"
             "可从Excel复制粘贴，可只显示不满足、注意或出错的梁；选中一行，窗体即显示这根梁。"
             "“保存工程计算书…”写出全楼计算书（目录、构件一览表、每根梁一章）。</p>") +
         QStringLiteral(
             "<h3>梁文件</h3><p>Ctrl+S把全部输入、结果和计算书信息存为梁文件(.json)，"
             "Ctrl+Shift+S另存，Ctrl+O打开，也可把梁文件拖到窗口上；“文件 ▸ 最近打开”列出最近的"
             "%1个梁文件。打开梁文件后按其输入重新计算，结果与文件中保存的不同时状态栏会说明。</p>"
             "<h3>命令行</h3><p><code>platewise KL-1.json</code>：打开窗口和梁文件<br>"
             "<code>platewise calc "
             "KL-1.json</code>：不开窗口计算梁文件、工程文件(.pwproj)或梁表格(.csv、.xlsx)<br>"
             "<code>platewise report KL-1.json -o "
             "KL-1.pdf</code>：写出计算书(.pdf、.docx、.odt、.html)<br>"
             "各命令加 <code>--help</code> 列出全部选项。</p>")
             .arg(kRecentFileCount);
}

}  // namespace

void show_help(QWidget& window) {
  auto* help =
      window.findChild<QTextBrowser*>(QStringLiteral("help_window"), Qt::FindDirectChildrenOnly);
  if (help == nullptr) {
    help = new QTextBrowser(&window);
    help->setObjectName(QStringLiteral("help_window"));
    help->setWindowFlag(Qt::Window);
    help->setWindowTitle(QStringLiteral("使用说明 - ") + window.windowTitle());
    help->setFont(design_font(window_design::Font::Window));
    help->setHtml(help_text());
    help->resize(560, 600);
  }
  help->show();
  help->raise();
  help->activateWindow();
}

void show_about(QWidget& window) {
  auto* box = new QMessageBox(&window);
  box->setObjectName(QStringLiteral("about_box"));
  box->setWindowTitle(QStringLiteral("关于 Platewise"));
  box->setIconPixmap(app_icon().pixmap(64, 64));
  box->setText(QStringLiteral("<b>%1 %2</b><br>粘贴钢板加固混凝土梁的计算")
                   .arg(qt_text(kProgramName), qt_text(kProgramVersion)));
  box->setInformativeText(
      QStringLiteral("计算依据：混凝土结构加固技术规范(CECS 25:90)<br>许可：MIT<br>Qt %1")
          .arg(QString::fromLatin1(qVersion())));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace platewise
