#include "sketch_object.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <vector>

#include "sketch_painting.h"

namespace platewise {
namespace {

constexpr int kSketchObject = QTextFormat::UserObject + 1;
constexpr int kSketchIndex = QTextFormat::UserProperty + 1;
constexpr double kPixelsPerMm = 96 / 25.4;  // the documents are laid out at 96 dpi

// One per document: it keeps the document's sketches, which its objects name by index.
class SketchObjects : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  explicit SketchObjects(QTextDocument& document) : QObject(&document) {}

  int add(const SectionSketch& sketch) {
    sketches_.push_back(sketch);
    return static_cast<int>(sketches_.size()) - 1;
  }

  QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
    const SectionSketch* sketch = of(format);
    if (sketch == nullptr) return {};
    const QSizeF paper = sketch_paper_size(*sketch) * kPixelsPerMm;
    const double room = document->textWidth();
    return room > 0 && paper.width() > room ? paper * (room / paper.width()) : paper;
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    if (const SectionSketch* sketch = of(format)) paint_sketch(*painter, *sketch, rect);
  }

 private:
  const SectionSketch* of(const QTextFormat& format) const {
    const int index = format.intProperty(kSketchIndex);
    return index >= 0 && index < static_cast<int>(sketches_.size())
               ? &sketches_[static_cast<std::size_t>(index)]
               : nullptr;
  }

  std::vector<SectionSketch> sketches_;
};

SketchObjects& sketch_objects(QTextDocument& document) {
  auto* objects = document.findChild<SketchObjects*>(QString(), Qt::FindDirectChildrenOnly);
  if (objects == nullptr) {
    objects = new SketchObjects(document);
    document.documentLayout()->registerHandler(kSketchObject, objects);
  }
  return *objects;
}

}  // namespace

void insert_sketch(QTextCursor& cursor, const SectionSketch& sketch) {
  QTextCharFormat object;
  object.setObjectType(kSketchObject);
  object.setProperty(kSketchIndex, sketch_objects(*cursor.document()).add(sketch));
  cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
}

}  // namespace platewise

#include "sketch_object.moc"
