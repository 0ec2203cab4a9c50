#include "dxf/portable_dxf.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "drawing/drawing_geometry.h"
#include "dxf/dxf_text.h"

namespace footmark {

namespace {

// A dimension variable: its name in the header, its group code in the
// dimension style, and its value. One list serves both, so they agree.
struct DimVariable {
  const char* name;
  int code;
  std::variant<double, int> value;
};

// Sizes for metres (drawing units); the rest are R12's defaults. DIMTAD puts
// the text above the line, DIMTIH/DIMTOH keep it aligned with the line,
// DIMTOFL draws the line between the extension lines even when the text is
// outside.
constexpr std::array<DimVariable, 36> kDimVariables{{
    {"$DIMSCALE", 40, 1.0},   {"$DIMASZ", 41, dim::kArrow},  {"$DIMEXO", 42, dim::kOffset},
    {"$DIMDLI", 43, dim::kSpacing}, {"$DIMEXE", 44, dim::kBeyond}, {"$DIMRND", 45, 0.0},
    {"$DIMDLE", 46, 0.0},     {"$DIMTP", 47, 0.0},           {"$DIMTM", 48, 0.0},
    {"$DIMTXT", 140, dim::kTextHeight}, {"$DIMCEN", 141, dim::kCentre}, {"$DIMTSZ", 142, 0.0},
    {"$DIMALTF", 143, 25.4},  {"$DIMLFAC", 144, 1.0},        {"$DIMTVP", 145, 0.0},
    {"$DIMTFAC", 146, 1.0},   {"$DIMGAP", 147, dim::kGap},   {"$DIMTOL", 71, 0},
    {"$DIMLIM", 72, 0},       {"$DIMTIH", 73, 0},            {"$DIMTOH", 74, 0},
    {"$DIMSE1", 75, 0},       {"$DIMSE2", 76, 0},            {"$DIMTAD", 77, 1},
    {"$DIMZIN", 78, 0},       {"$DIMALT", 170, 0},           {"$DIMALTD", 171, 2},
    {"$DIMTOFL", 172, 1},     {"$DIMSAH", 173, 0},           {"$DIMTIX", 174, 0},
    {"$DIMSOXD", 175, 0},     {"$DIMCLRD", 176, 0},          {"$DIMCLRE", 177, 0},
    {"$DIMCLRT", 178, 0},     {"$DIMASO", 0, 1},             {"$DIMSHO", 0, 1},
}};

constexpr double kTextSize = 0.2;  // $TEXTSIZE, the STANDARD style's last height
constexpr unsigned kFirstHandle = 0x20;

// Handles are upper-case hexadecimal.
void AppendHex(std::string& out, unsigned n) {
  char buf[12];
  char* const end = std::to_chars(buf, buf + sizeof buf, n, 16).ptr;
  for (char* c = buf; c != end; ++c)
    if (*c >= 'a') *c = static_cast<char>(*c - 'a' + 'A');
  out.append(buf, end);
}

class TagWriter {
 public:
  explicit TagWriter(std::string& out) : out_(out) {}

  // Group codes right-aligned in three places, as R12 files have them.
  void Code(int code) {
    char line[6] = {' ', ' ', ' ', ' ', '\r', '\n'};
    char* digit = line + 4;
    do {
      *--digit = static_cast<char>('0' + code % 10);
      code /= 10;
    } while (code > 0);
    const char* first = std::min(digit, line + 1);
    out_.append(first, static_cast<std::size_t>(line + 6 - first));
  }
  void Text(int code, std::string_view value) {
    Code(code);
    out_ += value;
    out_ += "\r\n";
  }
  // To the micrometre: every single-precision coordinate of a drawing of
  // a few hundred metres keeps its value.
  void Number(int code, double value) {
    Code(code);
    AppendFixed(out_, value, 6);
    out_ += "\r\n";
  }
  void Int(int code, int value) {
    Code(code);
    char buf[12];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    out_.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, 6 - (end - buf))), ' ');
    out_.append(buf, end);
    out_ += "\r\n";
  }
  void Point(int code, Vec2 p, double z = 0) {
    Number(code, p.x);
    Number(code + 10, p.y);
    Number(code + 20, z);
  }
  // An entity's head: its name, a new handle and its layer.
  void Entity(std::string_view name, std::string_view layer) {
    Text(0, name);
    Code(5);
    AppendHex(out_, next_++);
    out_ += "\r\n";
    Text(8, layer);
  }

 private:
  std::string& out_;
  unsigned next_ = kFirstHandle;
};

