#include "svg/svg_writer.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>
#include <string_view>

#include "drawing/drawing_geometry.h"
#include "dxf/dxf_text.h"
#include "model/code_page.h"
#include "model/replace_file.h"

namespace footmark {

namespace {

constexpr double kMargin = 2.0;             // m around the extents
constexpr double kMillimetresPerUnit = 10;  // 1:100
// CAD text heights are capital heights; a sans-serif capital is about 0.7
// of the font size.
constexpr double kFontPerHeight = 1 / 0.7;

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
          else
            AppendUtf8(out_, Cp1252CodePoint(byte));  // the drawing's texts are code page 1252
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

void Text(SvgOut& out, const PlacedText& t, TextAlign align = TextAlign::kCentre) {
  out << "<text x=\"" << t.base.x << "\" y=\"" << Y(t.base.y) << "\" font-size=\"" << t.height * kFontPerHeight
      << '"';
  // Inline, so that it wins over the style sheet's centring.
  if (align != TextAlign::kCentre) out << (align == TextAlign::kLeft ? " style=\"text-anchor:start\"" : " style=\"text-anchor:end\"");
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

// A polyline as a path; a bulged side is an arc, counter-clockwise in the
// drawing and so against the screen's sweep.
void Polyline(SvgOut& out, const DrawingEntity& e) {
  const std::vector<Vertex>& p = e.points;
  if (p.empty()) return;
  out << "<path d=\"M" << double{p[0].x} << ' ' << Y(p[0].y);
  const std::size_t sides = e.closed ? p.size() : p.size() - 1;
  for (std::size_t i = 0; i < sides; ++i) {
    const Vertex& a = p[i];
    const Vertex& b = p[(i + 1) % p.size()];
    if (a.bulge == 0) {
      out << " L" << double{b.x} << ' ' << Y(b.y);
      continue;
    }
    const double angle = 4 * std::atan(std::fabs(double{a.bulge}));
    const double radius = std::hypot(double{b.x} - a.x, double{b.y} - a.y) / (2 * std::sin(angle / 2));
    out << " A" << radius << ' ' << radius << " 0 " << (angle > std::numbers::pi ? "1 " : "0 ")
        << (a.bulge > 0 ? "0 " : "1 ") << double{b.x} << ' ' << Y(b.y);
  }
  if (e.closed) out << " Z";
  out << "\"/>\n";
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
      Text(out, {{e.a.x, e.a.y}, e.size, e.angle, ShownText(e.text)}, e.align);
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
    case EntityKind::kPolyline:
      Polyline(out, e);
      break;
    case EntityKind::kSolid:
      out << "<polygon points=\"";
      for (const Vertex& v : e.points) out << double{v.x} << ',' << Y(v.y) << ' ';
      out << "\"/>\n";
      break;
    case EntityKind::kHatch:
      for (const Segment& s : HatchLines(e)) Line(out, s.from.x, s.from.y, s.to.x, s.to.y);
      break;
  }
}

// Strokes in metres; grid lines dash-dotted like the CENTER line type.
constexpr std::string_view kStyle =
    "<style>\n"
    "line,rect,circle,path{fill:none;stroke-linecap:round}\n"
    "polygon{stroke:none}\n"
    "text{font-family:sans-serif;text-anchor:middle;white-space:pre;stroke:none}\n"
    ".Layout{stroke:#000;stroke-width:0.025;fill:#000}\n"
    ".Grid{stroke:#6b6b6b;stroke-width:0.015;fill:#444}\n"
    ".Grid line{stroke-dasharray:1.25 0.25 0.25 0.25}\n"
    ".TblText{fill:#000}\n"
    ".Dimension{stroke:#1d4f91;stroke-width:0.012;fill:#1d4f91}\n"
    "</style>\n";

// A sheet's style: each layer's pen and plot colour at the sheet's scale,
// its dashes as the DXF's line types scaled alike.
void SheetStyle(SvgOut& out, const Drawing& drawing) {
  const double unitsPerMm = drawing.sheets.front().scale / 1000.0;
  out << "<style>\n"
      << "line,rect,circle,path{fill:none;stroke-linecap:round;stroke-linejoin:round}\n"
      << "polygon{stroke:none}\n"
      << "text{font-family:sans-serif;text-anchor:middle;white-space:pre;stroke:none}\n";
  for (const DrawingLayer& layer : drawing.layers) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%06X", layer.plotColour & 0xFFFFFFu);
    out << '.';
    out.Escaped(layer.name);
    out << "{stroke:" << std::string_view(colour) << ";stroke-width:" << layer.pen * unitsPerMm
        << ";fill:" << std::string_view(colour) << "}\n";
    const double k = unitsPerMm * 10;  // the dashes are drawn for 1:100
    if (layer.lineType != "CONTINUOUS") {
      out << '.';
      out.Escaped(layer.name);
      out << " line,.";
      out.Escaped(layer.name);
      out << " path{stroke-dasharray:";
      if (layer.lineType == "CENTER")
        out << 1.25 * k << ' ' << 0.25 * k << ' ' << 0.25 * k << ' ' << 0.25 * k;
      else
        out << 0.5 * k << ' ' << 0.25 * k;
      out << "}\n";
    }
  }
  out << "</style>\n";
}

std::string_view GroupOf(const DrawingEntity& e) {
  return e.kind == EntityKind::kDimension ? std::string_view("Dimension") : std::string_view(e.layer);
}

// Entities [first, end) in drawing order; a group opens wherever the layer
// changes.
void Entities(SvgOut& out, PieceBuffer* pieces, const Drawing& drawing, std::size_t first, std::size_t end,
              const DimensionLayout* dimension) {
  bool inGroup = false;
  std::string_view current;
  for (std::size_t i = first; i < end; ++i) {
    const DrawingEntity& e = drawing.entities[i];
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
    if (pieces) pieces->HandOnWhenFull();
  }
  if (inGroup) out << "</g>\n";
}

// The dimensions laid out before entity `first`, so that a range starts
// with its own.
const DimensionLayout* DimensionsFrom(const Drawing& drawing, const DrawingLayout& layout, std::size_t first) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < first; ++i) n += drawing.entities[i].kind == EntityKind::kDimension ? 1 : 0;
  return layout.dimensions.data() + n;
}

