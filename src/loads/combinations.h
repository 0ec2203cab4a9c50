// The combinations the checks judge a footing under: the file's own service
// and factored combinations and those formed from its primaries (IS 456
// Table 18, IS 1893:2016 6.3.1.2, IS 875-5 8.2), each a sum of printed cases
// times factors, so that any support's reactions follow at once.
#pragma once

#include <string>
#include <vector>

#include "loads/load_cases.h"

namespace footmark::loads {

// A printed case (its position among LoadFile::printed) times a factor.
struct Term {
  int index = 0;
  double factor = 0;
};

struct Combination {
  // "LC5 1.5DL+1.5LL" for the file's own, "1.5(DL - EL4)" for one formed
  // here (DL, LL: every dead and every imposed primary; EL4, WL5: a seismic
  // or wind primary by its number).
  std::string name;
  int number = 0;        // the file's load-case number; 0: formed from the primaries
  bool lateral = false;  // a seismic or wind action in it
  LoadClass lateralClass = LoadClass::Dead;  // Seismic or Wind when lateral (seismic when both)
  double deadFactor = 0;  // the factor on dead load (the footing's own weight takes it)
  // The method's convention (the fallback): the SBC for the first case and
  // 25 % more after it, whatever the case.
  bool laterCase = false;
  std::vector<Term> terms;
};

// A seismic or wind primary, taken with both signs.
struct LateralCase {
  int number = 0;
  LoadClass loadClass = LoadClass::Seismic;
  int index = 0;      // among the printed cases
  std::string label;  // "EL4", "WL5"
};

struct CombinationSets {
  bool fallback = false;  // every printed case alike (LoadFile::fallback)
  double psi = 0.8;
  std::vector<Combination> service;   // bearing, full contact
  std::vector<Combination> factored;  // slab, load transfer
  std::vector<Combination> uplift;    // 0.9DL +- 1.5X: uplift and overturning
  std::vector<Term> dead, live;       // DL and LL
  std::vector<LateralCase> laterals;
  std::vector<std::string> notes;     // what forming them leaves out
};

// Forms the sets from a file read by ReadLoads: DL; DL + LL; DL +- X;
// DL + psi LL +- psi X for service; 1.5(DL + LL); 1.2(DL + LL +- X);
// 1.5(DL +- X); 0.9DL +- 1.5X factored, with the file's own combinations
// beside them (one equal to a formed one keeps the file's name and printed
// values). Seismic and wind are never combined. Under the fallback every
// printed case is a service load and 1.5 times it a factored one.
CombinationSets FormCombinations(const LoadFile& file, double psi);

// The reactions of a sum of printed cases at a support (1..file.supports).
Reaction Evaluate(const LoadFile& file, int support, const std::vector<Term>& terms);

}  // namespace footmark::loads
