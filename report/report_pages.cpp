#include "report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "report_document.h"
#include "report_fonts.h"
#include "report_parts.h"
#include "table_rules.h"

namespace platewise {
namespace {

// The documents are laid out in units of 1/96 inch and scaled to the device.
constexpr double kLayoutDpi = 96;
constexpr double kHeaderPoints = 22;  // the band of the running header
constexpr double kFooterPoints = 18;  // the band of the page number
constexpr double kBandFontPoints = 9;
constexpr double kPieceGap = 12;  // between two pieces on a page
constexpr double kTableRule = 1;  // three quarters of a point
// One part of the book (title page, members' table, a chapter), in pieces
// laid out on their own and placed on pages of its own.
// A long table comes in pieces too: when the part has a `heading`, its
// pieces after the first are the table's rows, stacked without a gap, and
// every page after the first opens with the heading.
struct Part {
  std::vector<std::unique_ptr<QTextDocument>> pieces;
  QString header;           // at the top of its pages; empty: none (the title page)
  bool incomplete = false;  // 计算未完成 beside the header
  bool numbered = true;     // "第 n 页 共 m 页" at the foot
  std::unique_ptr<QTextDocument> heading = {};
  std::size_t rows_end = 0;  // with a heading: the pieces before this one are the table's
  // The rules of the tables of each piece and of the heading, once laid out.
  std::vector<std::vector<QLineF>> rules = {};
  std::vector<QLineF> heading_rules = {};
  std::vector<int> piece_pages = {};  // the page of the part each piece starts on, from 0
};

std::vector<std::unique_ptr<QTextDocument>> one_piece(std::unique_ptr<QTextDocument> document) {
  std::vector<std::unique_ptr<QTextDocument>> pieces;
  pieces.push_back(std::move(document));
  return pieces;
}

// The parts of a book, in order: a book of beams opens with its title page,
// 目录, 构件一览表 (with the 总结论) and, when it has them, the book's 符号说明
// and 材料; then come the chapters.
enum class PartKind { Title, Contents, Members, Front, Chapter };
struct PartPlan {
  PartKind kind;
  std::size_t chapter = 0;
};

std::vector<PartPlan> part_plans(const ReportBook& book) {
  std::vector<PartPlan> plans;
  if (has_title_page(book)) {
    plans.push_back({PartKind::Title});
    plans.push_back({PartKind::Contents});
    plans.push_back({PartKind::Members});
    if (book.front && (book.front->symbols || book.front->materials)) {
      plans.push_back({PartKind::Front});
    }
  }
  for (std::size_t i = 0; i < book.chapters.size(); ++i) plans.push_back({PartKind::Chapter, i});
  return plans;
}

// Whether a part shows page numbers of others, and so is laid out once those are known.
bool refers_to_pages(const PartPlan& plan) {
  return plan.kind == PartKind::Contents || plan.kind == PartKind::Members;
}

Part make_part(const ReportBook& book, const PartPlan& plan, const BookPages& pages) {
  const bool titled = has_title_page(book);
  switch (plan.kind) {
    case PartKind::Title:
      return {one_piece(title_page_document(book)), {}, false, false};
    case PartKind::Contents:
      return {one_piece(contents_document(book, pages)), document_title(book)};
    case PartKind::Members: {
      MembersTable members = members_table(book, pages);
      Part part{std::move(members.pieces), document_title(book), false, true,
                std::move(members.heading)};
      part.rows_end = part.pieces.size();
      if (members.conclusion) part.pieces.push_back(std::move(members.conclusion));
      return part;
    }
    case PartKind::Front:
      return {one_piece(front_document(book)), document_title(book)};
    case PartKind::Chapter:
      break;
  }
  const ReportModel& chapter = book.chapters[plan.chapter];
  return {chapter_pieces(chapter, titled ? ChapterPlace::InBook : ChapterPlace::Alone),
          running_header(chapter), !chapter.complete};
}

// A slice of a piece shown on a page: the piece's area `slice`, put at `top`.
struct Placement {
  const QTextDocument* piece;
  const std::vector<QLineF>* rules;  // the piece's table rules
  QRectF slice;
  double top;
};
using PageContents = std::vector<Placement>;

// Where the content of a laid-out piece ends: its last block with text or
// the bottom rule of its last table, `rules` its tables' rules (the empty
// block after a closing table adds nothing; nor does the table's bottom
// margin, which Qt counts in the table's frame).
double content_bottom(const QTextDocument& piece, const std::vector<QLineF>& rules) {
  QAbstractTextDocumentLayout* layout = piece.documentLayout();
  double bottom = 0;
  for (auto it = piece.rootFrame()->begin(); !it.atEnd(); ++it) {
    if (it.currentFrame() == nullptr && !it.currentBlock().text().isEmpty()) {
      bottom = std::max(bottom, layout->blockBoundingRect(it.currentBlock()).bottom());
    }
  }
  for (const QLineF& rule : rules) bottom = std::max({bottom, rule.y1(), rule.y2()});
  return bottom;
}

// Whether a piece is laid out to be painted or only to count its pages.
enum class Use { Count, Paint };

// Lays a piece out once, on `device` in pages of `body` size. Qt lays a
// document out whole when it gets its layout (documentLayout() makes it on
// first use) and again at every new page size, but not while the page size
// is null. So the piece gets its layout with a null page size, then the
// device it is measured on, then its page size: one layout, on the device.
// For painting, the glyphs shaped for the layout are kept, else painting
// would shape every line again.
void lay_out(QTextDocument& piece, const QSizeF& body, QPaintDevice& device, Use use) {
  for (QTextBlock block = piece.begin(); use == Use::Paint && block.isValid();
       block = block.next()) {
    block.layout()->setCacheEnabled(true);
  }
  piece.setPageSize(QSizeF(0, 0));
  piece.documentLayout()->setPaintDevice(&device);
  piece.setPageSize(body);
}

// Lays out the pieces of a part on pages of `body` size, as on a 96 dpi
// device whatever the screen, so that every device gets the same pages. A
// piece goes whole on the page where it fits, else on the next; a piece
// longer than a page starts a page and runs over as Qt paginates it. A
// table's row stacked under another leaves out its top rule, which is the
// other's bottom rule.
std::vector<PageContents> paginate(Part& part, const QSizeF& body, QPaintDevice& layout_device,
                                   Use use) {
  double heading_bottom = 0;
  if (part.heading) {
    lay_out(*part.heading, body, layout_device, use);
    part.heading_rules = table_rules(*part.heading);
    heading_bottom = content_bottom(*part.heading, part.heading_rules);
  }
  std::vector<PageContents> pages(1);
  double y = 0;  // on the last page
  part.rules.reserve(part.pieces.size());
  for (std::size_t i = 0; i < part.pieces.size(); ++i) {
    QTextDocument* piece = part.pieces[i].get();
    lay_out(*piece, body, layout_device, use);
    std::vector<QLineF>& rules = part.rules.emplace_back(table_rules(*piece));
    const int count = piece->pageCount();
    const double bottom = content_bottom(*piece, rules);
    const bool row = part.heading && i > 0 && i < part.rows_end;
    if (y > 0 && !row) y += kPieceGap;
    const bool fits_here = count == 1 && y + bottom <= body.height();
    if (y > 0 && !fits_here) {
      pages.emplace_back();
      y = 0;
      if (row) {
        pages.back().push_back({part.heading.get(), &part.heading_rules,
                                QRectF(0, 0, body.width(), body.height()), 0});
        y = heading_bottom;
      }
    }
    if (row && y > 0 && !rules.empty()) rules.erase(rules.begin());
    part.piece_pages.push_back(static_cast<int>(pages.size()) - 1);
    for (int n = 0; n < count; ++n) {
      if (n > 0) pages.emplace_back();
      const QRectF slice(0, n * body.height(), body.width(), body.height());
      pages.back().push_back({piece, &rules, slice, y});
    }
    y += bottom - (count - 1) * body.height();
  }
  return pages;
}

struct LaidOutPart {
  Part part;
  std::vector<PageContents> pages;
};

// A device of kLayoutDpi for the layout alone.
QImage layout_image() {
  QImage image(1, 1, QImage::Format_RGB32);
  image.setDotsPerMeterX(std::lround(kLayoutDpi / 0.0254));
  image.setDotsPerMeterY(std::lround(kLayoutDpi / 0.0254));
  return image;
}

// This thread and a few helpers, which lay parts out together, each on a
// device of its own. The helpers are QThreads: Qt lays a long document out
// in steps and finishes it on a timer, which only a QThread can start. A
// document's timers are stopped when it is deleted, and only in the thread
// that made it, so the thread that made a part deletes it. The helpers also
// keep the fonts they laid out with in their font caches, which a PDF writer
// still reads when it ends: so they live as long as the team.
class LayoutTeam {
 public:
  using Job = std::function<void(std::size_t thread, QImage& device)>;

