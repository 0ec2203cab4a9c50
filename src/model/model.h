// The model store: every table of one run, zero at start and never cleared.
//
// One Model object is filled by the readers and extended by each step of the
// design run; steps are free functions taking it by reference. Table and field
// names are those of the data model. A counted list keeps its number of
// entries in element 0, entries from 1.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/table.h"

namespace footmark {

namespace loads {
struct LoadFile;
}

using int16 = std::int16_t;
using int32 = std::int32_t;

// Capacities of the data model (the upper index of each table).
inline constexpr int kMaxSupports = 200;
inline constexpr int kMaxLoadCases = 35;
inline constexpr int kMaxJoints = 2420;
inline constexpr int kMaxMembers = 2680;
inline constexpr int kMaxBetaEntries = 1000;
inline constexpr int kMaxColumnDesigns = 3000;
inline constexpr int kMaxGridLines = 100;
inline constexpr int kMaxSetValues = 1000;
inline constexpr int kMaxGridIndex = 99;
inline constexpr int kMaxBarSets = 84;
inline constexpr int kMaxColGroups = 10;
inline constexpr int kMaxGroupMembers = 222;
inline constexpr int kMaxRuns = 30;
inline constexpr int kMaxColumnTypes = 53;
inline constexpr int kMaxClasses = 30;
inline constexpr int kMaxFootGroups = 100;
inline constexpr int kMaxPedSizes = 10;

// Per-support record; fields in the order of the data model.
struct FootingRecord {
  int16 FootGroupNo = 0;   // footing design group
  std::string JointNo;     // joint number of the support, as text
  float PosX = 0;          // plan X, m
  float PosY = 0;          // plan Y (the model's Z), m
  int16 GridIX = 0;        // index of PosX in GridX
  int16 GridIY = 0;        // index of PosY in GridY
  std::string ColumnNo;    // member number of the ground-storey column
  float ColWidth = 0;      // first section side, mm, drawn along plan Y
  float ColDepth = 0;      // second section side, mm, drawn along plan X
  int16 BetaAngle = 0;     // shown by the column label; never set
  int16 ColType = 0;       // column type number
  int16 OffsetX = 0;       // -1, 0, +1: side of the grid point along plan X
  int16 OffsetY = 0;       // the same along plan Y
  float FootSize = 0;      // footing side, m (trial, then size class)
  float MaxColSteel = 0;   // largest required column steel of the stack, mm2
  int16 TieRow = 0;        // ColumnDesigns row with the heaviest ties
};

// Column bar set: a symmetric arrangement of bar rows.
struct BarSet {
  int16 SizeCount = 0;
  int16 Rows = 0;
  Table<int16, 8> RowDia{"RowDia"};
  Table<int16, 8> RowSize{"RowSize"};
  float RowAreaSum = 0;
  float SetArea = 0;
};

struct ColumnEntry {
  int16 SupportNo = 0;
  float MinSide = 0;
  float MaxSide = 0;
  float ReqSteel = 0;
  float ProvSteel = 0;
  int16 BarSetNo = 0;
  int16 SubGroup = 0;
};

struct ColGroup {
  Table<ColumnEntry, kMaxGroupMembers> Members{"Members"};
  int16 MemberCount = 0;
  Table<int16, kMaxGroupMembers> RunMergeOrder{"RunMergeOrder"};
  Table<int16, kMaxGroupMembers> RunBarSet{"RunBarSet"};
};

// Footing design group.
struct FootGroup {
  std::string Supports;  // support numbers, each followed by one blank
  float Size = 0;        // footing side B, m
  float Pressure = 0;    // governing gross soil pressure, kN/m2
  int16 LoadCase = 0;    // load-case position giving Pressure
  int16 GovSupport = 0;  // support giving Pressure
  float ColSize = 0;     // largest column dimension, mm
  float Pedestal = 0;    // pedestal side, m
  int16 PedType = 0;     // position of Pedestal in PedSizes
  float Depth = 0;       // overall footing depth, m
  float SteelArea = 0;   // bottom steel each way, mm2
  int16 BarDia = 0;      // mm
  std::string BarText;   // bar number and spacing
  // What the last design of the group met first, so that a group the method
  // left undesigned can be explained (the first candidate decides it).
  float FirstPedestal = 0;  // side of the first pedestal candidate tried, m
  float FirstVolume = 0;    // its concrete volume B^2 D + P^3, m3
  bool Designed = false;    // a pedestal candidate was accepted
};

// A combined footing that took supports out of their isolated groups: its
// rectangle in plan, model axes (x, and z as plan y), m. A set that could
// not be designed keeps its isolated footings: one area for each, all with
// the set's supports.
struct CombinedArea {
  std::string mark;           // "CF1"; empty when not designed
  std::vector<int> supports;  // ascending
  double x = 0, z = 0;        // centre
  double sizeX = 0, sizeZ = 0;
};

using CountedSet = Table<float, kMaxSetValues>;

struct Model {
  // --- analysis model (file readers) ---
  std::string AnlFilePath;
  Table<float, kMaxSupports, kMaxLoadCases, 4> SupportReactions{"SupportReactions"};
  int16 NumSupports = 0;
  int16 NumLoadCases = 0;
  Table<float, kMaxJoints, 3> Joints{"Joints"};
  int16 NumJoints = 0;
  Table<int32, kMaxMembers, 2> MemberIncidences{"MemberIncidences"};
  int16 NumMembers = 0;
  Table<std::string, kMaxBetaEntries> BetaMembers{"BetaMembers"};
  // The load cases as the analysis defines them and every reaction
  // component, read beside the reactions above (loads/load_cases.h).
  std::shared_ptr<const loads::LoadFile> Loads;

