#include "svg/svg_writer.h"

#include <cmath>
#include <string_view>

#include "drawing/drawing_geometry.h"
#include "dxf/dxf_text.h"
#include "model/replace_file.h"

namespace footmark {

namespace {

constexpr double kMargin = 2.0;             // m around the extents
constexpr double kMillimetresPerUnit = 10;  // 1:100
// CAD text heights are capital heights; a sans-serif capital is about 0.7
// of the font size.
constexpr double kFontPerHeight = 1 / 0.7;

// Characters above 127 are the analysis file's code page 1252; XML wants
// UTF-8. Bytes 1252 leaves undefined keep their Latin-1 code points.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

class SvgOut {
 public:
  explicit SvgOut(std::string& out) : out_(out) {}

  SvgOut& operator<<(std::string_view text) {
    out_ += text;
    return *this;
  }
  SvgOut& operator<<(char c) {
    out_ += c;
    return *this;
  }
  // Coordinates to a tenth of a millimetre.
  SvgOut& operator<<(double x) {
    AppendFixed(out_, x, 4);
    return *this;
  }
  // Text content: markup characters escaped, every byte as its character.
  void Escaped(std::string_view text) {
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      switch (c) {
        case '&': out_ += "&amp;"; break;
        case '<': out_ += "&lt;"; break;
        case '>': out_ += "&gt;"; break;
        case '"': out_ += "&quot;"; break;
        default:
          if (byte < 0x20)
            AppendUtf8(out_, 0xFFFD);  // not allowed in XML
          else if (byte >= 0x80 && byte < 0xA0)
            AppendUtf8(out_, kCp1252High[byte - 0x80]);
          else
            AppendUtf8(out_, byte);
      }
    }
  }

 private:
  std::string& out_;
};

// Screen y runs downwards.
double Y(double y) { return -y; }

void Line(SvgOut& out, double x1, double y1, double x2, double y2) {
  out << "<line x1=\"" << x1 << "\" y1=\"" << Y(y1) << "\" x2=\"" << x2 << "\" y2=\"" << Y(y2) << "\"/>\n";
}

void Text(SvgOut& out, const PlacedText& t) {
  out << "<text x=\"" << t.base.x << "\" y=\"" << Y(t.base.y) << "\" font-size=\"" << t.height * kFontPerHeight
      << '"';
  // Counter-clockwise in the drawing is clockwise-negative on the screen.
  if (t.rotation != 0) out << " transform=\"rotate(" << -t.rotation << ' ' << t.base.x << ' ' << Y(t.base.y) << ")\"";
  out << '>';
  out.Escaped(t.text);
  out << "</text>\n";
}

void Dimension(SvgOut& out, const DimensionLayout& d) {
  out << "<g>\n";
  for (const Segment& s : {d.line, d.extension[0], d.extension[1]}) Line(out, s.from.x, s.from.y, s.to.x, s.to.y);
  for (const auto& arrow : d.arrows) {
    out << "<polygon points=\"";
    for (const Vec2 p : arrow) out << p.x << ',' << Y(p.y) << ' ';
    out << "\"/>\n";
  }
  Text(out, d.text);
  out << "</g>\n";
}

void Entity(SvgOut& out, const DrawingEntity& e, const DimensionLayout*& nextDimension) {
  switch (e.kind) {
    case EntityKind::kLine:
      Line(out, e.a.x, e.a.y, e.b.x, e.b.y);
      break;
    case EntityKind::kCircle:
      out << "<circle cx=\"" << e.a.x << "\" cy=\"" << Y(e.a.y) << "\" r=\"" << e.size << "\"/>\n";
      break;
    case EntityKind::kText:
      Text(out, {{e.a.x, e.a.y}, e.size, 0, ShownText(e.text)});
      break;
    case EntityKind::kRectangle: {
      const double x = std::fmin(e.a.x, e.b.x), top = std::fmax(e.a.y, e.b.y);
      out << "<rect x=\"" << x << "\" y=\"" << Y(top) << "\" width=\"" << std::fabs(double{e.b.x} - e.a.x)
          << "\" height=\"" << std::fabs(double{e.b.y} - e.a.y) << "\"/>\n";
      break;
    }
    case EntityKind::kDimension:
      Dimension(out, *nextDimension++);
      break;
  }
}

// Strokes in metres; grid lines dash-dotted like the CENTER line type.
constexpr std::string_view kStyle =
    "<style>\n"
    "line,rect,circle{fill:none;stroke-linecap:round}\n"
    "text{font-family:sans-serif;text-anchor:middle;white-space:pre;stroke:none}\n"
    ".Layout{stroke:#000;stroke-width:0.025;fill:#000}\n"
    ".Grid{stroke:#6b6b6b;stroke-width:0.015;fill:#444}\n"
    ".Grid line{stroke-dasharray:1.25 0.25 0.25 0.25}\n"
    ".TblText{fill:#000}\n"
    ".Dimension{stroke:#1d4f91;stroke-width:0.012;fill:#1d4f91}\n"
    ".Dimension polygon{stroke:none}\n"
    "</style>\n";

std::string_view GroupOf(const DrawingEntity& e) {
  return e.kind == EntityKind::kDimension ? std::string_view("Dimension") : std::string_view(e.layer);
}

}  // namespace

void WriteSvg(const Drawing& drawing, const PieceSink& write) {
  const DrawingLayout layout = LayOutDrawing(drawing);
  const Extents& box = layout.extents;
  const double x0 = box.min.x - kMargin, y0 = Y(box.max.y) - kMargin;
  const double width = box.max.x - box.min.x + 2 * kMargin, height = box.max.y - box.min.y + 2 * kMargin;

  PieceBuffer pieces(write, 4096);
  SvgOut out(pieces.text());
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" xml:space=\"preserve\" width=\""
      << width * kMillimetresPerUnit << "mm\" height=\"" << height * kMillimetresPerUnit << "mm\" viewBox=\"" << x0
      << ' ' << y0 << ' ' << width << ' ' << height << "\">\n"
      << "<title>Footing layout</title>\n"
      << kStyle << "<rect x=\"" << x0 << "\" y=\"" << y0 << "\" width=\"" << width << "\" height=\"" << height
      << "\" style=\"fill:#fff;stroke:none\"/>\n";
  // Entities in drawing order; a group opens wherever the layer changes.
  bool inGroup = false;
  std::string_view current;
  const DimensionLayout* dimension = layout.dimensions.data();
  for (const DrawingEntity& e : drawing.entities) {
    const std::string_view group = GroupOf(e);
    if (!inGroup || group != current) {
      if (inGroup) out << "</g>\n";
      out << "<g class=\"";
      out.Escaped(group);
      out << "\">\n";
      current = group;
      inGroup = true;
    }
    Entity(out, e, dimension);
    pieces.HandOnWhenFull();
  }
  if (inGroup) out << "</g>\n";
  out << "</svg>\n";
  pieces.Finish();
}

std::string SvgText(const Drawing& drawing) {
  return TextOf([&](const PieceSink& write) { WriteSvg(drawing, write); });
}

void SaveSvg(const Drawing& drawing, const std::string& fileName) {
  ReplaceFileWith(fileName, [&](const PieceSink& write) { WriteSvg(drawing, write); });
}

}  // namespace footmark