  explicit LayoutTeam(std::size_t threads) : devices_(threads, layout_image()) {
    for (std::size_t t = 1; t < threads; ++t) {
      helpers_.emplace_back(QThread::create([this, t] { serve(t); }));
      helpers_.back()->start();
    }
  }
  ~LayoutTeam() {
    {
      const std::lock_guard lock(mutex_);
      ending_ = true;
    }
    changed_.notify_all();
    for (const std::unique_ptr<QThread>& helper : helpers_) helper->wait();
  }
  LayoutTeam(const LayoutTeam&) = delete;
  LayoutTeam& operator=(const LayoutTeam&) = delete;

  std::size_t size() const { return devices_.size(); }
  // This thread's device.
  QImage& own_device() { return devices_[0]; }

  // Runs `job` on every thread of the team, this one as thread 0, and
  // returns when all have run it.
  void run(const Job& job) {
    {
      const std::lock_guard lock(mutex_);
      job_ = &job;
      busy_ = helpers_.size();
      ++round_;
    }
    changed_.notify_all();
    job(0, devices_[0]);
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return busy_ == 0; });
  }

 private:
  void serve(std::size_t t) {
    std::uint64_t done = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [&] { return ending_ || round_ != done; });
      if (ending_) return;
      done = round_;
      const Job& job = *job_;
      lock.unlock();
      job(t, devices_[t]);
      lock.lock();
      if (--busy_ == 0) changed_.notify_all();
    }
  }

  std::vector<QImage> devices_;  // a document keeps the device it was laid out on
  std::mutex mutex_;
  std::condition_variable changed_;
  const Job* job_ = nullptr;
  std::uint64_t round_ = 0;
  std::size_t busy_ = 0;
  bool ending_ = false;
  std::vector<std::unique_ptr<QThread>> helpers_;
};

