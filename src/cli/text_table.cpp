#include "cli/text_table.h"

#include <algorithm>

namespace footmark::cli {

void WriteTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> width;
  for (const auto& row : rows)
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (width.size() <= c) width.push_back(0);
      width[c] = std::max(width[c], row[c].size());
    }
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += "  " + row[c];
      if (c + 1 < row.size()) line += std::string(width[c] - row[c].size(), ' ');
    }
    out << line << '\n';
  }
}

}  // namespace footmark::cli
