#include "report/html.h"

#include <algorithm>
#include <utility>

#include "model/code_page.h"
#include "model/numerics.h"

namespace footmark::report {

namespace {

void AppendEscaped(std::string& out, char c) {
  switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    default: out += c;
  }
}

bool WordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Whole words of our labels and their engineering notation.
constexpr std::pair<std::string_view, std::string_view> kWords[] = {
    {"mm2", "mm²"},   {"m2", "m²"},     {"m3", "m³"},       {"phi", "φ"},       {"tau_v", "τ<sub>v</sub>"},
    {"tau_c", "τ<sub>c</sub>"},         {"tau_bd", "τ<sub>bd</sub>"},           {"sqrt", "√"}};
// Pieces inside or between words.
constexpr std::pair<std::string_view, std::string_view> kPieces[] = {{"^2", "²"}, {"^3", "³"}, {" x ", " × "}};

// An opening tag, with its class where it has one.
void AppendOpening(std::string& out, std::string_view name, std::string_view cls) {
  out += '<';
  out += name;
  if (!cls.empty()) {
    out += " class=\"";
    out += cls;
    out += '"';
  }
  out += '>';
}

}  // namespace

std::string Escape(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (const char c : utf8) AppendEscaped(out, c);
  return out;
}

std::string FileText(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (const char c : cp1252) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\t') {
      out += ' ';
    } else if (byte < 0x20) {
      out += "\xEF\xBF\xBD";  // U+FFFD
    } else if (byte >= 0x80) {
      AppendUtf8(out, Cp1252CodePoint(byte));
    } else {
      AppendEscaped(out, c);
    }
  }
  return out;
}

std::string FileNameText(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return IsUtf8(name) ? Escape(name) : FileText(name);
}

std::string Typeset(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size();) {
    if (WordCharacter(text[i])) {
      std::size_t end = i;
      while (end < text.size() && WordCharacter(text[end])) ++end;
      const std::string_view word = text.substr(i, end - i);
      std::string_view typeset = word;
      for (const auto& [plain, nice] : kWords)
        if (word == plain) typeset = nice;
      out += typeset;
      i = end;
      continue;
    }
    bool replaced = false;
    // Every piece starts with a caret or a space.
    if (text[i] == '^' || text[i] == ' ') {
      for (const auto& [plain, nice] : kPieces) {
        if (text.substr(i, plain.size()) == plain) {
          out += nice;
          i += plain.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) AppendEscaped(out, text[i++]);
  }
  return out;
}

std::string Num(double x, int decimals) { return DecimalText(x, decimals, true); }

std::string Tag(std::string_view name, std::string_view html, std::string_view cls) {
  std::string out;
  out.reserve(2 * name.size() + html.size() + cls.size() + 16);
  AppendOpening(out, name, cls);
  out += html;
  out += "</";
  out += name;
  out += ">\n";
  return out;
}

void Table::Cells(std::string& out, const std::vector<std::string>& cells, std::string_view rowClass) const {
  AppendOpening(out, "tr", rowClass);
  for (std::size_t c = 0; c < cells.size(); ++c) {
    AppendOpening(out, "td", c < columns_.size() ? std::string_view(columns_[c].cls) : std::string_view());
    out += cells[c];
    out += "</td>";
  }
  out += "</tr>\n";
}

void Table::Row(const std::vector<std::string>& cells, std::string_view rowClass) { Cells(body_, cells, rowClass); }

void Table::Total(const std::vector<std::string>& cells) { Cells(foot_, cells, "total"); }

std::string Table::Html() const {
  std::string out;
  out.reserve(body_.size() + foot_.size() + 256 * (columns_.size() + 1));
  AppendOpening(out, "table", cls_);
  out += '\n';
  // A grid of values goes without headings.
  if (std::any_of(columns_.begin(), columns_.end(), [](const Column& c) { return !c.heading.empty(); })) {
    out += "<thead><tr>";
    for (const Column& c : columns_) {
      AppendOpening(out, "th", c.cls);
      out += c.heading;
      out += "</th>";
    }
    out += "</tr></thead>\n";
  }
  out += "<tbody>\n";
  out += body_;
  out += "</tbody>\n";
  if (!foot_.empty()) {
    out += "<tfoot>\n";
    out += foot_;
    out += "</tfoot>\n";
  }
  out += "</table>\n";
  return out;
}

}  // namespace footmark::report
