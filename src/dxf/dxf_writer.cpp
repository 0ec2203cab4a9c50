#include "dxf/dxf_writer.h"

#include <charconv>

#include "dxf/dxf_sections.h"
#include "dxf/dxf_text.h"
#include "model/replace_file.h"

namespace footmark {

namespace {

// The text of every entity starts with its name; the group-0 line before it
// ends the entity before (or the section head). Each kind ends its own
// group-0 line in its own alignment ("0", " 0", "  0").
class ExactWriter {
 public:
  explicit ExactWriter(std::string& out) : out_(out) {}

  ExactWriter& operator<<(std::string_view fixed) {
    out_ += fixed;
    return *this;
  }
  ExactWriter& operator<<(float value) {
    AppendNumber(out_, value);
    return *this;
  }

  void Line(const DrawingEntity& e) {
    *this << "LINE|8|"_dxf << e.layer << "| 10|"_dxf << e.a.x << "| 20|"_dxf << e.a.y << "| 30|"_dxf << e.a.z;
    *this << "| 11|"_dxf << e.b.x << "| 21|"_dxf << e.b.y << "| 31|"_dxf << e.b.z << "|0|"_dxf;
  }

  void Circle(const DrawingEntity& e) {
    *this << "CIRCLE|8|"_dxf << e.layer << "| 10|"_dxf << e.a.x << "| 20|"_dxf << e.a.y << "| 30|"_dxf << e.a.z;
    *this << "| 40|"_dxf << e.size << "| 39|  0|0|"_dxf;
  }

  // Centred (72 = 1): readers place the text by its alignment point, the
  // same point again.
  void Text(const DrawingEntity& e) {
    *this << "TEXT|8|"_dxf << e.layer << "| 10|"_dxf << e.a.x << "| 20|"_dxf << e.a.y << "| 30|"_dxf << e.a.z;
    *this << "| 40|"_dxf << e.size << "|1|"_dxf << e.text;
    *this << "| 50|  0| 71| 1| 72|  1| 11|"_dxf << e.a.x << "| 21|"_dxf << e.a.y << "| 31|0.0 | 0|"_dxf;
  }

  // The handles repeat from rectangle to rectangle: R12 readers ignore
  // handles unless the header switches them on, and this header does not.
  void Rectangle(const DrawingEntity& e) {
    const DrawingPoint& p = e.a;
    const DrawingPoint& q = e.b;
    *this << "POLYLINE|  5|48|  8|"_dxf << e.layer << "|66|1| 10|0| 20|0| 30|0| 70|1|0|"_dxf;
    *this << "VERTEX|5|50|8|0| 10|"_dxf << p.x << "| 20|"_dxf << p.y << "| 30|"_dxf << p.z << "|  0|"_dxf;
    *this << "VERTEX|5|51|8|0| 10|"_dxf << q.x << "| 20|"_dxf << p.y << "| 30|"_dxf << q.z << "|  0|"_dxf;
    *this << "VERTEX|5|52|8|0| 10|"_dxf << q.x << "| 20|"_dxf << q.y << "| 30|"_dxf << q.z << "|  0|"_dxf;
    *this << "VERTEX|5|53|8|0| 10|"_dxf << p.x << "| 20|"_dxf << q.y << "| 30|"_dxf << p.z << "|  0|"_dxf;
    *this << "SEQEND|0|"_dxf;
  }

  void Dimension(const DrawingEntity& e, int block) {
    *this << "DIMENSION|  8|"_dxf << e.layer << "|  6|CONTINUOUS|  2|*D"_dxf << Int(block);
    *this << "| 10|"_dxf << e.line.x << "| 20|"_dxf << e.line.y << "| 30|0.0"_dxf;
    *this << "| 11|"_dxf << e.textAt.x << "| 21|"_dxf << e.textAt.y << "| 31|0.0"_dxf;
    // Without group 1 the reader writes the measured distance.
    *this << "| 70|     0"_dxf;
    if (e.text != "None") *this << "|  1|"_dxf << e.text;
    *this << "| 13|"_dxf << e.a.x << "| 23|"_dxf << e.a.y << "| 33|0.0"_dxf;
    *this << "| 14|"_dxf << e.b.x << "| 24|"_dxf << e.b.y << "| 34|0.0"_dxf;
    if (e.angle != 0) *this << "| 50|"_dxf << e.angle;
    // Dimension-style overrides as extended data of the application "ACAD":
    // DIMFIT (287) 3, DIMSCALE (40) 8, DIMDEC (271) and DIMTDEC (272) 3,
    // DIMTMOVE (279) 0.
    *this << "|1001|ACAD|1000|DSTYLE|1002|{|1070|   287|1070|     3|1070|    40|1040|8.0|1070|   271|1070|     3"
             "|1070|   272|1070|     3|1070|   279|1070|     0|1002|}|  0|"_dxf;
  }

  // The anonymous block of a dimension, left empty: the reader regenerates
  // its geometry from the DIMENSION.
  void DimBlock(int block) {
    *this << "BLOCK|  8|0|  2|*D"_dxf << Int(block) << "|70|     1| 10|0.0| 20|0.0| 30|0.0|  3|*D"_dxf;
    *this << Int(block) << "|  1||0|ENDBLK|  8|0|0|"_dxf;
  }

 private:
  std::string_view Int(int n) {
    const std::size_t size = std::to_chars(digits_, digits_ + sizeof digits_, n).ptr - digits_;
    return {digits_, size};
  }

  std::string& out_;
  char digits_[12];
};

void WriteExactDxf(const Drawing& drawing, const PieceSink& write) {
  PieceBuffer pieces(write, DxfHeaderText().size() + 1024);
  ExactWriter out(pieces.text());
  out << DxfHeaderText() << "SECTION|  2|BLOCKS|  0|"_dxf;
  int blocks = 0;
  for (const DrawingEntity& e : drawing.entities) {
    if (e.kind == EntityKind::kDimension) out.DimBlock(blocks++);
    pieces.HandOnWhenFull();
  }
  out << "ENDSEC|  0|SECTION|  2|ENTITIES|  0|"_dxf;
  int dimension = 0;
  for (const DrawingEntity& e : drawing.entities) {
    switch (e.kind) {
      case EntityKind::kLine: out.Line(e); break;
      case EntityKind::kCircle: out.Circle(e); break;
      case EntityKind::kText: out.Text(e); break;
      case EntityKind::kRectangle: out.Rectangle(e); break;
      case EntityKind::kDimension: out.Dimension(e, dimension++); break;
      // The method's drawing has none of a sheet's own primitives.
      case EntityKind::kPolyline:
      case EntityKind::kSolid:
      case EntityKind::kHatch: break;
    }
    pieces.HandOnWhenFull();
  }
  out << "ENDSEC|  0|EOF|"_dxf;
  pieces.Finish();
}

}  // namespace

std::string ExactDxfText(const Drawing& drawing) {
  return TextOf([&](const PieceSink& write) { WriteExactDxf(drawing, write); });
}

void DxfWriteFile(const Drawing& drawing, const std::string& fileName) {
  ReplaceFileWith(fileName, [&](const PieceSink& write) { WriteExactDxf(drawing, write); });
}

}  // namespace footmark