// A sheet's opening tag: an <svg> of its paper size whose viewBox is the
// sheet's rectangle of the drawing; at (0, top) of an enclosing page, or
// standalone.
void SheetTag(SvgOut& out, const DrawingSheet& sheet, double top, bool standalone) {
  const double w = sheet.Width(), h = sheet.Height();
  out << "<svg";
  if (standalone)
    out << " xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" xml:space=\"preserve\"";
  else
    out << " x=\"0\" y=\"" << top << '"';
  out << " width=\"" << sheet.width << (standalone ? "mm" : "") << "\" height=\"" << sheet.height
      << (standalone ? "mm" : "") << "\" viewBox=\"" << double{sheet.x} << ' ' << Y(sheet.y + h) << ' ' << w << ' ' << h
      << "\">\n";
}

// What a sheet shows, the same in the SVG file and on a report's page: its
// paper and its entities, up to the closing tag; `pieces`, where given,
// hands the text on as it grows.
void Picture(SvgOut& out, PieceBuffer* pieces, const Drawing& drawing, const DrawingLayout& layout,
             const DrawingSheet& sheet) {
  const double w = sheet.Width(), h = sheet.Height();
  out << "<rect x=\"" << double{sheet.x} << "\" y=\"" << Y(sheet.y + h) << "\" width=\"" << w << "\" height=\"" << h
      << "\" style=\"fill:#fff;stroke:none\"/>\n";
  Entities(out, pieces, drawing, sheet.first, sheet.end, DimensionsFrom(drawing, layout, sheet.first));
  out << "</svg>\n";
}

std::string SheetPicture(const Drawing& drawing, const DrawingLayout& layout, const DrawingSheet& sheet) {
  // Room for the longest entities, so that the text is never moved as it
  // grows; pages of it that are never written are never touched.
  constexpr std::size_t kEntityBytes = 256;
  std::string picture;
  picture.reserve(1024 + (sheet.end - sheet.first) * kEntityBytes);
  SvgOut out(picture);
  Picture(out, nullptr, drawing, layout, sheet);
  return picture;
}

constexpr double kSheetGap = 10;  // mm between sheets one below the other

// The SVG file of a composed drawing up to its first sheet: the sheets one
// below the other, each at its paper size, so that a browser prints them at
// scale.
void SheetsHead(SvgOut& out, const Drawing& drawing, std::string_view style) {
  double width = 0, height = -kSheetGap;
  for (const DrawingSheet& sheet : drawing.sheets) {
    width = std::fmax(width, sheet.width);
    height += sheet.height + kSheetGap;
  }
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" xml:space=\"preserve\" width=\"" << width
      << "mm\" height=\"" << height << "mm\" viewBox=\"0 0 " << width << ' ' << height << "\">\n"
      << "<title>Footing layout</title>\n"
      << style;
}

}  // namespace

