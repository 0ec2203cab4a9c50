// footmark-capacity-file FILE: writes the capacity building's analysis file,
// for whole-process timings and for comparing builds on it.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "bench/capacity_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: footmark-capacity-file FILE\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << footmark::bench::CapacityAnalysisFile();
  return out ? 0 : 3;
}