Vec2 At(const DrawingPoint& p) { return {p.x, p.y}; }

// Block contents: layer 0 and colour BYBLOCK, so they take the DIMENSION's.
void BlockLine(TagWriter& w, const Segment& s) {
  w.Entity("LINE", "0");
  w.Int(62, 0);
  w.Point(10, s.from);
  w.Point(11, s.to);
}

void DimBlock(TagWriter& w, const DimensionLayout& d, int n) {
  const std::string name = "*D" + std::to_string(n);
  w.Entity("BLOCK", "0");
  w.Text(2, name);
  w.Int(70, 1);  // anonymous
  w.Point(10, {0, 0});
  w.Text(3, name);
  BlockLine(w, d.line);
  for (const Segment& s : d.extension) BlockLine(w, s);
  for (const auto& arrow : d.arrows) {
    // A triangle is a SOLID whose fourth corner repeats the third.
    w.Entity("SOLID", "0");
    w.Int(62, 0);
    w.Point(10, arrow[0]);
    w.Point(11, arrow[1]);
    w.Point(12, arrow[2]);
    w.Point(13, arrow[2]);
  }
  w.Entity("TEXT", "0");
  w.Int(62, 0);
  w.Point(10, d.text.base);
  w.Number(40, d.text.height);
  w.Text(1, d.text.text);
  if (d.text.rotation != 0) w.Number(50, d.text.rotation);
  w.Int(72, 1);
  w.Point(11, d.text.base);
  for (const Vec2 p : d.definition) {
    w.Entity("POINT", "DEFPOINTS");
    w.Point(10, p);
  }
  w.Entity("ENDBLK", "0");
}

void Dimension(TagWriter& w, const DrawingEntity& e, const DimensionLayout& d, int n) {
  w.Entity("DIMENSION", e.layer);
  w.Text(2, "*D" + std::to_string(n));
  w.Text(3, "STANDARD");
  w.Point(10, d.definition[2]);
  w.Point(11, d.textMiddle);
  w.Int(70, 0);
  w.Text(1, d.text.text);
  w.Point(13, At(e.a));
  w.Point(14, At(e.b));
  if (e.angle != 0) w.Number(50, e.angle);
}