// What the pages of a part count: how many, and for the members' table the
// page of the part the 总结论 after it starts on.
struct PartPages {
  int count = 0;
  int conclusion = -1;
};

// The book on pages, a few parts laid out at a time. The parts are laid
// out twice: first to count their pages, for the 目录, the members' table and
// "共 m 页", then again, a batch at a time, to be painted; so a book's memory
// does not grow with its beams.
class PagedBook {
 public:
  PagedBook(const ReportBook& book, const QSizeF& body)
      : book_(book),
        body_(body),
        plans_(part_plans(book)),
        counted_(plans_.size()),
        team_(std::clamp<std::size_t>(QThread::idealThreadCount(), 1,
                                      std::clamp<std::size_t>(plans_.size(), 1, 4))),
        kept_(plans_.size()) {
    count_parts();
    count_referring_parts();
  }

  int pages() const {
    int pages = 0;
    for (const PartPages& part : counted_) pages += part.count;
    return pages;
  }
  std::size_t parts() const { return plans_.size(); }

  // Lays the parts out a batch at a time and gives each to `paint` in order;
  // stops when `paint` gives false. Gives whether every part was painted.
  bool paint_parts(const std::function<bool(const LaidOutPart&)>& paint) {
    const std::size_t batch = 2 * team_.size();
    for (std::size_t start = 0; start < plans_.size(); start += batch) {
      const std::size_t end = std::min(plans_.size(), start + batch);
      std::vector<LaidOutPart> made(end - start);
      std::vector<std::vector<std::size_t>> made_by(team_.size());
      std::atomic<std::size_t> next = start;
      team_.run([&](std::size_t t, QImage& device) {
        for (std::size_t i; (i = next++) < end;) {
          if (kept_[i]) continue;
          LaidOutPart& part = made[i - start];  // paginated in place: pages point into it
          part.part = make_part(book_, plans_[i], pages_);
          part.pages = paginate(part.part, body_, device, Use::Paint);
          made_by[t].push_back(i - start);
        }
      });
      bool go_on = true;
      for (std::size_t i = start; i < end && go_on; ++i) {
        go_on = paint(kept_[i] ? *kept_[i] : made[i - start]);
        kept_[i].reset();
      }
      team_.run([&](std::size_t t, QImage&) {
        for (std::size_t k : made_by[t]) made[k] = {};
      });
      if (!go_on) return false;
    }
    return true;
  }