void WriteSvg(const Drawing& drawing, const PieceSink& write) {
  const DrawingLayout layout = LayOutDrawing(drawing);
  PieceBuffer pieces(write, 4096);
  SvgOut out(pieces.text());
  if (!drawing.sheets.empty()) {
    std::string style;
    SvgOut styleOut(style);
    SheetStyle(styleOut, drawing);
    SheetsHead(out, drawing, style);
    double top = 0;
    for (const DrawingSheet& sheet : drawing.sheets) {
      SheetTag(out, sheet, top, false);
      Picture(out, &pieces, drawing, layout, sheet);
      top += sheet.height + kSheetGap;
    }
    out << "</svg>\n";
    pieces.Finish();
    return;
  }
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  const Extents& box = layout.extents;
  const double x0 = box.min.x - kMargin, y0 = Y(box.max.y) - kMargin;
  const double width = box.max.x - box.min.x + 2 * kMargin, height = box.max.y - box.min.y + 2 * kMargin;
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" xml:space=\"preserve\" width=\""
      << width * kMillimetresPerUnit << "mm\" height=\"" << height * kMillimetresPerUnit << "mm\" viewBox=\"" << x0
      << ' ' << y0 << ' ' << width << ' ' << height << "\">\n"
      << "<title>Footing layout</title>\n"
      << kStyle << "<rect x=\"" << x0 << "\" y=\"" << y0 << "\" width=\"" << width << "\" height=\"" << height
      << "\" style=\"fill:#fff;stroke:none\"/>\n";
  Entities(out, &pieces, drawing, 0, drawing.entities.size(), layout.dimensions.data());
  out << "</svg>\n";
  pieces.Finish();
}

SvgSheetSet::SvgSheetSet(const Drawing& drawing) : drawing_(drawing) {
  if (drawing.sheets.empty()) return;
  const DrawingLayout layout = LayOutDrawing(drawing);
  SvgOut style(style_);
  SheetStyle(style, drawing);
  for (const DrawingSheet& sheet : drawing.sheets) pictures_.push_back(SheetPicture(drawing, layout, sheet));
}

void SvgSheetSet::Write(const PieceSink& write) const {
  if (drawing_.sheets.empty()) {
    WriteSvg(drawing_, write);
    return;
  }
  std::string head;
  SvgOut out(head);
  SheetsHead(out, drawing_, style_);
  double top = 0;
  for (std::size_t i = 0; i < pictures_.size(); ++i) {
    SheetTag(out, drawing_.sheets[i], top, false);
    write(head);
    head.clear();
    write(pictures_[i]);
    top += drawing_.sheets[i].height + kSheetGap;
  }
  write("</svg>\n");
}

void SvgSheetSet::AppendPage(std::string& text, std::size_t i) const {
  SvgOut out(text);
  SheetTag(out, drawing_.sheets[i], 0, true);
  text += style_;
  text += pictures_[i];
}

std::vector<std::string> SvgSheetSet::Pages() const {
  if (drawing_.sheets.empty()) return {SvgText(drawing_)};
  std::vector<std::string> pages(pictures_.size());
  for (std::size_t i = 0; i < pictures_.size(); ++i) AppendPage(pages[i], i);
  return pages;
}

std::string SvgSheetSet::PagesText() const {
  if (drawing_.sheets.empty()) return SvgText(drawing_);
  constexpr std::size_t kTagBytes = 256;  // an opening tag at most
  std::size_t bytes = 0;
  for (const std::string& picture : pictures_) bytes += kTagBytes + style_.size() + picture.size();
  std::string text;
  text.reserve(bytes);
  for (std::size_t i = 0; i < pictures_.size(); ++i) AppendPage(text, i);
  return text;
}

std::string SvgText(const Drawing& drawing) {
  return TextOf([&](const PieceSink& write) { WriteSvg(drawing, write); });
}

std::vector<std::string> SvgSheets(const Drawing& drawing) { return SvgSheetSet(drawing).Pages(); }

void SaveSvg(const Drawing& drawing, const std::string& fileName) {
  ReplaceFileWith(fileName, [&](const PieceSink& write) { WriteSvg(drawing, write); });
}

void SaveSvg(const SvgSheetSet& sheets, const std::string& fileName) {
  ReplaceFileWith(fileName, [&](const PieceSink& write) { sheets.Write(write); });
}

}  // namespace footmark
