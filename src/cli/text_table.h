// Rows of text printed under each other, each column as wide as its widest
// cell, two blanks before every cell.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace footmark::cli {

void WriteTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

}  // namespace footmark::cli