 private:
  static PartPages measured(const Part& part, const std::vector<PageContents>& pages) {
    PartPages counted{static_cast<int>(pages.size())};
    if (part.heading && part.pieces.size() > part.rows_end) {
      counted.conclusion = part.piece_pages.back();
    }
    return counted;
  }

  // Every part, by the whole team; the 目录 and the members' table with
  // their page cells empty.
  void count_parts() {
    std::atomic<std::size_t> next = 0;
    team_.run([&](std::size_t, QImage& device) {
      for (std::size_t i; (i = next++) < plans_.size();) {
        Part part = make_part(book_, plans_[i], pages_);
        counted_[i] = measured(part, paginate(part, body_, device, Use::Count));
      }
    });
  }

  // Where the parts start, as counted now.
  BookPages starts() const {
    BookPages pages;
    int page = 1;
    for (std::size_t i = 0; i < plans_.size(); ++i) {
      switch (plans_[i].kind) {
        case PartKind::Members:
          pages.members = page;
          if (counted_[i].conclusion >= 0) pages.conclusion = page + counted_[i].conclusion;
          break;
        case PartKind::Front:
          pages.front = page;
          break;
        case PartKind::Chapter:
          pages.chapters.push_back(page);
          break;
        case PartKind::Title:
        case PartKind::Contents:
          break;
      }
      page += counted_[i].count;
    }
    return pages;
  }

  // The 目录 and the members' table name the pages where the others start:
  // laid out again with those until they stay put (the numbers take no more
  // room than the empty cells, so one round settles it). Laid out with the
  // pages that stay, they are kept to be painted.
  void count_referring_parts() {
    if (!std::ranges::any_of(plans_, refers_to_pages)) return;
    for (int round = 0; round < 3; ++round) {
      pages_ = starts();
      for (std::size_t i = 0; i < plans_.size(); ++i) {
        if (!refers_to_pages(plans_[i])) continue;
        kept_[i] = std::make_unique<LaidOutPart>();
        LaidOutPart& part = *kept_[i];
        part.part = make_part(book_, plans_[i], pages_);
        part.pages = paginate(part.part, body_, team_.own_device(), Use::Paint);
        counted_[i] = measured(part.part, part.pages);
      }
      if (starts() == pages_) return;
    }
    pages_ = starts();  // not settled: laid out afresh with the last count
    for (std::unique_ptr<LaidOutPart>& part : kept_) part.reset();
  }

  const ReportBook& book_;
  const QSizeF body_;
  const std::vector<PartPlan> plans_;
  std::vector<PartPages> counted_;
  LayoutTeam team_;
  // Parts laid out by this thread before painting; gone before the team.
  std::vector<std::unique_ptr<LaidOutPart>> kept_;
  BookPages pages_;
};