  // --- column design ---
  Table<float, kMaxColumnDesigns, 13> ColumnDesigns{"ColumnDesigns"};
  int16 NumColumnDesigns = 0;
  int16 Fck = 0;
  int16 Fe = 0;

  // --- support records, trial sizes, plan ---
  Table<FootingRecord, kMaxSupports> Footings{"Footings"};
  float SBC = 0;
  // Setting: the reference volume of the first pedestal candidate, m3; a
  // first candidate above it leaves the group undesigned.
  float MaxVolume = 10;
  Table<float, kMaxSupports, 2> FootingSizes{"FootingSizes"};
  Table<float, kMaxGridLines> GridLinesX{"GridLinesX"};
  Table<float, kMaxGridLines> GridLinesY{"GridLinesY"};
  // Row 0: footing size classes; rows 1..10: column groups. Column 0: merges
  // to apply (never written, so 0); column 1: most merges possible.
  Table<int16, kMaxColGroups, 1> MergeLimits{"MergeLimits"};

  // --- joint grid and column stacks ---
  CountedSet GridX{"GridX"};
  CountedSet GridLevels{"GridLevels"};
  CountedSet GridY{"GridY"};
  Table<int16, kMaxGridIndex, kMaxGridIndex, kMaxGridIndex> GridJoint{"GridJoint"};
  Table<int16, kMaxGridIndex, kMaxGridIndex, kMaxGridIndex> GridDesignRow{"GridDesignRow"};

  // --- bar sets, column groups and types ---
  Table<int16, 6> BarDiaTable{"BarDiaTable"};
  Table<double, 6> BarAreaTable{"BarAreaTable"};
  Table<BarSet, kMaxBarSets> BarSets{"BarSets"};
  int16 BarSetCount = 0;
  Table<ColumnEntry, 1000> ColumnList{"ColumnList"};
  Table<ColGroup, kMaxColGroups> ColGroups{"ColGroups"};
  int16 ColGroupCount = 0;
  int16 CurColGroup = 0;
  Table<int16, kMaxColumnTypes> TypeBarSet{"TypeBarSet"};
  Table<int16, kMaxColumnTypes> TypeTieRow{"TypeTieRow"};

  // --- footing size classes, design groups, shear table ---
  Table<float, kMaxClasses> ClassSize{"ClassSize"};
  int16 ClassCount = 0;
  Table<int16, kMaxClasses> MergeOrder{"MergeOrder"};
  Table<FootGroup, kMaxFootGroups> FootGroups{"FootGroups"};
  int16 FootGroupCount = 0;
  // Supports taken out of the groups into combined footings (a revision's).
  std::vector<CombinedArea> CombinedAreas;
  Table<float, kMaxPedSizes> PedSizes{"PedSizes"};
  Table<float, 13, 7> ShearTable{"ShearTable"};
  int16 GradeCol = 0;
};

}  // namespace footmark