void Entity(TagWriter& w, const DrawingEntity& e, const DrawingLayout& layout, int& dimension) {
  switch (e.kind) {
    case EntityKind::kLine:
      w.Entity("LINE", e.layer);
      w.Point(10, At(e.a), e.a.z);
      w.Point(11, At(e.b), e.b.z);
      break;
    // Grid bubbles and labels stay solid on the dash-dotted grid layer:
    // LibreCAD draws even the strokes of a text in its layer's line type.
    case EntityKind::kCircle:
      w.Entity("CIRCLE", e.layer);
      w.Text(6, "CONTINUOUS");
      w.Point(10, At(e.a), e.a.z);
      w.Number(40, e.size);
      break;
    case EntityKind::kText:
      w.Entity("TEXT", e.layer);
      w.Text(6, "CONTINUOUS");
      w.Point(10, At(e.a), e.a.z);
      w.Number(40, e.size);
      w.Text(1, ShownText(e.text));
      if (e.angle != 0) w.Number(50, e.angle);
      // Centred or right-aligned on the alignment point; a left-aligned
      // text starts at its insertion point.
      if (e.align != TextAlign::kLeft) {
        w.Int(72, e.align == TextAlign::kRight ? 2 : 1);
        w.Point(11, At(e.a), e.a.z);
      }
      break;
    case EntityKind::kPolyline:
      w.Entity("POLYLINE", e.layer);
      w.Int(66, 1);
      w.Point(10, {0, 0});
      w.Int(70, e.closed ? 1 : 0);
      for (const Vertex& v : e.points) {
        w.Entity("VERTEX", e.layer);
        w.Point(10, {v.x, v.y});
        if (v.bulge != 0) w.Number(42, v.bulge);
      }
      w.Entity("SEQEND", e.layer);
      break;
    case EntityKind::kSolid: {
      // A SOLID fills its corners in the order 1, 2, 4, 3; a triangle
      // repeats its third corner.
      const std::vector<Vertex>& p = e.points;
      const std::size_t n = p.size();
      if (n < 3) break;
      const Vertex corners[4] = {p[0], p[1], n > 3 ? p[3] : p[2], p[2]};
      w.Entity("SOLID", e.layer);
      for (int i = 0; i < 4; ++i) w.Point(10 + i, {corners[i].x, corners[i].y});
      break;
    }
    case EntityKind::kHatch:
      // R12 has no hatch: its lines, each its own LINE.
      for (const Segment& s : HatchLines(e)) {
        w.Entity("LINE", e.layer);
        w.Point(10, s.from);
        w.Point(11, s.to);
      }
      break;
    case EntityKind::kRectangle: {
      w.Entity("POLYLINE", e.layer);
      w.Int(66, 1);
      w.Point(10, {0, 0});
      w.Int(70, 1);  // closed
      const DrawingPoint& p = e.a;
      const DrawingPoint& q = e.b;
      const DrawingPoint corners[4] = {{p.x, p.y, p.z}, {q.x, p.y, q.z}, {q.x, q.y, q.z}, {p.x, q.y, p.z}};
      for (const DrawingPoint& c : corners) {
        w.Entity("VERTEX", e.layer);
        w.Point(10, At(c), c.z);
      }
      w.Entity("SEQEND", e.layer);
      break;
    }
    case EntityKind::kDimension:
      Dimension(w, e, layout.dimensions[static_cast<std::size_t>(dimension)], dimension);
      ++dimension;
      break;
  }
}

unsigned Handles(const DrawingEntity& e) {
  switch (e.kind) {
    case EntityKind::kRectangle: return 6;
    case EntityKind::kPolyline: return 2 + static_cast<unsigned>(e.points.size());
    case EntityKind::kSolid: return e.points.size() < 3 ? 0 : 1;
    case EntityKind::kHatch: return static_cast<unsigned>(HatchLines(e).size());
    default: return 1;
  }
}