// The rules of a piece's tables that lie on `slice`.
void paint_rules(QPainter& painter, const std::vector<QLineF>& rules, const QRectF& slice) {
  QPen pen(Qt::black, kTableRule, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  painter.setPen(pen);
  for (const QLineF& rule : rules) {
    if (std::max(rule.y1(), rule.y2()) > slice.top() &&
        std::min(rule.y1(), rule.y2()) < slice.bottom()) {
      painter.drawLine(rule);
    }
  }
}

// The running header: the part's text on the left, 计算未完成 on the right,
// a thin rule under both.
void paint_header(QPainter& painter, const Part& part, const QRectF& band) {
  if (part.header.isEmpty()) return;
  const QFont font = report_font(kBandFontPoints);
  painter.setFont(font);
  const QFontMetricsF metrics(font, painter.device());
  QString flag;
  double flag_width = 0;
  if (part.incomplete) {
    flag = QString::fromUtf8(kIncomplete);
    QFont bold = report_font(kBandFontPoints);  // one weight, as the pages' text
    flag_width = QFontMetricsF(bold, painter.device()).horizontalAdvance(flag) + metrics.height();
    painter.setFont(bold);
    painter.setPen(QColor(kAlertColour));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, flag);
    painter.setFont(font);
    painter.setPen(Qt::black);
  }
  const QString text = metrics.elidedText(part.header, Qt::ElideRight, band.width() - flag_width);
  painter.drawText(band.adjusted(0, 0, -flag_width, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
  QPen rule(Qt::black);
  rule.setWidthF(0.5 / 72 * painter.device()->logicalDpiY());
  painter.setPen(rule);
  painter.drawLine(band.bottomLeft(), band.bottomRight());
  painter.setPen(Qt::black);
}

}  // namespace

QPageLayout report_page_layout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(25, 15, 15, 15),
                     QPageLayout::Millimeter);
}

int paint_report(const ReportBook& given, QPagedPaintDevice& device,
                 const PaintProgress& progress) {
  std::optional<ReportBook> made;
  const ReportBook& book = shown_book(given, made);
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  // The painter starts at the top-left corner inside the margins.
  const double scale_x = device.logicalDpiX() / kLayoutDpi;
  const double scale_y = device.logicalDpiY() / kLayoutDpi;
  const double header = kHeaderPoints / 72 * device.logicalDpiY();
  const double footer = kFooterPoints / 72 * device.logicalDpiY();
  const QSizeF body(device.width() / scale_x, (device.height() - header - footer) / scale_y);

  PagedBook paged(book, body);
  const int pages = paged.pages();
  const QRectF header_band(0, 0, device.width(), header * 0.75);
  const QRectF footer_band(0, device.height() - footer, device.width(), footer);
  const QFont footer_font = report_font(kBandFontPoints);
  int page_number = 0;
  std::size_t parts_painted = 0;
  const bool whole = paged.paint_parts([&](const LaidOutPart& part) {
    for (const PageContents& contents : part.pages) {
      if (page_number++ > 0) device.newPage();
      paint_header(painter, part.part, header_band);
      for (const Placement& placed : contents) {
        painter.save();
        painter.translate(0, header);
        painter.scale(scale_x, scale_y);
        painter.translate(0, placed.top - placed.slice.top());
        // Rules on the slice's edges are drawn whole.
        const double half_rule = kTableRule / 2;
        painter.setClipRect(placed.slice.adjusted(-half_rule, -half_rule, half_rule, half_rule));
        QAbstractTextDocumentLayout::PaintContext context;
        // Blocks that only touch a slice's edges belong to the slices beside
        // it: drawn here, though clipped, their text would still be in the PDF.
        context.clip = placed.slice.adjusted(0, 1, 0, -1);
        placed.piece->documentLayout()->draw(&painter, context);
        paint_rules(painter, *placed.rules, placed.slice);
        painter.restore();
      }
      if (!part.part.numbered) continue;
      painter.setFont(footer_font);
      painter.drawText(footer_band, Qt::AlignHCenter | Qt::AlignBottom,
                       QStringLiteral("第 %1 页 共 %2 页").arg(page_number).arg(pages));
    }
    return !progress || progress(++parts_painted, paged.parts());
  });
  painter.end();
  return whole ? page_number : 0;
}

int paint_report(const ReportModel& report, QPagedPaintDevice& device) {
  return paint_report(one_beam_book(report), device);
}

}  // namespace platewise