void Header(TagWriter& w, const Extents& box, unsigned handseed, const std::vector<DrawingSheet>& sheets) {
  w.Text(0, "SECTION");
  w.Text(2, "HEADER");
  w.Text(9, "$ACADVER");
  w.Text(1, "AC1009");
  w.Text(9, "$DWGCODEPAGE");
  w.Text(3, "ANSI_1252");
  w.Text(9, "$INSBASE");
  w.Point(10, {0, 0});
  for (const auto& [name, p] : {std::pair{"$EXTMIN", box.min}, std::pair{"$EXTMAX", box.max}}) {
    w.Text(9, name);
    w.Point(10, p);
  }
  for (const auto& [name, p] : {std::pair{"$LIMMIN", box.min}, std::pair{"$LIMMAX", box.max}}) {
    w.Text(9, name);
    w.Number(10, p.x);
    w.Number(20, p.y);
  }
  if (!sheets.empty()) {
    // The paper of a sheet, mm: a plot to PDF takes its page size from it.
    w.Text(9, "$PLIMMIN");
    w.Number(10, 0.0);
    w.Number(20, 0.0);
    w.Text(9, "$PLIMMAX");
    w.Number(10, sheets.front().width);
    w.Number(20, sheets.front().height);
  }
  // Dashes are sized for 1:100; a sheet at another scale scales them.
  w.Text(9, "$LTSCALE");
  w.Number(40, sheets.empty() ? 1.0 : sheets.front().scale / 100.0);
  w.Text(9, "$TEXTSIZE");
  w.Number(40, kTextSize);
  w.Text(9, "$TEXTSTYLE");
  w.Text(7, "STANDARD");
  w.Text(9, "$LUNITS");
  w.Int(70, 2);  // decimal
  w.Text(9, "$LUPREC");
  w.Int(70, 3);  // to the millimetre
  for (const DimVariable& v : kDimVariables) {
    w.Text(9, v.name);
    if (const double* d = std::get_if<double>(&v.value))
      w.Number(40, *d);
    else
      w.Int(70, std::get<int>(v.value));
  }
  w.Text(9, "$DIMSTYLE");
  w.Text(2, "STANDARD");
  w.Text(9, "$HANDLING");
  w.Int(70, 1);
  w.Text(9, "$HANDSEED");
  std::string seed;
  AppendHex(seed, handseed);
  w.Text(5, seed);
  w.Text(0, "ENDSEC");
}

void Table(TagWriter& w, std::string_view name, int count) {
  w.Text(0, "TABLE");
  w.Text(2, name);
  w.Int(70, count);
}

void Tables(TagWriter& w, const Extents& box, const std::vector<DrawingLayer>& layers) {
  w.Text(0, "SECTION");
  w.Text(2, "TABLES");

  // The active viewport shows the extents with a tenth to spare.
  const double width = box.max.x - box.min.x, height = box.max.y - box.min.y;
  Table(w, "VPORT", 1);
  w.Text(0, "VPORT");
  w.Text(2, "*ACTIVE");
  w.Int(70, 0);
  w.Number(10, 0.0), w.Number(20, 0.0), w.Number(11, 1.0), w.Number(21, 1.0);
  w.Number(12, (box.min.x + box.max.x) / 2), w.Number(22, (box.min.y + box.max.y) / 2);
  w.Number(13, 0.0), w.Number(23, 0.0), w.Number(14, 1.0), w.Number(24, 1.0);
  w.Number(15, 0.0), w.Number(25, 0.0), w.Number(16, 0.0), w.Number(26, 0.0), w.Number(36, 1.0);
  w.Number(17, 0.0), w.Number(27, 0.0), w.Number(37, 0.0);
  w.Number(40, 1.1 * height);
  w.Number(41, height > 0 ? width / height : 1.0);
  w.Number(42, 50.0), w.Number(43, 0.0), w.Number(44, 0.0), w.Number(50, 0.0), w.Number(51, 0.0);
  w.Int(71, 0), w.Int(72, 100), w.Int(73, 1), w.Int(74, 3), w.Int(75, 0), w.Int(76, 0), w.Int(77, 0),
      w.Int(78, 0);
  w.Text(0, "ENDTAB");

  // Dash lengths in metres; each type lists as many items as it declares,
  // adding up to its total.
  struct LineType {
    const char* name;
    const char* look;  // how the line looks, as CAD programs list it
    std::array<double, 4> dashes;
    int count;
  };
  constexpr LineType kLineTypes[] = {{"CONTINUOUS", "Solid line", {}, 0},
                                     {"CENTER", "Center ____ _ ____ _ ____ _", {1.25, -0.25, 0.25, -0.25}, 4},
                                     {"DASHED", "Dashed __ __ __ __ __", {0.5, -0.25}, 2}};
  Table(w, "LTYPE", 3);
  for (const LineType& t : kLineTypes) {
    w.Text(0, "LTYPE");
    w.Text(2, t.name);
    w.Int(70, 0);
    w.Text(3, t.look);
    w.Int(72, 65);
    w.Int(73, t.count);
    double total = 0;
    for (int i = 0; i < t.count; ++i) total += std::abs(t.dashes[i]);
    w.Number(40, total);
    for (int i = 0; i < t.count; ++i) w.Number(49, t.dashes[i]);
  }
  w.Text(0, "ENDTAB");

  // The method's drawing has its fixed layers, a composed sheet its own.
  std::vector<DrawingLayer> table = {{.name = "0"}};
  if (layers.empty())
    table.insert(table.end(), {{.name = "Layout"}, {.name = "Grid", .lineType = "CENTER"}, {.name = "TblText"}});
  else
    table.insert(table.end(), layers.begin(), layers.end());
  table.push_back({.name = "DEFPOINTS"});
  Table(w, "LAYER", static_cast<int>(table.size()));
  for (const DrawingLayer& layer : table) {
    w.Text(0, "LAYER");
    w.Text(2, layer.name);
    w.Int(70, 0);
    w.Int(62, layer.colour);
    w.Text(6, layer.lineType);
  }
  w.Text(0, "ENDTAB");

  Table(w, "STYLE", 1);
  w.Text(0, "STYLE");
  w.Text(2, "STANDARD");
  w.Int(70, 0);
  w.Number(40, 0.0);  // height set by each text
  w.Number(41, 1.0);
  w.Number(50, 0.0);
  w.Int(71, 0);
  w.Number(42, kTextSize);
  w.Text(3, "txt");
  w.Text(4, "");
  w.Text(0, "ENDTAB");

  Table(w, "VIEW", 0);
  w.Text(0, "ENDTAB");
  Table(w, "UCS", 0);
  w.Text(0, "ENDTAB");

  Table(w, "APPID", 1);
  w.Text(0, "APPID");
  w.Text(2, "ACAD");
  w.Int(70, 0);
  w.Text(0, "ENDTAB");

  Table(w, "DIMSTYLE", 1);
  w.Text(0, "DIMSTYLE");
  w.Text(2, "STANDARD");
  w.Int(70, 0);
  for (const DimVariable& v : kDimVariables) {
    if (v.code == 0) continue;  // header only
    if (const double* d = std::get_if<double>(&v.value))
      w.Number(v.code, *d);
    else
      w.Int(v.code, std::get<int>(v.value));
  }
  w.Text(0, "ENDTAB");
  w.Text(0, "ENDSEC");
}

}  // namespace

void WritePortableDxf(const Drawing& drawing, const PieceSink& write) {
  const DrawingLayout layout = LayOutDrawing(drawing);
  // The header names the next free handle, so the handles are counted first:
  // one per entity, six per rectangle (POLYLINE, four VERTEX, SEQEND), two
  // more than its corners per polyline, one per line of a hatch, and per
  // dimension block the BLOCK, its nine entities and the ENDBLK.
  unsigned handles = kFirstHandle + 11 * static_cast<unsigned>(layout.dimensions.size());
  for (const DrawingEntity& e : drawing.entities) handles += Handles(e);

  PieceBuffer pieces(write, 16000);
  TagWriter w(pieces.text());
  Header(w, layout.extents, handles, drawing.sheets);
  Tables(w, layout.extents, drawing.layers);
  w.Text(0, "SECTION");
  w.Text(2, "BLOCKS");
  int n = 0;
  for (const DimensionLayout& d : layout.dimensions) {
    DimBlock(w, d, n++);
    pieces.HandOnWhenFull();
  }
  w.Text(0, "ENDSEC");
  w.Text(0, "SECTION");
  w.Text(2, "ENTITIES");
  int dimension = 0;
  for (const DrawingEntity& e : drawing.entities) {
    Entity(w, e, layout, dimension);
    pieces.HandOnWhenFull();
  }
  w.Text(0, "ENDSEC");
  w.Text(0, "EOF");
  pieces.Finish();
}

std::string PortableDxfText(const Drawing& drawing) {
  return TextOf([&](const PieceSink& write) { WritePortableDxf(drawing, write); });
}

}  // namespace footmark
